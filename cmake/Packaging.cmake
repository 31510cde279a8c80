# What `cmake --install` puts in place, and the Debian package CPack makes of
# it (`make package`, or `cpack -G DEB` in a build folder).
include(GNUInstallDirs)

set(QUAVERTON_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quaverton)

# Who answers for the package (its version is QUAVERTON_PACKAGE_VERSION).
set(QUAVERTON_PACKAGE_CONTACT "Quaverton developers <developers@quaverton.example>"
  CACHE STRING "The Debian package's maintainer, as NAME <ADDRESS>")

install(TARGETS quaverton RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# Debian wants the man page and the changelog compressed to the full, and
# without a time stamp, so that the same sources make the same package:
# gzip -9n at install time, from the build folder's copies.
find_program(QUAVERTON_GZIP gzip)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${PROJECT_BINARY_DIR}/packaging/changelog @ONLY)
function(quaverton_install_compressed source destination)
  get_filename_component(name ${source} NAME)
  set(compressed ${PROJECT_BINARY_DIR}/packaging/${name}.gz)
  install(CODE "execute_process(COMMAND \"${QUAVERTON_GZIP}\" -9nc \"${source}\" OUTPUT_FILE \"${compressed}\"
    COMMAND_ERROR_IS_FATAL ANY)")
  install(FILES ${compressed} DESTINATION ${destination})
endfunction()
if(QUAVERTON_GZIP)
  quaverton_install_compressed(${PROJECT_SOURCE_DIR}/docs/quaverton.1 ${CMAKE_INSTALL_MANDIR}/man1)
  quaverton_install_compressed(${PROJECT_BINARY_DIR}/packaging/changelog ${QUAVERTON_DOC_DIR})
else()
  install(FILES ${PROJECT_SOURCE_DIR}/docs/quaverton.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/changelog DESTINATION ${QUAVERTON_DOC_DIR})
endif()
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${PROJECT_SOURCE_DIR}/docs/language.md
  DESTINATION ${QUAVERTON_DOC_DIR})
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
set(CPACK_PACKAGE_VERSION ${QUAVERTON_PACKAGE_VERSION})
set(CPACK_PACKAGE_VENDOR Quaverton)
set(CPACK_PACKAGE_CONTACT ${QUAVERTON_PACKAGE_CONTACT})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Workbench and assembler for SDL sound projects of model-railway decoders")
# Lines of the extended description, as Debian wants them: under 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Quaverton turns an SDL project, a source in the sound-definition language"
  "of a family of sound-generating model-railway decoders with its include"
  "files, into the SDF image that the decoder runs. It writes the image as"
  "Intel HEX, with a listing, a symbol file and a handle map beside it."
  "The workbench window shows the source, its includes and every output in"
  "tabs over one editor; with --harness the program compiles from the command"
  "line, for scripts. The package holds the language reference and an example"
  "project.")
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
