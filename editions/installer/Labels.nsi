; The Windows installer of the three programs, made by scripts/package:
;   makensis -DVERSION=4.1 -DSTAGE=<folder of the shipped files> -DOUTFILE=<setup.exe> Labels.nsi
; It installs into Program Files (elevated), writes each edition's
; InstallPath into the [Install] section of its INI file in the Windows
; folder, enters the file types under the machine's classes (the programs'
; own writes at start-up cannot reach them without elevation on Vista and
; later), and makes a Start menu folder and an installed-programs entry.
; The uninstaller removes exactly that. /S works for both.
!ifndef VERSION | STAGE | OUTFILE
  !error "makensis -DVERSION=... -DSTAGE=... -DOUTFILE=... Labels.nsi (scripts/package does this)"
!endif

Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestSupportedOS all

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "WinVer.nsh"
!include "FileFunc.nsh"
!include "StrFunc.nsh"
${StrStr}

!define PRODUCT "Kestrin, Dovantel and Wimbrook"
!define PUBLISHER "tlm5"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Labels"
!define CLASSES "Software\Classes"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Labels"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\README.txt"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The program as the file types' commands name it: without ".exe", and in
; quotes when the folder holds a blank, so that Windows does not take
; "C:\Program.exe" for it; the programs write the same
; (document/shell_integration.cpp).
Var Program

!macro FileTypes EDITION TEMPLATE_EXT BODY_EXT
  StrCpy $Program "$INSTDIR\${EDITION}"
  ${StrStr} $0 "$INSTDIR" " "
  ${If} $0 != ""
    StrCpy $Program `"$Program"`
  ${EndIf}
  WriteRegStr HKLM "${CLASSES}\${EDITION}.template" "" "${EDITION} Template"
  WriteRegStr HKLM "${CLASSES}\${EDITION}.template\shell\Open\command" "" "$Program -template %1"
  WriteRegStr HKLM "${CLASSES}\${EDITION}.template\DefaultIcon" "" "$INSTDIR\${EDITION}.exe,-101"
  WriteRegStr HKLM "${CLASSES}\${TEMPLATE_EXT}" "" "${EDITION}.template"
  WriteRegStr HKLM "${CLASSES}\${EDITION}.label" "" "${EDITION} Label"
  WriteRegStr HKLM "${CLASSES}\${EDITION}.label\shell\Open\command" "" "$Program -label %1"
  WriteRegStr HKLM "${CLASSES}\${EDITION}.label\shell\Print\command" "" "$Program -printlabel %1"
  WriteRegStr HKLM "${CLASSES}\${EDITION}.label\DefaultIcon" "" "$INSTDIR\${EDITION}.exe,-100"
  WriteRegStr HKLM "${CLASSES}\${BODY_EXT}" "" "${EDITION}.label"
!macroend

; An extension is removed only while it still names our type: another
; program may have taken it over since.
!macro RemoveFileTypes EDITION TEMPLATE_EXT BODY_EXT
  ReadRegStr $0 HKLM "${CLASSES}\${TEMPLATE_EXT}" ""
  ${If} $0 == "${EDITION}.template"
    DeleteRegKey HKLM "${CLASSES}\${TEMPLATE_EXT}"
  ${EndIf}
  ReadRegStr $0 HKLM "${CLASSES}\${BODY_EXT}" ""
  ${If} $0 == "${EDITION}.label"
    DeleteRegKey HKLM "${CLASSES}\${BODY_EXT}"
  ${EndIf}
  DeleteRegKey HKLM "${CLASSES}\${EDITION}.template"
  DeleteRegKey HKLM "${CLASSES}\${EDITION}.label"
!macroend

!macro Edition EDITION DESCRIPTION TEMPLATE_EXT BODY_EXT
  File "${STAGE}\${EDITION}.exe"
  WriteINIStr "$WINDIR\${EDITION}.ini" "Install" "InstallPath" "$INSTDIR"
  !insertmacro FileTypes ${EDITION} ${TEMPLATE_EXT} ${BODY_EXT}
  CreateShortcut "$SMPROGRAMS\Labels\${EDITION}.lnk" "$INSTDIR\${EDITION}.exe" "" "" "" SW_SHOWNORMAL "" "${DESCRIPTION}"
!macroend

