#include "window/model/tabs/tab_label.h"

#include <algorithm>

namespace qv {

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kEllipsis = "...";
constexpr std::size_t kLabelReadLimit = 255;
constexpr int kTextInset = 6;

// Cut in the middle: names of one project often share their start and
// differ only at their end.
std::string shortenedName(std::string_view name, std::size_t budget) {
  if (name.size() <= budget) return std::string(name);
  std::size_t kept = budget < 4 ? 1 : budget - 3;
  std::size_t tail = kept / 2;
  return std::string(name.substr(0, kept - tail)) + std::string(kEllipsis) +
         std::string(name.substr(name.size() - tail));
}

std::string shortenedRest(std::string_view rest, std::size_t budget) {
  if (rest.size() <= budget) return std::string(rest);
  if (budget > 4) return std::string(kEllipsis) + std::string(rest.substr(rest.size() - (budget - 3)));
  return std::string(rest.substr(0, budget));
}

// Where the extension starts; npos when the title has none.
std::size_t extensionStart(std::string_view title) {
  std::size_t dot = title.rfind('.');
  return (dot != std::string_view::npos && dot != 0 && dot != title.size() - 1) ? dot : std::string_view::npos;
}

}  // namespace

std::string SplitTabTitle(std::string_view title, int budget) {
  if (title.empty()) return {};
  if (budget <= 0) return std::string(title);
  std::size_t limit = static_cast<std::size_t>(budget);

  std::size_t dot = extensionStart(title);
  if (dot != std::string_view::npos) {
    return shortenedName(title.substr(0, dot), limit) + std::string(kLineBreak) + std::string(title.substr(dot));
  }
  if (title.size() <= limit) return std::string(title);
  // Words stay whole where a blank allows: "<no source" over "selected>".
  std::size_t cut = limit;
  std::size_t blank = title.rfind(' ', limit);
  if (blank != std::string_view::npos && blank > 0 && title.size() - blank - 1 <= limit) cut = blank;
  std::string_view rest = title.substr(cut == limit ? cut : cut + 1);
  return std::string(title.substr(0, cut)) + std::string(kLineBreak) + shortenedRest(rest, limit);
}

std::string WithUnsavedMark(std::string_view title) {
  std::string marked(title);
  std::size_t dot = extensionStart(title);
  marked.insert(dot == std::string_view::npos ? marked.size() : dot, "*");
  return marked;
}

int TabLabelBudget(int textWidth, std::optional<int> letterWidth) {
  if (!letterWidth) return 12;
  int room = textWidth - 16;
  if (room < 1) return 4;
  int characters = room / std::max(*letterWidth, 1);
  return std::max(std::clamp(characters, 4, 120), 12);
}

int TabLabelLineHeight(std::optional<int> letterHeight) {
  if (!letterHeight) return 16;
  return std::max(*letterHeight + 2, 14);
}

TabLabelLayout LayoutTabLabel(const PixelRect& item, std::string_view label, std::optional<int> letterWidth,
                              std::optional<int> letterHeight) {
  TabLabelLayout layout;
  layout.textRect = {item.x + kTextInset, item.y, item.width - 2 * kTextInset, item.height};
  std::string lines = SplitTabTitle(label.substr(0, kLabelReadLimit), TabLabelBudget(layout.textRect.width, letterWidth));

  std::size_t lineBreak = lines.find(kLineBreak);
  if (lineBreak == std::string::npos) {
    layout.firstLine = lines;
    return layout;
  }
  layout.firstLine = lines.substr(0, lineBreak);
  int lineHeight = TabLabelLineHeight(letterHeight);
  layout.secondLineRect = layout.textRect;
  layout.secondLineRect.y += lineHeight;
  layout.secondLineRect.height -= lineHeight;
  if (!layout.secondLineRect.isEmpty()) layout.secondLine = lines.substr(lineBreak + kLineBreak.size());
  return layout;
}

}  // namespace qv
