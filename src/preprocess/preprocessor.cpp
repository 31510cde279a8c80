#include "preprocess/preprocessor.h"

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

DirectiveMatch matchInclude(std::string_view code) {
  DirectiveMatch match = matchDirective(code, "INCLUDE");
  return match.matched ? match : matchDirective(code, "#INCLUDE");
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
  for (std::size_t index = 0; index < text.lineCount() && !budget_.exceeded(); ++index) {
    SourceLine line =
        makeSourceLine(text.line(index), source.path, static_cast<std::int32_t>(index + 1), conditional.active());
    if (conditional.active() && handleDefine(line.code, defines_, pending_, result_.notes)) {
      resolvePendingDefines(defines_, pending_);
      lines.push_back(std::move(line));
      continue;
    }
    ConditionalDirective directive = matchConditional(line.code);
    if (directive.kind != ConditionalKind::None) {
      if (conditional.apply(directive, defines_, pending_) && includeInactive_) lines.push_back(std::move(line));
      continue;
    }
    if (!conditional.active()) {
      if (includeInactive_) lines.push_back(std::move(line));
      continue;
    }
    if (DirectiveMatch include = matchInclude(line.code); include.matched) {
      walkInclude(source, line, include.argument, depth);
    } else {
      lines.push_back(std::move(line));
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
