# `cpack -G DEB` in the build folder: the Debian package tessra_VERSION_ARCH.deb, installing
# under /usr. Library dependencies come from dpkg-shlibdeps; the fonts are needed at run time
# though no library reveals them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessra)
set(CPACK_PACKAGE_VENDOR "Tessra")
set(CPACK_PACKAGE_CONTACT "Tessra developers <tessra@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "make labels that carry Japanese braille")
set(CPACK_PACKAGE_DESCRIPTION
    "Tessra lays out Japanese braille on sheets of labels (name cards, shelf labels, jars,
files), shows the braille or its kana reading, and embosses the sheet on a braille printer
of the ZEN-10 family. It also works headless: tessra read, check and emboss.")
set(CPACK_PACKAGING_INSTALL_PREFIX ${TESSRA_PACKAGE_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TESSRA_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# libcups2 is opened at run time, so the shared-library scan does not see it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcups2, libpugixml1v5, fonts-dejavu-core, fonts-ipafont-gothic, qt6-translations-l10n, open-jtalk-mecab-naist-jdic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS cups)

include(CPack)
