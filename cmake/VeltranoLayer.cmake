# veltrano_layer(NAME DIR [QT] [DEPS lib...] [EXCLUDE regex])
# Builds every .cpp below DIR into the static library NAME. A layer without
# sources yet becomes an interface library so that dependants still link.
# Layers without QT are checked to stay free of Qt.
function(veltrano_layer name dir)
  cmake_parse_arguments(L "QT" "EXCLUDE" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${dir}/*.cpp")
  if(L_EXCLUDE)
    list(FILTER sources EXCLUDE REGEX "${L_EXCLUDE}")
  endif()
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${L_DEPS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} INTERFACE ${L_DEPS})
  endif()
  if(NOT L_QT AND sources)
    foreach(dep ${L_DEPS})
      if(dep MATCHES "^Qt")
        message(FATAL_ERROR "${name} must not depend on Qt")
      endif()
    endforeach()
  endif()
endfunction()

# Seconds a test may run unless it sets its own TIMEOUT. Every case here needs a
# few seconds at most, so a hanging test fails soon instead of stalling the run.
set(VELTRANO_TEST_TIMEOUT 60)

# veltrano_tests(NAME DIR [QT] DEPS lib...)
# One test program per layer from every .cpp in DIR, each case registered with ctest
# with the default timeout.
# Every test runs with a private XDG config and runtime folder and the offscreen Qt
# platform, so no test touches the user's settings or needs a display.
function(veltrano_tests name dir)
  cmake_parse_arguments(T "" "" "DEPS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${dir}/*.cpp")
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE ${T_DEPS} GTest::gtest GTest::gtest_main GTest::gmock)
  target_compile_definitions(${name} PRIVATE
    VELTRANO_SOURCE_DIR="${PROJECT_SOURCE_DIR}" VELTRANO_BINARY_DIR="${PROJECT_BINARY_DIR}")
  set(home "${PROJECT_BINARY_DIR}/test-home")
  file(MAKE_DIRECTORY "${home}/config")
  file(MAKE_DIRECTORY "${home}/runtime")
  file(CHMOD "${home}/runtime" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  gtest_discover_tests(${name}
    WORKING_DIRECTORY "${PROJECT_BINARY_DIR}"
    DISCOVERY_TIMEOUT 60
    PROPERTIES
    TIMEOUT ${VELTRANO_TEST_TIMEOUT}
    ENVIRONMENT
      "QT_QPA_PLATFORM=offscreen;XDG_CONFIG_HOME=${home}/config;XDG_RUNTIME_DIR=${home}/runtime;HOME=${home}")
endfunction()

# Gives every test of the current directory without a TIMEOUT of its own the default
# timeout. Call it deferred at the top of a directory's list file:
#   cmake_language(DEFER CALL veltrano_default_timeouts)
function(veltrano_default_timeouts)
  get_property(tests DIRECTORY PROPERTY TESTS)
  foreach(test IN LISTS tests)
    get_test_property(${test} TIMEOUT timeout)
    if(NOT timeout)
      set_tests_properties(${test} PROPERTIES TIMEOUT ${VELTRANO_TEST_TIMEOUT})
    endif()
  endforeach()
endfunction()
