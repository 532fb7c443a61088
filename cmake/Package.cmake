# The Debian package (scripts/package.sh): build/rondaxa_<version>_amd64.deb.
# The libraries it needs are found by dpkg-shlibdeps from the executables;
# only what no executable links to is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rondaxa)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Brelinq)
set(CPACK_PACKAGE_CONTACT "Rondaxa developers <rondaxa@brelinq.nl>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "championship administration for motocross clubs")
set(CPACK_PACKAGE_DESCRIPTION
    "Rondaxa keeps the season championship of a motocross club: classes of riders,\n"
    "race results typed in a grid or entered as a finishing order of start\n"
    "numbers, and final standings with counting and dropped results, tie-breaks,\n"
    "averages and hors-concours riders. Standings and daily classifications are\n"
    "put out as text, as an HTML page for the club's web site or in print.\n"
    "\n"
    "The package holds the desktop program rondaxa and the command-line tool\n"
    "rondaxa-cli for publishing standings from a script.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.brelinq.nl/rondaxa")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so invisible to dpkg-shlibdeps: Qt's window-system
# plugins and its Dutch translations (standard buttons and dialogs).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
