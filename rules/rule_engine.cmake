# Rule matching and application.
velmado_core_sources(rule_matcher.cpp rule_plan.cpp)
velmado_unit_tests(rule_matcher_test.cpp rule_plan_test.cpp)
velmado_win_sources(win/rule_engine.cpp win/window_opacity.cpp win/window_state_lists.cpp)
velmado_e2e_tests(win/rule_engine_e2e_test.cpp)
