# Runs a console tool once and compares its stdout (and optionally stderr) and exit code.
#   -DTOOL=<exe> -DARGS=<arguments separated by @@> -DWORKDIR=<dir>
#   -DEXPECTED_RC=<exit code> [-DEXPECTED=<file with the expected stdout>]
#   [-DEXPECTED_ERR=<file with the expected stderr>] [-DREMOVE=<file deleted before the run>]
#   [-DMATCH=<regular expression that stdout and stderr together must match>]
#   [-DNO_MATCH=<regular expression that stdout and stderr must not match>]
string(REPLACE "@@" ";" args "${ARGS}")
if(REMOVE)
  file(REMOVE "${WORKDIR}/${REMOVE}")
endif()
file(MAKE_DIRECTORY "${WORKDIR}")
execute_process(COMMAND "${TOOL}" ${args}
  WORKING_DIRECTORY "${WORKDIR}"
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)

set(failed FALSE)
if(NOT "${rc}" STREQUAL "${EXPECTED_RC}")
  message("exit code ${rc}, expected ${EXPECTED_RC}")
  set(failed TRUE)
endif()
if(EXPECTED)
  file(READ "${EXPECTED}" expected)
  if(NOT out STREQUAL expected)
    message("stdout differs.\n--- got ---\n${out}--- expected ---\n${expected}---")
    set(failed TRUE)
  endif()
endif()
if(MATCH AND NOT "${out}${err}" MATCHES "${MATCH}")
  message("output does not match '${MATCH}'.\n--- got ---\n${out}${err}---")
  set(failed TRUE)
endif()
if(NO_MATCH AND "${out}${err}" MATCHES "${NO_MATCH}")
  message("output matches '${NO_MATCH}'.\n--- got ---\n${out}${err}---")
  set(failed TRUE)
endif()
if(EXPECTED_ERR)
  file(READ "${EXPECTED_ERR}" expectedErr)
  if(NOT err STREQUAL expectedErr)
    message("stderr differs.\n--- got ---\n${err}--- expected ---\n${expectedErr}---")
    set(failed TRUE)
  endif()
endif()
if(failed)
  message(FATAL_ERROR "${TOOL} ${args}: stderr was:\n${err}")
endif()
