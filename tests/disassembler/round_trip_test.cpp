// The promise of reading an image back: the source written for any image
// this program writes assembles to the same HEX text, byte for byte. Held
// over the golden projects, the example and a few hundred generated sources.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "compile/compiler.h"
#include "disassembler/disassembler.h"
#include "compile/carried_include_provider.h"
#include "support/test_support.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

CompileResult compileSource(const std::string& path) {
  Compiler compiler;
  compiler.setBuiltInIncludeProvider(carriedIncludeProvider);
  return compiler.compile(path, makeCompileRequest("_Z", "", false, false));
}

// Everything the compile reported but its notes.
std::string complaints(const CompileResult& result) {
  std::string text;
  for (std::size_t i = 0; i < result.messages.size(); ++i) {
    if (messageKind(result, i) != MessageKind::Note) text += result.messages[i] + "\n";
  }
  return text;
}

// Disassembles the HEX text, assembles the source and expects the text back,
// with no warning but the one the image itself brings; returns the source.
std::string expectRoundTrip(const std::string& hexText, const std::optional<std::string>& mapText,
                            const std::string& what, const std::string& imageWarning = "",
                            const std::string& definitionsBeside = "") {
  SCOPED_TRACE(what);
  test::TempFolder work;
  if (!definitionsBeside.empty()) work.write("QVX5_SND_CMD.INC", definitionsBeside);
  DisassemblyRequest request{work.file("song.HEX"), mapText ? work.file("song.MAP") : "", work.file("back.asm")};
  Disassembly disassembly =
      disassembleHexText(hexText, mapText ? std::optional<std::string_view>(*mapText) : std::nullopt, request);
  EXPECT_EQ(disassembly.failure, DisassemblyFailure::None) << disassembly.messages.front();
  EXPECT_TRUE(disassembly.messages.empty()) << disassembly.messages.front();
  work.write("back.asm", disassembly.sourceText);
  CompileResult rebuilt = compileSource(request.sourcePath);
  const std::string warnings = complaints(rebuilt);
  if (imageWarning.empty()) {
    EXPECT_EQ(warnings, "");
  } else {
    EXPECT_NE(warnings.find(imageWarning), std::string::npos) << warnings;
  }
  EXPECT_EQ(rebuilt.hexText, hexText) << disassembly.sourceText;
  return disassembly.sourceText;
}

std::optional<std::string> fileIfThere(const fs::path& path) {
  if (!fs::exists(path)) return std::nullopt;
  return test::readFile(path.string());
}

TEST(DisassemblyRoundTrip, GoldenProjectsAndTheExampleComeBackByteForByte) {
  std::vector<fs::path> expected{fs::path(test::sourceDir()) / "examples" / "demo" / "expected"};
  for (const auto& entry : fs::directory_iterator(fs::path(test::sourceDir()) / "tests" / "golden")) {
    expected.push_back(entry.path() / "expected");
  }
  int images = 0;
  for (const fs::path& folder : expected) {
    for (const auto& entry : fs::directory_iterator(folder)) {
      if (entry.path().extension() != ".HEX") continue;
      fs::path map = entry.path();
      expectRoundTrip(test::readFile(entry.path().string()), fileIfThere(map.replace_extension(".MAP")),
                      entry.path().string());
      ++images;
    }
  }
  EXPECT_GE(images, 3);
}

// The source will include the definitions file beside it, not the carried
// copy: its names are the ones written.
TEST(DisassemblyRoundTrip, NamesComeFromTheDefinitionsFileTheSourceWillInclude) {
  test::TempFolder work;
  CompileResult original = compileSource(
      work.write("song.asm", "        SKEME_START 1\n        INITIATE_SOUND 0x21, 0\n        INITIATE_SOUND 0x31, 0\n"));
  const std::string source = expectRoundTrip(original.hexText, std::nullopt, "own definitions", "",
                                             "TRIG_FUNC_1 EQU 0x30\nTRIG_LATE EQU TRIG_FUNC_1 + 1 ; a sum\n");
  EXPECT_NE(source.find("INITIATE_SOUND 0x21, 0x00\r\n"), std::string::npos) << source;
  EXPECT_NE(source.find("INITIATE_SOUND TRIG_LATE, 0x00\r\n"), std::string::npos) << source;
}

