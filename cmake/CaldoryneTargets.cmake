# Helpers shared by all libraries: one static library per externals/<dir>/src,
# one GoogleTest executable per externals/<dir>/tests.

# Warnings are errors in the project's own code. Imported targets (Qt, GoogleTest,
# SUNDIALS, Qwt::Qwt of FindQwt.cmake) put their headers on the system include path, so their
# warnings stay out. The options are set for this directory and everything below it,
# so every target of the project (libraries, tests, tools, benchmarks, the application)
# compiles with them; CALDORYNE_WARNINGS stays for targets that name it explicitly.
set(CALDORYNE_WARNINGS -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wpedantic)
option(CALDORYNE_WERROR "Treat compiler warnings as errors" ON)
if(CALDORYNE_WERROR)
  list(APPEND CALDORYNE_WARNINGS -Werror)
endif()
add_compile_options(${CALDORYNE_WARNINGS})
# Numeric conversions are checked where it is cheap: the room model and the solver framework.
set(CALDORYNE_CONVERSION_WARNINGS -Wconversion)
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  # clang's -Wconversion also warns on every signed/unsigned index mix, which GCC's leaves
  # out for C++; the same set of warnings holds for both compilers (the fuzz build uses clang)
  list(APPEND CALDORYNE_CONVERSION_WARNINGS -Wno-sign-conversion)
endif()

# caldoryne_library(<target> [CONVERSION] DEPS <libs...>)
# Builds every *.cpp below src/ of the current directory into a static library;
# CONVERSION adds the numeric conversion warnings.
function(caldoryne_library target)
  cmake_parse_arguments(ARG "CONVERSION" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/src/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/src/*.c
       ${CMAKE_CURRENT_SOURCE_DIR}/src/*.ui ${CMAKE_CURRENT_SOURCE_DIR}/src/*.qrc)
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/src/*.h)
  add_library(${target} STATIC ${sources} ${headers})
  target_include_directories(${target} PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/src)
  if(ARG_CONVERSION)
    target_compile_options(${target} PRIVATE ${CALDORYNE_CONVERSION_WARNINGS})
  endif()
  if(ARG_DEPS)
    target_link_libraries(${target} PUBLIC ${ARG_DEPS})
  endif()
endfunction()

# caldoryne_tests(<target> DEPS <libs...>)
# Builds every *.cpp in tests/ into one GoogleTest executable registered with CTest.
# Tests run with HOME and the Qt settings/config locations in a private folder.
function(caldoryne_tests target)
  if(NOT CALDORYNE_BUILD_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.cpp
       ${CMAKE_CURRENT_SOURCE_DIR}/tests/*.qrc)
  if(NOT sources)
    return()
  endif()
  add_executable(${target} ${sources})
  target_link_libraries(${target} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${target} PRIVATE
    CALDORYNE_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/tests/data"
    CALDORYNE_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    CALDORYNE_BINARY_DIR="${PROJECT_BINARY_DIR}")
  set(home ${PROJECT_BINARY_DIR}/testhome/${target})
  file(MAKE_DIRECTORY ${home})
  gtest_discover_tests(${target}
    DISCOVERY_TIMEOUT 30
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    TEST_LIST ${target}_TESTS)
  # The environment is set after discovery in a file of its own: a list handed through
  # gtest_discover_tests' PROPERTIES is split at its semicolons and only the first entry survives.
  set(env_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_environment.cmake)
  file(WRITE ${env_file}
    "if(${target}_TESTS)\n"
    "  set_tests_properties(\${${target}_TESTS} PROPERTIES ENVIRONMENT\n"
    "    \"HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_DATA_HOME=${home}/.local/share;QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8\")\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${env_file})
endfunction()
