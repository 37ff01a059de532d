#!/bin/sh
# The Windows installer and zip under Wine, as a user meets them: a silent
# install, and another over it while the program runs, which closes the
# program and replaces every file; the program started from its Start-menu
# shortcut, and a silent uninstall while it runs, which closes it and, when it
# returns, has left nothing behind, or has failed with exit code 2 and left
# the uninstaller and its entry. Then the zip unpacked and its program started
# and closed. It runs on a display of its own:
# Usage: scripts/desktop-session --display check-windows-files.sh BUILD_DIR VERSION PROGRAM
set -eu
export LC_ALL=C.UTF-8
build=$1 version=$2 program=$3
installer=$build/brantile-$version-setup.exe
zip=$build/brantile-$version-win64.zip
export WINEPREFIX="$build/wine-windows-files" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
: "${DISPLAY:?no display: run it under scripts/desktop-session --display}"
work=$(mktemp -d)
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

# A Wine session that starts on this display.
wineserver -k 2>/dev/null || true

key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brantile'
folder() { winepath -u "$(wine cmd /c echo "%$1%" | tr -d '\r')" | tr -d '\r'; }
locate() {
    programs=$(folder LOCALAPPDATA)/Programs
    dir=$programs/Brantile
    shortcut="$(folder APPDATA)/Microsoft/Windows/Start Menu/Programs/Brantile.lnk"
}
# A prefix of its own, made afresh when an earlier run left anything of an
# install in it.
[ -d "$WINEPREFIX" ] || wineboot -i >/dev/null 2>&1
locate
if [ -e "$programs" ] || [ -e "$shortcut" ] || wine reg query "$key" >/dev/null 2>&1; then
    wineserver -k
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    locate
fi
timeout 60 wineserver -w
files() { (cd "$WINEPREFIX/drive_c" && find . -path '*/Temp' -prune -o -print | sort); }
files >"$work/before"

# Waits for the window "Brantile", closes it as its close box does (WM_CLOSE)
# and waits for the program to end.
window_comes_and_goes() {
    timeout 60 xdotool search --sync --onlyvisible --name '^Brantile$' >/dev/null ||
        fail "$1: the window did not appear"
    wine taskkill /im brantile.exe >/dev/null 2>&1 || fail "$1: no brantile.exe to close"
    timeout 60 wineserver -w || fail "$1: the program did not end when closed"
}

# Starts the installed program from its Start-menu shortcut and waits for its
# window.
start_installed() {
    wine start "$(winepath -w "$shortcut" | tr -d '\r')"
    timeout 60 xdotool search --sync --onlyvisible --name '^Brantile$' >/dev/null ||
        fail "$1: the window did not appear"
}
no_window() {
    ! xdotool search --onlyvisible --name '^Brantile$' >/dev/null || fail "$1: Brantile still runs"
}

wine "$installer" /S || fail "the silent install failed"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
start_installed "before installing again"
: >"$dir/LICENSE.txt"
wine "$installer" /S || fail "the silent install over the running program failed"
no_window "the install over it"
[ "$(ls "$programs")" = Brantile ] || fail "more than one install: $(ls "$programs")"
[ "$(ls "$dir" | tr '\n' ' ')" = "LICENSE-fonts.txt LICENSE.txt README.txt brantile.exe uninstall.exe " ] ||
    fail "installed: $(ls "$dir" | tr '\n' ' ')"
cmp -s "$dir/brantile.exe" "$program" || fail "the installed brantile.exe is not the built one"
staged=$build/packaging/windows/files
for file in LICENSE.txt LICENSE-fonts.txt README.txt; do
    cmp -s "$dir/$file" "$staged/$(echo $file | sed 's/README/README-installed/')" ||
        fail "the installed $file is not the release's"
done
grep -q 'Settings, Apps' "$dir/README.txt" || fail "the installed README.txt is the zip's"

path='C:\users\'"$(id -un)"'\AppData\Local\Programs\Brantile'
wine reg query "$key" | tr -d '\r' | sed -n 's/^ *\([A-Za-z]*\) *\(REG_[A-Z]*\) *\(.*\)$/\1 \2 \3/p' |
    sort >"$work/values"
kilobytes=$(du -k -s --apparent-size "$dir" | cut -f1)
cat >"$work/expected" <<EOF
DisplayIcon REG_SZ $path\\brantile.exe,0
DisplayName REG_SZ Brantile
DisplayVersion REG_SZ $version
InstallLocation REG_SZ $path
NoModify REG_DWORD 0x1
NoRepair REG_DWORD 0x1
Publisher REG_SZ The Brantile developers
QuietUninstallString REG_SZ "$path\\uninstall.exe" /S
UninstallString REG_SZ "$path\\uninstall.exe"
EOF
grep -v '^EstimatedSize ' "$work/values" | diff "$work/expected" - || fail "the uninstall key differs"
size=$(sed -n 's/^EstimatedSize REG_DWORD //p' "$work/values")
[ -n "$size" ] && [ $((size)) -ge $((kilobytes - 8)) ] && [ $((size)) -le $((kilobytes + 8)) ] ||
    fail "EstimatedSize is '$size', the folder holds $kilobytes KB"

# An uninstall that cannot remove a file says so in its exit code when it
# returns, and keeps the uninstaller and the entry among the installed apps.
start_installed "before an uninstall that fails"
rm "$dir/README.txt"
mkdir "$dir/README.txt"
status=0
wine "$dir/uninstall.exe" /S || status=$?
[ "$status" -eq 2 ] || fail "an uninstall that could not remove README.txt exited with $status"
no_window "the uninstall that failed"
[ -f "$dir/uninstall.exe" ] || fail "the uninstall that failed removed uninstall.exe"
wine reg query "$key" >/dev/null 2>&1 || fail "the uninstall that failed removed the registry key"
rmdir "$dir/README.txt"
wine "$installer" /S || fail "installing again after the uninstall that failed failed"

# The silent uninstall returns when it is done: nothing of the program is
# left when it returns.
start_installed "before uninstalling"
wine "$dir/uninstall.exe" /S || fail "the silent uninstall failed with exit code $?"
no_window "the uninstall"
[ ! -e "$dir" ] || fail "the uninstall left $dir"
[ ! -e "$shortcut" ] || fail "the uninstall left the shortcut"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstall left the registry key"
files | diff "$work/before" - || fail "the uninstall left files behind"

mkdir "$work/zip"
(cd "$work/zip" && cmake -E tar xf "$zip")
[ "$(ls "$work/zip" | tr '\n' ' ')" = "LICENSE-fonts.txt LICENSE.txt README.txt brantile.exe " ] ||
    fail "the zip holds: $(ls "$work/zip" | tr '\n' ' ')"
cmp -s "$work/zip/brantile.exe" "$program" || fail "the zip's brantile.exe is not the built one"
grep -q 'holds four files and no folder' "$work/zip/README.txt" || fail "the zip's README.txt is the installer's"
wine "$work/zip/brantile.exe" &
started=$!
window_comes_and_goes "the program from the zip"
wait "$started" || fail "the program from the zip ended with an error"

echo "Windows installer and zip: 1 passed, 0 failed"
