# pelnor_add_test(NAME SOURCES files... LIBS targets... [LABELS labels...])
# One GoogleTest program; its cases run under CTest with the offscreen Qt platform.
function(pelnor_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} test_support GTest::gtest GTest::gmock)
  gtest_discover_tests(${name}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS "${T_LABELS}" TIMEOUT 300)
  # The program folder holds config/ and remote/, so file dialogs start there
  # and never in the user's documents folder.
  file(MAKE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/config ${CMAKE_CURRENT_BINARY_DIR}/remote)
endfunction()
