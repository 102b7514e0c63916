# Common compile settings and helpers that make one library or test binary per source folder.

add_library(qov_options INTERFACE)
target_compile_options(qov_options INTERFACE -Wall -Wextra -Wpedantic)
if(QOV_WERROR)
  target_compile_options(qov_options INTERFACE -Werror)
endif()
if(QOV_SANITIZE)
  target_compile_options(qov_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                               -fno-sanitize-recover=undefined)
  target_link_options(qov_options INTERFACE -fsanitize=address,undefined)
endif()
target_include_directories(qov_options INTERFACE ${PROJECT_SOURCE_DIR})

# Headers nearly every source file includes, parsed once per library instead of once per file: only standard and
# outside headers, so that editing one of ours never rebuilds more than its includers.
set(QOV_PRECOMPILED_HEADERS <algorithm> <chrono> <filesystem> <functional> <map> <memory> <mutex> <optional>
    <string> <string_view> <unordered_map> <vector> <fmt/format.h>)
# ccache stores what was compiled with precompiled headers only when told to trust their macros and time stamps,
# and, with gcc, when the preprocessed text names the header (-fpch-preprocess).
if(CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache")
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_SLOPPINESS=pch_defines,time_macros
      ${CMAKE_CXX_COMPILER_LAUNCHER})
  target_compile_options(qov_options INTERFACE $<$<CXX_COMPILER_ID:GNU>:-fpch-preprocess>)
endif()

# qov_folder_library(NAME FOLDER [DEPS ...]): a static library of every .cpp below FOLDER.
function(qov_folder_library name folder)
  cmake_parse_arguments(ARG "" "" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${folder}/*.cpp")
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${folder}/*.h")
  foreach(excluded IN LISTS ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "^${PROJECT_SOURCE_DIR}/${excluded}")
    list(FILTER headers EXCLUDE REGEX "^${PROJECT_SOURCE_DIR}/${excluded}")
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources} ${headers})
    target_link_libraries(${name} PUBLIC qov_options ${ARG_DEPS})
    target_precompile_headers(${name} PRIVATE ${QOV_PRECOMPILED_HEADERS})
  else()
    # A folder that has only headers so far.
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE qov_options ${ARG_DEPS})
  endif()
endfunction()

# qov_target_definitions(NAME ...): compile definitions for a folder library, whether or not it has sources yet.
function(qov_target_definitions name)
  get_target_property(type ${name} TYPE)
  if(type STREQUAL "INTERFACE_LIBRARY")
    target_compile_definitions(${name} INTERFACE ${ARGN})
  else()
    target_compile_definitions(${name} PUBLIC ${ARGN})
  endif()
endfunction()

# qov_test_folder(NAME FOLDER [DEPS ...]): one GoogleTest binary of every .cpp below tests/FOLDER.
function(qov_test_folder name folder)
  cmake_parse_arguments(ARG "" "" "DEPS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/tests/${folder}/*.cpp")
  foreach(excluded IN LISTS ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "^${PROJECT_SOURCE_DIR}/tests/${excluded}")
  endforeach()
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE qovtestsupport ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
  # Tests read the application bundle (Info.plist, strings) from the build tree.
  add_dependencies(${name} qov_bundle)
  # The test support library's precompiled headers (GoogleTest included) serve every test binary.
  target_precompile_headers(${name} REUSE_FROM qovtestsupport)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                       PROPERTIES TIMEOUT 120)
endfunction()
