# The icon and version block that Windows shows for each of our executables (Explorer's
# Properties > Details, the taskbar, the desktop shortcut), and the manifest of a program
# that has one.
set(QUORVANE_WINDOWS_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})

# quorvane_configure_version_resource(RC_FILE EXECUTABLE DESCRIPTION [MANIFEST FILE]):
# writes RC_FILE, the resource script for EXECUTABLE (its name without ".exe") with the
# "FileDescription" DESCRIPTION and, when given, the application manifest FILE. Works on any
# host, so the script can be checked where windres is installed.
function(quorvane_configure_version_resource rc_file executable description)
    cmake_parse_arguments(PARSE_ARGV 3 arg "" "MANIFEST" "")
    set(RC_ICON ${QUORVANE_WINDOWS_PACKAGING_DIR}/quorvane.ico)
    set(RC_DESCRIPTION ${description})
    set(RC_INTERNAL_NAME ${executable})
    set(RC_ORIGINAL_FILENAME ${executable}.exe)
    # FILEVERSION and PRODUCTVERSION take four numbers: 2.00 is 2,0,0,0.
    set(RC_VERSION_NUMBERS
        "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0")
    if(arg_MANIFEST)
        # CREATEPROCESS_MANIFEST_RESOURCE_ID (1) of type RT_MANIFEST (24): what Windows reads
        # when it starts the program.
        set(RC_MANIFEST "1 24 \"${arg_MANIFEST}\"")
    else()
        set(RC_MANIFEST "")
    endif()
    configure_file(${QUORVANE_WINDOWS_PACKAGING_DIR}/version.rc.in ${rc_file} @ONLY)
endfunction()

# quorvane_add_version_resource(TARGET DESCRIPTION [MANIFEST FILE]): compiles the icon,
# version block and manifest into TARGET when building for Windows; does nothing elsewhere.
function(quorvane_add_version_resource target description)
    if(NOT WIN32)
        return()
    endif()
    set(rc_file ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    quorvane_configure_version_resource(${rc_file} ${target} "${description}" ${ARGN})
    target_sources(${target} PRIVATE ${rc_file})
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "MANIFEST" "")
    if(arg_MANIFEST)
        set_source_files_properties(${rc_file} PROPERTIES OBJECT_DEPENDS ${arg_MANIFEST})
    endif()
endfunction()
