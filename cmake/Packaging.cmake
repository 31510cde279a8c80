# What `cmake --install` puts in place, and the Debian package CPack makes of
# it (`make package`, or `cpack -G DEB` in a build folder).
include(GNUInstallDirs)

set(QUAVERTON_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quaverton)

install(TARGETS quaverton RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/docs/quaverton.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_SOURCE_DIR}/docs/language.md DESTINATION ${QUAVERTON_DOC_DIR})
# The carried include texts, to read: the names and the commands they list.
install(FILES ${PROJECT_SOURCE_DIR}/resources/QVX5_SND_CMD.INC ${PROJECT_SOURCE_DIR}/resources/QVX5_SND_MACS.INC
  DESTINATION ${QUAVERTON_DOC_DIR}/include)
install(FILES ${PROJECT_SOURCE_DIR}/examples/demo/demo.asm ${PROJECT_SOURCE_DIR}/examples/demo/demo_waves.inc
  DESTINATION ${QUAVERTON_DOC_DIR}/examples/demo)
if(QUAVERTON_WITH_WINDOW)
  # So that the workbench appears in the desktop's menu.
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/quaverton.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/quaverton.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quaverton)
# The version the program itself reports (quaverton --version).
set(CPACK_PACKAGE_VERSION 1.2a)
set(CPACK_PACKAGE_VENDOR Quaverton)
set(CPACK_PACKAGE_CONTACT "Quaverton developers <quaverton@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Workbench and assembler for SDL sound projects of model-railway decoders")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
# The libraries the program links (Qt, the C++ runtime) become the package's
# dependencies, under the names of the system it is built on.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Quick to make and to unpack; the package is small either way.
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
include(CPack)
