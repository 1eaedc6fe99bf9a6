# Debian package: cpack -G DEB in the build folder gives showerscope_<version>-1_<arch>.deb
# (showerscope_<version>-1+qt6_<arch>.deb from a build against Qt 6).
set(CPACK_PACKAGE_NAME showerscope)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_PACKAGE_RELEASE ${SHOWERSCOPE_QT_DEB_RELEASE})
set(CPACK_PACKAGE_VENDOR "Showerscope developers")
set(CPACK_PACKAGE_CONTACT "Showerscope developers <dev@showerscope.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learning browser about cosmic-ray air showers")
set(CPACK_PACKAGE_DESCRIPTION [=[
Showerscope is a bilingual (English and Romanian) desktop program for
students and the general public about extensive air showers: the cascades
of particles that a high-energy cosmic ray starts in the atmosphere, and
the radio pulse they emit.

It shows graphs of the shower's properties computed from documented
physics models, simulation results for proton and iron primaries, the
mechanisms and geometry of the radio emission, animations of particle
interactions, detection techniques, media, credits and references. Every
picture, animation, sound and text is compiled into the program.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
if(SHOWERSCOPE_HOMEPAGE_URL)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${SHOWERSCOPE_HOMEPAGE_URL})
endif()
# dpkg-shlibdeps computes the versioned libraries (libc6, libgcc-s1, libstdc++6, the Qt
# libraries) from the binary. Listed here is what it cannot see: the multimedia plugins that
# play the sounds, the toolkit's Romanian translation, and the fonts the look-alike table in
# screens/common/fonts.cpp names (Liberation Sans Narrow is only in fonts-liberation, the
# first version; Liberation Sans and Serif come from fonts-liberation2).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "${SHOWERSCOPE_QT_DEB_DEPENDS}, fonts-liberation, fonts-liberation2, fonts-dejavu-core, fonts-ebgaramond, fonts-urw-base35, fonts-crosextra-carlito, fonts-symbola")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "${SHOWERSCOPE_QT_DEB_SUGGESTS}")
# strip leaves the compilers' .comment notes, which lintian reports as unneeded.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/strip_comment.cmake)
include(CPack)
