#include "window/model/display/compile_report.h"

#include "window/model/results/symbol_table_text.h"
#include "window/model/tabs/editor_text.h"

namespace qv {

CompileLog CompileLogOf(const LastCompile& last, const std::string& sourcePath, const WindowSettings& settings) {
  CompileLogHeader header{sourcePath, settings.suffix, settings.noWrite, settings.showInactive};
  return FormatCompileLog(header, last.result, last.millis, last.clock.timeOfDay());
}

std::string SymbolsTabText(const LastCompile& last) {
  return last.result.symbolText.empty() ? ExpandTabs(FormatSymbolTable(last.result.symbols)) : last.result.symbolText;
}

}  // namespace qv
