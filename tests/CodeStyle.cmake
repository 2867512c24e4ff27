# The tree's C++ as .clang-format lays it out: lists every file that
# clang-format would change, and fails if there is one.
# cmake -DCLANG_FORMAT=<program> -DROOT=<source tree> -P CodeStyle.cmake
set(globs)
foreach(dir app bench cli core platform tests view web/src)
  list(APPEND globs ${ROOT}/${dir}/*.cpp ${ROOT}/${dir}/*.h)
endforeach()
file(GLOB_RECURSE files LIST_DIRECTORIES false ${globs})
list(LENGTH files count)
if(count LESS 100)
  message(FATAL_ERROR "only ${count} C++ files found below ${ROOT}")
endif()
execute_process(COMMAND ${CLANG_FORMAT} --dry-run -Werror ${files} RESULT_VARIABLE status ERROR_VARIABLE report)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${report}\nclang-format would change these lines: run clang-format -i on the files named above.")
endif()
