# Compile settings every target of the project shares.
function(quillon_target_defaults target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  # Includes are rooted at the tree: #include "common/core/wire.h".
  target_include_directories(${target} PRIVATE ${PROJECT_SOURCE_DIR})
  if(QUILLON_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_compile_definitions(${target} PRIVATE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_KEYWORDS)
  if(QUILLON_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(QUILLON_FUZZ)
    # Libraries get the fuzzer's coverage hooks; only the fuzz executables link its main().
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# A test executable registered with CTest, headless and isolated:
#   quillon_add_test(NAME test_codec SOURCES a.cpp b.cpp LIBS quillon_core [DATA_DIR dir] [TIMEOUT s]
#                    [ENVIRONMENT VAR=value ...])
# Every test is a Qt Test executable.
function(quillon_add_test)
  cmake_parse_arguments(T "" "NAME;DATA_DIR;TIMEOUT" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  quillon_target_defaults(${T_NAME})
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${T_NAME} PRIVATE Qt6::Test)
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS})
  if(T_DATA_DIR)
    set(QUILLON_TEST_DATA_DIR "${T_DATA_DIR}")
    configure_file(${PROJECT_SOURCE_DIR}/cmake/testdata.h.in ${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}_data/testdata.h @ONLY)
    target_include_directories(${T_NAME} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${T_NAME}_data)
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  set(env
    QT_QPA_PLATFORM=offscreen
    LC_ALL=C.UTF-8
    LANG=C.UTF-8
    TZ=UTC
    QTWEBENGINE_DISABLE_SANDBOX=1
    # No configuration of the machine or the user reaches a test.
    XDG_CONFIG_HOME=${CMAKE_BINARY_DIR}/tests/no-user-config
    QT_LOGGING_RULES=qt.qpa.*=false
    ${T_ENVIRONMENT})
  if(QUILLON_SANITIZE)
    list(APPEND env "ASAN_OPTIONS=detect_leaks=1:new_delete_type_mismatch=0" "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
  endif()
  set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${env}" TIMEOUT ${T_TIMEOUT})
endfunction()
