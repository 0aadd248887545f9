# The rule editor and its sub dialog.
velmado_win_sources(win/window_form.cpp win/window_form_layout.cpp win/window_form_settings.cpp
                    win/window_form_rule_list.cpp win/window_form_file.cpp
                    win/window_form_register.cpp win/window_form_window_list.cpp
                    win/window_sub_form.cpp)
velmado_win_unit_tests(win/window_form_test.cpp)
