# Helpers shared by every subsystem folder.
#
# op_library(NAME [DEPS ...]) builds src/NAME/*.cpp (not tests/) into the static library op_NAME.
# op_tests(NAME [DEPS ...]) turns every src/NAME/tests/tst_*.cpp into one QtTest executable under CTest.

function(op_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
       ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  if(NOT sources)
    return()  # a folder whose first sources have not landed yet
  endif()
  add_library(op_${name} STATIC ${sources})
  target_include_directories(op_${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(op_${name} PUBLIC ${ARG_DEPS})
  target_precompile_headers(op_${name} PRIVATE <QtCore>)
endfunction()

function(op_tests name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/tests/tst_*.cpp)
  if(NOT TARGET op_${name})
    return()
  endif()
  foreach(src ${tests})
    get_filename_component(base ${src} NAME_WE)
    set(target ${name}_${base})
    add_executable(${target} ${src})
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_link_libraries(${target} PRIVATE op_${name} ${ARG_DEPS} Qt6::Test)
    target_compile_definitions(${target} PRIVATE
      OP_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
      OP_STAGE_DIR="${OVERPRINT_STAGE_DIR}"
      OP_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/tests/data")
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES
      ENVIRONMENT "QT_QPA_PLATFORM=offscreen;OVERPRINT_STAGE_DIR=${OVERPRINT_STAGE_DIR}"
      TIMEOUT 300)
  endforeach()
endfunction()
