# GoogleTest: the system package natively, the Debian sources built with the
# cross compiler for the Windows tree.
if(CMAKE_CROSSCOMPILING)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  if(NOT EXISTS /usr/src/googletest/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest sources are missing: run scripts/setup")
  endif()
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # GoogleTest's own sources are not ours to warn about.
  foreach(_t gtest gtest_main)
    target_compile_options(${_t} PRIVATE -w)
  endforeach()
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
  endif()
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)

# The stand-in share server (Python standard library only) that network tests run against.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(GETLINK_SHARE_SERVER ${PROJECT_SOURCE_DIR}/tests/server/share_server.py)
set(GETLINK_FIXTURE_PAGES ${PROJECT_SOURCE_DIR}/tests/server/pages)

# getlink_add_test(NAME SOURCES... LIBRARIES ... [SHARE_SERVER]): one test executable.
# Natively every case becomes its own CTest test; under Wine the executable is one CTest
# test, since every Wine start costs close to a second. With SHARE_SERVER the executable
# runs as one test under its own stand-in share server, whose address it finds in the
# environment variable GETLINK_SHARE_SERVER. A Windows test program that runs longer than
# GETLINK_WINE_TEST_TIMEOUT seconds fails, so that a hang shows within minutes.
set(GETLINK_WINE_TEST_TIMEOUT 180)
function(getlink_add_test name)
  cmake_parse_arguments(T "SHARE_SERVER" "" "SOURCES;LIBRARIES;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBRARIES} GTest::gtest_main)
  if(T_SHARE_SERVER)
    add_test(NAME ${name}
             COMMAND ${Python3_EXECUTABLE} ${GETLINK_SHARE_SERVER} --hosts ${CMAKE_BINARY_DIR}/share-hosts.json
                     --run -- ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${name}> --gtest_color=no)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${GETLINK_WINE_TEST_TIMEOUT} LABELS "server;${T_LABELS}")
  elseif(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${GETLINK_WINE_TEST_TIMEOUT} LABELS "wine;${T_LABELS}")
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES LABELS "native;${T_LABELS}")
  endif()
endfunction()

# getlink_add_neutral_test(NAME SOURCES ... LIBRARY lib): NAME against lib and, when the
# sanitizer variants are built, NAME_sanitize against lib_sanitize.
function(getlink_add_neutral_test name)
  cmake_parse_arguments(T "" "LIBRARY" "SOURCES" ${ARGN})
  getlink_add_test(${name} SOURCES ${T_SOURCES} LIBRARIES ${T_LIBRARY})
  if(GETLINK_SANITIZERS)
    getlink_add_test(${name}_sanitize SOURCES ${T_SOURCES} LIBRARIES ${T_LIBRARY}_sanitize LABELS sanitize)
  endif()
endfunction()
