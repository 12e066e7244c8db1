# The Debian package (make package): the installed files under /usr, with dependencies that pull
# in the Qt runtime and the IPA fonts the program maps its Japanese font names to.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/radixtrek
        RENAME copyright)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME radixtrek)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Radixtrek Project")
set(CPACK_PACKAGE_CONTACT "Radixtrek Project <radixtrek@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "learn how decimal, hexadecimal and binary numbers relate")
set(CPACK_PACKAGE_DESCRIPTION
    "Radixtrek teaches Japanese-speaking learners how decimal, hexadecimal and binary
notation relate: three explanation pages, a timed hexadecimal-to-binary drill with a
graph of its times, and an untimed decimal-hexadecimal drill. Everything it shows is
in Japanese.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Radixtrek Project <radixtrek@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "http://radixtrek.example.org")
# dpkg-shlibdeps names the Qt and C++ libraries the binary links; the platform plugins and
# the fonts are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont, qt6-translations-l10n")

include(CPack)
