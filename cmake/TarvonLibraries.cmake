# One static library per portable folder. A folder's sources are picked up by
# glob so that adding a file needs no edit here.
function(tarvon_portable_library name folder)
    file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp)
    if(sources)
        add_library(${name} STATIC ${sources})
        target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR}/src)
        target_link_libraries(${name} PUBLIC ${ARGN})
    else()
        # A folder that has not filled yet still takes part in the link chain.
        add_library(${name} INTERFACE)
        target_link_libraries(${name} INTERFACE ${ARGN})
    endif()
endfunction()

# A unit-test program for one folder of tests/unit (or tests/win).
function(tarvon_test_program name folder)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*_test.cpp
                                                ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*_helpers.cpp)
    if(NOT sources)
        return()
    endif()
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${ARGN} GTest::gmock GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(${name} PRIVATE TARVON_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
endfunction()
