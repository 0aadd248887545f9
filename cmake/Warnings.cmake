function(velmado_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wcast-align -Wformat=2 -Wimplicit-fallthrough -Wmissing-declarations)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # GCC 12 reports false -Wrestrict hits inside std::basic_string at -O2.
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(VELMADO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
