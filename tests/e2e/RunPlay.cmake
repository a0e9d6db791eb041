# Runs `run --headless --play` in a fresh folder and checks its exit status, its messages and the
# picture a `shot` step wrote.
#   RUN STEPS PROJECT WORKDIR   required
#   EXPECT_FAIL                 the run must end with a non-zero status
#   EXPECT_OUTPUT               a text the output or messages must contain
#   EXPECT_PNG                  a file (in WORKDIR) that must be a PNG picture
file(REMOVE_RECURSE "${WORKDIR}")
file(MAKE_DIRECTORY "${WORKDIR}")
execute_process(COMMAND "${RUN}" --headless --play "${STEPS}" "${PROJECT}"
                WORKING_DIRECTORY "${WORKDIR}"
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
message(STATUS "status ${status}\n${out}${err}")
if("${out}${err}" MATCHES "runtime error|AddressSanitizer|LeakSanitizer")
  message(FATAL_ERROR "the sanitizers reported a fault")
endif()
if(EXPECT_FAIL)
  if(status EQUAL 0)
    message(FATAL_ERROR "the play script should have failed")
  endif()
elseif(NOT status EQUAL 0)
  message(FATAL_ERROR "the play script failed with status ${status}")
endif()
if(DEFINED EXPECT_OUTPUT)
  string(FIND "${out}${err}" "${EXPECT_OUTPUT}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected to see: ${EXPECT_OUTPUT}")
  endif()
endif()
if(DEFINED EXPECT_PNG)
  if(NOT EXISTS "${WORKDIR}/${EXPECT_PNG}")
    message(FATAL_ERROR "${EXPECT_PNG} was not written")
  endif()
  file(READ "${WORKDIR}/${EXPECT_PNG}" magic LIMIT 8 HEX)
  if(NOT magic STREQUAL "89504e470d0a1a0a")
    message(FATAL_ERROR "${EXPECT_PNG} is not a PNG (starts with ${magic})")
  endif()
  file(SIZE "${WORKDIR}/${EXPECT_PNG}" size)
  if(size LESS 200)
    message(FATAL_ERROR "${EXPECT_PNG} is too small to hold the window (${size} bytes)")
  endif()
endif()
