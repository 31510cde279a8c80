# Writes OUTPUT: one byte array per "id=file" entry of PAIRS ("|" separated)
# and the table that platform/resources.cpp looks them up in.
string(REPLACE "|" ";" pairs "${PAIRS}")
set(arrays "")
set(table "")
foreach(pair IN LISTS pairs)
  string(FIND "${pair}" "=" eq)
  string(SUBSTRING "${pair}" 0 ${eq} id)
  math(EXPR start "${eq} + 1")
  string(SUBSTRING "${pair}" ${start} -1 file)
  file(READ "${file}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND arrays "static const unsigned char resource${id}[] = {${bytes} 0x00};\n")
  string(APPEND table "    {${id}, resource${id}, ${size}},\n")
endforeach()
file(WRITE "${OUTPUT}.tmp"
"// Generated at build time from the files in resources/. Do not edit.\n"
"#include \"platform/embedded_resource_table.h\"\n\n"
"namespace qv {\n\n"
"${arrays}\n"
"const EmbeddedResource kEmbeddedResources[] = {\n${table}};\n\n"
"const std::size_t kEmbeddedResourceCount = sizeof(kEmbeddedResources) / sizeof(kEmbeddedResources[0]);\n\n"
"}  // namespace qv\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
