#include "window/model/recovery/recovery_copy.h"

#include <charconv>
#include <ctime>
#include <map>

#include "platform/local_time.h"

namespace qv {

namespace {

constexpr std::string_view kFirstLine = "Quaverton recovery copy 1";
constexpr std::string_view kTextKey = "text";

// For a reader of the folder; the nanoseconds before it are what counts.
std::string localTimeText(std::int64_t nanoseconds) {
  std::tm local{};
  char text[32] = "";
  if (localTime(static_cast<std::time_t>(nanoseconds / 1'000'000'000), local)) {
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  }
  return text;
}

template <class Number>
bool parseNumber(std::string_view text, Number& number) {
  const char* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, number);
  return error == std::errc() && stop == end;
}

// "SIZE TIME", or "unknown".
bool parseStamp(std::string_view text, FileStamp& stamp) {
  if (text == "unknown") return true;
  std::size_t space = text.find(' ');
  if (space == std::string_view::npos) return false;
  stamp.valid = parseNumber(text.substr(0, space), stamp.size) && parseNumber(text.substr(space + 1), stamp.time);
  return stamp.valid;
}

// The first number of "NUMBER ..." or "NUMBER".
bool parseLeadingNumber(std::string_view text, std::int64_t& number) {
  return parseNumber(text.substr(0, text.find(' ')), number);
}

}  // namespace

std::string RecoveryCopyText(const RecoveryCopy& copy) {
  std::string text(kFirstLine);
  auto line = [&text](std::string_view key, const std::string& value) {
    text.append("\n").append(key).append("=").append(value);
  };
  line("file", copy.file);
  line("tab", copy.include ? "include" : "source");
  line("source", copy.source);
  line("taken", std::to_string(copy.taken) + " " + localTimeText(copy.taken));
  line("read", copy.read.valid ? std::to_string(copy.read.size) + " " + std::to_string(copy.read.time) : "unknown");
  line("line-end", copy.lineEnd == "\n" ? "LF" : "CRLF");
  line(kTextKey, std::to_string(copy.text.size()));
  text += '\n';
  // One copy of a big text, not several as the string grows.
  text.reserve(text.size() + copy.text.size());
  return text += copy.text;
}

std::optional<RecoveryCopy> ParseRecoveryCopy(std::string_view bytes, std::string& why) {
  why = bytes.empty() ? "empty" : "no recovery copy";
  if (bytes.empty() || !bytes.starts_with(kFirstLine)) return std::nullopt;
  std::map<std::string, std::string, std::less<>> values;
  std::size_t at = kFirstLine.size();
  std::size_t textLength = 0;
  while (true) {
    if (at >= bytes.size() || bytes[at] != '\n') {
      why = "truncated";
      return std::nullopt;
    }
    std::size_t end = bytes.find('\n', at + 1);
    if (end == std::string_view::npos) {
      why = "truncated";
      return std::nullopt;
    }
    std::string_view line = bytes.substr(at + 1, end - at - 1);
    at = end;
    std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return std::nullopt;
    std::string_view key = line.substr(0, equals);
    std::string_view value = line.substr(equals + 1);
    if (key == kTextKey) {
      if (!parseNumber(value, textLength)) return std::nullopt;
      break;
    }
    values.emplace(key, value);
  }
  std::string_view text = bytes.substr(at + 1);
  if (text.size() != textLength) {
    why = text.size() < textLength ? "truncated" : "longer than it says";
    return std::nullopt;
  }

  RecoveryCopy copy;
  copy.file = values["file"];
  copy.source = values["source"];
  std::string tab = values["tab"];
  copy.include = tab == "include";
  copy.lineEnd = values["line-end"] == "LF" ? "\n" : "\r\n";
  if (copy.file.empty() || (tab != "include" && tab != "source") || !parseLeadingNumber(values["taken"], copy.taken) ||
      !parseStamp(values["read"], copy.read)) {
    return std::nullopt;
  }
  copy.text = text;
  why.clear();
  return copy;
}

}  // namespace qv
