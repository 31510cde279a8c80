#include "window/model/layout/top_area_layout.h"

#include <algorithm>

namespace qv {

namespace {

constexpr int kMargin = 8;
constexpr int kGap = 6;
// The source box keeps room for a short path.
constexpr int kMinimumSourceWidth = 120;

constexpr ControlId kMoving[] = {ControlId::SourceLabel, ControlId::SourcePath, ControlId::RecentSources,
                                 ControlId::SuffixLabel, ControlId::Suffix,     ControlId::ShowInactive,
                                 ControlId::NoWrite,     ControlId::Exit};

int checkBoxesRight(const TopAreaPlaces& home) {
  return std::max(home.at(ControlId::ShowInactive).right(), home.at(ControlId::NoWrite).right());
}

}  // namespace

TopAreaPlaces TemplateTopArea(DialogBaseUnits units) {
  TopAreaPlaces home;
  for (const TemplateControl& entry : MainDialogTemplate()) {
    if (std::find(std::begin(kMoving), std::end(kMoving), entry.id) != std::end(kMoving)) {
      home[entry.id] = DialogToPixels(entry.position, units);
    }
  }
  return home;
}

TopAreaPlaces FitTopArea(const TopAreaPlaces& home, int clientWidth) {
  TopAreaPlaces placed = home;
  placed.erase(ControlId::Exit);
  int right = clientWidth - kMargin;

  PixelRect& sourceLabel = placed[ControlId::SourceLabel];
  sourceLabel.x = std::min(sourceLabel.x, right - sourceLabel.width);
  for (ControlId box : {ControlId::SourcePath, ControlId::RecentSources}) {
    PixelRect& rect = placed[box];
    rect.width = std::clamp(sourceLabel.x - kGap - rect.x, 0, rect.width);
  }

  PixelRect& suffix = placed[ControlId::Suffix];
  PixelRect& suffixLabel = placed[ControlId::SuffixLabel];
  int labelOffset = suffix.x - suffixLabel.x;
  suffix.x = std::min(suffix.x, right - suffix.width);
  suffixLabel.x = suffix.x - labelOffset;
  int shift = std::max(checkBoxesRight(home) + kGap - suffixLabel.x, 0);
  for (ControlId box : {ControlId::ShowInactive, ControlId::NoWrite}) placed[box].x -= shift;
  return placed;
}

int TopAreaMinimumWidth(const TopAreaPlaces& home) {
  const PixelRect& suffix = home.at(ControlId::Suffix);
  int labelOffset = suffix.x - home.at(ControlId::SuffixLabel).x;
  int checkBoxes = checkBoxesRight(home) - std::min(home.at(ControlId::ShowInactive).x, home.at(ControlId::NoWrite).x);
  int suffixRow = home.at(ControlId::Exit).right() + kGap + checkBoxes + kGap + labelOffset + suffix.width + kMargin;
  int sourceRow =
      home.at(ControlId::SourcePath).x + kMinimumSourceWidth + kGap + home.at(ControlId::SourceLabel).width + kMargin;
  return std::max(suffixRow, sourceRow);
}

}  // namespace qv
