# The Debian package, built by `make package` with CPack. Its Depends are
# what dpkg-shlibdeps finds in the binary, plus the fonts the layout needs.
set(CPACK_GENERATOR DEB)
# The package holds the installed files only: packing builds nothing else
# (the tests and the benchmark need not be built for it).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_PACKAGE_NAME klikoman)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Klikoman developers")
set(CPACK_PACKAGE_CONTACT "Klikoman developers <klikoman@example.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "clicking game that uncovers a hidden picture")
set(CPACK_PACKAGE_DESCRIPTION
    "Nine squares in a three-by-three grid light up at random. Every click on a\n"
    "lit square scores and uncovers one thirtieth more of a hidden photograph,\n"
    "from the top down; thirty hits finish the game. The interface is in Czech.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://klikoman.example.com/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# Without it a Wayland session runs the game through XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
