# Configures a small parent project that adds this checkout with add_subdirectory and builds
# the room-model library and the command-line program, so that no path of the build points
# into the parent. Arguments: SOURCE (the checkout), WORK_DIR, JOBS.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR}/parent)
file(WRITE ${WORK_DIR}/parent/CMakeLists.txt
  "cmake_minimum_required(VERSION 3.18)\n"
  "project(EmbeddingParent LANGUAGES C CXX)\n"
  "add_subdirectory(\"${SOURCE}\" caldoryne)\n")
execute_process(COMMAND ${CMAKE_COMMAND} -S ${WORK_DIR}/parent -B ${WORK_DIR}/build
                        -DCMAKE_BUILD_TYPE=Release -DCALDORYNE_BUILD_TESTS=OFF
                RESULT_VARIABLE res OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT res EQUAL 0)
  message(FATAL_ERROR "configuring the parent project failed:\n${out}${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${WORK_DIR}/build -j${JOBS} --target caldoryne caldoryne-cli
                RESULT_VARIABLE res OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT res EQUAL 0)
  message(FATAL_ERROR "building the parent project failed:\n${out}${err}")
endif()
if(NOT EXISTS ${WORK_DIR}/build/caldoryne/bin/caldoryne-cli)
  message(FATAL_ERROR "caldoryne-cli is not in the checkout's own binary directory")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
