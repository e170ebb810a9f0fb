# The Debian package (cpack -G DEB from a release build): quorvane_2.00_amd64.deb.

set(QUORVANE_PACKAGE_MAINTAINER "Quorvane developers <developers@quorvane.org>"
    CACHE STRING "The Debian package's maintainer, as \"Name <address>\"")

# Debian's documentation files for the package: /usr/share/doc/quorvane/copyright and the
# changelog, compressed as Debian policy asks (gzip -9, no name or time stamp inside, so the
# package is reproducible).
if(UNIX AND NOT APPLE)
    set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/quorvane)
    install(FILES debian/copyright DESTINATION ${doc_dir})
    configure_file(debian/changelog.in changelog @ONLY)
    set(changelog_gz ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
    add_custom_command(OUTPUT ${changelog_gz}
        COMMAND gzip -9 --no-name --stdout changelog > ${changelog_gz}
        DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/changelog
        COMMENT "Compressing the Debian changelog")
    add_custom_target(quorvane_debian_changelog ALL DEPENDS ${changelog_gz})
    install(FILES ${changelog_gz} DESTINATION ${doc_dir})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VERSION ${QUORVANE_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quorvane developers")
set(CPACK_PACKAGE_CONTACT ${QUORVANE_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Installed programs carry no debugging symbols (they would only make the package larger),
# and every directory and control file has the permissions Debian expects, whatever the
# umask of the build.
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/debian/CompressManPages.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUORVANE_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://quorvane.org/")
# The libraries the programs link, found by dpkg-shlibdeps (Debian dpkg-dev); and what they
# load without linking it: the font the window is drawn in, and Qt's SVG plugin that draws
# the window's icon.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, libqt6svg6")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "National Grid reference to IARU locator converter")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quorvane is a small desktop utility for radio amateurs in Great Britain.
Type an eight-character Ordnance Survey National Grid reference, such as
TQ300800, and the window shows the square's latitude and longitude and
its six-character IARU (Maidenhead) locator. It also gives the locator
of any latitude and longitude.
.
The command-line tool quorvane-convert gives the same answers for whole
files, as text, CSV, JSON Lines or a map (GeoJSON, GPX or KML).
quorvane-log checks ADIF and EDI (REG1TEST) logs, fills in missing
distances, locators and contest points, and maps them as GeoJSON, GPX
or KML.")

include(CPack)
