# The resources every Windows program of the project carries: the icon,
# drawn from packaging/quaverton.svg at build time (rsvg-convert, icotool),
# the version and the manifest, compiled by windres.
enable_language(RC)

find_program(QUAVERTON_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(QUAVERTON_ICOTOOL icotool REQUIRED)

set(QUAVERTON_WINDOWS_PACKAGING ${PROJECT_SOURCE_DIR}/packaging/windows)
set(QUAVERTON_ICON_FILE ${PROJECT_BINARY_DIR}/packaging/quaverton.ico)
set(QUAVERTON_MANIFEST_FILE ${PROJECT_BINARY_DIR}/packaging/quaverton.manifest)
set(QUAVERTON_FILE_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.0.0)
set(QUAVERTON_FILE_VERSION_COMMAS ${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},0,0)

add_custom_command(
  OUTPUT ${QUAVERTON_ICON_FILE}
  COMMAND bash ${QUAVERTON_WINDOWS_PACKAGING}/make-icon.sh ${PROJECT_SOURCE_DIR}/packaging/quaverton.svg
    ${QUAVERTON_ICON_FILE}
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/quaverton.svg ${QUAVERTON_WINDOWS_PACKAGING}/make-icon.sh
  COMMENT "Drawing the program icon"
  VERBATIM)
configure_file(${QUAVERTON_WINDOWS_PACKAGING}/quaverton.manifest.in ${QUAVERTON_MANIFEST_FILE} @ONLY)

# Adds the resources to a program; its file name goes into the version.
function(quaverton_add_windows_resources target)
  get_target_property(name ${target} OUTPUT_NAME)
  get_target_property(suffix ${target} SUFFIX)
  if(NOT name)
    set(name ${target})
  endif()
  if(NOT suffix)
    set(suffix .exe)
  endif()
  set(QUAVERTON_ORIGINAL_FILENAME ${name}${suffix})
  set(script ${PROJECT_BINARY_DIR}/packaging/${target}.rc)
  configure_file(${QUAVERTON_WINDOWS_PACKAGING}/quaverton.rc.in ${script} @ONLY)
  set_source_files_properties(${script} PROPERTIES OBJECT_DEPENDS "${QUAVERTON_ICON_FILE};${QUAVERTON_MANIFEST_FILE}")
  target_sources(${target} PRIVATE ${script})
endfunction()
