# Runs VBS on SCRIPT; passes when it exits non-zero and stderr contains EXPECTED.
execute_process(COMMAND ${VBS} ${SCRIPT} RESULT_VARIABLE rc ERROR_VARIABLE err OUTPUT_VARIABLE out)
if(rc EQUAL 0)
  message(FATAL_ERROR "expected a failure exit, got 0; stdout: ${out}")
endif()
string(FIND "${err}" "${EXPECTED}" pos)
if(pos EQUAL -1)
  message(FATAL_ERROR "stderr lacks '${EXPECTED}':\n${err}")
endif()
