; The Windows installer: for the current user only, without administrator
; rights, into %LOCALAPPDATA%\Programs\Brantile. /S installs and uninstalls
; silently. makensis gets these from the build:
;   VERSION   the version, 1.00
;   FILES     a folder with brantile.exe, LICENSE.txt, LICENSE-fonts.txt and
;             README-installed.txt, installed as README.txt
;   ICON      the installer's icon
;   OUTFILE   the installer to write
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
; The same files make the same installer: no file times in it (the installed
; files get the time of the install).
SetDateSave off
; A file that cannot be written is retried or fails the install; never skipped.
AllowSkipFiles off

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

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

; A running Brantile holds brantile.exe open. CloseBrantile closes each copy
; started from $INSTDIR as its close box would (WM_CLOSE to its window; it
; keeps no data) and waits for it to end, after asking once (not when
; silent). It leaves in $5 "done", "cancelled" or "running" (a copy did not
; end in time), and changes $0 to $4. Copies started from elsewhere are left
; alone.
!define WINDOW_CLASS "Brantile.Form1"
!define CLOSE_WAIT_MS 15000
!macro CLOSE_BRANTILE prefix
Function ${prefix}CloseBrantile
    StrCpy $0 0
    StrCpy $5 "done"
    ${Do}
        FindWindow $0 "${WINDOW_CLASS}" "" 0 $0
        ${If} $0 = 0
            ${Break}
        ${EndIf}
        System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
        ; SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION
        System::Call 'kernel32::OpenProcess(i 0x101000, i 0, i r1) p .r2'
        ${If} $2 P<> 0
            StrCpy $3 ""
            System::Call 'kernel32::QueryFullProcessImageNameW(p r2, i 0, w .r3, *i ${NSIS_MAX_STRLEN})'
            ${If} $3 == "$INSTDIR\brantile.exe"
            ${AndIf} $5 == "done"
                MessageBox MB_OKCANCEL|MB_ICONINFORMATION \
                    "Brantile is running. It is closed before going on; it keeps no data, so nothing is lost." \
                    /SD IDOK IDOK +2
                StrCpy $5 "cancelled"
            ${EndIf}
            ${If} $3 == "$INSTDIR\brantile.exe"
            ${AndIf} $5 != "cancelled"
                StrCpy $5 "asked"
                DetailPrint "Closing Brantile"
                System::Call 'user32::PostMessageW(p r0, i 0x0010, p 0, p 0)'
                System::Call 'kernel32::WaitForSingleObject(p r2, i ${CLOSE_WAIT_MS}) i .r4'
                ${If} $4 <> 0
                    StrCpy $5 "running"
                ${EndIf}
                StrCpy $0 0 ; the windows changed: look again from the first
            ${EndIf}
            System::Call 'kernel32::CloseHandle(p r2)'
        ${EndIf}
        ${If} $5 == "cancelled"
        ${OrIf} $5 == "running"
            ${Break}
        ${EndIf}
    ${Loop}
    ${If} $5 == "asked"
        StrCpy $5 "done"
    ${EndIf}
FunctionEnd
!macroend
!insertmacro CLOSE_BRANTILE ""
!insertmacro CLOSE_BRANTILE "un."

; Ends the install or the uninstall as failed: the message, in a box unless
; silent, and exit code 2.
!macro FAIL message
    SetErrorLevel 2
    MessageBox MB_OK|MB_ICONSTOP "${message}" /SD IDOK
    DetailPrint "${message}"
    Abort "${message}"
!macroend

Section
    SetShellVarContext current
    Call CloseBrantile
    ${If} $5 != "done"
        !insertmacro FAIL "Brantile is still running. Close it and run Setup again; nothing was changed."
    ${EndIf}
    SetOutPath "$INSTDIR"
    File "${FILES}\brantile.exe"
    File "${FILES}\LICENSE.txt"
    File "${FILES}\LICENSE-fonts.txt"
    File "/oname=README.txt" "${FILES}\README-installed.txt"
    ClearErrors
    WriteUninstaller "$INSTDIR\uninstall.exe"
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

; Removes what the installer put there, and nothing else. The program goes
; first: while any of it stays, so do the uninstaller and the entry among the
; installed apps, and the uninstall fails.
Section Uninstall
    SetShellVarContext current
    Call un.CloseBrantile
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
    ${If} ${FileExists} "$SMPROGRAMS\Brantile.lnk"
    ${OrIf} ${FileExists} "$INSTDIR\uninstall.exe"
        !insertmacro FAIL "The uninstaller or the Start-menu entry of Brantile could not be removed."
    ${EndIf}
    RMDir "$INSTDIR"
    ; Programs, if the installer made it and nothing else lives there.
    RMDir "$LOCALAPPDATA\Programs"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
