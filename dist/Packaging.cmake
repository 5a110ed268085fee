# The Debian package of the install tree: `make package` in the build folder
# (or `cpack` there) writes mirel_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mirel)
set(CPACK_PACKAGE_VENDOR "The Mirel developers")
set(CPACK_PACKAGE_CONTACT "The Mirel developers <mirel@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive portrait maker")
set(CPACK_PACKAGE_DESCRIPTION
    "Mirel shows twenty line-drawn faces at a time; the user marks the ones that look\n\
like the person in mind and an interactive genetic algorithm breeds the next\n\
generation from the marks, until the faces converge on a likeness.")
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time rather than linked: the window-system plugins and the
# Japanese font of the interface.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
