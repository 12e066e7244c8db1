#!/usr/bin/env bash
# The Windows installer under Wine, as a learner installs it: silently into a fresh Wine prefix,
# then checks the installed files against the packed program folder, the Start-menu shortcut
# and the Apps & features entry; starts the installed program with Qt's Windows platform plugin
# on the X display of the environment (Xvfb, framed by openbox) and checks its client area;
# saves a screenshot; uninstalls silently and checks that nothing of it is left.
# usage: installer_test.sh SETUP.exe STAGED-FOLDER SCREENSHOT.png        (run by tools/)
set -euo pipefail
setup=$(realpath "$1")
staged=$(realpath "$2")
screenshot=$3
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
windows_path() { wine cmd /c "echo $1" 2>/dev/null | tr -d '\r'; }
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Radixtrek'

wineboot -i >/dev/null 2>&1
wine "$setup" /S
wineserver -w
folder=$(winepath -u "$(windows_path '%LOCALAPPDATA%')\\Programs\\Radixtrek")
shortcut=$(winepath -u "$(windows_path '%APPDATA%')\\Microsoft\\Windows\\Start Menu\\Programs\\Radixtrek.lnk")
echo "installed into $folder"

# Exactly the packed files, and the uninstaller.
diff <(cd "$staged" && find . -type f | sort) \
     <(cd "$folder" && find . -type f ! -name uninstall.exe | sort) || fail "installed files differ"
[ -f "$folder/uninstall.exe" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
entry=$(wine reg query "$key" 2>/dev/null | tr -d '\r')
for value in "DisplayName    REG_SZ    Radixtrek" "DisplayVersion    REG_SZ    1.0" \
             "Publisher    REG_SZ    Radixtrek Project" "DisplayIcon    REG_SZ" \
             "QuietUninstallString    REG_SZ"; do
    grep -qF "$value" <<<"$entry" || fail "the uninstall entry lacks $value"
done

# The installed program, started as the shortcut starts it.
(cd "$folder" && exec wine radixtrek.exe) &
window=
for _ in $(seq 1 120); do
    window=$(xdotool search --onlyvisible --name '^Radixtrek$' 2>/dev/null | head -1) || true
    [ -n "$window" ] && break
    sleep 0.5
done
[ -n "$window" ] || fail "the program's window did not appear"
if [ -n "$window" ]; then
    size=$(xwininfo -id "$window" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')
    echo "client area $size"
    [ "$size" = 1016x594 ] || fail "client area $size, not 1016x594"
    sleep 2 # the first paint
    import -window "$window" "$screenshot"
    wmctrl -c Radixtrek
fi
wineserver -w

wine "$folder/uninstall.exe" /S
wineserver -w
[ ! -e "$folder" ] || fail "left behind: $(cd "$folder" && find . | tr '\n' ' ')"
[ ! -e "$shortcut" ] || fail "the shortcut is left"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstall entry is left"

[ "$failures" -eq 0 ] && echo "installed, started, uninstalled: nothing left"
exit "$failures"
