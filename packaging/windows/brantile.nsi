; The Windows installer: for the current user only, without administrator
; rights, into %LOCALAPPDATA%\Programs\Brantile. /S installs and uninstalls
; silently. makensis gets these from the build:
;   VERSION   the version, 1.00
;   FILES     a folder with brantile.exe, LICENSE.txt, LICENSE-fonts.txt, README.txt
;   ICON      the installer's icon
;   OUTFILE   the installer to write
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Brantile"
!define PUBLISHER "The Brantile developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Brantile"

Name "${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Brantile"
; Installing again goes where the last install went, and replaces it.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "1.0.0.0"
VIFileVersion "1.0.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}. MIT licence."

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_LICENSEPAGE_TEXT_TOP "Brantile is free software under the MIT licence."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "The licence asks nothing of you for using the program."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${FILES}\LICENSE.txt"
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\brantile.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section
    SetShellVarContext current
    SetOutPath "$INSTDIR"
    File "${FILES}\brantile.exe"
    File "${FILES}\LICENSE.txt"
    File "${FILES}\LICENSE-fonts.txt"
    File "${FILES}\README.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Brantile.lnk" "$INSTDIR\brantile.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\brantile.exe,0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes what the installer put there, and nothing else.
Section Uninstall
    SetShellVarContext current
    Delete "$SMPROGRAMS\Brantile.lnk"
    Delete "$INSTDIR\brantile.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\LICENSE-fonts.txt"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    ; Programs, if the installer made it and nothing else lives there.
    RMDir "$LOCALAPPDATA\Programs"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
