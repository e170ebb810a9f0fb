# Run by CPack on the staged files before it builds the Debian package: Debian installs man
# pages compressed (gzip -9, without name or time stamp, so the package is reproducible).
# `cmake --install` itself leaves them as they are in the source.
file(GLOB_RECURSE man_pages "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/man/man?/*.[1-9]")
foreach(page IN LISTS man_pages)
    execute_process(COMMAND gzip -9 --no-name --force "${page}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
