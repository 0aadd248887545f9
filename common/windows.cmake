# The window and process identification helpers, the screen model and the shell windows.
velmado_core_sources(placement.cpp taskbar_edges.cpp windows_version.cpp shell_exclusions.cpp
                     device_path.cpp)
velmado_win_sources(win/screen.cpp win/window_identity.cpp win/window_geometry.cpp
                    win/foreground.cpp win/shell_windows.cpp win/os_version.cpp
                    win/shield_glyph.cpp)
velmado_unit_tests(placement_test.cpp taskbar_edges_test.cpp windows_version_test.cpp
                   shell_exclusions_test.cpp device_path_test.cpp)
if(WIN32)
  target_link_libraries(velmado_win PUBLIC comctl32 shell32)
endif()
velmado_win_unit_tests(win/screen_test.cpp)
velmado_e2e_tests(win/window_helpers_e2e_test.cpp win/multi_monitor_e2e_test.cpp)
