; The program's installer and uninstaller, built by makensis from the build's staging folder.
;
; Defines given by the build: PRODUCT, COMPANY, WEBSITE, VERSION (major.minor.patch), INSTANCE
; (the program's single-instance name), STAGE (the folder with the files to install), ICON and
; OUTFILE.
;
; Command line (besides NSIS's own /S and /D=folder):
;   /CurrentUser (the default) or /AllUsers   for whom the program is installed
;   /StartWithWindows=1 or =0                 the "Run at Windows Startup" choice; without it a
;                                             new installation starts with Windows and an
;                                             upgrade keeps the choice the user made
; Uninstaller: /AllUsers for an installation for everyone (its entry says so), and /RemoveData
; to remove the user's schedules and settings without asking.

Unicode true
; A 64-bit installer for a 64-bit program: it runs wherever the program can.
Target amd64-unicode
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include MUI2.nsh
!include LogicLib.nsh
!include Sections.nsh
!include FileFunc.nsh
!include nsDialogs.nsh
!include WinMessages.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The start-up value the program's preference writes: the program's name and "0".
!define RUN_VALUE "${PRODUCT}0"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "CompanyName" "${COMPANY}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${COMPANY}"

Var AllUsers          ; 1: for everyone, under Program Files
Var ScopeFixed        ; 1: the command line or an earlier installation chose the scope
Var FolderChosen      ; 1: /D= or an earlier installation chose the folder
Var StartupOption     ; "1", "0" or "" (not on the command line)
Var StartupWasOn      ; 1: the program is in a start-up list now
Var Upgrade           ; 1: an earlier installation is there
Var ScopeJustMe
Var ScopeEveryone

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_FUNCTION StartProgram

!insertmacro MUI_PAGE_WELCOME
Page custom ScopePage ScopePageLeave
!insertmacro MUI_PAGE_COMPONENTS
!define MUI_PAGE_CUSTOMFUNCTION_PRE SkipFolderOnUpgrade
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!include texts.nsh
!include running_copy.nsh
!insertmacro DEFINE_END_RUNNING_COPY ""
!insertmacro DEFINE_END_RUNNING_COPY "un."

Section "${PRODUCT}" SecProgram
  SectionIn RO
  Call EndRunningCopy
  SetOutPath "$INSTDIR"
  File "${STAGE}/curfew.exe"
  File "${STAGE}/curfewctl.exe"
  File "${STAGE}/Help.chm"
  ; A language file newer than the one shipped (a language update the user chose) stays.
  SetOverwrite ifnewer
  File "${STAGE}/Localization.xml"
  SetOverwrite on
  ; The schedules' folder: left as it is on an upgrade. Installed for everyone, every user of
  ; the computer may write the shared schedules there (the program's own files stay writable
  ; by administrators only).
  CreateDirectory "$INSTDIR\data"
  ${If} $AllUsers == 1
    nsExec::Exec '"$SYSDIR\icacls.exe" "$INSTDIR\data" /grant *S-1-5-32-545:(OI)(CI)M'
    Pop $0
  ${EndIf}
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\curfew.exe" "" "$INSTDIR\curfew.exe" 0

  StrCpy $0 ""
  ${If} $AllUsers == 1
    StrCpy $0 " /AllUsers"
  ${EndIf}
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${COMPANY}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\curfew.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "https://${WEBSITE}/"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"$0'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S$0'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $1 $2 $3
  IntFmt $1 "0x%08X" $1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $1
SectionEnd

; The preference's own registration, made by the program itself.
Section "$(StartWithWindows)" SecStartup
  ExecWait '"$INSTDIR\curfew.exe" /StartWithWindows=1'
SectionEnd

; Unticked: taken out of the start-up list if it was there or the command line said so; a
; choice the user never made is not written.
Section "-StartupOff"
  ${IfNot} ${SectionIsSelected} ${SecStartup}
    ${If} $StartupWasOn == 1
    ${OrIf} $StartupOption == "0"
      ExecWait '"$INSTDIR\curfew.exe" /StartWithWindows=0'
    ${EndIf}
  ${EndIf}
SectionEnd

Function .onInit
  SetRegView 64
  ${GetParameters} $R0
  ${If} $INSTDIR != ""
    StrCpy $FolderChosen 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/AllUsers" $R1
  ${IfNot} ${Errors}
    StrCpy $AllUsers 1
    StrCpy $ScopeFixed 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/CurrentUser" $R1
  ${IfNot} ${Errors}
    StrCpy $AllUsers 0
    StrCpy $ScopeFixed 1
  ${EndIf}
  ClearErrors
  ${GetOptions} $R0 "/StartWithWindows=" $StartupOption
  ${If} $ScopeFixed != 1
    ReadRegStr $R1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $R1 != ""
      StrCpy $AllUsers 1
      StrCpy $ScopeFixed 1
    ${Else}
      ReadRegStr $R1 HKCU "${UNINSTALL_KEY}" "InstallLocation"
      ${If} $R1 != ""
        StrCpy $ScopeFixed 1
      ${EndIf}
    ${EndIf}
  ${EndIf}
  ${If} $AllUsers == 1
    Call NeedAdministrator
  ${EndIf}
  Call ApplyScope

  ReadRegStr $R1 HKLM "${RUN_KEY}" "${RUN_VALUE}"
  ReadRegStr $R2 HKCU "${RUN_KEY}" "${RUN_VALUE}"
  ${If} "$R1$R2" != ""
    StrCpy $StartupWasOn 1
  ${EndIf}
  StrCpy $R4 0
  ${If} $StartupOption == "1"
    StrCpy $R4 1
  ${ElseIf} $StartupOption == ""
    ${If} $Upgrade != 1
    ${OrIf} $StartupWasOn == 1
      StrCpy $R4 1
    ${EndIf}
  ${EndIf}
  ${If} $R4 == 1
    !insertmacro SelectSection ${SecStartup}
  ${Else}
    !insertmacro UnselectSection ${SecStartup}
  ${EndIf}
FunctionEnd

; The registry, shortcuts and folder of the scope chosen; an earlier installation's folder.
Function ApplyScope
  ${If} $AllUsers == 1
    SetShellVarContext all
  ${Else}
    SetShellVarContext current
  ${EndIf}
  StrCpy $Upgrade 0
  ReadRegStr $R1 SHCTX "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $R1 != ""
    StrCpy $Upgrade 1
    ${If} $FolderChosen != 1
      StrCpy $INSTDIR $R1
    ${EndIf}
  ${ElseIf} $FolderChosen != 1
    ${If} $AllUsers == 1
      StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    ${Else}
      StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
    ${EndIf}
  ${EndIf}
FunctionEnd

; Installing for everyone without administrator rights: the installer starts again elevated
; (Windows asks) and waits for that copy, so that whoever waits for this one waits for the
; installation; a silent run ends with error level 740 (elevation required).
Function NeedAdministrator
  UserInfo::GetAccountType  ; "Admin" when the process may write for every user
  Pop $R3
  ${If} $R3 == "Admin"
    Return
  ${EndIf}
  ${If} ${Silent}
    SetErrorLevel 740
    Quit
  ${EndIf}
  ${GetParameters} $R3
  ClearErrors
  ExecShellWait "runas" "$EXEPATH" "$R3 /AllUsers"
  ${If} ${Errors}
    MessageBox MB_ICONSTOP "$(NeedsAdministrator)"
  ${EndIf}
  Quit
FunctionEnd

Function ScopePage
  ${If} $ScopeFixed == 1
    Abort
  ${EndIf}
  !insertmacro MUI_HEADER_TEXT "$(ScopeTitle)" "$(ScopeSubtitle)"
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateRadioButton} 0 10u 100% 24u "$(ScopeJustMe)"
  Pop $ScopeJustMe
  ${NSD_CreateRadioButton} 0 40u 100% 24u "$(ScopeEveryone)"
  Pop $ScopeEveryone
  ${If} $AllUsers == 1
    ${NSD_Check} $ScopeEveryone
  ${Else}
    ${NSD_Check} $ScopeJustMe
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function ScopePageLeave
  ${NSD_GetState} $ScopeEveryone $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $AllUsers 1
    Call NeedAdministrator
  ${Else}
    StrCpy $AllUsers 0
  ${EndIf}
  Call ApplyScope
FunctionEnd

; The finish page's "Run": installed for everyone, the installer has administrator rights, and
; the program is started through the desktop's shell so that it runs with the user's own.
Function StartProgram
  ${If} $AllUsers == 1
    Exec '"$WINDIR\explorer.exe" "$INSTDIR\curfew.exe"'
  ${Else}
    Exec '"$INSTDIR\curfew.exe"'
  ${EndIf}
FunctionEnd

; An upgrade goes into the folder of the installation it replaces.
Function SkipFolderOnUpgrade
  ${If} $Upgrade == 1
    Abort
  ${EndIf}
FunctionEnd

; The uninstaller ------------------------------------------------------------------------------

Function un.onInit
  SetRegView 64
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/AllUsers" $R1
  ${If} ${Errors}
    SetShellVarContext current
    Return
  ${EndIf}
  SetShellVarContext all
  UserInfo::GetAccountType  ; "Admin" when the process may write for every user
  Pop $R3
  ${If} $R3 != "Admin"
    ${If} ${Silent}
      SetErrorLevel 740
      Quit
    ${EndIf}
    ExecShellWait "runas" "$EXEPATH" "$R0 _?=$INSTDIR"
    Quit
  ${EndIf}
FunctionEnd

; Deletes a start-up value that names the program in this folder.
!macro REMOVE_START_UP_VALUE root
  ReadRegStr $R1 ${root} "${RUN_KEY}" "${RUN_VALUE}"
  StrLen $R2 "$INSTDIR"
  StrCpy $R1 $R1 $R2
  ${If} $R1 == "$INSTDIR"
    DeleteRegValue ${root} "${RUN_KEY}" "${RUN_VALUE}"
  ${EndIf}
!macroend

Section "Uninstall"
  Call un.EndRunningCopy
  ; The program takes itself out of the start-up lists as its preference does; a value it
  ; could not reach is removed here.
  ${If} ${FileExists} "$INSTDIR\curfew.exe"
    ExecWait '"$INSTDIR\curfew.exe" /StartWithWindows=0'
  ${EndIf}
  !insertmacro REMOVE_START_UP_VALUE HKLM
  !insertmacro REMOVE_START_UP_VALUE HKCU

  ; The user's schedules and settings only with the user's consent.
  StrCpy $R5 0
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/RemoveData" $R1
  ${IfNot} ${Errors}
    StrCpy $R5 1
  ${Else}
    MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "$(RemoveUserData)" /SD IDNO IDNO keep_data
    StrCpy $R5 1
    keep_data:
  ${EndIf}
  ${If} $R5 == 1
    RMDir /r "$INSTDIR\data"
    ; The program's settings: for the machine, for the user, and a standard user's copy of
    ; the machine's; the start-up choice is kept under the program's name and "0".
    ${ForEach} $R6 0 1 + 1
      ${If} $R6 == 0
        StrCpy $R7 "${PRODUCT}"
      ${Else}
        StrCpy $R7 "${PRODUCT}0"
      ${EndIf}
      DeleteRegKey HKLM "Software\${COMPANY}\$R7"
      DeleteRegKey HKCU "Software\${COMPANY}\$R7"
      DeleteRegKey HKCU "Software\Classes\VirtualStore\MACHINE\SOFTWARE\${COMPANY}\$R7"
    ${Next}
    DeleteRegKey /ifempty HKLM "Software\${COMPANY}"
    DeleteRegKey /ifempty HKCU "Software\${COMPANY}"
    DeleteRegKey /ifempty HKCU "Software\Classes\VirtualStore\MACHINE\SOFTWARE\${COMPANY}"
  ${EndIf}

  DeleteRegValue HKCU "Software\Microsoft\Internet Explorer\Main\FeatureControl\FEATURE_BROWSER_EMULATION" "curfew.exe"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete /REBOOTOK "$INSTDIR\curfew.exe"
  Delete /REBOOTOK "$INSTDIR\curfewctl.exe"
  Delete /REBOOTOK "$INSTDIR\Help.chm"
  Delete /REBOOTOK "$INSTDIR\Localization.xml"
  Delete /REBOOTOK "$INSTDIR\Localization.txt"
  Delete /REBOOTOK "$INSTDIR\uninstall.exe"
  ; The folder goes only when empty: kept schedules keep it. A file in use goes at the next
  ; start of Windows.
  RMDir /REBOOTOK "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
