# Runs tavrelio-run once and checks its exit status and one of its output
# streams against a reviewed file (EXPECTED_FILE) or a pattern (EXPECTED_REGEX).
#   EMULATOR (empty unless cross-built, e.g. qemu-i386), RUNNER, WORKDIR, ARGS (separated by "|"), EXPECTED_EXIT, STREAM (stdout or stderr),
#   EXPECTED_FILE or EXPECTED_REGEX, ACTUAL_FILE (where a mismatch is saved),
#   OTHER_STREAM_EMPTY (the other stream must be empty).
string(REPLACE "|" ";" arguments "${ARGS}")
execute_process(
  COMMAND ${EMULATOR} ${RUNNER} ${arguments}
  WORKING_DIRECTORY ${WORKDIR}
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err
  RESULT_VARIABLE status)

if(STREAM STREQUAL "stderr")
  set(actual "${err}")
  set(other "${out}")
else()
  set(actual "${out}")
  set(other "${err}")
endif()

set(problems "")
if(NOT status STREQUAL EXPECTED_EXIT)
  string(APPEND problems "exit status ${status}, expected ${EXPECTED_EXIT}\n")
endif()
if(OTHER_STREAM_EMPTY AND NOT other STREQUAL "")
  string(APPEND problems "expected nothing on the other stream, got:\n${other}\n")
endif()

if(DEFINED EXPECTED_FILE)
  file(READ ${EXPECTED_FILE} expected)
  if(NOT actual STREQUAL expected)
    file(WRITE ${ACTUAL_FILE} "${actual}")
    string(APPEND problems "${STREAM} differs from ${EXPECTED_FILE}; actual saved in ${ACTUAL_FILE}\n")
    find_program(diff_program diff)
    if(diff_program)
      execute_process(COMMAND ${diff_program} -u ${EXPECTED_FILE} ${ACTUAL_FILE}
                      OUTPUT_VARIABLE difference)
      string(APPEND problems "${difference}")
    endif()
  endif()
elseif(DEFINED EXPECTED_REGEX)
  if(NOT actual MATCHES "${EXPECTED_REGEX}")
    string(APPEND problems "${STREAM} does not match ${EXPECTED_REGEX}:\n${actual}\n")
  endif()
endif()

if(NOT problems STREQUAL "")
  message(FATAL_ERROR "${problems}")
endif()
