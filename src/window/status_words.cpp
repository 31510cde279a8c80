#include "window/status_words.h"

#include <algorithm>

#include "window/window_texts.h"

namespace qv {

namespace {

bool mentionsError(const std::string& message) {
  return message.find("ERROR:") != std::string::npos || message.find("ERROR :") != std::string::npos;
}

}  // namespace

CompileVerdict VerdictOf(const CompileResult& result) {
  if (result.failed || std::any_of(result.messages.begin(), result.messages.end(), mentionsError)) {
    return CompileVerdict::Errors;
  }
  return result.messages.empty() ? CompileVerdict::Success : CompileVerdict::Warnings;
}

std::string StatusWordsFor(bool compiled, const CompileResult& result, bool sourceSelected) {
  if (!compiled) return sourceSelected ? "Not evaluated - run Compile (F5)" : "No source selected";
  switch (VerdictOf(result)) {
    case CompileVerdict::Errors: return "Compile completed with errors";
    case CompileVerdict::Warnings: return "Compile completed with warnings";
    case CompileVerdict::Success: break;
  }
  return "Compile complete";
}

std::string StatusLineText(std::string_view statusText, bool highlight, bool overwrite) {
  std::string text = statusText.empty() ? std::string(kReadyStatus) : std::string(statusText);
  if (!highlight) text += overwrite ? "   OVR" : "   INS";
  return text;
}

}  // namespace qv
