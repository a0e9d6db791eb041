# Runs every program of this folder with VBS (prelude.vbs included first) and
# compares what it printed, its error report and its exit status with NAME.out.
# Fails naming every program that differs.
#
#   cmake -DVBS=build/vbs -P tests/vbscript/differential/run_corpus.cmake
#   cmake -DVBS=build/vbs -DRECORD=1 -P ...   rewrites the .out files instead
#   cmake -DVBS=build/vbs -DONLY=ops_add_1 -P ...   runs one program
#
# A NAME.out holds the program's standard output, then "--- stderr" and its
# error output when there is any, then "--- exit N" when it exits non-zero.
if(NOT VBS)
  message(FATAL_ERROR "run with -DVBS=path/to/vbs")
endif()
# The programs run from their own folder: a relative VBS means the caller's.
get_filename_component(VBS "${VBS}" ABSOLUTE)
get_filename_component(dir "${CMAKE_CURRENT_LIST_FILE}" DIRECTORY)
if(ONLY)
  set(programs ${ONLY}.vbs)
else()
  file(GLOB programs RELATIVE ${dir} ${dir}/*.vbs)
  list(REMOVE_ITEM programs prelude.vbs)
endif()
list(LENGTH programs total)
if(total EQUAL 0)
  message(FATAL_ERROR "no programs in ${dir}")
endif()
# A program that loops for ever is stopped by the engine, which reports it.
set(ENV{VBS_TIMEOUT_MS} 5000)

set(differing "")
set(shown 0)
foreach(program ${programs})
  get_filename_component(name ${program} NAME_WE)
  # Run from this folder with a relative name, so error reports read the same
  # wherever the build is.
  execute_process(COMMAND ${VBS} --include prelude.vbs ${program}
    WORKING_DIRECTORY ${dir} RESULT_VARIABLE rc OUTPUT_VARIABLE got ERROR_VARIABLE err TIMEOUT 30)
  if(NOT rc MATCHES "^[0-9]+$")
    message(FATAL_ERROR "${name}: ${VBS} did not run to an exit status: ${rc}")
  endif()
  if(NOT err STREQUAL "")
    string(APPEND got "--- stderr\n${err}")
    if(NOT err MATCHES "\n$")
      string(APPEND got "\n")
    endif()
  endif()
  if(NOT rc STREQUAL "0")
    string(APPEND got "--- exit ${rc}\n")
  endif()

  if(RECORD)
    file(WRITE ${dir}/${name}.out "${got}")
    continue()
  endif()
  if(EXISTS ${dir}/${name}.out)
    file(READ ${dir}/${name}.out want)
  else()
    set(want "(no ${name}.out recorded)\n")
  endif()
  if(NOT got STREQUAL want)
    list(APPEND differing ${name})
    # The first few in full; the rest by name only, to keep the log readable.
    if(shown LESS 5)
      math(EXPR shown "${shown} + 1")
      message("${name} differs.\n--- expected\n${want}--- got\n${got}")
    endif()
  endif()
endforeach()

if(RECORD)
  message(STATUS "recorded ${total} programs")
  return()
endif()
list(LENGTH differing bad)
if(bad GREATER 0)
  string(REPLACE ";" "\n  " names "${differing}")
  message(FATAL_ERROR "${bad} of ${total} programs differ from their recorded output:\n  ${names}")
endif()
message(STATUS "${total} programs match their recorded output")
