; The Windows installer of Tidewell.scr: a 64-bit installer for 64-bit Windows.
;
;   makensis -DVERSION=x.y.z -DSCREEN_SAVER=path\Tidewell.scr -DICON=Tidewell.ico
;            -DOUTFILE=Tidewell-x.y.z-setup.exe Tidewell.nsi
;
; Per user by default (no administrator): the program goes to
; %LOCALAPPDATA%\Programs\Tidewell. With /ALLUSERS (administrator) it goes to
; System32, where every user's screen-saver settings list it, and the
; uninstaller to Program Files. Either way Tidewell becomes the installing
; user's screen saver; the one it replaces is kept in the uninstall entry and
; put back on uninstall. /S installs and uninstalls without a window;
; /REMOVESETTINGS makes a silent uninstall remove the user's settings too.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include Sections.nsh

!define PRODUCT "Tidewell"
!define PUBLISHER "Orvalle"
!define SCR_NAME "Tidewell.scr"
!define UNINSTALLER "Uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define DESKTOP_KEY "Control Panel\Desktop"
!define SETTINGS_KEY "Software\${PUBLISHER}\${PRODUCT}"
!define SPI_SETSCREENSAVEACTIVE 17
!define SPIF_UPDATEINIFILE_SENDCHANGE 3

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) ${PUBLISHER}"

; Where the screen saver itself goes: $INSTDIR per user, System32 for all.
Var ScreenSaver

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Open the screen-saver settings"
!define MUI_FINISHPAGE_RUN_FUNCTION OpenScreenSaverSettings
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

SpaceTexts none
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_COMPONENTSPAGE_TEXT_TOP "Tidewell will be removed. Tick the box to remove your Tidewell settings too."
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

; ---------------------------------------------------------------- both ways

; Per user or for all users, from the command line (/ALLUSERS). For all
; users the registry root is HKLM and an administrator is needed.
!macro ChooseInstallMode UN
Function ${UN}ChooseInstallMode
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/ALLUSERS" $1
  ${If} ${Errors}
    SetShellVarContext current
    StrCpy $INSTDIR "$LOCALAPPDATA\Programs\${PRODUCT}"
    StrCpy $ScreenSaver "$INSTDIR\${SCR_NAME}"
  ${Else}
    UserInfo::GetAccountType
    Pop $1
    ${If} $1 != "Admin"
      MessageBox MB_ICONSTOP "Installing for all users needs an administrator." /SD IDOK
      SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
      Quit
    ${EndIf}
    SetShellVarContext all
    StrCpy $INSTDIR "$PROGRAMFILES64\${PRODUCT}"
    ; A 64-bit installer sees the real System32: no redirection to SysWOW64.
    StrCpy $ScreenSaver "$SYSDIR\${SCR_NAME}"
  ${EndIf}
FunctionEnd
!macroend
!insertmacro ChooseInstallMode ""
!insertmacro ChooseInstallMode "un."

; Sets $0 to 1 when the current screen saver ($1) is the installed one, in
; its long or short (8.3) spelling, else 0.
!macro IsOurScreenSaver UN
Function ${UN}IsOurScreenSaver
  StrCpy $0 0
  GetFullPathName /SHORT $2 $ScreenSaver
  ${If} $1 == $ScreenSaver
  ${OrIf} $1 == $2
    StrCpy $0 1
  ${EndIf}
FunctionEnd
!macroend
!insertmacro IsOurScreenSaver ""
!insertmacro IsOurScreenSaver "un."

; Tells the running session, so the change holds without logging off.
!macro ApplyScreenSaverActive UN
Function ${UN}ApplyScreenSaverActive
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
  ${If} $0 != "1"
    StrCpy $0 0
  ${EndIf}
  System::Call 'user32::SystemParametersInfoW(i ${SPI_SETSCREENSAVEACTIVE}, i r0, p 0, i ${SPIF_UPDATEINIFILE_SENDCHANGE})'
FunctionEnd
!macroend
!insertmacro ApplyScreenSaverActive ""
!insertmacro ApplyScreenSaverActive "un."

; ---------------------------------------------------------------- install

Function .onInit
  Call ChooseInstallMode
FunctionEnd

Function OpenScreenSaverSettings
  Exec '"$SYSDIR\rundll32.exe" desk.cpl,InstallScreenSaver $ScreenSaver'
FunctionEnd

Section "Tidewell"
  SetOutPath $INSTDIR
  SetOverwrite on
  File "/oname=$ScreenSaver" "${SCREEN_SAVER}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; The screen saver this one replaces, kept for the uninstaller. On an
  ; upgrade the current one is already Tidewell and the kept one stays.
  ReadRegStr $1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  Call IsOurScreenSaver
  ${If} $0 == 0
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "PreviousScreenSaver" $1
    ; With no ScreenSaveActive value, a screen saver that is set runs.
    ReadRegStr $2 HKCU "${DESKTOP_KEY}" "ScreenSaveActive"
    ${If} $2 == ""
    ${AndIf} $1 != ""
      StrCpy $2 1
    ${EndIf}
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "PreviousScreenSaveActive" $2
  ${EndIf}
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $ScreenSaver
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
  Call ApplyScreenSaverActive

  ; The entry in Apps & features.
  ${If} $ScreenSaver == "$SYSDIR\${SCR_NAME}"
    StrCpy $2 " /ALLUSERS"
  ${Else}
    StrCpy $2 ""
  ${EndIf}
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$ScreenSaver,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" $INSTDIR
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"$2'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}"$2 /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} $INSTDIR "/S=0K /G=0" $0 $1 $2
  ${If} $ScreenSaver != "$INSTDIR\${SCR_NAME}"
    ${GetSize} $SYSDIR "/M=${SCR_NAME} /S=0K /G=0" $1 $2 $3
    IntOp $0 $0 + $1
  ${EndIf}
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; ---------------------------------------------------------------- uninstall

Section "-un.Tidewell"
  ; The screen saver that was current before, when Tidewell still is.
  ReadRegStr $1 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  Call un.IsOurScreenSaver
  ${If} $0 == 1
    ReadRegStr $1 SHCTX "${UNINSTALL_KEY}" "PreviousScreenSaver"
    ${If} $1 == ""
      DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
    ${Else}
      WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" $1
    ${EndIf}
    ReadRegStr $1 SHCTX "${UNINSTALL_KEY}" "PreviousScreenSaveActive"
    ${If} $1 == ""
      StrCpy $1 0
    ${EndIf}
    WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" $1
    Call un.ApplyScreenSaverActive
  ${EndIf}

  Delete $ScreenSaver
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir $INSTDIR
  ${If} $ScreenSaver == "$INSTDIR\${SCR_NAME}"
    ; The user's programs folder, when nothing else lives there.
    RMDir "$LOCALAPPDATA\Programs"
  ${EndIf}
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd

Section /o "un.Your Tidewell settings" RemoveSettings
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\${PUBLISHER}"
SectionEnd

; After the sections, whose indexes it uses.
Function un.onInit
  Call un.ChooseInstallMode
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVESETTINGS" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${RemoveSettings}
  ${EndIf}
FunctionEnd
