// Hostile sources compiled in process. Each must end with its documented
// messages, outputs and failed flag: never a crash, a hang or a runaway.
#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "compile/compiler.h"
#include "compile/carried_include_provider.h"
#include "support/test_support.h"

namespace qv {
namespace {

using test::TempFolder;

const char kEmptyHex[] = ":020000040000FA\r\n:00000001FF\r\n";

// The sanitizer build runs the volume cases at a tenth of their size: its
// checks need the code paths, not the volume, and it runs ten times slower.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QUAVERTON_TEST_UNDER_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(QUAVERTON_TEST_UNDER_ASAN)
constexpr std::size_t kVolumeDivisor = 10;
#else
constexpr std::size_t kVolumeDivisor = 1;
#endif

CompileResult compileFile(const std::string& path, bool writeOutputs = true,
                          SourceReadLimits readLimits = SourceReadLimits{}) {
  Compiler compiler;
  compiler.setBuiltInIncludeProvider(carriedIncludeProvider);
  compiler.preprocessor.readLimits = readLimits;
  return compiler.compile(path, makeCompileRequest("_Z", "", writeOutputs, false));
}

std::string repeated(std::string_view piece, std::size_t count) {
  std::string text;
  text.reserve(piece.size() * count);
  for (std::size_t i = 0; i < count; ++i) text += piece;
  return text;
}

std::vector<std::string> outputsBeside(const TempFolder& folder, const std::string& stem) {
  std::vector<std::string> paths;
  for (const char* extension : {".HEX", ".MAP", ".LST", ".SYM"}) paths.push_back(folder.file(stem + extension));
  return paths;
}

const SymbolRecord* findSymbol(const CompileResult& result, std::string_view name) {
  for (const SymbolRecord& record : result.symbols) {
    if (record.name == name) return &record;
  }
  return nullptr;
}

std::vector<std::uint8_t> imageBytes(const CompileResult& result) {
  std::vector<std::uint8_t> bytes;
  for (const EncodedLine& line : result.emitted) bytes.insert(bytes.end(), line.bytes.begin(), line.bytes.end());
  return bytes;
}

// ------------------------------------------------------------ odd content

TEST(BadInput, EmptyFileCompilesToAnEmptyImage) {
  TempFolder folder;
  CompileResult result = compileFile(folder.write("song.asm", ""));
  EXPECT_FALSE(result.failed);
  EXPECT_TRUE(result.lines.empty());
  EXPECT_TRUE(result.messages.empty());
  EXPECT_EQ(result.hexText, kEmptyHex);
  EXPECT_EQ(result.writtenFiles, outputsBeside(folder, "song_Z"));
  EXPECT_EQ(test::readFile(folder.file("song_Z.HEX")), kEmptyHex);
}

TEST(BadInput, BinaryBytesCompileWithoutFailing) {
  std::mt19937 generator(20240);
  std::string randomBytes(64 * 1024, '\0');
  for (char& byte : randomBytes) byte = static_cast<char>(generator() & 0xFF);
  const std::string nulBytes = std::string(4096, '\0') + "\n\0SKEME_START 1\0\nEND_SOUND\n" + std::string(10, '\0');

  for (const std::string& bytes : {randomBytes, nulBytes}) {
    TempFolder folder;
    CompileResult result = compileFile(folder.write("song.asm", bytes));
    EXPECT_FALSE(result.failed);
    EXPECT_EQ(result.writtenFiles, outputsBeside(folder, "song_Z"));
  }
}

TEST(BadInput, TenMegabyteLinesAreOneLabelOrOneComment) {
  const std::string name(10 * 1024 * 1024 / kVolumeDivisor, 'A');
  TempFolder folder;
  CompileResult label = compileFile(folder.write("label.asm", name + "\n"));
  EXPECT_FALSE(label.failed);
  ASSERT_EQ(label.symbols.size(), 1u);
  EXPECT_EQ(label.symbols[0].name, name);
  EXPECT_EQ(label.writtenFiles.size(), 4u);

  CompileResult comment = compileFile(folder.write("comment.asm", "; " + name + "\nDB 1\n"));
  EXPECT_FALSE(comment.failed);
  ASSERT_EQ(comment.lines.size(), 2u);
  EXPECT_EQ(comment.lines[0].comment.size(), name.size() + 2);
  EXPECT_EQ(imageBytes(comment), std::vector<std::uint8_t>{1});
}

// Unevaluable operands count as 0, however deep the nesting that made them so.
TEST(BadInput, HundredThousandLevelExpressionsEvaluateToZero) {
  const std::size_t depth = 100000;
  const std::string source = "P EQU " + repeated("(", depth) + "1" + repeated(")", depth) + "\n" +
                             "T EQU " + repeated("~", depth) + "1\n" +
                             "H EQU " + repeated("high(", depth) + "0x1234" + repeated(")", depth) + "\n" +
                             "DB P, T, H, 9\n";
  TempFolder folder;
  CompileResult result = compileFile(folder.write("song.asm", source));
  EXPECT_FALSE(result.failed);
  for (const char* name : {"P", "T", "H"}) {
    const SymbolRecord* record = findSymbol(result, name);
    ASSERT_NE(record, nullptr) << name;
    EXPECT_EQ(record->value, 0) << name;
  }
  EXPECT_EQ(imageBytes(result), (std::vector<std::uint8_t>{0, 0, 0, 9}));
}

TEST(BadInput, HundredThousandCharacterNamesAreKeptWhole) {
  const std::string label = "L" + std::string(99999, 'x');
  const std::string symbol = "S" + std::string(99999, 'y');
  TempFolder folder;
  CompileResult result = compileFile(
      folder.write("song.asm", "DB 1\n" + label + ": DB 2\n" + symbol + " EQU " + label + " + 1\nDB " + symbol + "\n"));
  EXPECT_FALSE(result.failed);
  ASSERT_EQ(result.symbols.size(), 2u);
  EXPECT_EQ(result.symbols[0].name, toUpperAscii(label));
  EXPECT_EQ(result.symbols[0].value, 1);
  EXPECT_EQ(result.symbols[1].name, toUpperAscii(symbol));
  EXPECT_EQ(result.symbols[1].value, 2);
  EXPECT_EQ(imageBytes(result), (std::vector<std::uint8_t>{1, 2, 2}));
}

// ----------------------------------------------------------------- includes

TEST(BadInput, IncludeChainStopsPastTheNestingLimit) {
  TempFolder folder;
  const int files = 1000;
  for (int i = 1; i < files; ++i) {
    std::string next = i + 1 < files ? "INCLUDE \"f" + std::to_string(i + 1) + ".inc\"\n" : "";
    folder.write("f" + std::to_string(i) + ".inc", "DB 1\n" + next);
  }
  CompileResult result = compileFile(folder.write("song.asm", "INCLUDE \"f1.inc\"\n"));
  EXPECT_TRUE(result.failed);
  EXPECT_EQ(result.messages, std::vector<std::string>{"ERROR: Include nesting too deep: " + folder.file("f256.inc")});
  EXPECT_EQ(result.lines.size(), 255u);
  EXPECT_TRUE(result.writtenFiles.empty());
  EXPECT_EQ(result.hexText, kEmptyHex);
}

TEST(BadInput, IncludeCyclesAreSkippedWithOneNote) {
  for (int length : {1, 2, 50}) {
    TempFolder folder;
    auto name = [](int i) { return i == 0 ? std::string("song.asm") : "c" + std::to_string(i) + ".inc"; };
    for (int i = 0; i < length; ++i) {
      folder.write(name(i), "DB " + std::to_string(i) + "\nINCLUDE " + name((i + 1) % length) + "\n");
    }
    CompileResult result = compileFile(folder.file("song.asm"));
    EXPECT_FALSE(result.failed) << length;
    EXPECT_EQ(result.messages, std::vector<std::string>{"Recursive include skipped: " + folder.file("song.asm")})
        << length;
    EXPECT_EQ(result.lines.size(), static_cast<std::size_t>(length)) << length;
    EXPECT_EQ(result.writtenFiles.size(), 4u) << length;
  }
}

#ifndef _WIN32
// Anything that is not a regular file is not found, so nothing blocks on a
// device or a pipe and nothing reads endlessly. (Windows devices: see
// tests/platform/files_read_test.cpp.)
TEST(BadInput, IncludesOfFoldersDevicesPipesAndMissingFilesAreNotFound) {
  TempFolder folder;
  folder.write("sub/inner.inc", "DB 1\n");
  ASSERT_EQ(::mkfifo(folder.file("pipe.inc").c_str(), 0600), 0);
  const std::string source = folder.write(
      "song.asm", "INCLUDE \"sub\"\nINCLUDE missing.inc\nINCLUDE \"/dev/zero\"\nINCLUDE pipe.inc\nDB 2\n");
  CompileResult result = compileFile(source);
  auto notFound = [&](int line, const std::string& name, const std::string& candidate) {
    return "ERROR: " + source + ":" + std::to_string(line) + " include " + name + " resolved to " + candidate +
           " but was not found. ";
  };
  EXPECT_TRUE(result.failed);
  EXPECT_EQ(result.messages, (std::vector<std::string>{notFound(1, "sub", folder.file("sub")),
                                                       notFound(2, "missing.inc", folder.file("missing.inc")),
                                                       notFound(3, "/dev/zero", "/dev/zero"),
                                                       notFound(4, "pipe.inc", folder.file("pipe.inc"))}));
  EXPECT_EQ(result.lines.size(), 1u);
  EXPECT_TRUE(result.writtenFiles.empty());
}
#endif

TEST(BadInput, RootSourceThatIsNoRegularFileIsNotFound) {
  TempFolder folder;
  folder.write("sub/inner.inc", "");
  for (const std::string& path : {folder.file("sub"), std::string("/dev/zero")}) {
    CompileResult result = compileFile(path);
    EXPECT_TRUE(result.failed);
    EXPECT_EQ(result.messages, std::vector<std::string>{"ERROR: Include not found: " + path});
    EXPECT_TRUE(result.writtenFiles.empty());
  }
}

// Files included over and over multiply: 10 includes of a file that
// includes a 100-line file 10 times read 10 + 10 x (10 + 100 x 10) lines.
TEST(BadInput, RepeatedIncludesStopAtTheLineLimit) {
  TempFolder folder;
  folder.write("b.inc", repeated("DB 1\n", 100));
  folder.write("a.inc", repeated("INCLUDE b.inc\n", 10));
  std::string source = folder.write("song.asm", repeated("INCLUDE a.inc\n", 10));

  CompileResult stopped = compileFile(source, true, SourceReadLimits{1000, 1u << 20});
  EXPECT_TRUE(stopped.failed);
  EXPECT_EQ(stopped.messages, std::vector<std::string>{"ERROR: Source line limit exceeded (1000 lines with all includes): " +
                                                       folder.file("b.inc")});
  EXPECT_EQ(stopped.lines.size(), 900u);
  EXPECT_TRUE(stopped.writtenFiles.empty());

  CompileResult fits = compileFile(source, false, SourceReadLimits{10 + 10 * (10 + 1000), 1u << 20});
  EXPECT_FALSE(fits.failed);
  EXPECT_EQ(fits.lines.size(), 10000u);
}

TEST(BadInput, RepeatedIncludesStopAtTheSizeLimit) {
  TempFolder folder;
  const std::string line = std::string(99, 'x') + "\n";
  folder.write("big.inc", line);
  std::string source = folder.write("song.asm", repeated("INCLUDE big.inc\n", 20));
  CompileResult result = compileFile(source, true, SourceReadLimits{1000, 1000});
  EXPECT_TRUE(result.failed);
  EXPECT_EQ(result.messages, std::vector<std::string>{"ERROR: Source size limit exceeded (1000 bytes with all includes): " +
                                                      folder.file("big.inc")});
  // The source's own 320 bytes leave room for six copies.
  EXPECT_EQ(result.lines.size(), 6u);
}

// Every include costs file-system calls whether it reads, fails or closes a
// cycle, so the count of includes met is bounded too.
TEST(BadInput, IncludesStopAtTheIncludeLimit) {
  TempFolder folder;
  folder.write("empty.inc", "");
  folder.write("a.inc", repeated("INCLUDE empty.inc\n", 10));
  const std::string fanOut = folder.write("song.asm", repeated("INCLUDE a.inc\n", 10));
  const SourceReadLimits fiftyIncludes{1000, 1u << 20, 50};
  CompileResult stopped = compileFile(fanOut, true, fiftyIncludes);
  EXPECT_TRUE(stopped.failed);
  EXPECT_EQ(stopped.messages,
            std::vector<std::string>{"ERROR: Include limit exceeded (50 includes): " + folder.file("a.inc") + ":6"});
  EXPECT_TRUE(stopped.writtenFiles.empty());

  const std::string cycle = folder.write("cycle.asm", repeated("INCLUDE cycle.asm\n", 60));
  CompileResult cut = compileFile(cycle, false, fiftyIncludes);
  ASSERT_EQ(cut.messages.size(), 51u);
  EXPECT_EQ(cut.messages[49], "Recursive include skipped: " + cycle);
  EXPECT_EQ(cut.messages[50], "ERROR: Include limit exceeded (50 includes): " + cycle + ":51");
}

// A root source beyond a limit is refused before its lines are split, and
// read no further than one byte past the limit.
TEST(BadInput, SourcesBeyondTheLimitsAreRefused) {
  TempFolder folder;
  const std::string tooLong = folder.write("long.asm", std::string(4000001, '\n'));
  EXPECT_EQ(compileFile(tooLong).messages,
            std::vector<std::string>{"ERROR: Source line limit exceeded (4000000 lines with all includes): " + tooLong});
  const std::string tooLarge = folder.write("large.asm", std::string(5000, 'x'));
  CompileResult refused = compileFile(tooLarge, true, SourceReadLimits{1000, 1000});
  EXPECT_EQ(refused.messages,
            std::vector<std::string>{"ERROR: Source size limit exceeded (1000 bytes with all includes): " + tooLarge});
  EXPECT_TRUE(refused.lines.empty());
}

// ----------------------------------------------------------------- volume

TEST(BadInput, MillionLineCBlockNumbersEveryCell) {
  const std::size_t cells = 1000000 / kVolumeDivisor;
  std::string source = "CBLOCK 1\n";
  for (std::size_t i = 0; i < cells; ++i) source += "C" + std::to_string(i) + "\n";
  source += "ENDC\n";
  TempFolder folder;
  CompileResult result = compileFile(folder.write("song.asm", source), false);
  EXPECT_FALSE(result.failed);
  ASSERT_EQ(result.symbols.size(), cells);
  EXPECT_EQ(result.symbols.back().name, "C" + std::to_string(cells - 1));
  EXPECT_EQ(result.symbols.back().value, static_cast<std::int32_t>(cells));
}

TEST(BadInput, HundredThousandSchemesAreLaidOutOneAfterAnother) {
  const std::size_t schemes = 100000 / kVolumeDivisor;
  std::string source;
  for (std::size_t i = 0; i < schemes; ++i) source += "SKEME_START " + std::to_string(i) + "\nEND_SOUND\n";
  TempFolder folder;
  CompileResult result = compileFile(folder.write("song.asm", source));
  EXPECT_FALSE(result.failed);
  ASSERT_EQ(result.emitted.size(), 2 * schemes);
  const EncodedLine& last = result.emitted[2 * schemes - 2];
  EXPECT_EQ(last.address, 6 * (schemes - 1));
  EXPECT_EQ(last.bytes, (std::vector<std::uint8_t>{0xF1, static_cast<std::uint8_t>((schemes - 1) & 0x1F), 0x00, 0x06}));
  EXPECT_EQ(result.writtenFiles.size(), 4u);
}

TEST(BadInput, MillionOperandDbEmitsEveryByte) {
  TempFolder folder;
  const std::size_t operands = 1000000 / kVolumeDivisor;
  CompileResult result = compileFile(folder.write("song.asm", "DB " + repeated("7,", operands) + "\n"));
  EXPECT_FALSE(result.failed);
  ASSERT_EQ(result.emitted.size(), 1u);
  EXPECT_EQ(result.emitted[0].bytes, std::vector<std::uint8_t>(operands, 7));
  EXPECT_EQ(result.writtenFiles.size(), 4u);
}

}  // namespace
}  // namespace qv
