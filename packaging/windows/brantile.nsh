; What the installer (brantile.nsi) and the uninstaller (uninstall.nsi) share:
; for the current user only, without administrator rights; the product's
; name, version and icon; closing a running Brantile; failing. Both are
; ordinary programs that do their work in their own process, so that whoever
; starts one can wait for it and read its exit code: 0 done, 1 cancelled by the
; user, 2 failed. makensis gets these from the build:
;   VERSION   the version, 1.00
;   ICON      the icon of both
;   OUTFILE   the program to write
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true
; The same files make the same program: no file times in it (the installed
; files get the time of the install).
SetDateSave off
; A file that cannot be written is retried or fails the install; never skipped.
AllowSkipFiles off

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define PRODUCT "Brantile"
!define PUBLISHER "The Brantile developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Brantile"

Name "${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"

VIProductVersion "1.0.0.0"
VIFileVersion "1.0.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}. MIT licence."

!define MUI_ICON "${ICON}"

; Where the uninstaller moves its own file, which it cannot delete while it
; runs.
!define MOVED_AWAY "$TEMP\Brantile-uninstall.exe"

; A running Brantile holds brantile.exe open. CloseBrantile closes each copy
; started from $INSTDIR as its close box would (WM_CLOSE to its window; it
; keeps no data) and waits for it to end, after asking once (not when
; silent). It leaves in $5 "done", "cancelled" or "running" (a copy did not
; end in time), and changes $0 to $4. Copies started from elsewhere are left
; alone.
!define WINDOW_CLASS "Brantile.Form1"
!define CLOSE_WAIT_MS 15000
Function CloseBrantile
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

; Ends the install or the uninstall as failed: the message, in a box unless
; silent, and exit code 2. Whoever started it learns that from the exit code.
!macro FAIL message
    SetErrorLevel 2
    MessageBox MB_OK|MB_ICONSTOP "${message}" /SD IDOK
    DetailPrint "${message}"
    Abort "${message}"
!macroend
