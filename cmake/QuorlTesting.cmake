# GoogleTest from the system's sources, built with whatever compiler this tree
# uses, and a helper that declares one test program as one ctest entry.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(QUORL_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
add_subdirectory(${QUORL_GTEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest_main ALIAS gtest_main)
endif()

if(WIN32)
    set(QUORL_WINEPREFIX ${PROJECT_BINARY_DIR}/wineprefix)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/tools/wine-run.sh ${QUORL_WINEPREFIX})
    add_test(NAME wine_start COMMAND ${PROJECT_SOURCE_DIR}/tools/wine-env.sh start ${QUORL_WINEPREFIX})
    add_test(NAME wine_stop COMMAND ${PROJECT_SOURCE_DIR}/tools/wine-env.sh stop ${QUORL_WINEPREFIX})
    set_tests_properties(wine_start PROPERTIES FIXTURES_SETUP wine)
    set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)
endif()

# quorl_add_test(NAME SOURCES src... [LIBS lib...])
# Under Wine each program is one ctest entry (a Wine process start costs
# about 0.2 s); GoogleTest's own output names the failing case.
function(quorl_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE quorl_warnings GTest::gtest_main ${T_LIBS})
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
    if(WIN32)
        set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine RESOURCE_LOCK wine_desktop)
    endif()
endfunction()
