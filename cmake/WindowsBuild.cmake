# The Windows program, its sample exam program and the Windows test tiers.
enable_language(RC)
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
if(MINGW)
    # One self-contained executable: no MinGW runtime DLL beside it.
    add_link_options(-static -static-libgcc -static-libstdc++)
endif()

add_library(launcher_win STATIC
    app/batch_launchers.cpp
    app/entry_validation.cpp
    app/exit_confirmation.cpp
    app/file_utils.cpp
    app/initial_display.cpp
    app/start_sequence.cpp
    app/startup.cpp
    common/CMFunc.cpp
    controls/plButton.cpp
    platform/app.cpp
    platform/ui/canvas.cpp
    platform/ui/component.cpp
    platform/ui/controls.cpp
    platform/ui/forms.cpp
    platform/ui/layout.cpp
    platform/ui/screen.cpp
    platform/ui/status_bar.cpp
)
target_link_libraries(launcher_win PUBLIC launcher_logic
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
    set_property(TARGET launcher launcher_win launcher_logic PROPERTY
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
