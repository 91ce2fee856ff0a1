# The installed layout and the Debian package:
#   bin/lottodesk, bin/lottodesk-cli
#   lib/lottodesk/prjdll.so                       the download plug-in
#   share/lottodesk/                              sample histories to import, the cell pictures and the
#                                                 help page as templates (the program has them built in)
#   share/applications, share/icons/hicolor, share/metainfo
#   share/man/man1/lottodesk-cli.1.gz             made from the tool's own help
#   share/doc/lottodesk/                          copyright, changelog.gz
# `make package` builds the package from the regular build tree (cpack -G DEB).
include(GNUInstallDirs)

install(TARGETS lottodesk-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(LOTTODESK_GUI)
  install(TARGETS lottodesk RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(TARGETS prjdll LIBRARY DESTINATION ${LOTTODESK_PLUGIN_INSTALL_DIR})
  install(FILES ${LOTTODESK_DATA_DIR}/desktop/org.lottodesk.LottoDesk.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${LOTTODESK_DATA_DIR}/desktop/org.lottodesk.LottoDesk.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${LOTTODESK_DATA_DIR}/icons/lottodesk.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 24 32 48 64 128 256)
    install(FILES ${LOTTODESK_DATA_DIR}/icons/lottodesk-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME lottodesk.png)
  endforeach()
  install(DIRECTORY ${LOTTODESK_DATA_DIR}/pic DESTINATION ${CMAKE_INSTALL_DATADIR}/lottodesk)
  install(FILES ${LOTTODESK_DATA_DIR}/help.htm DESTINATION ${CMAKE_INSTALL_DATADIR}/lottodesk)
endif()
install(DIRECTORY ${LOTTODESK_DATA_DIR}/samples DESTINATION ${CMAKE_INSTALL_DATADIR}/lottodesk)

# The manual page of lottodesk-cli from its help (the tool runs here, so not when cross-compiling),
# and the package's documents.
if(NOT CMAKE_CROSSCOMPILING AND NOT LOTTODESK_FUZZ)
  set(LOTTODESK_MANPAGE ${CMAKE_BINARY_DIR}/lottodesk-cli.1)
  add_custom_command(OUTPUT ${LOTTODESK_MANPAGE}.gz
    COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:lottodesk-cli> -DOUT=${LOTTODESK_MANPAGE}
            -DVERSION=${PROJECT_VERSION} -P ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
    COMMAND gzip -9nf ${LOTTODESK_MANPAGE}
    DEPENDS lottodesk-cli ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
    COMMENT "Manual page of lottodesk-cli")
  add_custom_target(manpage ALL DEPENDS ${LOTTODESK_MANPAGE}.gz)
  install(FILES ${LOTTODESK_MANPAGE}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
set(LOTTODESK_CHANGELOG ${CMAKE_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${LOTTODESK_CHANGELOG}
  COMMAND ${CMAKE_COMMAND} -E copy ${LOTTODESK_DATA_DIR}/doc/changelog ${CMAKE_BINARY_DIR}/changelog
  COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/changelog
  DEPENDS ${LOTTODESK_DATA_DIR}/doc/changelog)
add_custom_target(changelog ALL DEPENDS ${LOTTODESK_CHANGELOG})
install(FILES ${LOTTODESK_DATA_DIR}/doc/copyright ${LOTTODESK_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lottodesk)
set(CPACK_PACKAGE_VENDOR "lottodesk developers")
set(CPACK_PACKAGE_CONTACT "lottodesk developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "workstation for players of number lotteries")
set(CPACK_PACKAGE_DESCRIPTION
  "Draw histories of number lotteries (双色球 and 超级大乐透 included), integer indicators, formulas\n\
and a ticket filter, as a Qt desktop program (lottodesk) and a command-line tool (lottodesk-cli).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The Qt and C++ runtime packages come from the libraries the programs link (dpkg-shlibdeps);
# the windows need a font with Chinese characters, and Qt's Chinese texts for the standard buttons
# and dialogs (qtbase_zh_CN); the command line's update loads libcurl when it downloads, so the
# package names it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei | fonts-noto-cjk, qt6-translations-l10n, libcurl4t64 | libcurl4")
include(CPack)
