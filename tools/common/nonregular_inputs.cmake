# Named pipes and devices given as project or climate file: each tool refuses them at once with
# exit code 1 and the reason, instead of waiting for a writer or reading without end.
#   -DCLI=<caldoryne-cli> -DPROBE=<climateprobe> -DCONVERT=<climate-convert> -DWORKDIR=<dir>
file(REMOVE_RECURSE "${WORKDIR}")
file(MAKE_DIRECTORY "${WORKDIR}")
foreach(name pipe.rmxml pipe.epw)
  execute_process(COMMAND mkfifo "${WORKDIR}/${name}" RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "mkfifo ${name} failed")
  endif()
endforeach()
file(CREATE_LINK /dev/zero "${WORKDIR}/zero.rmxml" SYMBOLIC)
file(CREATE_LINK /dev/zero "${WORKDIR}/zero.epw" SYMBOLIC)

set(PIPE "is a named pipe, not a regular file")
set(DEVICE "is a device, not a regular file")
set(cases
  "${CLI}@@--user-db=${WORKDIR}/userdb@@check@@${WORKDIR}/pipe.rmxml|${PIPE}"
  "${CLI}@@--user-db=${WORKDIR}/userdb@@check@@${WORKDIR}/zero.rmxml|${DEVICE}"
  "${CLI}@@--user-db=${WORKDIR}/userdb@@run@@${WORKDIR}/pipe.rmxml@@--output@@${WORKDIR}/out|${PIPE}"
  "${PROBE}@@${WORKDIR}/pipe.epw|${PIPE}"
  "${PROBE}@@${WORKDIR}/zero.epw|${DEVICE}"
  "${CONVERT}@@${WORKDIR}/pipe.epw@@${WORKDIR}/out.c6b|${PIPE}")
set(failed FALSE)
foreach(c ${cases})
  string(REPLACE "|" ";" parts "${c}")
  list(GET parts 0 command)
  list(GET parts 1 expected)
  string(REPLACE "@@" ";" command "${command}")
  # the bound catches a hang; it is no measure of speed
  execute_process(COMMAND ${command} TIMEOUT 120 RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT "${rc}" STREQUAL "1" OR NOT "${out}${err}" MATCHES "${expected}")
    message("${command}: exit ${rc}, expected 1 and '${expected}':\n${out}${err}")
    set(failed TRUE)
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "special files as input")
endif()
