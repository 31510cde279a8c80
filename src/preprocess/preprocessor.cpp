#include "preprocess/preprocessor.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <utility>

#include "common/warnings.h"
#include "platform/paths.h"
#include "preprocess/conditional.h"
#include "preprocess/define_line.h"
#include "preprocess/define_table.h"
#include "preprocess/directive.h"
#include "preprocess/include_resolver.h"
#include "preprocess/source_reader.h"

namespace qv {

namespace {

// Deeper nesting than any project needs; beyond it an include chain of many
// distinct files is a runaway, and the walk's recursion stays bounded.
constexpr int kMaxIncludeDepth = 256;

// Room for more lines, growing geometrically so that many small includes
// do not move the whole list each time.
void reserveMore(std::vector<SourceLine>& lines, std::size_t more) {
  std::size_t needed = lines.size() + more;
  if (needed > lines.capacity()) lines.reserve(std::max(needed, 2 * lines.capacity()));
}

// One preprocess call: walks the root source and, in place of each INCLUDE,
// the file it names.
class SourceWalk {
 public:
  SourceWalk(const BuiltInIncludeProvider& provider, PendingDefines& pending, const SourceReadLimits& readLimits,
             std::string projectFolder, bool includeInactive)
      : provider_(provider),
        pending_(pending),
        projectFolder_(std::move(projectFolder)),
        includeInactive_(includeInactive),
        budget_(readLimits) {}

  // includeLine is the INCLUDE line that names the source; null for the root.
  void processFile(const SourceRef& source, int depth, const SourceLine* includeLine);
  PreprocessResult& finish();

 private:
  void walkLines(const SourceRef& source, std::string_view fileName, const SourceText& text, int depth);
  void walkLine(const SourceRef& source, std::string_view fileName, std::string_view lineText,
                std::int32_t lineNumber, ConditionalState& conditional, int depth);
  void walkInclude(const SourceRef& including, const SourceLine& line, std::string_view argument, int depth);
  // Gives the notes and errors reported since the last call this place.
  // Called where a line may have reported something, not for every line:
  // most lines report nothing.
  void placeNewMessages(std::string_view file, std::int32_t line);

  const BuiltInIncludeProvider& provider_;
  PendingDefines& pending_;
  std::string projectFolder_;
  bool includeInactive_;
  // Once it is exceeded the walk stops: nothing more is read or kept.
  SourceReadBudget budget_;
  PreprocessResult result_;
  DefineTable defines_;
  // Keys of the files being read now, from the root down to the current one.
  std::set<std::string> activeChain_;
};

void SourceWalk::processFile(const SourceRef& source, int depth, const SourceLine* includeLine) {
  std::string key = source.carriedName.empty() ? canonicalPath(source.path) : source.carriedName;
  if (activeChain_.count(key) != 0) {
    result_.notes.warn(WarningId::RecursiveInclude, "Recursive include skipped: " + source.path);
    return;
  }
  if (depth > kMaxIncludeDepth) {
    result_.errors.error("ERROR: Include nesting too deep: " + source.path);
    return;
  }
  SourceText text;
  if (!readSourceLines(source, provider_, budget_, result_.errors, text)) return;
  if (includeLine != nullptr) placeNewMessages(includeLine->file, includeLine->lineNumber);
  // The lines are views into the file's bytes and its name, kept for the compile.
  result_.store.push_back(text.bytes());
  auto fileName = std::make_shared<const std::string>(source.path);
  result_.store.push_back(fileName);
  auto chainEntry = activeChain_.insert(std::move(key)).first;
  walkLines(source, *fileName, text, depth);
  activeChain_.erase(chainEntry);
}

void SourceWalk::walkLines(const SourceRef& source, std::string_view fileName, const SourceText& text, int depth) {
  ConditionalState conditional;
  reserveMore(result_.lines, text.lineCount());
  for (std::size_t index = 0; index < text.lineCount() && !budget_.exceeded(); ++index) {
    const auto lineNumber = static_cast<std::int32_t>(index + 1);
    walkLine(source, fileName, text.line(index), lineNumber, conditional, depth);
  }
  if (budget_.exceeded()) return;
  for (const OpenBlock& block : conditional.openBlocks()) {
    result_.notes.warn(warning::openIf(MessagePlace{source.path, block.lineNumber}, block.restSwitchedOff));
  }
}

void SourceWalk::walkLine(const SourceRef& source, std::string_view fileName, std::string_view lineText,
                          std::int32_t lineNumber, ConditionalState& conditional, int depth) {
  std::vector<SourceLine>& lines = result_.lines;
  const LineParts parts = splitLine(lineText);
  const bool active = conditional.active();
  // Lines that are not kept are never copied into a record.
  auto record = [&] { return makeSourceLine(lineText, parts, fileName, lineNumber, active); };
  if (active && handleDefine(parts.code, defines_, pending_, result_.notes)) {
    placeNewMessages(source.path, lineNumber);
    resolvePendingDefines(defines_, pending_);
    lines.push_back(record());
    return;
  }
  DirectiveWord first = readDirectiveWord(parts.code);
  ConditionalDirective directive = matchConditional(first);
  if (directive.kind != ConditionalKind::None) {
    ConditionalStep step = conditional.apply(directive, defines_, pending_, lineNumber);
    if (step.stray) {
      const char* word = directive.kind == ConditionalKind::Else ? "ELSE" : "ENDIF";
      result_.notes.warn(warning::strayConditional(MessagePlace{source.path, lineNumber}, word));
      placeNewMessages(source.path, lineNumber);
    }
    if (step.keepRecord && includeInactive_) {
      lines.push_back(record());
      lines.back().viewOnly = true;
    }
    return;
  }
  if (!active) {
    if (includeInactive_) lines.push_back(record());
    return;
  }
  if (isIncludeDirective(first)) {
    walkInclude(source, record(), first.argument, depth);
    placeNewMessages(source.path, lineNumber);
  } else {
    lines.push_back(record());
  }
}

// The INCLUDE line itself is never kept: the included lines take its place.
void SourceWalk::walkInclude(const SourceRef& including, const SourceLine& line, std::string_view argument, int depth) {
  if (!budget_.takeInclude(line, result_.errors)) return;
  std::optional<SourceRef> included =
      resolveInclude(including, argument, line, projectFolder_, static_cast<bool>(provider_), result_);
  if (!included) return;
  processFile(*included, depth + 1, &line);
  resolvePendingDefines(defines_, pending_);
}

void SourceWalk::placeNewMessages(std::string_view file, std::int32_t line) {
  const MessagePlace place{std::string(file), line};
  result_.notes.placeUnplaced(place);
  result_.errors.placeUnplaced(place);
}

// What is left unplaced was met before any line: the root source's own read.
PreprocessResult& SourceWalk::finish() {
  placeNewMessages({}, 0);
  return result_;
}

}  // namespace

PreprocessResult Preprocessor::preprocess(const std::string& sourcePath, bool includeInactive) {
  pendingDefines.clear();
  SourceWalk walk(builtInIncludeProvider, pendingDefines, readLimits, directoryOf(sourcePath), includeInactive);
  walk.processFile(SourceRef{sourcePath, {}}, 1, nullptr);
  return std::move(walk.finish());
}

}  // namespace qv
