# The Windows programs' tests run under wine, each in a wine prefix of the build's own made
# fresh by packaging/windows/wine-session (a ctest fixture), on the X display the tests are
# given (xvfb-run gives a virtual one).

# quorvane_add_wine_test(NAME [DPI dots-per-inch] COMMAND command...): a test that runs in the
# prefix whose display has DPI dots per inch (96, Windows at 100 %, by default). Commands
# that are targets of this build are started through wine by ctest.
function(quorvane_add_wine_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "DPI" "COMMAND")
    if(NOT arg_DPI)
        set(arg_DPI 96)
    endif()
    set(prefix ${PROJECT_BINARY_DIR}/wine-${arg_DPI}dpi)
    set(fixture wine_prefix_${arg_DPI}dpi)
    # One prefix for each dpi, made once before the tests that use it, with one wine session
    # running in it through all of them.
    get_property(made GLOBAL PROPERTY QUORVANE_WINE_PREFIXES)
    if(NOT fixture IN_LIST made)
        set_property(GLOBAL APPEND PROPERTY QUORVANE_WINE_PREFIXES ${fixture})
        set(session ${PROJECT_SOURCE_DIR}/packaging/windows/wine-session)
        add_test(NAME windows.${fixture} COMMAND ${session} start ${prefix} ${arg_DPI})
        add_test(NAME windows.${fixture}_end COMMAND ${session} end ${prefix})
        set_tests_properties(windows.${fixture} PROPERTIES FIXTURES_SETUP ${fixture})
        set_tests_properties(windows.${fixture}_end PROPERTIES FIXTURES_CLEANUP ${fixture})
    endif()
    add_test(NAME ${name} COMMAND ${arg_COMMAND})
    set_tests_properties(${name} PROPERTIES
        FIXTURES_REQUIRED ${fixture}
        ENVIRONMENT "WINEPREFIX=${prefix};WINEDEBUG=-all")
endfunction()
