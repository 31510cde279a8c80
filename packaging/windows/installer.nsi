; The Windows installer: per machine into Program Files (or the folder given
; with /D=), silent with /S, a Start-menu entry, an uninstaller in the
; system's programs list and, unless unticked, "Open with Quaverton" for
; .asm files. Made by scripts/package-windows.sh, which defines VERSION,
; STAGE (the files to install), FILES (the generated lists of them), ICON
; and OUTFILE.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quaverton"
!define OPEN_VERB_KEY "Software\Classes\SystemFileAssociations\.asm\shell\Quaverton"

Name "Quaverton ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Quaverton"
BrandingText "Quaverton ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_COMPONENTSPAGE_NODESC
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Shortcuts for every user of the machine.
Function .onInit
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Quaverton" SectionProgram
  SectionIn RO
  !include "${FILES}\install.nsh"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Quaverton.lnk" "$INSTDIR\quaverton.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Quaverton ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Veltrane"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quaverton.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; A verb beside the others on an .asm file's menu; the file's own default
; program stays as it is.
Section "Open with Quaverton (.asm files)" SectionOpenWith
  WriteRegStr HKLM "${OPEN_VERB_KEY}" "" "Open with Quaverton"
  WriteRegStr HKLM "${OPEN_VERB_KEY}" "Icon" "$INSTDIR\quaverton.exe,0"
  WriteRegStr HKLM "${OPEN_VERB_KEY}\command" "" '"$INSTDIR\quaverton.exe" "%1"'
SectionEnd

; What the installer put there and nothing else: a compile's outputs beside
; the example, or any file of the user's, keep their folders.
Section "Uninstall"
  !include "${FILES}\uninstall.nsh"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Quaverton.lnk"
  DeleteRegKey HKLM "${OPEN_VERB_KEY}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
