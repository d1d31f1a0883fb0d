# The Debian package (scripts/package): the three programs, the menu entry, the icons and the
# AppStream metadata under /usr. Library dependencies come from dpkg-shlibdeps; the Chinese
# font the screen needs is named here, since no library links it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "The Quorvane developers")
set(CPACK_PACKAGE_CONTACT "The Quorvane developers <developers@quorvane.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "Find the WiFi relay boards on the local network and configure them")
set(CPACK_PACKAGE_DESCRIPTION
  "Quorvane lists the WiFi relay boards that answer its search on the local network, reads and
writes their settings (power-up state, custom ID, address, work mode) and sends their
maintenance commands. quorvane-cli does the same for whole fleets from the command line;
quorvane-boardsim simulates boards for trying both without hardware.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-noto-cjk")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
