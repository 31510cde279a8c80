#include "disassembler/source_writer.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "assembler/operand_check.h"
#include "disassembler/hex_number.h"

namespace qv {

namespace {

constexpr std::size_t kCommentColumn = 40;
constexpr std::size_t kBytesPerDbLine = 16;
constexpr std::string_view kIndent = "        ";
constexpr std::string_view kLineEnd = "\r\n";

void appendDecimal(std::string& text, std::int64_t value) {
  char digits[24];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  text.append(digits, result.ptr);
}

std::string decimal(std::int64_t value) {
  std::string text;
  appendDecimal(text, value);
  return text;
}

std::string plural(std::size_t count, std::string_view word) {
  return decimal(static_cast<std::int64_t>(count)) + " " + std::string(word) + (count == 1 ? "" : "s");
}

// Several reasons of the same kind read as one block of bytes.
bool mergesWithNext(ByteReason reason) {
  return reason == ByteReason::NoCommand || reason == ByteReason::OutsideScheme ||
         reason == ByteReason::ImageEndsInside;
}

class SourceWriter {
 public:
  SourceWriter(std::span<const std::uint8_t> image, const ImageLayout& layout, const SchemeLabels& labels,
               const StandardNames& names, const HandleNames& handles)
      : image_(image), layout_(layout), labels_(labels), names_(names), handles_(handles) {
    // A command line takes up to 60 characters, a label line 48: grown
    // instead, the text would be copied at every step.
    text_.reserve(layout.items.size() * 64 + 4096);
  }

  std::string write(const SourceFileNames& files) {
    writeHeader(files);
    writeHandles(files);
    std::size_t next = 0;
    for (std::size_t s = 0; s < layout_.schemes.size(); ++s) {
      writeOutside(next, layout_.schemes[s].firstItem);
      writeScheme(s);
      next = layout_.schemes[s].endItem;
    }
    writeOutside(next, layout_.items.size());
    return std::move(text_);
  }

 private:
  void writeHeader(const SourceFileNames& files) {
    std::size_t dbBytes = 0;
    for (const ImageItem& item : layout_.items) {
      if (item.command == Command::None) dbBytes += item.size;
    }
    comment(files.source + ": " + files.image + " read back by quaverton --disassemble");
    comment(plural(image_.size(), "byte") + " in " + plural(layout_.schemes.size(), "scheme") +
            "; assembled, this source gives the same bytes again.");
    if (dbBytes > 0) comment(plural(dbBytes, "byte") + " stand in DB lines, each with the reason.");
    blank();
    statement("INCLUDE \"QVX5_SND_CMD.INC\"", "the standard names");
  }

  void writeHandles(const SourceFileNames& files) {
    const auto& declared = handles_.declared();
    if (declared.empty()) return;
    blank();
    comment(files.map.empty() ? "Wave handles by number; --map names them from a handle map."
                              : "Wave handles, named by " + files.map + ".");
    for (std::size_t i = 0; i < declared.size();) {
      // One block per run of consecutive numbers.
      statement("CBLOCK " + decimal(declared[i].value), "");
      std::size_t run = i;
      do {
        const HandleNames::Declared& handle = declared[run];
        const bool unmapped = !handle.fromMap && !files.map.empty();
        line(handle.symbol, decimal(handle.value) + (unmapped ? ", played but not in " + files.map : ""));
        ++run;
      } while (run < declared.size() && declared[run].value == std::int64_t{declared[run - 1].value} + 1);
      statement("ENDC", "");
      i = run;
    }
  }

  void writeScheme(std::size_t s) {
    const SchemeSpan& scheme = layout_.schemes[s];
    const std::uint8_t number = image_[scheme.header + 1];
    blank();
    comment("---- scheme " + decimal(number) + ": " + hexAddress(scheme.header) + " to " +
            hexAddress(scheme.end - 1) + ", " + plural(scheme.end - scheme.header, "byte") + " ----");
    scheme_ = s;
    label_ = 0;
    for (std::size_t i = scheme.firstItem; i < scheme.endItem;) {
      const ImageItem& item = layout_.items[i];
      if (item.command == Command::None) {
        i = writeBytes(i, scheme.endItem);
        continue;
      }
      writeLabelsUpTo(item.address);
      writeCommand(item);
      ++i;
    }
    writeLabelsUpTo(scheme.end);
    statement("SKEME_END", "");
  }

  void writeOutside(std::size_t first, std::size_t end) {
    if (first >= end) return;
    blank();
    scheme_.reset();
    for (std::size_t i = first; i < end;) i = writeBytes(i, end);
  }

  void writeLabelsUpTo(std::uint32_t address) {
    if (!scheme_) return;
    const auto& places = labels_.addresses(*scheme_);
    while (label_ < places.size() && places[label_] <= address) {
      line(labels_.name(*scheme_, label_) + ":", hexAddress(places[label_]));
      ++label_;
    }
  }

  std::uint32_t nextLabel() const {
    if (!scheme_) return UINT32_MAX;
    const auto& places = labels_.addresses(*scheme_);
    return label_ < places.size() ? places[label_] : UINT32_MAX;
  }

