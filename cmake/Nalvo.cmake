# SPDX-License-Identifier: GPL-3.0-or-later
# Build helpers shared by every folder.

set(NALVO_WARNINGS -Wall -Wextra -Wpedantic)

if(NALVO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# nalvo_library(NAME DEPS a b c) — one library per folder under src/, built from the folder's
# .cpp files (and .qrc resources); its DEPS line is the layering rule.
function(nalvo_library name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp" "${CMAKE_CURRENT_SOURCE_DIR}/*/*.cpp"
       "${CMAKE_CURRENT_SOURCE_DIR}/*.qrc")
  list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
  file(GLOB headers CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.h" "${CMAKE_CURRENT_SOURCE_DIR}/*/*.h")
  if(NOT sources)
    # A folder with headers only so far.
    add_library(${name} INTERFACE ${headers})
    target_include_directories(${name} INTERFACE "${CMAKE_SOURCE_DIR}/src")
    target_compile_definitions(${name} INTERFACE NALVO_SOURCE_DATA_DIR="${NALVO_SOURCE_DATA_DIR}")
    target_link_libraries(${name} INTERFACE ${ARG_DEPS})
    return()
  endif()
  add_library(${name} STATIC ${sources} ${headers})
  target_include_directories(${name} PUBLIC "${CMAKE_SOURCE_DIR}/src")
  target_compile_options(${name} PRIVATE ${NALVO_WARNINGS})
  target_compile_definitions(${name} PUBLIC NALVO_SOURCE_DATA_DIR="${NALVO_SOURCE_DATA_DIR}")
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
endfunction()

# nalvo_tests(NAME DEPS a b c) — one GoogleTest executable per library, from tests/<lib>/*.cpp.
function(nalvo_tests name)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources} "${CMAKE_SOURCE_DIR}/tests/common/private_tmp.cpp")
  target_compile_options(${name} PRIVATE ${NALVO_WARNINGS})
  target_compile_definitions(${name} PRIVATE NALVO_TEST_DATA_DIR="${NALVO_TEST_DATA_DIR}")
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;NALVO_DATA=${NALVO_SOURCE_DATA_DIR}"
    DISCOVERY_TIMEOUT 60)
endfunction()

if(NALVO_FUZZ)
  # Coverage instrumentation for the libraries the fuzz targets exercise, optimised (-O1; the
  # Debug build type leaves clang at -O0) so that an input takes well under a millisecond.
  # Asserts stay on.
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -O1)
  add_link_options(-fsanitize=address,undefined)
endif()
