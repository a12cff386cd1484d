# Small helpers shared by every folder's CMakeLists.

# suite_library(NAME DIR [LIBS ...] [EXCLUDE file ...])
# A static library of every .cpp below DIR (recursively), except the files named in EXCLUDE.
function(suite_library name dir)
  cmake_parse_arguments(ARG "" "" "LIBS;EXCLUDE" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  foreach(ex IN LISTS ARG_EXCLUDE)
    list(REMOVE_ITEM sources ${dir}/${ex})
  endforeach()
  list(FILTER sources INCLUDE REGEX "\\.cpp$")
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${ARG_LIBS})
  endif()
endfunction()

# suite_test(NAME DIR LIBS ...)
# One GoogleTest executable of every .cpp in DIR, discovered by CTest, run headless.
function(suite_test name dir)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR} ${dir})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    SUITE_FIXTURES="${dir}/fixtures"
    SUITE_DATA_DIR="${SUITE_DATA_DIR}"
    SUITE_BIN_DIR="${SUITE_BIN_DIR}"
    SUITE_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests
    DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;SDL_AUDIODRIVER=dummy;ASAN_OPTIONS=detect_leaks=0")
endfunction()