  // The item's bytes and those of the items after it that merge with them;
  // returns the item after the last one written.
  std::size_t writeBytes(std::size_t first, std::size_t end) {
    const ImageItem& head = layout_.items[first];
    std::size_t last = first + 1;
    while (mergesWithNext(head.reason) && last < end && layout_.items[last].command == Command::None &&
           layout_.items[last].reason == head.reason) {
      ++last;
    }
    const std::uint32_t from = head.address;
    const std::uint32_t to = layout_.items[last - 1].address + layout_.items[last - 1].size;
    std::string why = reasonText(head, to - from);
    for (std::uint32_t at = from; at < to;) {
      writeLabelsUpTo(at);
      const std::uint32_t lineEnd = std::min({to, at + static_cast<std::uint32_t>(kBytesPerDbLine), nextLabel()});
      std::string db = "DB ";
      for (std::uint32_t b = at; b < lineEnd; ++b) {
        if (b > at) db += ", ";
        appendHexNumber(db, image_[b]);
      }
      statement(db, why);
      why.clear();
      at = lineEnd;
    }
    return last;
  }

  std::string reasonText(const ImageItem& item, std::uint32_t size) const {
    switch (item.reason) {
      case ByteReason::NoCommand:
        return "no command has these bytes";
      case ByteReason::ImageEndsInside:
        return "the image ends inside a command";
      case ByteReason::ShortHandleInLongPlay:
        return "a 4-byte PLAY of handle " + decimal(image_[item.address + 3] & 0x3F) +
               ", which the assembler writes in 2 bytes";
      case ByteReason::NotRebuilt:
        return "no command rebuilds these bytes exactly";
      case ByteReason::OperandOutOfRange:
        return "a command with an operand outside its range";
      case ByteReason::OutsideScheme:
        return plural(size, "byte") + " outside any scheme";
      case ByteReason::HeaderInsideScheme:
        return "a scheme header inside this scheme's stored length";
      case ByteReason::LengthDisagrees:
        return "a scheme header whose stored length " + hexNumber(storedSchemeLength(image_, item.address)) +
               " disagrees with the scheme's bytes";
      case ByteReason::BranchOutside: {
        const SchemeSpan& scheme = layout_.schemes[*scheme_];
        const DecodedCommand branch = decodeCommand(image_, item.address);
        return std::string(commandKeyword(branch.command)) + " offset " +
               hexNumber(static_cast<std::uint32_t>(branch.values[0])) + " points outside its scheme of " +
               plural(scheme.end - scheme.header, "byte");
      }
      case ByteReason::None:
        break;
    }
    return {};
  }

  void writeCommand(const ImageItem& item) {
    const DecodedCommand decoded = decodeCommand(image_, item.address);
    std::string text(commandKeyword(decoded.command));
    std::string note;
    const auto fields = operandFieldsOf(decoded.command);
    for (std::size_t i = 0; i < fields.size(); ++i) {
      text += i == 0 ? " " : ", ";
      appendOperand(text, note, decoded, i);
    }
    statement(text, note);
  }

  void appendOperand(std::string& text, std::string& note, const DecodedCommand& decoded, std::size_t i) const {
    const std::int32_t value = decoded.values[i];
    const OperandField& field = operandFieldsOf(decoded.command)[i];
    if (isBranch(decoded.command)) {
      const std::uint32_t target = layout_.schemes[*scheme_].header + static_cast<std::uint32_t>(value);
      const LabelReference reference = labels_.reference(*scheme_, target);
      text += *reference.name;
      if (reference.offset > 0) {
        text += "+";
        appendDecimal(text, reference.offset);
        note = "to " + hexAddress(target) + ", inside the command at " + *reference.name;
      }
      return;
    }
    if (decoded.command == Command::Play && i == 0) {
      const std::string& handle = handles_.nameOf(value);
      if (handle.empty()) {
        appendDecimal(text, value);
      } else {
        text += handle;
      }
      return;
    }
    // Compared with another source, the target is a source too.
    const bool sourceTarget = decoded.command == Command::MaskCompare && i == 2 && decoded.values[1] == 0;
    const OperandField& naming = sourceTarget ? operandFieldsOf(decoded.command)[0] : field;
    const std::string& name = names_.nameOf(naming, value);
    if (!name.empty()) {
      text += name;
    } else if (!naming.names[0].members.empty() || naming.range == FieldRange::Byte) {
      appendHexNumber(text, static_cast<std::uint32_t>(value));
    } else {
      appendDecimal(text, value);
    }
  }

  void comment(std::string_view words) {
    text_ += "; ";
    text_ += words;
    text_ += kLineEnd;
  }

  void blank() { text_ += kLineEnd; }

  void statement(std::string_view words, std::string_view note) { line(words, note, kIndent); }

  // The note, when there is one, as a comment in its column.
  void line(std::string_view words, std::string_view note, std::string_view indent = {}) {
    const std::size_t start = text_.size();
    text_ += indent;
    text_ += words;
    if (!note.empty()) {
      const std::size_t column = text_.size() - start;
      text_.append(column < kCommentColumn ? kCommentColumn - column : 1, ' ');
      text_ += "; ";
      text_ += note;
    }
    text_ += kLineEnd;
  }

  std::span<const std::uint8_t> image_;
  const ImageLayout& layout_;
  const SchemeLabels& labels_;
  const StandardNames& names_;
  const HandleNames& handles_;
  std::string text_;
  std::optional<std::size_t> scheme_;
  std::size_t label_ = 0;
};

}  // namespace

std::array<bool, kHandleCount> playedHandles(std::span<const std::uint8_t> image, const ImageLayout& layout) {
  std::array<bool, kHandleCount> played{};
  for (const ImageItem& item : layout.items) {
    if (item.command == Command::Play) {
      played[static_cast<std::size_t>(decodeCommand(image, item.address).values[0])] = true;
    }
  }
  return played;
}

std::string writeSource(std::span<const std::uint8_t> image, const ImageLayout& layout, const SchemeLabels& labels,
                        const StandardNames& names, const HandleNames& handles, const SourceFileNames& files) {
  return SourceWriter(image, layout, labels, names, handles).write(files);
}

}  // namespace qv
