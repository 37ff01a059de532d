; The Windows installer: for the current user only, without administrator
; rights, into %LOCALAPPDATA%\Programs\Brantile. /S installs silently.
; makensis gets these from the build, besides those of brantile.nsh:
;   FILES        a folder with brantile.exe, LICENSE.txt, LICENSE-fonts.txt and
;                README-installed.txt, installed as README.txt
;   UNINSTALLER  the uninstaller, made from uninstall.nsi, installed as
;                uninstall.exe
!include "brantile.nsh"
!include "FileFunc.nsh"

InstallDir "$LOCALAPPDATA\Programs\Brantile"
; Installing again goes where the last install went, and replaces it.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Setup"

!define MUI_LICENSEPAGE_TEXT_TOP "Brantile is free software under the MIT licence."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "The licence asks nothing of you for using the program."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!insertmacro MUI_PAGE_LICENSE "${FILES}\LICENSE.txt"
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\brantile.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_LANGUAGE "English"

Section
    SetShellVarContext current
    Call CloseBrantile
    ${If} $5 != "done"
        !insertmacro FAIL "Brantile is still running. Close it and run Setup again; nothing was changed."
    ${EndIf}
    ; What the last uninstall left in the temporary folder.
    Delete "${MOVED_AWAY}"
    SetOutPath "$INSTDIR"
    File "${FILES}\brantile.exe"
    File "${FILES}\LICENSE.txt"
    File "${FILES}\LICENSE-fonts.txt"
    File "/oname=README.txt" "${FILES}\README-installed.txt"
    ClearErrors
    File "/oname=uninstall.exe" "${UNINSTALLER}"
    CreateShortcut "$SMPROGRAMS\Brantile.lnk" "$INSTDIR\brantile.exe"
    ${If} ${Errors}
        !insertmacro FAIL "Setup could not write the uninstaller or the Start-menu entry."
    ${EndIf}

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
    ${If} ${Errors}
        !insertmacro FAIL "Setup could not write Brantile's entry among the installed apps."
    ${EndIf}
SectionEnd
