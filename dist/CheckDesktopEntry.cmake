# The desktop entry's actions (right-click in the desktop's menu) each start
# the first circuit of their group: checked on the installed tree by
# CheckInstall.cmake and on the package by scripts/build-deb.sh.
#   cmake -DDESKTOP=FILE -P CheckDesktopEntry.cmake
function(check_desktop_actions file out)
  file(READ "${file}" entry)
  set(wrong "${${out}}")
  set(actions bulbs switches bulb-resistor resistors)
  set(circuits 1 5 8 11)
  foreach(action circuit IN ZIP_LISTS actions circuits)
    if(NOT entry MATCHES "\\[Desktop Action ${action}\\]\n(Name[^\n]*\n)*Exec=tarrowin --circuit ${circuit}\n")
      string(APPEND wrong "\n  the desktop action '${action}' does not start circuit ${circuit}")
    endif()
  endforeach()
  set(${out} "${wrong}" PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  check_desktop_actions("${DESKTOP}" problems)
  if(problems)
    message(FATAL_ERROR "${DESKTOP} is wrong:${problems}")
  endif()
endif()
