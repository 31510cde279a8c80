// The editor part of the view, handed to the rich edit editor one to one.
#include "window/win32/main_dialog_win32.h"

namespace qv {

const std::string& CMainDialogWin32::GetEditorText() const { return m_editor.Text(); }
void CMainDialogWin32::SetEditorText(const std::string& text) { m_editor.SetText(text); }
void CMainDialogWin32::SetEditorColouring(const EditorColouring& colouring) { m_editor.SetColouring(colouring); }
int CMainDialogWin32::EditorTextLength() const { return m_editor.TextLength(); }
EditorSelection CMainDialogWin32::GetEditorSelection() const { return m_editor.Selection(); }
void CMainDialogWin32::SetEditorSelection(int start, int end) { m_editor.SetSelection(start, end); }
void CMainDialogWin32::ReplaceEditorSelection(const std::string& text, bool undoable) {
  m_editor.ReplaceSelection(text, undoable);
}
void CMainDialogWin32::ScrollCaretIntoView() { m_editor.ScrollCaretIntoView(); }
int CMainDialogWin32::GetFirstVisibleLine() const { return m_editor.FirstVisibleLine(); }
void CMainDialogWin32::SetFirstVisibleLine(int line) { m_editor.SetFirstVisibleLine(line); }
int CMainDialogWin32::VisibleLineCount() const { return m_editor.VisibleLineCount(); }
void CMainDialogWin32::SetEditorRedraw(bool on) { m_editor.SetRedraw(on); }
void CMainDialogWin32::SetEditorTextColour(const Rgb& colour) { m_editor.SetTextColour(colour); }
void CMainDialogWin32::SetEditorReadOnly(bool readOnly) { m_editor.SetReadOnly(readOnly); }
bool CMainDialogWin32::IsEditorModified() const { return m_editor.IsModified(); }
void CMainDialogWin32::SetEditorModified(bool modified) { m_editor.SetModified(modified); }
void CMainDialogWin32::RepaintEditor() { m_editor.Repaint(); }
void CMainDialogWin32::EnableEditorChangeNotifications() { m_editor.EnableChangeNotifications(); }
bool CMainDialogWin32::SetEditorFont(const EditorFont& font) { return m_editor.SetFont(font); }
TextPlace CMainDialogWin32::GetCaretPlace() const { return m_editor.CaretPlace(); }
void CMainDialogWin32::ShowLineNumbers(bool shown) { m_editor.ShowLineNumbers(shown); }

}  // namespace qv
