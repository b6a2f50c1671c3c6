# The Windows program, its sample exam program and the Windows test tiers.
enable_language(RC)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
if(MINGW)
    # One self-contained executable: no MinGW runtime DLL beside it.
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()

# Everything above the core, layer by layer; app/main.cpp is the program's alone.
file(GLOB LAUNCHER_WIN_SOURCES CONFIGURE_DEPENDS
    platform/*.cpp platform/ui/*.cpp controls/*.cpp common/*.cpp dialogs/*.cpp app/*.cpp)
list(REMOVE_ITEM LAUNCHER_WIN_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/app/main.cpp)
add_library(launcher_win STATIC ${LAUNCHER_WIN_SOURCES})
target_link_libraries(launcher_win PUBLIC launcher_core
    user32 gdi32 gdiplus imm32 comctl32 advapi32 shell32)
launcher_warnings(launcher_win)

# The form layouts are resources of every program that builds forms.
set(LAUNCHER_FORMS_RC ${CMAKE_CURRENT_SOURCE_DIR}/app/forms/forms.rc)
set_property(SOURCE ${LAUNCHER_FORMS_RC} APPEND PROPERTY OBJECT_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/app/forms/JPZZ0010.form ${CMAKE_CURRENT_SOURCE_DIR}/app/forms/JPED0010.form)
add_executable(launcher WIN32 app/main.cpp app/launcher.rc ${LAUNCHER_FORMS_RC})
target_link_libraries(launcher PRIVATE launcher_win)
launcher_warnings(launcher)
if(MINGW)
    target_link_options(launcher PRIVATE -municode)
elseif(MSVC)
    set_target_properties(launcher PROPERTIES LINK_FLAGS "/MANIFEST:NO")
    set_property(TARGET launcher launcher_win launcher_core PROPERTY
                 MSVC_RUNTIME_LIBRARY "MultiThreaded$<$<CONFIG:Debug>:Debug>")
endif()

add_subdirectory(examples)

if(LAUNCHER_BUILD_TESTS)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    add_subdirectory(${GTEST_SOURCE_DIR} googletest EXCLUDE_FROM_ALL SYSTEM)
    add_subdirectory(tests)
endif()
