#include "window/model/tabs/tab_set.h"

namespace qv {

TabSet::TabSet() : m_records(kFixedTabCount) {}

std::vector<std::string> TabSet::IncludePaths() const {
  std::vector<std::string> paths;
  for (std::size_t i = kFixedTabCount; i < m_records.size(); ++i) paths.push_back(m_records[i].path);
  return paths;
}

void TabSet::ResetIncludes(std::size_t count) {
  m_records.resize(kFixedTabCount);
  m_records.resize(kFixedTabCount + count);
}

void TabSet::EmptyOutputTexts() {
  for (int tab = kMapTab; tab <= kHexTab; ++tab) at(tab).text.clear();
}

}  // namespace qv
