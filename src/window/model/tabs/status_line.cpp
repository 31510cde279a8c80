#include "window/model/tabs/status_line.h"

#include <utility>

#include "window/model/results/status_words.h"

namespace qv {

void StatusLine::Update() {
  m_view.SetStatusLine(StatusLineText(m_place ? m_place->words : text, highlight, overwrite), highlight);
  UpdateCaretPlace();
}

void StatusLine::Show(std::string words) {
  m_place.reset();
  text = std::move(words);
  Update();
}

void StatusLine::ShowPlace(std::string words) {
  m_place = Place{std::move(words), m_view.GetEditorSelection().end};
  Update();
}

void StatusLine::OnCaretMoved() {
  if (m_place && m_view.GetEditorSelection().end != m_place->caret) {
    m_place.reset();
    Update();
    return;
  }
  UpdateCaretPlace();
}

void StatusLine::UpdateCaretPlace() {
  int tab = m_view.GetCurrentTab();
  if (highlight || !m_tabs.IsEditable(m_tabs.IsValid(tab) ? tab : kLogTab)) {
    m_view.SetCaretPlace("");
    return;
  }
  TextPlace place = m_view.GetCaretPlace();
  m_view.SetCaretPlace("Ln " + std::to_string(place.line) + ", Col " + std::to_string(place.column));
}

}  // namespace qv
