# The Debian package: `cpack -G DEB` in the build folder (scripts/package puts it into
# build/package/). It holds the installed layout of Install.cmake under /usr.

set(CPACK_PACKAGE_NAME hushwave)
set(CPACK_PACKAGE_VERSION 0.1.0)
set(HUSHWAVE_PACKAGE_MAINTAINER "Hushwave for Linux developers <hushwave@hushwave.org>"
    CACHE STRING "The package's maintainer, as Debian's Maintainer field spells it")
set(CPACK_PACKAGE_CONTACT ${HUSHWAVE_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "processor clock frequency and core voltage monitor")
set(CPACK_PACKAGE_DESCRIPTION
"Hushwave shows the processor's clock frequency and core voltage with LED
digits and bar graphs in a small skinned window that stays above other
windows, and lives in the notification area. It reads family 0Fh AMD
processors with frequency and voltage control; hushwave-sim runs it on a
simulated processor that follows the machine's load.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://hushwave.org/)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Dependencies come from the shared libraries the executables and libraries use; the program's
# own libraries lie in its private folders.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
    ${CMAKE_BINARY_DIR}/drivers/sim ${CMAKE_BINARY_DIR}/drivers/hw)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# The register helper gets its capabilities when the package is configured; setcap comes with
# libcap2-bin, which most systems have.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_SOURCE_DIR}/dist/debian/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS libcap2-bin)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