// Random sources over every command, with labels, branches within and
// across schemes, out-of-range operands, DB bytes and bytes between schemes.
class SourceGenerator {
 public:
  explicit SourceGenerator(unsigned seed) : random_(seed) {}

  std::string source(int schemes, int commandsPerScheme) {
    std::string text = "        INCLUDE \"QVX5_SND_CMD.INC\"\n";
    for (int s = 0; s < schemes; ++s) {
      text += "        SKEME_START " + std::to_string(below(40)) + "\n";
      for (int c = 0; c < commandsPerScheme; ++c) {
        if (chance(8)) text += "L" + std::to_string(labels_++) + ":\n";
        text += "        " + command() + "\n";
      }
      if (chance(2)) text += "        SKEME_END\n";
      if (chance(8)) text += "        DB " + byteList() + "\n";
    }
    if (chance(4)) text += "L" + std::to_string(labels_++) + ":\n";
    return text;
  }

 private:
  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
  bool chance(int oneIn) { return below(oneIn) == 0; }
  std::string value(int range) { return std::to_string(chance(20) ? below(600) - 100 : below(range)); }
  std::string byteList() {
    std::string list = value(256);
    for (int n = below(5); n > 0; --n) list += ", " + value(256);
    return list;
  }
  // Mostly an earlier label; a later one is declared at the end at worst.
  std::string target() {
    if (labels_ == 0 || chance(6)) return "L" + std::to_string(labels_ + below(3));
    return "L" + std::to_string(below(labels_));
  }

  std::string command() {
    switch (below(15)) {
      case 0: return "SDL_VERSION " + value(256);
      case 1: return "CHANNEL_START " + value(8);
      case 2: return "INITIATE_SOUND " + value(128) + ", " + value(256);
      case 3: return "PLAY " + value(chance(3) ? 256 : 64) + ", " + value(32) + ", " + value(64);
      case 4: return "DELAY_SOUND " + value(256) + ", " + value(128) + ", " + value(2);
      case 5: return "SKIP_ON_TRIGGER " + value(4) + ", " + value(128);
      case 6: return "GENERATE_TRIGGER " + value(128);
      case 7: return std::string(chance(2) ? "BRANCH_TO " : chance(2) ? "BRANCH_TO16 " : "XGOTO_SND ") + target();
      case 8: return "LOAD_MODIFIER " + value(16) + ", " + byteList();
      case 9:
        return "MASK_COMPARE " + value(8) + ", " + value(8) + ", " + value(256) + ", " + value(256) + ", " +
               value(4);
      case 10: return "DB " + byteList();
      case 11: return "CHANNEL_END";
      default: return "END_SOUND";
    }
  }

  std::mt19937 random_;
  int labels_ = 0;
};

TEST(DisassemblyRoundTrip, GeneratedSourcesComeBackByteForByte) {
  constexpr unsigned kSources = 300;
  for (unsigned seed = 0; seed < kSources; ++seed) {
    test::TempFolder work;
    const std::string source = work.write("song.asm", SourceGenerator(seed).source(1 + seed % 4, 5 + seed % 30));
    CompileResult original = compileSource(source);
    ASSERT_FALSE(original.failed);
    expectRoundTrip(original.hexText, std::nullopt, "seed " + std::to_string(seed) + ":\n" + test::readFile(source));
  }
}

// Past 64 KiB the HEX text takes extended address records, and a scheme
// longer than 65535 bytes keeps only the low 16 bits of its length.
TEST(DisassemblyRoundTrip, ImagesPast64KiBComeBackByteForByte) {
  for (int commands : {20000, 40000}) {
    test::TempFolder work;
    std::string text = SourceGenerator(7).source(3, 40) + "        SKEME_START 9\n";
    for (int i = 0; i < commands; ++i) text += "        PLAY " + std::to_string(i % 300) + ", 1, 0\n";
    text += SourceGenerator(8).source(2, 40);
    CompileResult original = compileSource(work.write("song.asm", text));
    ASSERT_GT(original.hexText.find(":020000040001F9"), 0u);
    expectRoundTrip(original.hexText, std::nullopt, std::to_string(commands) + " plays", "scheme length");
  }
}

}  // namespace
}  // namespace qv
