# A run into a folder that others can write (or that holds an earlier run of another project):
# a link planted with a result file's name, a result folder planted as a link, and the humidity
# file of an earlier run with the moisture balance, which this run does not write.
#   -DTOOL=<caldoryne-cli> -DPROJECT=<project without moisture balance> -DWORKDIR=<dir>
file(REMOVE_RECURSE "${WORKDIR}")
file(MAKE_DIRECTORY "${WORKDIR}/run/results" "${WORKDIR}/elsewhere" "${WORKDIR}/linked")
file(WRITE "${WORKDIR}/data.txt" "my own data\n")
file(CREATE_LINK "${WORKDIR}/data.txt" "${WORKDIR}/run/results/RoomTemperature.ccd" SYMBOLIC)
file(WRITE "${WORKDIR}/run/results/RoomRelativeHumidity.ccd" "from an earlier run\n")

set(failed FALSE)
execute_process(COMMAND "${TOOL}" --user-db=${WORKDIR}/userdb run "${PROJECT}" --output ${WORKDIR}/run
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(READ "${WORKDIR}/data.txt" data)
if(NOT rc EQUAL 0 OR NOT data STREQUAL "my own data\n" OR IS_SYMLINK "${WORKDIR}/run/results/RoomTemperature.ccd")
  message("run through the planted result file link: exit ${rc}, data.txt now:\n${data}\n${out}${err}")
  set(failed TRUE)
endif()
file(READ "${WORKDIR}/run/results/RoomTemperature.ccd" temperatures LIMIT 200)
if(NOT temperatures MATCHES "TEMPER")
  message("RoomTemperature.ccd holds no temperatures:\n${temperatures}")
  set(failed TRUE)
endif()
if(EXISTS "${WORKDIR}/run/results/RoomRelativeHumidity.ccd")
  message("the earlier run's RoomRelativeHumidity.ccd is still beside this run's files")
  set(failed TRUE)
endif()

file(CREATE_LINK "${WORKDIR}/elsewhere" "${WORKDIR}/linked/results" SYMBOLIC)
execute_process(COMMAND "${TOOL}" --user-db=${WORKDIR}/userdb run "${PROJECT}" --output ${WORKDIR}/linked
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
file(GLOB written "${WORKDIR}/elsewhere/*")
if(NOT rc EQUAL 1 OR written OR NOT "${out}${err}" MATCHES "'[^']*/linked/results' is a symbolic link; no files are written through it")
  message("run into a planted result folder link: exit ${rc}, written there: ${written}\n${out}${err}")
  set(failed TRUE)
endif()
if(failed)
  message(FATAL_ERROR "planted links")
endif()
