# Release artefacts through CPack: a .deb on Linux (the program, its desktop entry, icons and
# AppStream metainfo, installed under /usr), a .zip on Windows (zorivan.exe, the ZELKA stand-in
# and the example station file). scripts/package.sh makes both.
set(CPACK_PACKAGE_NAME zorivan)
set(CPACK_PACKAGE_VENDOR "ZORIVAN")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Control program for the Ten-Tec RX-320 shortwave receiver")
set(CPACK_PACKAGE_CONTACT "ZORIVAN developers <zorivan@localhost>")
set(CPACK_STRIP_FILES ON)

if(WIN32)
  install(FILES ${PROJECT_SOURCE_DIR}/examples/stations.tts DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME windows-x64)
  set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
else()
  include(GNUInstallDirs)
  install(FILES ${PROJECT_SOURCE_DIR}/examples/stations.tts
          DESTINATION ${CMAKE_INSTALL_DATADIR}/zorivan/examples)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/zorivan.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
  set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
  # After the summary line, which CPack takes from CPACK_PACKAGE_DESCRIPTION_SUMMARY.
  set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
      "Drives the RX-320 over its serial line: tuning, mode, AGC, filters, passband\n\
shift, audio levels, signal meter with squelch, station lists in .tts files,\n\
and the exchange with the ZELKA station database.")
  # The library dependencies (Qt 6, libxcb) come from the binary itself.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

include(CPack)
