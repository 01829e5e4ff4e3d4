# SPDX-License-Identifier: MIT
# What `cmake --install` puts on a system besides the program: its desktop
# entry, file types, icons, AppStream data, manual page and shared data
# (the stock catalogues come from stock.cmake), and the Debian package that
# `./zp package` makes of it with CPack.
include(GNUInstallDirs)

set(ZP_DESKTOP_SRC ${CMAKE_SOURCE_DIR}/resources/desktop)
set(ZP_APP_ID org.zentaprint.Zentaprint)
set(ZP_DATA_DEST ${CMAKE_INSTALL_DATADIR}/zentaprint)
set(ZP_DOC_DEST ${CMAKE_INSTALL_DATADIR}/doc/zentaprint)

install(FILES ${ZP_DESKTOP_SRC}/${ZP_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ZP_DESKTOP_SRC}/${ZP_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${ZP_DESKTOP_SRC}/${ZP_APP_ID}-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME ${ZP_APP_ID}.xml)

set(ZP_MIME_ICONS application-x-zentaprint-label application-x-zentaprint-legacy-label)
set(ZP_ICON_DEST ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${ZP_DESKTOP_SRC}/icons/${ZP_APP_ID}.svg DESTINATION ${ZP_ICON_DEST}/scalable/apps)
foreach(icon ${ZP_MIME_ICONS})
  install(FILES ${ZP_DESKTOP_SRC}/icons/${icon}.svg DESTINATION ${ZP_ICON_DEST}/scalable/mimetypes)
endforeach()
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${ZP_DESKTOP_SRC}/icons/${size}/${ZP_APP_ID}.png DESTINATION ${ZP_ICON_DEST}/${size}x${size}/apps)
  foreach(icon ${ZP_MIME_ICONS})
    install(FILES ${ZP_DESKTOP_SRC}/icons/${size}/${icon}.png DESTINATION ${ZP_ICON_DEST}/${size}x${size}/mimetypes)
  endforeach()
endforeach()

# Manual pages and the changelog are shipped compressed, as Debian wants them.
find_program(ZP_GZIP gzip REQUIRED)
set(ZP_MAN_GZ ${CMAKE_BINARY_DIR}/desktop/zentaprint.1.gz)
set(ZP_CHANGELOG_GZ ${CMAKE_BINARY_DIR}/desktop/changelog.gz)
set(ZP_CHANGELOG ${CMAKE_BINARY_DIR}/desktop/changelog)
# The release date of the AppStream data, so that a rebuild makes the same bytes.
file(CONFIGURE OUTPUT ${ZP_CHANGELOG} CONTENT
  "zentaprint (${PROJECT_VERSION}) unstable; urgency=medium\n\n  * Release ${PROJECT_VERSION}.\n\n -- Orvelle <packages@zentaprint.org>  Fri, 11 Dec 2026 00:00:00 +0000\n")
add_custom_command(OUTPUT ${ZP_MAN_GZ}
  COMMAND ${ZP_GZIP} -9n -c ${ZP_DESKTOP_SRC}/zentaprint.1 > ${ZP_MAN_GZ}
  DEPENDS ${ZP_DESKTOP_SRC}/zentaprint.1 VERBATIM)
add_custom_command(OUTPUT ${ZP_CHANGELOG_GZ}
  COMMAND ${ZP_GZIP} -9n -c ${ZP_CHANGELOG} > ${ZP_CHANGELOG_GZ}
  DEPENDS ${ZP_CHANGELOG} VERBATIM)
add_custom_target(zentaprint_desktop ALL DEPENDS ${ZP_MAN_GZ} ${ZP_CHANGELOG_GZ})
install(FILES ${ZP_MAN_GZ} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ZP_CHANGELOG_GZ} DESTINATION ${ZP_DOC_DEST})
install(FILES ${ZP_DESKTOP_SRC}/copyright DESTINATION ${ZP_DOC_DEST})

# Shared data beside the catalogues: help pages and the sample label with
# the database it names (taken from the label's folder).
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/help/ DESTINATION ${ZP_DATA_DEST}/help
        FILES_MATCHING PATTERN "*.html")
install(FILES ${CMAKE_SOURCE_DIR}/resources/sample/product-label.zp3 ${CMAKE_SOURCE_DIR}/resources/sample/sample.db
        DESTINATION ${ZP_DATA_DEST}/sample)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/resources/sample/csv DESTINATION ${ZP_DATA_DEST}/sample)

# The Debian package. Library dependencies are computed by dpkg-shlibdeps;
# what the program loads at run time without linking it (fonts, Qt's image,
# SQL and platform plugins, the extra picture decoders) is named here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zentaprint)
set(CPACK_PACKAGE_VENDOR Orvelle)
set(CPACK_PACKAGE_CONTACT "Orvelle <packages@zentaprint.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "label designer for sheets of label stock")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://zentaprint.org/)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Zentaprint lays out one label from text, bar codes, pictures, lines and
shapes, binds its contents to databases, prompts, dates and serial
numbers, and prints it on sheets of label stock, interactively, from the
command line or for other programs over D-Bus.")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "fonts-liberation, fonts-ocr-b, fonts-crosextra-carlito, fonts-crosextra-caladea, fontconfig, \
qt6-qpa-plugins, qt6-image-formats-plugins, libqt6sql6-sqlite, libqt6svg6, libmagickcore-6.q16-6-extra")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "glabels-data, libqt6sql6-odbc, libqt6sql6-psql, cups-client")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "sane-utils, printer-driver-cups-pdf")
include(CPack)
