# Runs VBS on SCRIPT; passes when it exits 0 and prints exactly the EXPECTED file.
execute_process(COMMAND ${VBS} ${SCRIPT} RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "exit ${rc}: ${err}")
endif()
file(READ ${EXPECTED} want)
if(NOT out STREQUAL want)
  message(FATAL_ERROR "output differs.\n--- expected\n${want}--- got\n${out}")
endif()
