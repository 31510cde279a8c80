#include "platform/text_decoding.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(TextDecoding, Utf16InBothByteOrdersJoinsSurrogatePairs) {
  // "A", U+00E9, U+1F600 (a surrogate pair)
  EXPECT_EQ(decodeUtf16(std::string("A\0\xE9\0\x3D\xD8\x00\xDE", 8), ByteOrder::LittleEndian), U"A\u00E9\U0001F600");
  EXPECT_EQ(decodeUtf16(std::string("\0A\0\xE9\xD8\x3D\xDE\x00", 8), ByteOrder::BigEndian), U"A\u00E9\U0001F600");
}

TEST(TextDecoding, Utf16KeepsUnpairedSurrogatesAndDropsAnOddByte) {
  EXPECT_EQ(decodeUtf16(std::string("\x3D\xD8" "A\0" "B", 5), ByteOrder::LittleEndian), std::u32string(U"\xD83D" U"A"));
  EXPECT_EQ(decodeUtf16(std::string("\x00\xDC", 2), ByteOrder::LittleEndian), std::u32string(U"\xDC00"));
  EXPECT_EQ(decodeUtf16("", ByteOrder::BigEndian), U"");
}

TEST(TextDecoding, Utf8AcceptsEveryLength) {
  std::optional<std::u32string> text = decodeUtf8Strict("a\xC3\xA9\xE2\x80\x94\xF0\x9F\x98\x80\xF4\x8F\xBF\xBF");
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(*text, U"a\u00E9\u2014\U0001F600\U0010FFFF");
  EXPECT_EQ(decodeUtf8Strict(std::string("\0x", 2)), std::u32string(U"\0x", 2));
}

TEST(TextDecoding, Utf8RefusesMalformedSequences) {
  const char* const malformed[] = {
      "\xC0\x80",          // overlong NUL
      "\xC1\xBF",          // overlong two-byte
      "\xE0\x80\xAF",      // overlong three-byte
      "\xF0\x8F\xBF\xBF",  // overlong four-byte
      "\xED\xA0\x80",      // surrogate
      "\xF4\x90\x80\x80",  // above U+10FFFF
      "\xE2\x82",          // cut off
      "ok\xC3",            // cut off at the end
      "\x80",              // stray continuation
      "\xC3(",             // continuation missing
      "\xF8\x88\x80\x80\x80",
      "\xFF",
  };
  for (const char* bytes : malformed) EXPECT_FALSE(decodeUtf8Strict(bytes).has_value()) << bytes;
}

TEST(TextDecoding, Windows1252MapsItsPunctuationAndKeepsUndefinedBytes) {
  struct Row {
    unsigned char byte;
    char32_t character;
  };
  const Row rows[] = {
      {0x41, U'A'},     {0x80, 0x20AC}, {0x81, 0x81},   {0x82, 0x201A}, {0x85, 0x2026}, {0x8D, 0x8D},
      {0x8F, 0x8F},     {0x90, 0x90},   {0x91, 0x2018}, {0x92, 0x2019}, {0x93, 0x201C}, {0x94, 0x201D},
      {0x95, 0x2022},   {0x96, 0x2013}, {0x97, 0x2014}, {0x99, 0x2122}, {0x9D, 0x9D},   {0x9F, 0x0178},
      {0xA0, 0xA0},     {0xE9, 0xE9},   {0xFF, 0xFF},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(decodeWindows1252(std::string(1, static_cast<char>(row.byte))), std::u32string(1, row.character))
        << int(row.byte);
  }
}

}  // namespace
}  // namespace qv
