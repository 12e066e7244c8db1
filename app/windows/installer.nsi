; The Radixtrek installer: Japanese, per user without administrator rights, into
; %LOCALAPPDATA%\Programs\Radixtrek, with a Start-menu shortcut and an uninstaller listed in
; Apps & features. makensis -DSTAGE=<program folder> -DVERSION=<x.y> -DFILES=<uninstall list>
; -DOUTFILE=<setup.exe> installer.nsi
; A 64-bit installer for a 64-bit program: it runs where the program runs.
Target amd64-unicode
!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Radixtrek"

Name "Radixtrek"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\Radixtrek"
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1041 "ProductName" "Radixtrek"
VIAddVersionKey /LANG=1041 "FileDescription" "Radixtrek セットアップ"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "CompanyName" "Radixtrek Project"
VIAddVersionKey /LANG=1041 "LegalCopyright" "(C) 2026 Radixtrek Project"

!define MUI_ICON "${STAGE}\radixtrek.ico"
!define MUI_UNICON "${STAGE}\radixtrek.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\radixtrek.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}\LICENSE.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Section "Radixtrek"
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File /r "${STAGE}\*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Radixtrek.lnk" "$INSTDIR\radixtrek.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Radixtrek"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Radixtrek Project"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\radixtrek.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    SetShellVarContext current
    !include "${FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\Radixtrek.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
