#include "assembler/encode_pass.h"

#include <optional>
#include <string>

#include "assembler/line_classification.h"
#include "assembler/command_encoder.h"
#include "assembler/command_set.h"
#include "assembler/field_warning.h"
#include "assembler/location_value.h"
#include "assembler/symbol_table.h"
#include "common/words.h"
#include "assembler/assembly.h"
#include "common/warnings.h"
#include "common/text.h"

namespace qv {

namespace {

// Schemes open and close by the statement's first word up to a blank or tab
// only: in "END\fX" that word is no END, though the command found by the
// white-space split is.
bool isSchemeWord(std::string_view statement, Command command) {
  if (command != Command::SchemeClose && command != Command::SkemeStart) return false;
  std::size_t end = firstWord(statement).size();
  return end == statement.size() || statement[end] == ' ' || statement[end] == '\t';
}

// A leading name taken as a label without a colon: with an unknown command
// after it, most likely a misspelt command (PLAYY HNDL_START, 1).
bool isBareLabel(std::string_view text, const LabelSplit& split) {
  return !split.label.empty() && text.find(':') == std::string_view::npos;
}

class ImageBuilder {
 public:
  ImageBuilder(Assembly& assembly, const std::vector<SourceLine>& lines)
      : assembly_(assembly), lines_(lines), evaluator_(assemblerEvaluator(assembly)) {
    assembly_.currentAddress = 0;
    assembly_.schemeBase = 0;
    // At most one entry per statement and per line only shown; growing
    // instead would move every entry several times over on large sources.
    std::size_t shownOnly = 0;
    for (const SourceLine& line : lines) shownOnly += isAssembled(line) ? 0 : 1;
    emitted_.reserve(assembly.placedStatements.size() + shownOnly);
  }

  void encodeLine(const PlacedStatement& placed) {
    const std::uint32_t index = placed.line;
    const SourceLine& line = lines_[index];
    const std::string_view code = line.code;
    const std::string_view text = trimView(code);
    const LabelSplit split{code.substr(placed.labelBegin, placed.labelLength),
                           code.substr(placed.statementBegin, placed.statementLength), placed.command};
    if (split.statement.empty()) {
      append(index, {}, text);
      return;
    }
    std::string_view statement = split.statement;
    if (isDigit(statement[0])) return;

    Command command = split.command;
    const bool opensOrClosesScheme = isSchemeWord(statement, command);
    if (opensOrClosesScheme) closeScheme();
    if (command == Command::SchemeClose) return;

    setLocationValue(static_cast<std::int32_t>(assembly_.currentAddress));
    ImageBytes bytes = encodeStatement(assembly_, command, statement, evaluator_, line);
    if (command == Command::None && isBareLabel(text, split)) {
      assembly_.messages.warn(warning::labelBeforeUnknownCommand(placeOf(line), split.label));
    }
    if (bytes.empty()) return;
    if (command == Command::SkemeStart && opensOrClosesScheme) {
      assembly_.schemeBase = assembly_.currentAddress;
      openScheme_ = emitted_.size();
    }
    auto size = static_cast<std::uint32_t>(bytes.size());
    append(index, std::move(bytes), statement);
    assembly_.currentAddress += size;
  }

  // The open scheme's header takes the length of everything up to here.
  void closeScheme() {
    if (!openScheme_) return;
    EncodedLine& header = emitted_[*openScheme_];
    openScheme_.reset();
    if (header.bytes.size() < 4) return;
    std::uint32_t length = assembly_.currentAddress - header.address;
    header.bytes[2] = static_cast<std::uint8_t>((length >> 8) & 0xFF);
    header.bytes[3] = static_cast<std::uint8_t>(length & 0xFF);
    warnIfFieldOverflows(assembly_.messages, lines_[header.lineIndex], "scheme length", length, 16);
  }

  // A line kept only to be shown (switched off, or an IF, ELSE or ENDIF):
  // an entry without bytes, so that the listing shows it in its place.
  void appendShownOnly(std::uint32_t index) { append(index, {}, lines_[index].code); }

  std::vector<EncodedLine> take() { return std::move(emitted_); }

 private:
  void append(std::uint32_t index, ImageBytes bytes, std::string_view sourceText) {
    const std::string_view code = lines_[index].code;
    const auto begin = sourceText.empty() ? 0u : static_cast<std::uint32_t>(sourceText.data() - code.data());
    emitted_.push_back(EncodedLine{assembly_.currentAddress, index, std::move(bytes), begin,
                                   static_cast<std::uint32_t>(sourceText.size())});
  }

  Assembly& assembly_;
  const std::vector<SourceLine>& lines_;
  const ExpressionEvaluator evaluator_;
  std::vector<EncodedLine> emitted_;
  std::optional<std::size_t> openScheme_;  // index of the open scheme's SKEME_START entry
};

}  // namespace

std::vector<EncodedLine> EncodePass(Assembly& assembly, const std::vector<SourceLine>& lines,
                                    const CompileRequest& request) {
  const auto lineCount = static_cast<std::uint32_t>(lines.size());
  ImageBuilder image(assembly, lines);
  const std::vector<PlacedStatement>& placed = assembly.placedStatements;
  std::size_t next = 0;
  for (std::uint32_t i = 0; i < lineCount; ++i) {
    if (request.progressCallback != nullptr) {
      request.progressCallback(request.progressContext, lineCount + i + 1, 2 * lineCount, "Encode");
    }
    const SourceLine& line = lines[i];
    if (!isAssembled(line)) {
      image.appendShownOnly(i);
      continue;
    }
    if (next < placed.size() && placed[next].line == i) image.encodeLine(placed[next++]);
  }
  image.closeScheme();
  std::vector<PlacedStatement>().swap(assembly.placedStatements);
  return image.take();
}

}  // namespace qv
