; What uninstall.exe runs to remove Brantile: what the installer put there,
; and nothing else. uninstall.exe (uninstall.cpp) carries this program, writes
; it to the temporary folder and runs it there with its own arguments (/S
; removes silently) and /D= the folder of the install, and waits for it.
; This program removes uninstall.exe too: it cannot delete it while it runs,
; but it can move it into the temporary folder, the one thing of Brantile that
; stays there until that folder is emptied, or the next install or uninstall.
!include "brantile.nsh"

Caption "${PRODUCT} Uninstall"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} Uninstall"

!define MUI_PAGE_HEADER_TEXT "Uninstalling ${PRODUCT}"
!define MUI_PAGE_HEADER_SUBTEXT "Please wait while ${PRODUCT} is removed."
!define MUI_INSTFILESPAGE_FINISHHEADER_TEXT "Uninstall complete"
!define MUI_INSTFILESPAGE_FINISHHEADER_SUBTEXT "${PRODUCT} was removed from your computer."
!define MUI_INSTFILESPAGE_ABORTHEADER_TEXT "Uninstall failed"
!define MUI_INSTFILESPAGE_ABORTHEADER_SUBTEXT "${PRODUCT} was not removed."
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The install is the folder that /D= names.
Function .onInit
    ${If} $INSTDIR == ""
        SetErrorLevel 2
        Quit
    ${EndIf}
    MessageBox MB_OKCANCEL|MB_ICONQUESTION "Remove ${PRODUCT} from this computer?" /SD IDOK \
        IDOK confirmed
    SetErrorLevel 1
    Quit
confirmed:
FunctionEnd

; The program goes first: while any of it stays, so do the uninstaller and the
; entry among the installed apps, and the uninstall fails.
Section
    SetShellVarContext current
    Call CloseBrantile
    ${If} $5 != "done"
        !insertmacro FAIL "Brantile is still running. Close it and uninstall again; nothing was removed."
    ${EndIf}
    Delete "$INSTDIR\brantile.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\LICENSE-fonts.txt"
    Delete "$INSTDIR\README.txt"
    ${If} ${FileExists} "$INSTDIR\brantile.exe"
    ${OrIf} ${FileExists} "$INSTDIR\LICENSE.txt"
    ${OrIf} ${FileExists} "$INSTDIR\LICENSE-fonts.txt"
    ${OrIf} ${FileExists} "$INSTDIR\README.txt"
        !insertmacro FAIL "Files of Brantile in $INSTDIR could not be removed. Close what uses them and uninstall again."
    ${EndIf}
    Delete "$SMPROGRAMS\Brantile.lnk"
    Delete "$INSTDIR\uninstall.exe"
    ${If} ${FileExists} "$INSTDIR\uninstall.exe"
        ; This program's own file: moved out, left behind in the temporary
        ; folder, where the next install or uninstall deletes it.
        Delete "${MOVED_AWAY}"
        Rename "$INSTDIR\uninstall.exe" "${MOVED_AWAY}"
    ${EndIf}
    ${If} ${FileExists} "$SMPROGRAMS\Brantile.lnk"
    ${OrIf} ${FileExists} "$INSTDIR\uninstall.exe"
        !insertmacro FAIL "The uninstaller or the Start-menu entry of Brantile could not be removed."
    ${EndIf}
    RMDir "$INSTDIR"
    ; Programs, if the installer made it and nothing else lives there.
    RMDir "$LOCALAPPDATA\Programs"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
