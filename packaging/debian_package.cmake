# The Debian package of ferricalc (make package, or cpack -G DEB in the build
# directory): ferricalc_<version>_amd64.deb with everything `cmake --install`
# puts under /usr. dpkg-shlibdeps finds the libraries the programs link; the
# fonts are named here because Qt finds them only at run time: the Chinese
# captions need the Arphic faces, the English ones DejaVu Serif.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ferricalc)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "ferricalc developers <ferricalc@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "effective parameters of ferrite cores (IEC 60205)")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/ferricalc/ferricalc)
# The long description, below the summary; an empty line starts a paragraph.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "A desktop calculator for engineers who design with ferrite cores. For twelve
core families (ring, UF, UY, UYF, UI, EE/EF, ETD/EC/EER, EI, ED, pot, RM and
EP) it takes the principal dimensions off a data sheet and gives the core
constants C1 and C2 and the effective length, area and volume by the
summation method of IEC 60205. The windows speak Simplified Chinese, or
English when chosen.

ferricalc-cli gives the same results to scripts, one core or a CSV file of
many at a time, as text, CSV or JSON.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(FERRICALC_BUILD_GUI)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, fonts-arphic-ukai, fonts-dejavu-core")
    # Qt's own X11 platform comes with libqt6gui6; Wayland sessions want this.
    set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
endif()

include(CPack)
