#include "output/hex_writer.h"
#include "output/listing.h"
#include "output/symbol_file.h"

namespace qv {

std::string makeHexText(const std::vector<EncodedLine>&, std::int32_t) { return ":020000040000FA\r\n:00000001FF\r\n"; }
bool writeHexFile(const std::string&, const std::vector<EncodedLine>&, std::string&, std::int32_t) { return false; }
std::string makeListing(const std::vector<EncodedLine>&) { return {}; }
std::string makeSymbolFile(const std::vector<SymbolRecord>&) { return {}; }

}  // namespace qv
