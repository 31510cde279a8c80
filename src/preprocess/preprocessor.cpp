#include "preprocess/preprocessor.h"

#include <algorithm>
#include <optional>
#include <set>
#include <utility>

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

  void processFile(const SourceRef& source, int depth);
  PreprocessResult& result() { return result_; }

 private:
  void walkLines(const SourceRef& source, const SourceText& text, int depth);
  void walkInclude(const SourceRef& including, const SourceLine& line, std::string_view argument, int depth);

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

void SourceWalk::processFile(const SourceRef& source, int depth) {
  std::string key = source.carriedName.empty() ? canonicalPath(source.path) : source.carriedName;
  if (activeChain_.count(key) != 0) {
    result_.notes.push_back("Recursive include skipped: " + source.path);
    return;
  }
  if (depth > kMaxIncludeDepth) {
    result_.errors.push_back("ERROR: Include nesting too deep: " + source.path);
    return;
  }
  SourceText text;
  if (!readSourceLines(source, provider_, budget_, result_.errors, text)) return;
  auto chainEntry = activeChain_.insert(std::move(key)).first;
  walkLines(source, text, depth);
  activeChain_.erase(chainEntry);
}

void SourceWalk::walkLines(const SourceRef& source, const SourceText& text, int depth) {
  ConditionalState conditional;
  std::vector<SourceLine>& lines = result_.lines;
  reserveMore(lines, text.lineCount());
  for (std::size_t index = 0; index < text.lineCount() && !budget_.exceeded(); ++index) {
    const std::string_view lineText = text.line(index);
    const LineParts parts = splitLine(lineText);
    const bool active = conditional.active();
    // Lines that are not kept are never copied into a record.
    auto record = [&] {
      return makeSourceLine(lineText, parts, source.path, static_cast<std::int32_t>(index + 1), active);
    };
    if (active && handleDefine(parts.code, defines_, pending_, result_.notes)) {
      resolvePendingDefines(defines_, pending_);
      lines.push_back(record());
      continue;
    }
    DirectiveWord first = readDirectiveWord(parts.code);
    ConditionalDirective directive = matchConditional(first);
    if (directive.kind != ConditionalKind::None) {
      if (conditional.apply(directive, defines_, pending_) && includeInactive_) lines.push_back(record());
      continue;
    }
    if (!active) {
      if (includeInactive_) lines.push_back(record());
      continue;
    }
    if (isIncludeDirective(first)) {
      walkInclude(source, record(), first.argument, depth);
    } else {
      lines.push_back(record());
    }
  }
}

// The INCLUDE line itself is never kept: the included lines take its place.
void SourceWalk::walkInclude(const SourceRef& including, const SourceLine& line, std::string_view argument, int depth) {
  if (!budget_.takeInclude(line, result_.errors)) return;
  std::optional<SourceRef> included =
      resolveInclude(including, argument, line, projectFolder_, static_cast<bool>(provider_), result_);
  if (!included) return;
  processFile(*included, depth + 1);
  resolvePendingDefines(defines_, pending_);
}

}  // namespace

PreprocessResult Preprocessor::preprocess(const std::string& sourcePath, bool includeInactive) {
  pendingDefines.clear();
  SourceWalk walk(builtInIncludeProvider, pendingDefines, readLimits, directoryOf(sourcePath), includeInactive);
  walk.processFile(SourceRef{sourcePath, {}}, 1);
  return std::move(walk.result());
}

}  // namespace qv
