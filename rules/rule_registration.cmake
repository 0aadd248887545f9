# Turning a window into a rule, and the rule list's edits and searches.
velmado_core_sources(rule_registration.cpp rule_list_edits.cpp)
velmado_unit_tests(rule_registration_test.cpp rule_list_edits_test.cpp)
