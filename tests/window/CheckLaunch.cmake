# The real program: a bad option gives one line on stderr and status 2 before
# any window; --version gives the project's version; neither needs a screen. -DPROGRAM= -DVERSION= -DWORK=
file(MAKE_DIRECTORY ${WORK})
file(CHMOD ${WORK} DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(ENV{XDG_RUNTIME_DIR} ${WORK})
set(ENV{LANGUAGE} en)
# With no screen to open: the answers come before Qt looks for one.
set(ENV{QT_QPA_PLATFORM} xcb)
unset(ENV{DISPLAY})
unset(ENV{WAYLAND_DISPLAY})
execute_process(COMMAND ${PROGRAM} --circuit 2 --cells 7 RESULT_VARIABLE status ERROR_VARIABLE err TIMEOUT 30)
execute_process(COMMAND ${PROGRAM} --version OUTPUT_VARIABLE version TIMEOUT 30)
if(NOT status EQUAL 2 OR NOT err MATCHES "^tarrowin: [^\n]*\"7\"[^\n]*\n$" OR NOT version STREQUAL "tarrowin ${VERSION}\n")
  message(FATAL_ERROR "--cells 7: status ${status}, stderr [${err}]; --version: [${version}]")
endif()
