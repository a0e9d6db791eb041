# Installs the build into a staging folder (DESTDIR) as `make install` does, checks that every
# file a system needs is there, and that the installed program runs and checks the installed demo.
file(REMOVE_RECURSE "${STAGE}")
set(ENV{DESTDIR} "${STAGE}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix /usr RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the install failed (${rc})")
endif()
foreach(f usr/bin/run usr/bin/vbs usr/share/applications/adventure-player.desktop
          usr/share/icons/hicolor/scalable/apps/adventure-player.svg
          usr/share/metainfo/org.adventure_player.Run.metainfo.xml usr/share/man/man1/run.1
          usr/share/man/man1/vbs.1 usr/share/adventure-player/demo/Config/General)
  if(NOT EXISTS "${STAGE}/${f}")
    message(FATAL_ERROR "the install has no ${f}")
  endif()
endforeach()
file(GLOB_RECURSE components "${STAGE}/usr/*/adventure-player/components/*.ocx")
list(LENGTH components count)
if(NOT count EQUAL 2)
  message(FATAL_ERROR "the install should hold the two components, not: ${components}")
endif()
execute_process(COMMAND "${STAGE}/usr/bin/run" --version OUTPUT_VARIABLE version RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT version MATCHES "^run \\(Adventure Player\\) [0-9]")
  message(FATAL_ERROR "run --version gave '${version}' (${rc})")
endif()
execute_process(COMMAND "${STAGE}/usr/bin/run" --check "${STAGE}/usr/share/adventure-player/demo"
                OUTPUT_VARIABLE report RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the installed demo does not check clean (${rc}):\n${report}")
endif()
file(REMOVE_RECURSE "${STAGE}")
