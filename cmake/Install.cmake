# The installed layout and the Debian package:
#   bin/lottodesk, bin/lottodesk-cli
#   lib/lottodesk/prjdll.so                       the download plug-in
#   share/lottodesk/                              sample histories to import, the cell pictures and the
#                                                 help page as templates (the program has them built in)
#   share/applications, share/icons/hicolor, share/metainfo
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
