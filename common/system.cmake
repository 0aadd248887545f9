# The system, file and elevation helpers.
velmado_core_sources(text.cpp paths.cpp mru_list.cpp scheduled_task.cpp command_args.cpp
                     version_info.cpp explorer_icon.cpp shortcut_entry.cpp)
velmado_unit_tests(text_test.cpp paths_test.cpp mru_list_test.cpp scheduled_task_test.cpp
                   command_args_test.cpp version_info_test.cpp explorer_icon_test.cpp
                   shortcut_entry_test.cpp)
velmado_win_sources(win/wow64.cpp win/files.cpp win/data_folder.cpp
                    win/processes.cpp win/process_command_line.cpp win/launch.cpp
                    win/version_info.cpp win/icons.cpp win/taskbar_list.cpp win/text_tools.cpp
                    win/controls.cpp win/sound.cpp win/mru_list.cpp)
if(WIN32)
  # Version resources, wave playback and the management service's interfaces.
  target_link_libraries(velmado_win PUBLIC version winmm ole32 oleaut32 uuid wbemuuid)
endif()
velmado_win_unit_tests(win/files_test.cpp win/system_test.cpp)
velmado_e2e_tests(win/processes_e2e_test.cpp)
