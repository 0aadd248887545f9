# Settings shared by every Windows program and library of the project.
function(velmado_windows_target target)
  velmado_warnings(${target})
  target_compile_definitions(${target} PUBLIC
    UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX STRICT _WIN32_WINNT=0x0601 WINVER=0x0601)
  target_link_options(${target} PUBLIC -static -static-libgcc -static-libstdc++)
endfunction()

# A GUI-subsystem program with the project's version resource and its manifest.
function(velmado_gui_program target)
  velmado_windows_target(${target})
  target_link_options(${target} PRIVATE -municode -mwindows)
endfunction()

function(velmado_console_target target)
  velmado_windows_target(${target})
  target_link_options(${target} PRIVATE -mconsole)
endfunction()

configure_file(${CMAKE_SOURCE_DIR}/res/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)

# Embeds the manifest (execution level asInvoker or requireAdministrator), version and icon.
function(velmado_program_resources target rc_file manifest_name manifest_level)
  set(MANIFEST_NAME ${manifest_name})
  set(MANIFEST_LEVEL ${manifest_level})
  configure_file(${CMAKE_SOURCE_DIR}/res/program.manifest.in
                 ${CMAKE_BINARY_DIR}/generated/${manifest_name}.manifest @ONLY)
  target_sources(${target} PRIVATE ${rc_file})
  target_include_directories(${target} PRIVATE ${CMAKE_BINARY_DIR}/generated ${CMAKE_SOURCE_DIR}/res)
  set_property(SOURCE ${rc_file} APPEND PROPERTY OBJECT_DEPENDS
               ${CMAKE_BINARY_DIR}/generated/${manifest_name}.manifest
               ${CMAKE_SOURCE_DIR}/res/velmado.ico ${CMAKE_SOURCE_DIR}/res/versioninfo.rc)
endfunction()
