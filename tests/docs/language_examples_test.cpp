// Compiles every example of the language reference with the program and
// holds it to what the text around it promises, so that the reference
// cannot drift from the assembler.
#include <gtest/gtest.h>

#include <sstream>

#include "docs/doc_examples.h"
#include "harness/console_diagnostics.h"
#include "support/test_support.h"

namespace qv {

namespace test {
// Failures name the example by its place in the reference.
void PrintTo(const DocExample& example, std::ostream* out) { *out << "example at line " << example.line; }
}  // namespace test

namespace {

const std::string kReference = "docs/language.md";
// What the reference writes for the folder of the project, which paths the
// program resolved begin with.
const std::string kFolderPlaceholder = "FOLDER/";

std::string withFolderPlaceholder(const std::string& text, const std::string& folder) {
  return test::withoutFolder(text, folder, kFolderPlaceholder);
}

const test::DocExamples& referenceExamples() {
  static const test::DocExamples examples =
      test::readDocExamples(test::readFile(test::sourceDir() + "/" + kReference));
  return examples;
}

std::string withoutCarriageReturns(std::string text) {
  std::erase(text, '\r');
  return text;
}

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(withoutCarriageReturns(text));
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

std::string joined(const std::vector<std::string>& lines, std::size_t from = 0) {
  std::string text;
  for (std::size_t i = from; i < lines.size(); ++i) text += lines[i] + "\n";
  return text;
}

// The data bytes of an Intel HEX text, in the order of its records.
std::string hexDataBytes(const std::string& hex) {
  std::string bytes;
  for (const std::string& record : linesOf(hex)) {
    if (record.size() < 11 || record.substr(7, 2) != "00") continue;
    std::size_t count = std::stoul(record.substr(1, 2), nullptr, 16);
    for (std::size_t i = 0; i < count; ++i) bytes += (bytes.empty() ? "" : " ") + record.substr(9 + 2 * i, 2);
  }
  return bytes.empty() ? "(none)" : bytes;
}

std::string wordsOf(const std::string& text) {
  std::istringstream stream(text);
  std::string words;
  for (std::string word; stream >> word;) words += (words.empty() ? "" : " ") + word;
  return words;
}

// The notes a log holds: the defines and which file an include used.
bool isNote(const std::string& message) { return message.starts_with("Define: ") || message.starts_with("Using "); }

// The log's messages but the notes, with the placeholder for the work folder.
std::string reportedMessages(const std::string& log, const std::string& folder) {
  constexpr std::size_t kLogHeaderLines = 4;
  std::vector<std::string> lines = linesOf(log);
  std::string text;
  for (std::size_t i = kLogHeaderLines; i < lines.size(); ++i) {
    if (!isNote(lines[i])) text += withFolderPlaceholder(lines[i], folder) + "\n";
  }
  return text;
}

// A written text as a fenced block shows it: LF line ends, and a last line end.
std::string asBlock(std::string text) {
  text = withoutCarriageReturns(text);
  if (!text.empty() && text.back() != '\n') text += '\n';
  return text;
}

class LanguageReference : public testing::TestWithParam<test::DocExample> {};

TEST(LanguageReferenceDocument, FollowsTheExampleRules) {
  EXPECT_EQ(referenceExamples().problem, "");
  EXPECT_GE(referenceExamples().examples.size(), 30u);
}

TEST_P(LanguageReference, CompilesAsTheTextPromises) {
  const test::DocExample& example = GetParam();
  SCOPED_TRACE(kReference + ":" + std::to_string(example.line));
  test::TempFolder work;
  for (const auto& [name, text] : example.files) work.write(name, text);
  work.write("song.asm", example.source);
  std::vector<std::string> arguments{"--harness", "song.asm"};
  arguments.insert(arguments.end(), example.options.begin(), example.options.end());
  test::ProcessResult run = test::runQuaverton(arguments, work.path());

  auto output = [&](const std::string& extension) { return test::readFile(work.file("song_Z." + extension)); };
  bool messagesPromised = false;
  for (const test::Promise& promise : example.promises) {
    SCOPED_TRACE("promise: " + promise.kind);
    if (promise.kind == "bytes") {
      EXPECT_EQ(hexDataBytes(output("HEX")), wordsOf(promise.text));
    } else if (promise.kind == "listing") {
      EXPECT_EQ(joined(linesOf(output("LST")), 3), promise.text);
    } else if (promise.kind == "console") {
      messagesPromised = true;
      EXPECT_EQ(withFolderPlaceholder(run.standardError, work.path()), promise.text);
    } else if (promise.kind == "disassembly") {
      // The source read back from the image, which compiles to it again.
      test::ProcessResult back =
          test::runQuaverton({"--disassemble", "song_Z.HEX", "--map", "song_Z.MAP"}, work.path());
      EXPECT_EQ(back.standardError, "");
      EXPECT_EQ(asBlock(test::readFile(work.file("song_Z.asm"))), promise.text);
      test::runQuaverton({"--harness", "song_Z.asm"}, work.path());
      EXPECT_EQ(test::readFile(work.file("song_Z_Z.HEX")), output("HEX"));
    } else if (promise.kind == "messages") {
      messagesPromised = true;
      EXPECT_EQ(reportedMessages(test::readFile(work.file("song_Z.HARNESS_LOG")), work.path()), promise.text);
    } else {
      std::string extension = promise.kind;
      for (char& c : extension) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      EXPECT_EQ(asBlock(output(extension)), promise.text);
    }
  }
  if (!messagesPromised) {
    EXPECT_EQ(reportedMessages(test::readFile(work.file("song_Z.HARNESS_LOG")), work.path()), "")
        << "an example that reports messages shows them in a messages or console block";
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, LanguageReference, testing::ValuesIn(referenceExamples().examples),
                         [](const testing::TestParamInfo<test::DocExample>& info) {
                           return "line" + std::to_string(info.param.line);
                         });

}  // namespace
}  // namespace qv