Section "Install"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${STAGE}\README.txt"
  File "${STAGE}\labelfind.exe"
  File "${STAGE}\libjpeg-turbo-README-ijg.txt"
  File "${STAGE}\libjpeg-turbo-LICENSE.txt"
  CreateDirectory "$SMPROGRAMS\Labels"
  !insertmacro Edition Kestrin "Labels for Zip and Jaz cartridges" .KST .KSB
  !insertmacro Edition Dovantel "Labels for CD-R data discs and audio CDs" .DVT .DVB
  !insertmacro Edition Wimbrook "Labels for 3.5-inch floppy disks" .WMT .WMB
  WriteUninstaller "$INSTDIR\uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Kestrin.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" `"$INSTDIR\uninstall.exe"`
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" `"$INSTDIR\uninstall.exe" /S`
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
  ; SHCNE_ASSOCCHANGED: Explorer shows the new types' icons at once.
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

; Removes our InstallPath from an INI file, the [Install] section when
; nothing else is left in it, and the file when it is left empty (the
; installer made it and the program never ran).
Function un.RemoveInstallPath
  Exch $R0
  Push $R1
  ${If} ${FileExists} $R0
    DeleteINIStr $R0 "Install" "InstallPath"
    System::Call 'kernel32::GetPrivateProfileSectionW(w "Install", w .R1, i ${NSIS_MAX_STRLEN}, w R0) i .r0'
    ${If} $0 == 0
      DeleteINISec $R0 "Install"
    ${EndIf}
    FlushINI $R0
    ClearErrors
    FileOpen $R1 $R0 r
    ${IfNot} ${Errors}
      FileSeek $R1 0 END $0
      FileClose $R1
      ${If} $0 == 0
        Delete $R0
      ${EndIf}
    ${EndIf}
  ${EndIf}
  Pop $R1
  Pop $R0
FunctionEnd

!macro RemoveEdition EDITION TEMPLATE_EXT BODY_EXT
  Delete "$INSTDIR\${EDITION}.exe"
  Delete "$SMPROGRAMS\Labels\${EDITION}.lnk"
  !insertmacro RemoveFileTypes ${EDITION} ${TEMPLATE_EXT} ${BODY_EXT}
  Push "$WINDIR\${EDITION}.ini"
  Call un.RemoveInstallPath
  ; On Vista and later the program's own changes went to the user's
  ; virtualized copy, which carries the InstallPath it was copied with.
  Push "$R9\VirtualStore\Windows\${EDITION}.ini"
  Call un.RemoveInstallPath
!macroend

Section "Uninstall"
  SetShellVarContext current
  ; $LOCALAPPDATA is per user; the rest of the uninstaller's folders are
  ; the machine's.
  StrCpy $R9 "$LOCALAPPDATA"
  SetShellVarContext all
  !insertmacro RemoveEdition Kestrin .KST .KSB
  !insertmacro RemoveEdition Dovantel .DVT .DVB
  !insertmacro RemoveEdition Wimbrook .WMT .WMB
  RMDir "$SMPROGRAMS\Labels"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\labelfind.exe"
  Delete "$INSTDIR\libjpeg-turbo-README-ijg.txt"
  Delete "$INSTDIR\libjpeg-turbo-LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: label files the user saved here stay.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

; Administrator rights are needed on every Windows (Program Files, the
; machine's classes, the Windows folder); Windows before XP SP3 cannot run
; the programs.
!macro RefuseUnlessAdminOnXPSP3
  StrCpy $0 0
  ${If} ${AtLeastWin2003}
    StrCpy $0 1
  ${ElseIf} ${IsWinXP}
  ${AndIf} ${AtLeastServicePack} 3
    StrCpy $0 1
  ${EndIf}
  ${If} $0 == 0
    MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} needs Windows XP with Service Pack 3 or a later Windows." /SD IDOK
    SetErrorLevel 1
    Quit
  ${EndIf}
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "Admin"
    MessageBox MB_OK|MB_ICONSTOP "Administrator rights are needed: sign in as an administrator and run this again." /SD IDOK
    SetErrorLevel 740
    Quit
  ${EndIf}
!macroend

Function .onInit
  !insertmacro RefuseUnlessAdminOnXPSP3
FunctionEnd

Function un.onInit
  !insertmacro RefuseUnlessAdminOnXPSP3
FunctionEnd
