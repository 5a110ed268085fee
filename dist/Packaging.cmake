# The Debian package of the install tree: `make package` in the build folder
# (or `cpack` there) writes mirel_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mirel)
set(CPACK_PACKAGE_VENDOR "The Mirel developers")
# Who answers for the package: a distribution or a user's own repository
# sets its own at configure time (-DMIREL_MAINTAINER="Name <address>").
set(MIREL_MAINTAINER "The Mirel developers <developers@mirel.org>"
    CACHE STRING "Maintainer field of the Debian package: Name <address>")
if(NOT MIREL_MAINTAINER MATCHES "^[^<>]+ <[^<>@ ]+@[^<>@ ]+\\.[^<>@ ]+>$"
   OR MIREL_MAINTAINER MATCHES "@localhost")
  message(FATAL_ERROR "MIREL_MAINTAINER \"${MIREL_MAINTAINER}\" is not \"Name <address>\" "
                      "with a mail domain")
endif()
set(CPACK_PACKAGE_CONTACT "${MIREL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MIREL_MAINTAINER}")
# The synopsis, then the extended description as dpkg shows it: lines of at
# most 80 columns with the leading space.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive portrait maker evolving line-drawn faces")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Mirel shows twenty line-drawn faces at a time. The user marks the ones that\n\
look like the person in mind, and an interactive genetic algorithm breeds the\n\
next generation from the marks, until the faces converge on a likeness.\n\
\n\
A finished face is saved as a Windows metafile, a bitmap, its data files and\n\
a history of the run, and is exported as PNG, SVG or PDF at any size. The\n\
interface is in Japanese or English. mirel-render draws faces into image\n\
files without the application.")
set(CPACK_STRIP_FILES ON)
set(CPACK_MIREL_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/StripSections.cmake)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time rather than linked: the window-system plugins and the
# Japanese font of the interface.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
