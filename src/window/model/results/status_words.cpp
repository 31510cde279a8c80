#include "window/model/results/status_words.h"

#include "window/window_texts.h"

namespace qv {

CompileVerdict VerdictOf(const CompileResult& result) {
  bool warned = false;
  for (std::size_t i = 0; i < result.messages.size(); ++i) {
    const MessageKind kind = messageKind(result, i);
    if (kind == MessageKind::Error) return CompileVerdict::Errors;
    warned = warned || kind == MessageKind::Warning;
  }
  if (result.failed) return CompileVerdict::Errors;
  return warned ? CompileVerdict::Warnings : CompileVerdict::Success;
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
