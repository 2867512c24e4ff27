# Installs the build into a scratch prefix and checks that every file lands where
# a desktop looks for it, and that the files name each other consistently.
#   cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -DAPPSTREAMCLI=... -DGUIDE=... -P CheckInstall.cmake
foreach(var BUILD_DIR PREFIX APP_ID APPSTREAMCLI GUIDE)
  if(NOT ${var})
    message(FATAL_ERROR "CheckInstall.cmake needs -D${var}=...")
  endif()
endforeach()

file(REMOVE_RECURSE "${PREFIX}")
execute_process(
  COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed (${rc}):\n${out}")
endif()

set(failures "")
function(expect_file path)
  if(NOT EXISTS "${PREFIX}/${path}" OR IS_DIRECTORY "${PREFIX}/${path}")
    set(failures "${failures}\n  missing: ${path}" PARENT_SCOPE)
  endif()
endfunction()
function(expect_program path)
  # A file that exists but is not executable cannot be started from a menu.
  execute_process(COMMAND test -f "${PREFIX}/${path}" -a -x "${PREFIX}/${path}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    set(failures "${failures}\n  missing or not executable: ${path}" PARENT_SCOPE)
  endif()
endfunction()

# Where desktops look for each file, relative to the prefix.
set(desktop_file "share/applications/${APP_ID}.desktop")
set(metainfo_file "share/metainfo/${APP_ID}.metainfo.xml")
set(icon_file "share/icons/hicolor/scalable/apps/${APP_ID}.svg")
expect_program(bin/tarrowin)
expect_program(bin/tarrowin-sim)
expect_file(${desktop_file})
expect_file(${metainfo_file})
expect_file(${icon_file})
expect_file(${GUIDE})
expect_file(share/man/man1/tarrowin.1)
expect_file(share/man/man1/tarrowin-sim.1)

if(EXISTS "${PREFIX}/${desktop_file}")
  # The entry and each of its actions.
  file(STRINGS "${PREFIX}/${desktop_file}" exec_lines REGEX "^Exec=")
  file(STRINGS "${PREFIX}/${desktop_file}" icon_line REGEX "^Icon=")
  foreach(exec_line IN LISTS exec_lines)
    if(NOT exec_line MATCHES "^Exec=tarrowin( |$)")
      string(APPEND failures "\n  the desktop entry does not start the installed tarrowin: '${exec_line}'")
    endif()
  endforeach()
  include(${CMAKE_CURRENT_LIST_DIR}/CheckDesktopEntry.cmake)
  check_desktop_actions("${PREFIX}/${desktop_file}" failures)
  if(NOT icon_line STREQUAL "Icon=${APP_ID}")
    string(APPEND failures "\n  the desktop entry's icon is not the installed one: '${icon_line}'")
  endif()
endif()
if(EXISTS "${PREFIX}/${metainfo_file}")
  file(READ "${PREFIX}/${metainfo_file}" metainfo)
  if(NOT metainfo MATCHES "<id>${APP_ID}</id>")
    string(APPEND failures "\n  the metainfo's id is not ${APP_ID}")
  endif()
  if(NOT metainfo MATCHES "<launchable type=\"desktop-id\">${APP_ID}\\.desktop</launchable>")
    string(APPEND failures "\n  the metainfo does not launch ${APP_ID}.desktop")
  endif()
  if(NOT metainfo MATCHES "<binary>tarrowin</binary>")
    string(APPEND failures "\n  the metainfo does not provide the tarrowin binary")
  endif()
endif()
if(EXISTS "${PREFIX}/${icon_file}")
  file(READ "${PREFIX}/${icon_file}" icon LIMIT 65536)
  if(NOT icon MATCHES "<svg")
    string(APPEND failures "\n  the icon is not an SVG picture")
  endif()
endif()

# The About box opens the guide from here; a page that fetched anything from the
# network would not work in a classroom without it.
if(EXISTS "${PREFIX}/${GUIDE}")
  file(READ "${PREFIX}/${GUIDE}" guide)
  if(NOT guide MATCHES "<title>Tarrowin user guide</title>")
    string(APPEND failures "\n  the user guide is not the Tarrowin user guide")
  endif()
  if(guide MATCHES "(src|href)=\"(https?:)?//")
    string(APPEND failures "\n  the user guide loads something from the network")
  endif()
endif()

# The software centre's own view of the tree: the metainfo finds its desktop entry.
execute_process(
  COMMAND "${APPSTREAMCLI}" validate-tree --no-net --strict "${PREFIX}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
  string(APPEND failures "\n  appstreamcli validate-tree failed (${rc}):\n${out}")
endif()

if(failures)
  message(FATAL_ERROR "The install tree under ${PREFIX} is wrong:${failures}")
endif()
message(STATUS "Install tree under ${PREFIX} is complete")
