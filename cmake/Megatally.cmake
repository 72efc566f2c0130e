# Project-wide compiler settings and small helpers shared by every subsystem.

add_library(megatally_options INTERFACE)
target_compile_options(megatally_options INTERFACE -Wall -Wextra)
# GCC 12 at -O3 reports a std::string assigned from a literal as an
# overlapping memcpy of 2^63 bytes (a false -Wrestrict from inside
# libstdc++, gone in later releases); without this the Release build that
# scripts/start.sh makes is not warning-clean.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(megatally_options INTERFACE -Wno-restrict)
endif()
if(MEGATALLY_WERROR)
  target_compile_options(megatally_options INTERFACE -Werror)
endif()
if(MEGATALLY_SANITIZE)
  set(_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_compile_options(megatally_options INTERFACE ${_san})
  target_link_options(megatally_options INTERFACE ${_san})
endif()
if(MEGATALLY_TSAN)
  target_compile_options(megatally_options INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(megatally_options INTERFACE -fsanitize=thread)
endif()
if(MEGATALLY_FUZZ)
  # Everything is instrumented for libFuzzer's coverage; only the fuzz
  # targets link its driver (fuzz/CMakeLists.txt). With MEGATALLY_SANITIZE
  # the same build also holds every test, so one Clang build serves both.
  target_compile_options(megatally_options INTERFACE -fsanitize=fuzzer-no-link)
  if(NOT MEGATALLY_SANITIZE)
    set(_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_compile_options(megatally_options INTERFACE ${_san})
    target_link_options(megatally_options INTERFACE -fsanitize=address,undefined)
  endif()
endif()

# Test sources are compiled without optimisation in every build (the code
# under test keeps its level): they are most of the compile time, and gain
# nothing at run time from the optimiser.
set(MEGATALLY_TEST_OPTIMIZE -O0)

# The headers every test translation unit includes, compiled once per test
# program of five sources or more; the Qt ones only where it links Qt.
set(MEGATALLY_TEST_PCH <gtest/gtest.h> <algorithm> <functional> <map> <string> <vector>)
set(MEGATALLY_TEST_QT_PCH <QApplication> <QClipboard> <QLabel> <QMainWindow> <QPushButton> <QTimer>
  <QWidget>)

# megatally_library(<name> SOURCES ... [DEPS ...])
function(megatally_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC megatally_options ${ARG_DEPS})
endfunction()

# megatally_test(<name> SOURCES ... [DEPS ...] [GUI])
# GUI (implied by a Qt dependency) adds the Qt headers to the precompiled ones.
# One GoogleTest binary; each test case becomes its own ctest entry.
function(megatally_test name)
  if(NOT MEGATALLY_TESTS)
    return()
  endif()
  cmake_parse_arguments(ARG "GUI" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE megatally_options ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE MEGATALLY_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  target_compile_options(${name} PRIVATE ${MEGATALLY_TEST_OPTIMIZE})
  # Making the precompiled header costs about as much as four of its users
  # save (with Qt's headers, GCC: 15 s against 4 s per source), so only the
  # larger programs have one.
  list(LENGTH ARG_SOURCES _count)
  if(_count GREATER_EQUAL 5)
    set(_pch ${MEGATALLY_TEST_PCH})
    if(ARG_GUI OR "${ARG_DEPS}" MATCHES "Qt6::|platform_qt")
      list(APPEND _pch ${MEGATALLY_TEST_QT_PCH})
    endif()
    if("${ARG_DEPS}" MATCHES "Qt6::Test")
      list(APPEND _pch <QTest>)
    endif()
    target_precompile_headers(${name} PRIVATE ${_pch})
  endif()
  # The program's name is each test's label (scripts/test.sh selects by it).
  # One entry per program runs all its cases in one process: under the
  # sanitizers starting a process per case cost four times the tests
  # themselves, and cases that share a process also show any that leave
  # something behind for the next.
  if(MEGATALLY_TEST_PER_PROGRAM)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS ${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS ${name})
  endif()
endfunction()

# megatally_benchmark(<name> SOURCES ... [DEPS ...])
function(megatally_benchmark name)
  if(NOT MEGATALLY_BENCHMARKS)
    return()
  endif()
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE megatally_options ${ARG_DEPS} benchmark::benchmark)
endfunction()
