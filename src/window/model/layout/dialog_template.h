#pragma once
// The main window's controls as its template lays them out, in dialog units.

#include <span>

#include "window/model/layout/window_geometry.h"

namespace qv {

enum class ControlId : int {
  // The two labels of the top area have no id of their own.
  SourceLabel = -1,
  SuffixLabel = -2,
  Exit = 2,
  SourcePath = 1001,
  Browse = 1002,
  Compile = 1003,
  Suffix = 1004,
  NoWrite = 1005,
  ShowInactive = 1006,
  OutputTab = 1007,
  OutputText = 1008,
  RecentSources = 1009,
  Status = 1010,
  SaveFiles = 1011,
  FindText = 1012,
  FindNext = 1013,
  FindPrev = 1014,
  MatchCase = 1015,
  WholeWord = 1016,
  FindLabel = 1017,
  Progress = 20560,
};

enum class ControlKind { Label, LineEdit, Button, ComboBox, CheckBox, TabStrip, Editor };

struct TemplateControl {
  ControlId id;
  ControlKind kind;
  const char* text;
  DialogRect position;
};

// In tab order; the progress bar is not here because the window makes it.
std::span<const TemplateControl> MainDialogTemplate();

inline constexpr DialogRect kMainDialogTemplateSize{0, 0, 706, 451};
inline constexpr char kDialogFontFace[] = "MS Shell Dlg";
inline constexpr int kDialogFontPoints = 8;

}  // namespace qv
