# Turns the carried include texts into a C++ source with byte arrays, so the
# program carries them inside its own file.
set(QUAVERTON_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/embed_resource_file.cmake)

function(quaverton_embed_resources output)
  # Arguments after the output: pairs of resource number and file.
  set(inputs)
  set(pairs)
  list(LENGTH ARGN count)
  math(EXPR last "${count} - 1")
  foreach(i RANGE 0 ${last} 2)
    math(EXPR j "${i} + 1")
    list(GET ARGN ${i} id)
    list(GET ARGN ${j} file)
    list(APPEND inputs ${file})
    list(APPEND pairs "${id}=${file}")
  endforeach()
  string(REPLACE ";" "|" pairs_text "${pairs}")
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} "-DPAIRS=${pairs_text}" -P ${QUAVERTON_EMBED_SCRIPT}
    DEPENDS ${inputs} ${QUAVERTON_EMBED_SCRIPT}
    COMMENT "Embedding carried include texts"
    VERBATIM)
endfunction()
