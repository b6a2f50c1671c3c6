# Windows test programs, shared by the Windows build (which builds them) and the
# host build (which runs them under Wine).
set(LAUNCHER_WINE_TESTS wine_tests)
set(LAUNCHER_E2E_TESTS e2e_tests)
