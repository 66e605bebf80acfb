# Shared build settings and helpers for every folder.

# Warnings for our own targets; errors in CI builds.
function(velmar_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
                                           -Wno-unused-parameter)
  if(VELMAR_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(VELMAR_SANITIZE)
  # -O1 keeps the instrumented build and its runs quick and the reports exact.
  add_compile_options(-O1 -fsanitize=address,undefined -fno-omit-frame-pointer
                      -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # The sanitizers' instrumentation makes GCC's flow warnings see impossible
    # string lengths in the standard library; they are no finding of ours.
    add_compile_options(-Wno-restrict -Wno-stringop-overflow -Wno-array-bounds)
  endif()
endif()
# Shared libraries name every symbol they need (-Wl,--no-undefined), except
# where clang leaves the sanitizer and coverage runtimes to the executable.
set(VELMAR_NO_UNDEFINED -Wl,--no-undefined)
if((VELMAR_SANITIZE OR VELMAR_FUZZ) AND CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  set(VELMAR_NO_UNDEFINED "")
endif()
if(VELMAR_FUZZ)
  # The product libraries carry libFuzzer's coverage instrumentation, so the
  # fuzz targets link them as they are.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# A faster linker where one is installed: the tests are many Qt programs.
find_program(VELMAR_MOLD mold)
if(VELMAR_MOLD)
  add_link_options(-fuse-ld=mold)
endif()

# What fontconfig keeps until exit is not ours: LeakSanitizer is told so for
# every test program (add_test users append it to their ENVIRONMENT).
set(VELMAR_LSAN_OPTIONS
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/support/lsan.supp")

# Add a GoogleTest executable run by ctest. Qt tests run headless; QT gives
# the test the shared main that makes the QApplication first.
#   velmar_add_test(NAME name SOURCES ... LIBS ... [QT] [WORKING_DIRECTORY dir])
function(velmar_add_test)
  cmake_parse_arguments(T "QT" "NAME;WORKING_DIRECTORY" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_QT)
    set(test_main ${PROJECT_SOURCE_DIR}/tests/support/qt_main.cpp)
    target_sources(${T_NAME} PRIVATE ${test_main})
    target_link_libraries(${T_NAME} PRIVATE Qt6::Widgets)
  else()
    set(test_main GTest::gtest_main)
  endif()
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock
                                          $<$<NOT:$<BOOL:${T_QT}>>:GTest::gtest_main>)
  velmar_warnings(${T_NAME})
  if(NOT T_WORKING_DIRECTORY)
    set(T_WORKING_DIRECTORY ${VELMAR_OUT})
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_NAME}
           WORKING_DIRECTORY ${T_WORKING_DIRECTORY})
  set_tests_properties(${T_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=1;${VELMAR_LSAN_OPTIONS}"
    TIMEOUT 300)
endfunction()

# Add every subfolder of the current folder that has a CMakeLists.txt, in name
# order, so a new test, tool or part joins the build by being there.
function(velmar_add_subfolders)
  file(GLOB children LIST_DIRECTORIES true RELATIVE ${CMAKE_CURRENT_SOURCE_DIR}
       ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
