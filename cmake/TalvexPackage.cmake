# The licence for every installation, and the Debian package: `cpack -G DEB` in a build folder
# makes talvex_<version>_<architecture>.deb from what `cmake --install` installs, with Debian's
# copyright file and changelog in place of the licence text.
set(TALVEX_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/talvex)
set(debian ${PROJECT_SOURCE_DIR}/resources/debian)

install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION ${TALVEX_DOCDIR} COMPONENT licence)

# Debian wants the changelog compressed at the highest level, without name and time stamp. The
# package is built from Talvex's own source (a native package), so it is changelog.gz.
find_program(TALVEX_GZIP gzip REQUIRED)
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog)
add_custom_command(OUTPUT ${changelog}.gz
                   COMMAND ${CMAKE_COMMAND} -E copy ${debian}/changelog ${changelog}
                   COMMAND ${TALVEX_GZIP} -9nf ${changelog}
                   DEPENDS ${debian}/changelog
                   COMMENT "Compressing the Debian changelog"
                   VERBATIM)
add_custom_target(talvex_debian_changelog ALL DEPENDS ${changelog}.gz)
# Only the package carries these: `cmake --install` leaves them out.
install(FILES ${debian}/copyright ${changelog}.gz DESTINATION ${TALVEX_DOCDIR}
        COMPONENT debian EXCLUDE_FROM_ALL)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME talvex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Talvex-Team)
set(CPACK_PACKAGE_CONTACT "Talvex-Team <talvex@talvex.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "editor for block diagrams of dynamic economy and ecology models")
set(CPACK_PACKAGE_DESCRIPTION
    "Talvex draws dynamic models of economies and ecosystems as block diagrams.
Components are placed from a tool palette on a grid sheet and joined by
conductors for numbers, distributions or decisions; an inspector lists the
properties of each element and lets you edit them.

The user interface is in German.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Folders the installation creates get 0755 whatever the umask of the one who packs.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The program's files and the Debian files; the licence text is the copyright file here.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};Unspecified;/"
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};debian;/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://talvex.example.org)
# dpkg-shlibdeps reads the libraries off the binary; the font the windows ask for is a data
# package no binary links, so it is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)

include(CPack)
