#include "output/listing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"

namespace qv {
namespace {

const std::string kHeader =
    "// Quaverton generated clean SDL listing\r\n"
    "// Addr  Hex bytes            SDL source\r\n"
    "\r\n";

// The lines the records of these tests stand for, each with its comment.
std::vector<SourceLine>& listedLines() {
  static std::vector<SourceLine> lines;
  return lines;
}

EncodedLine encoded(std::uint32_t address, std::vector<std::uint8_t> bytes, std::string sourceText,
                    std::string comment = "") {
  SourceLine source;
  source.code = test::kept(sourceText);
  source.comment = test::kept(std::move(comment));
  listedLines().push_back(source);
  EncodedLine line;
  line.address = address;
  line.lineIndex = static_cast<std::uint32_t>(listedLines().size() - 1);
  line.bytes = std::move(bytes);
  line.sourceLength = static_cast<std::uint32_t>(sourceText.size());
  return line;
}

// The listing line of one record, without its CR LF.
std::string listed(const EncodedLine& line) {
  std::string text = makeListing({line}, listedLines());
  EXPECT_EQ(text.substr(0, kHeader.size()), kHeader);
  EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
  return text.substr(kHeader.size(), text.size() - kHeader.size() - 2);
}

TEST(Listing, EmptyImageIsTheHeaderAlone) { EXPECT_EQ(makeListing({}, {}), kHeader); }

TEST(Listing, Columns) {
  const std::string tenSpaces(10, ' ');
  struct Case {
    const char* what;
    EncodedLine line;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {"two bytes and a comment", encoded(0x0012, {0x01, 0xA0}, "PLAY 1", ";start"),
       "0012  01 A0" + std::string(15, ' ') + "  PLAY 1 //start"},
      {"no bytes, no comment", encoded(0, {}, "START:"), "0000  " + tenSpaces + "  START:"},
      {"seven bytes fill the column exactly", encoded(0xABCD, {1, 2, 3, 4, 5, 6, 7}, "X"),
       "ABCD  01 02 03 04 05 06 07  X"},
      {"eight bytes push the source right", encoded(0, {0, 1, 2, 3, 4, 5, 6, 0xFF}, "X"),
       "0000  00 01 02 03 04 05 06 FF  X"},
      {"empty source text with a comment", encoded(4, {}, "", "; note"), "0004  " + tenSpaces + "   // note"},
      {"only the low 16 bits of the address", encoded(0x12345, {0x0F}, "END_SOUND"),
       "2345  0F" + std::string(18, ' ') + "  END_SOUND"},
  };
  for (const Case& c : cases) EXPECT_EQ(listed(c.line), c.expected) << c.what;
}

TEST(Listing, CommentsBecomeSlashComments) {
  struct Case {
    std::string comment;
    std::string shown;
  };
  const std::vector<Case> cases = {
      {"//already", " //already"}, {"  ;x  ", " //x"},        {";", " //"},    {"; spaced", " // spaced"},
      {"\t// tabbed\t", " // tabbed"}, {"rem", " // rem"}, {"  \t ", ""}, {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(listed(encoded(0, {1}, "S", c.comment)), "0000  01" + std::string(18, ' ') + "  S" + c.shown)
        << c.comment;
  }
}

TEST(Listing, RecordsKeepTheirOrder) {
  EXPECT_EQ(makeListing({encoded(4, {0xAA}, "B"), encoded(0, {0xBB}, "A")}, listedLines()),
            kHeader + "0004  AA" + std::string(18, ' ') + "  B\r\n" + "0000  BB" + std::string(18, ' ') + "  A\r\n");
}

}  // namespace
}  // namespace qv
