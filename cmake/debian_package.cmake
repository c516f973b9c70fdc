# The Debian package, built by `cpack -G DEB` from the same install rules as
# `cmake --install`, under /usr. Its Depends line is worked out from the
# shared libraries the game links (dpkg-shlibdeps), so it names the libraries
# of the machine that built it rather than a list kept by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME verlano)
set(CPACK_PACKAGE_VENDOR "The Verlano developers")
set(CPACK_PACKAGE_CONTACT "Verlano developers <verlano@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Italian four-player partnership capture card game")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The control file's long description, under the summary.
set(CPACK_PACKAGE_DESCRIPTION
    "Verlano is played with the 40-card Italian pack. You play with the mouse,
with a computer partner opposite you, against two computer opponents: a
card played to the table takes a card of equal value, or cards that add up
to it. Three card decks drawn for the game, four rule variants, and two
levels of computer play. In Italian or English, as the desktop chooses.")
# Folders made by the install get the usual rights whatever the builder's umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
