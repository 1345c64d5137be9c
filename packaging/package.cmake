# The Debian package: `cpack -G DEB` in the build folder packs the game's install rules
# (component pelegeso only) for the prefix /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelegeso)
set(CPACK_PACKAGE_VENDOR "The Pelegeso Vesldurian developers")
set(CPACK_PACKAGE_CONTACT "The Pelegeso Vesldurian developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "roll a ball through a toy town and grow it")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};${PELEGESO_COMPONENT};/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Pelegeso Vesldurian is a small single-player 3-D game. The player rolls a\n"
    "ball through a town; light props stick to it and make it heavier, so it can\n"
    "take bigger things later, until even the hospital sticks to it.")

# What the game needs at run time on Debian 12: the libraries it links (the package test checks
# them against dpkg-shlibdeps), libGL, which SDL opens at run time for the GLX context, and the
# font asked for by name (Z003 stands in for Monotype Corsiva). Named whole rather than found
# by dpkg-shlibdeps, so the package does not change with what the linker happens to keep.
string(CONCAT CPACK_DEBIAN_PACKAGE_DEPENDS
    "libc6, libstdc++6, libgcc-s1, libsdl2-2.0-0, libsdl2-mixer-2.0-0, libpng16-16, zlib1g, "
    "libfreetype6, libfontconfig1, libgl1, libopengl0, libglu1-mesa, fonts-urw-base35")

include(CPack)
