# Common compile settings and helpers that make one library or test binary per source folder.

add_library(qov_options INTERFACE)
# -pipe: the compiler's stages hand their output on in memory instead of through temporary files.
target_compile_options(qov_options INTERFACE -Wall -Wextra -Wpedantic -pipe)
if(QOV_WERROR)
  target_compile_options(qov_options INTERFACE -Werror)
endif()
if(QOV_SANITIZE)
  # GCC's "undefined" leaves out float-cast-overflow (a double outside the range of the integer it is converted to).
  target_compile_options(qov_options INTERFACE -fsanitize=address,undefined,float-cast-overflow -fno-omit-frame-pointer
                                               -fno-sanitize-recover=undefined,float-cast-overflow)
  target_link_options(qov_options INTERFACE -fsanitize=address,undefined,float-cast-overflow)
endif()
target_include_directories(qov_options INTERFACE ${PROJECT_SOURCE_DIR})

# lld links the large test binaries several times faster than the default linker; without it the default serves.
include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld QOV_HAVE_LLD)
if(QOV_HAVE_LLD)
  target_link_options(qov_options INTERFACE -fuse-ld=lld)
endif()

# Thin static libraries: an archive names its objects instead of holding a second copy of them (they are only ever
# linked inside this build tree).
foreach(language C CXX)
  set(CMAKE_${language}_ARCHIVE_CREATE "<CMAKE_AR> qcT <TARGET> <LINK_FLAGS> <OBJECTS>")
  set(CMAKE_${language}_ARCHIVE_APPEND "<CMAKE_AR> qT <TARGET> <LINK_FLAGS> <OBJECTS>")
endforeach()

# Headers nearly every source file includes, parsed once instead of once per file: only standard and outside
# headers, so that editing one of ours never rebuilds more than its includers. With gcc the first folder library
# makes them and every other one reuses its file (gcc takes it wherever the macros it was made with are defined
# alike, which holds for every library since all build on platform/base); a library that precompiles more headers
# (PRECOMPILE) makes its own.
set(QOV_PRECOMPILED_HEADERS <algorithm> <chrono> <filesystem> <functional> <map> <memory> <mutex> <optional>
    <string> <string_view> <unordered_map> <vector> <fmt/format.h>)
# ccache stores what was compiled with precompiled headers only when told to trust their macros and time stamps,
# and, with gcc, when the preprocessed text names the header (-fpch-preprocess).
if(CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache")
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_SLOPPINESS=pch_defines,time_macros
      ${CMAKE_CXX_COMPILER_LAUNCHER})
  target_compile_options(qov_options INTERFACE $<$<CXX_COMPILER_ID:GNU>:-fpch-preprocess>)
endif()

# qov_folder_library(NAME FOLDER [DEPS ...] [EXCLUDE ...] [PRECOMPILE ...]): a static library of every .cpp below
# FOLDER; PRECOMPILE: headers its own precompiled header adds to the common ones.
function(qov_folder_library name folder)
  cmake_parse_arguments(ARG "" "" "DEPS;EXCLUDE;PRECOMPILE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${folder}/*.cpp")
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${folder}/*.h")
  foreach(excluded IN LISTS ARG_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "^${PROJECT_SOURCE_DIR}/${excluded}")
    list(FILTER headers EXCLUDE REGEX "^${PROJECT_SOURCE_DIR}/${excluded}")
  endforeach()
  if(sources)
    add_library(${name} STATIC ${sources} ${headers})
    target_link_libraries(${name} PUBLIC qov_options ${ARG_DEPS})
    get_property(shared_headers GLOBAL PROPERTY QOV_PRECOMPILED_HEADERS_TARGET)
    if(shared_headers AND NOT ARG_PRECOMPILE)
      target_precompile_headers(${name} REUSE_FROM ${shared_headers})
    else()
      target_precompile_headers(${name} PRIVATE ${QOV_PRECOMPILED_HEADERS} ${ARG_PRECOMPILE})
      if(NOT shared_headers AND NOT ARG_PRECOMPILE AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        set_property(GLOBAL PROPERTY QOV_PRECOMPILED_HEADERS_TARGET ${name})
      endif()
    endif()
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
