# `make package` builds build/<preset>/tarnwick_<version>_<arch>.deb from the install rules:
# both programs, the desktop entry, the MIME type for .xliff and the icon. The Japanese
# translations are compiled into the programs. Depends is computed by dpkg-shlibdeps from the
# libraries the programs link, so it stays right when a library changes; dpkg's triggers
# register the desktop entry, MIME type and icon, so the package needs no scripts of its own.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarnwick)
set(CPACK_PACKAGE_VENDOR "${PROJECT_NAME}")
set(CPACK_PACKAGE_CONTACT "Tarnwick maintainers <maintainers@tarnwick.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION "Tarnwick lists every translation unit of an XLIFF 1.2 file that Xcode
exports, lets you type each target, fills the standard menu titles from an
editable English to Japanese dictionary, and saves by splicing the targets into
the file's own text, so Xcode imports it again. tarnwick-cli runs the same
reader and writer from scripts.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${TARNWICK_SITE_BASE}")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own strings (standard buttons, file dialogs) in Japanese; the editor runs without them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
include(CPack)
