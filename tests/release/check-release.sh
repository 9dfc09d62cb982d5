#!/usr/bin/env bash
# The release files as a user gets them: scripts/make-dist run twice over the build (the same
# bytes each time), the portable zip's entries, and the installer run silently under Wine in a
# fresh prefix: an upgrade over an older version, the program started from where it was
# installed, an install refused while it runs, a silent uninstall, and an install for all users
# into a chosen folder.
#   check-release.sh <build folder> <window_check.exe>
set -uo pipefail
build_dir=$(cd "${1:?build folder}" && pwd)
window_check=${2:?window_check.exe}
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
. "$source_dir/scripts/wine-env.sh"

work=$(mktemp -d)
export WINEPREFIX="$work/prefix"
# No menu entries of the installed shortcut in the desktop of the machine running the tests.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"
cleanup() {
    wineserver -k >/dev/null 2>&1
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT
# A display of its own: the installed program's window must not take the focus from the GUI
# tests that run beside this one.
start_xvfb || exit 1

failures=0
pass() { echo "ok: $1"; }
fail() { echo "FAILED: $1"; failures=$((failures + 1)); }
expect_equal() {  # what, expected, actual
    if [ "$2" = "$3" ]; then pass "$1"; else fail "$1: expected [$2], got [$3]"; fi
}

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
exe="$build_dir/bin/ZemTarvelix.exe"
console="$build_dir/bin/tarv.exe"
zip_name="ZemTarvelix-$version-portable.zip"
setup_name="ZemTarvelix-$version-setup.exe"

# --- Building the release files ---------------------------------------------------------------
"$source_dir/scripts/make-dist" "$build_dir" "$work/first" >/dev/null || fail "make-dist"
"$source_dir/scripts/make-dist" "$build_dir" "$work/second" >/dev/null || fail "make-dist, again"
"$source_dir/scripts/make-dist" "$build_dir" "$work/older" 0.9.0.0 >/dev/null || fail "make-dist of version 0.9.0.0"
expect_equal "a second run gives the same checksums" "$(cat "$work/first/SHA256SUMS")" "$(cat "$work/second/SHA256SUMS")"
expect_equal "SHA256SUMS names the zip and the installer" "$zip_name
$setup_name" "$(awk '{print $2}' "$work/first/SHA256SUMS")"
(cd "$work/first" && sha256sum --quiet -c SHA256SUMS) && pass "the checksums match the files" ||
    fail "the checksums do not match the files"
pe_header() { od -An -tu4 -j 60 -N 4 "$1" | tr -d ' '; }
expect_equal "the exe's PE header carries no link time" "0" \
    "$(od -An -tu4 -j $(( $(pe_header "$exe") + 8 )) -N 4 "$exe" | tr -d ' ')"
expect_equal "tarv.exe's PE header carries no link time" "0" \
    "$(od -An -tu4 -j $(( $(pe_header "$console") + 8 )) -N 4 "$console" | tr -d ' ')"
# The optional header's subsystem: 3 for a console program, which never opens a window.
expect_equal "tarv.exe is a console program" "3" \
    "$(od -An -tu2 -j $(( $(pe_header "$console") + 92 )) -N 2 "$console" | tr -d ' ')"

# --- The portable zip -------------------------------------------------------------------------
expect_equal "the zip holds exactly the five files" "LICENSE.txt
README.txt
TarvelixHelpEn.chm
ZemTarvelix.exe
tarv.exe" "$(unzip -Z1 "$work/first/$zip_name")"
unzip -p "$work/first/$zip_name" ZemTarvelix.exe | cmp -s - "$exe" && pass "the zip's exe is the built one" ||
    fail "the zip's exe differs from the built one"
unzip -p "$work/first/$zip_name" tarv.exe | cmp -s - "$console" && pass "the zip's tarv.exe is the built one" ||
    fail "the zip's tarv.exe differs from the built one"
unzip -p "$work/first/$zip_name" README.txt | grep -q "^Version $version" && pass "README.txt names the version" ||
    fail "README.txt does not name version $version"

# --- The installer ----------------------------------------------------------------------------
start_wine
reg_value() {  # key, value name: the data as reg shows it
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
windows_path() { wine cmd /c echo "$1" 2>/dev/null | tr -d '\r'; }
unix_path() {  # a path on drive C: in the prefix
    local below=${1#[Cc]:}
    echo "$WINEPREFIX/drive_c${below//\\//}"
}
wait_until_gone() {  # unix path: the uninstaller runs on from a copy of itself
    [ -n "$1" ] || return 1
    local i
    for i in $(seq 1 120); do
        [ -e "$1" ] || return 0
        sleep 0.5
    done
    return 1
}
shortcut() { find "$WINEPREFIX/drive_c" -path "*Start Menu/Programs/Zem Tarvelix.lnk" 2>/dev/null; }

user_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZemTarvelix'
machine_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZemTarvelix'
settings_key='HKCU\Software\Zem\Tarvelix\Features'

wine "$work/older/ZemTarvelix-0.9.0.0-setup.exe" /S && pass "the older version installs silently" ||
    fail "the older version's silent install"
expect_equal "the older version is registered" "0.9.0.0" "$(reg_value "$user_key" DisplayVersion)"
wine reg add "$settings_key" /v BasePath /d 'C:\kept' /f >/dev/null 2>&1

wine "$work/first/$setup_name" /S && pass "version $version installs silently over it" ||
    fail "the silent install over the older version"
folder=$(windows_path '%LOCALAPPDATA%')'\Programs\Zem Tarvelix'
unix_folder=$(unix_path "$folder")
for file in ZemTarvelix.exe tarv.exe TarvelixHelpEn.chm README.txt LICENSE.txt Uninstall.exe; do
    [ -f "$unix_folder/$file" ] && pass "installed for the user: $file" || fail "not installed: $unix_folder/$file"
done
cmp -s "$unix_folder/ZemTarvelix.exe" "$exe" && pass "the installed exe is the built one" ||
    fail "the installed exe differs from the built one"
cmp -s "$unix_folder/tarv.exe" "$console" && pass "the installed tarv.exe is the built one" ||
    fail "the installed tarv.exe differs from the built one"
[ -n "$(shortcut)" ] && pass "the Start-menu shortcut exists" || fail "no Start-menu shortcut"
expect_equal "DisplayName" "Zem Tarvelix" "$(reg_value "$user_key" DisplayName)"
expect_equal "DisplayVersion" "$version" "$(reg_value "$user_key" DisplayVersion)"
expect_equal "Publisher" "Zem Software" "$(reg_value "$user_key" Publisher)"
expect_equal "DisplayIcon" "$folder\\ZemTarvelix.exe,0" "$(reg_value "$user_key" DisplayIcon)"
expect_equal "InstallLocation" "$folder" "$(reg_value "$user_key" InstallLocation)"
expect_equal "UninstallString" "\"$folder\\Uninstall.exe\"" "$(reg_value "$user_key" UninstallString)"
expect_equal "QuietUninstallString" "\"$folder\\Uninstall.exe\" /S" "$(reg_value "$user_key" QuietUninstallString)"
size=$(reg_value "$user_key" EstimatedSize)
[ -n "$size" ] && [ $((size)) -gt 500 ] && pass "EstimatedSize $((size)) KB" || fail "EstimatedSize [$size]"
expect_equal "the upgrade keeps the settings" 'C:\kept' "$(reg_value "$settings_key" BasePath)"

wine "$window_check" "$folder\\ZemTarvelix.exe" TForm1 60 && pass "the installed program shows its main window" ||
    fail "the installed program showed no main window"

# An install while the program runs: the silent installer stops and changes nothing.
wine "$window_check" "$folder\\ZemTarvelix.exe" TForm1 60 --keep >/dev/null
wine "$work/older/ZemTarvelix-0.9.0.0-setup.exe" /S
expect_equal "an install while the program runs ends with code 2" 2 "$?"
expect_equal "and leaves the installed version" "$version" "$(reg_value "$user_key" DisplayVersion)"
wine taskkill /f /im ZemTarvelix.exe >/dev/null 2>&1
sleep 1

wine "$folder\\Uninstall.exe" /S
wait_until_gone "$unix_folder" && pass "the silent uninstall removes the folder" ||
    fail "the folder is still there: $(ls "$unix_folder" 2>&1 | tr '\n' ' ')"
[ -z "$(shortcut)" ] && pass "the shortcut is gone" || fail "the shortcut is still there"
wine reg query "$user_key" >/dev/null 2>&1 && fail "the uninstall entry is still there" ||
    pass "the uninstall entry is gone"
expect_equal "the silent uninstall keeps the settings" 'C:\kept' "$(reg_value "$settings_key" BasePath)"

# For all users, into a folder chosen with /D=.
wine "$work/first/$setup_name" /S /AllUsers '/D=C:\ZemChosen' && pass "installs silently for all users" ||
    fail "the silent install for all users"
[ -f "$(unix_path 'C:\ZemChosen\ZemTarvelix.exe')" ] && pass "installed into the folder /D= chose" ||
    fail "nothing in C:\\ZemChosen"
[ -f "$(unix_path 'C:\ZemChosen\tarv.exe')" ] && pass "tarv.exe installed beside it" ||
    fail "no tarv.exe in C:\\ZemChosen"
expect_equal "the machine-wide entry" '"C:\ZemChosen\Uninstall.exe" /AllUsers /S' \
    "$(reg_value "$machine_key" QuietUninstallString)"
case $(shortcut) in
    *ProgramData*) pass "the shortcut is everyone's" ;;
    *) fail "the all-users shortcut is at [$(shortcut)]" ;;
esac
wine "$work/first/$setup_name" /S /AllUsers
expect_equal "an install without /D= goes where the earlier one went" 'C:\ZemChosen' \
    "$(reg_value "$machine_key" InstallLocation)"
wine 'C:\ZemChosen\Uninstall.exe' /AllUsers /S
wait_until_gone "$(unix_path 'C:\ZemChosen')" && pass "the all-users uninstall removes the folder" ||
    fail "C:\\ZemChosen is still there"
wine reg query "$machine_key" >/dev/null 2>&1 && fail "the machine-wide entry is still there" ||
    pass "the machine-wide entry is gone"

echo "$failures failure(s)"
[ "$failures" -eq 0 ]
