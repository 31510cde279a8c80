#include "window/model/layout/dialog_template.h"

namespace qv {

namespace {

constexpr TemplateControl kControls[] = {
    {ControlId::SourceLabel, ControlKind::Label, "Project ASM", {573, 11, 60, 12}},
    {ControlId::SourcePath, ControlKind::LineEdit, "", {70, 8, 500, 14}},
    {ControlId::Browse, ControlKind::Button, "Browse...", {7, 7, 50, 16}},
    {ControlId::RecentSources, ControlKind::ComboBox, "", {70, 24, 500, 120}},
    {ControlId::Compile, ControlKind::Button, "Compile/F5", {8, 27, 49, 16}},
    {ControlId::SuffixLabel, ControlKind::Label, "Suffix", {503, 44, 42, 9}},
    {ControlId::Suffix, ControlKind::LineEdit, "", {530, 42, 90, 14}},
    {ControlId::NoWrite, ControlKind::CheckBox, "No Write", {353, 52, 70, 12}},
    {ControlId::ShowInactive, ControlKind::CheckBox, "Show Inactive Source Lines", {354, 39, 109, 12}},
    {ControlId::SaveFiles, ControlKind::Button, "Save Files", {7, 46, 50, 16}},
    {ControlId::Exit, ControlKind::Button, "Exit App", {75, 47, 50, 12}},
    {ControlId::OutputTab, ControlKind::TabStrip, "", {9, 66, 640, 52}},
    {ControlId::OutputText, ControlKind::Editor, "", {10, 124, 690, 312}},
    {ControlId::Status, ControlKind::Label, "", {10, 436, 309, 12}},
    {ControlId::FindLabel, ControlKind::Label, "Find:", {450, 435, 26, 12}},
    {ControlId::FindText, ControlKind::LineEdit, "", {478, 434, 128, 14}},
    {ControlId::FindNext, ControlKind::Button, "Next", {610, 434, 35, 14}},
    {ControlId::FindPrev, ControlKind::Button, "Prev", {647, 434, 35, 14}},
    {ControlId::MatchCase, ControlKind::CheckBox, "Match Case", {500, 452, 68, 12}},
    {ControlId::WholeWord, ControlKind::CheckBox, "Whole Word", {572, 452, 75, 12}},
};

}  // namespace

std::span<const TemplateControl> MainDialogTemplate() { return kControls; }

}  // namespace qv
