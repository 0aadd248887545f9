# The rule list in rule files, and the files kept beside them.
velmado_core_sources(rule_file.cpp)
velmado_unit_tests(rule_file_test.cpp)
velmado_win_sources(win/rule_store.cpp)
velmado_win_unit_tests(win/rule_store_test.cpp)
