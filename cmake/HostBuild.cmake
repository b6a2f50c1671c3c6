# The host (Linux) build: the portable logic's native tests under the sanitizers,
# and the two Windows builds, whose tests run under Wine from this same ctest.
option(LAUNCHER_SANITIZE "Build the native tier with ASan and UBSan" ON)
option(LAUNCHER_WINDOWS_BUILDS "Cross-build the i686 and x86_64 Windows programs" ON)

if(LAUNCHER_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

if(NOT LAUNCHER_BUILD_TESTS)
    return()
endif()

enable_testing()
add_test(NAME layers COMMAND ${CMAKE_SOURCE_DIR}/tests/check-layers.sh)
add_test(NAME format COMMAND ${CMAKE_SOURCE_DIR}/tests/check-format.sh)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(${GTEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL SYSTEM)

file(GLOB NATIVE_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/native/*.cpp)
add_executable(native_tests ${NATIVE_TEST_SOURCES})
target_link_libraries(native_tests PRIVATE launcher_core GTest::gtest_main)
launcher_warnings(native_tests)
include(GoogleTest)
gtest_discover_tests(native_tests TEST_PREFIX "native." DISCOVERY_TIMEOUT 60)

if(NOT LAUNCHER_WINDOWS_BUILDS)
    return()
endif()

include(ExternalProject)
set(WINE_HOME ${CMAKE_BINARY_DIR}/wine)
set(WINE_ENV ${CMAKE_SOURCE_DIR}/scripts/wine-env.sh)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

add_test(NAME wine.setup COMMAND ${WINE_ENV} setup)
add_test(NAME wine.stop COMMAND ${WINE_ENV} stop)
set_tests_properties(wine.setup PROPERTIES FIXTURES_SETUP wine ENVIRONMENT LAUNCHER_WINE_HOME=${WINE_HOME})
set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine ENVIRONMENT LAUNCHER_WINE_HOME=${WINE_HOME})

foreach(arch i686 x86_64)
    set(win_bin ${CMAKE_BINARY_DIR}/win-${arch})
    ExternalProject_Add(windows-${arch}
        SOURCE_DIR ${CMAKE_SOURCE_DIR}
        BINARY_DIR ${win_bin}
        CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-${arch}.cmake
                   -DCMAKE_BUILD_TYPE=Release
                   -DGTEST_SOURCE_DIR=${GTEST_SOURCE_DIR}
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON
        USES_TERMINAL_BUILD ON)

    add_test(NAME imports.${arch}
        COMMAND ${CMAKE_SOURCE_DIR}/tests/check-imports.sh ${arch} ${win_bin}/launcher.exe)

    foreach(t IN LISTS LAUNCHER_WINE_TESTS)
        add_test(NAME wine.${arch}.${t} COMMAND ${WINE_ENV} run ${arch} ${win_bin}/tests/${t}.exe)
        set_tests_properties(wine.${arch}.${t} PROPERTIES
            FIXTURES_REQUIRED wine RESOURCE_LOCK desktop TIMEOUT 600
            ENVIRONMENT LAUNCHER_WINE_HOME=${WINE_HOME})
    endforeach()

    # The end-to-end tier copies this laid-out exam PC folder for every case.
    set(template ${CMAKE_BINARY_DIR}/e2e-${arch})
    add_test(NAME e2e.${arch}.layout
        COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/layout_package.py
                --launcher ${win_bin}/launcher.exe --exam-program ${win_bin}/examples/sample_exam.exe
                --extra ${win_bin}/examples ${template})
    set_tests_properties(e2e.${arch}.layout PROPERTIES FIXTURES_SETUP e2e-${arch})
    foreach(t IN LISTS LAUNCHER_E2E_TESTS)
        add_test(NAME e2e.${arch}.${t} COMMAND ${WINE_ENV} run ${arch} ${win_bin}/tests/${t}.exe)
        set_tests_properties(e2e.${arch}.${t} PROPERTIES
            FIXTURES_REQUIRED "wine;e2e-${arch}" RESOURCE_LOCK desktop TIMEOUT 900
            ENVIRONMENT "LAUNCHER_WINE_HOME=${WINE_HOME};LAUNCHER_E2E_TEMPLATE=Z:${template}")
    endforeach()
endforeach()
