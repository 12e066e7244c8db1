#!/usr/bin/env bash
# Checks the Debian package as a user's machine would get it: its control fields and files,
# the desktop entry and metainfo against their validators, that every library of the installed
# program is found, and that the installed program starts and keeps running until it is told
# to stop. Usage: tools/package-test.sh PACKAGE.deb
set -euo pipefail

deb=$1
app_id=org.example.radixtrek
scratch=$(mktemp -d)
program=
trap '[ -n "$program" ] && kill -KILL "$program" 2>/dev/null; rm -rf "$scratch"' EXIT

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
field() { dpkg-deb -f "$deb" "$1"; }

echo "Checking $deb"

# Control fields
[ "$(field Package)" = radixtrek ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = 1.0 ] || fail "Version is '$(field Version)'"
[ "$(field Section)" = education ] || fail "Section is '$(field Section)'"
[ "$(field Maintainer)" = "Radixtrek Project <radixtrek@example.org>" ] ||
    fail "Maintainer is '$(field Maintainer)'"
depends=$(field Depends)
for needed in fonts-ipafont qt6-translations-l10n qt6-qpa-plugins libqt6widgets6 libqt6gui6 libqt6core6; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

# Exactly the program and its desktop files, under /usr: no tests, no screenshot tool.
expected="./usr/bin/radixtrek
./usr/share/applications/$app_id.desktop
./usr/share/doc/radixtrek/copyright
./usr/share/icons/hicolor/32x32/apps/$app_id.png
./usr/share/icons/hicolor/scalable/apps/$app_id.svg
./usr/share/metainfo/$app_id.metainfo.xml"
actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
[ "$actual" = "$expected" ] || fail "the package holds other files than expected:
$(diff <(echo "$expected") <(echo "$actual") || true)"

dpkg -x "$deb" "$scratch/root"
root=$scratch/root/usr
desktop=$root/share/applications/$app_id.desktop
metainfo=$root/share/metainfo/$app_id.metainfo.xml

# Desktop entry and metainfo
desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $app_id.desktop"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $app_id.metainfo.xml"
grep -qx "Exec=radixtrek" "$desktop" || fail "the desktop entry does not start radixtrek"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"
grep -q "<binary>radixtrek</binary>" "$metainfo" || fail "the metainfo does not provide radixtrek"

# Icons: a 32 x 32 PNG (width and height are the IHDR's first eight bytes) and an SVG of the
# same grid.
png=$root/share/icons/hicolor/32x32/apps/$app_id.png
header=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
[ "${header:0:16}" = 89504e470d0a1a0a ] || fail "$app_id.png is no PNG"
[ "${header:32:16}" = 0000002000000020 ] || fail "$app_id.png is not 32 x 32"
grep -q 'viewBox="0 0 32 32"' "$root/share/icons/hicolor/scalable/apps/$app_id.svg" ||
    fail "$app_id.svg has no 32 x 32 view box"

# Libraries
if libraries=$(ldd "$root/bin/radixtrek" 2>&1); then
    missing=$(grep 'not found' <<<"$libraries" || true)
    [ -z "$missing" ] || fail "libraries not found:
$missing"
else
    fail "ldd cannot read radixtrek: $libraries"
fi

# The installed program, headless. It has no quit command: it should still be running after a
# while and then end on SIGTERM (exit status 128 + 15), not on its own.
mkdir -m 700 "$scratch/runtime"
XDG_RUNTIME_DIR=$scratch/runtime QT_QPA_PLATFORM=offscreen \
    "$root/bin/radixtrek" >"$scratch/program.log" 2>&1 </dev/null &
program=$!
sleep 2
if kill -0 "$program" 2>/dev/null; then
    kill -TERM "$program"
    for _ in $(seq 50); do
        kill -0 "$program" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$program" 2>/dev/null; then
        fail "radixtrek was still running 5 s after SIGTERM"
        kill -KILL "$program"
        wait "$program" || true
    else
        status=0
        wait "$program" || status=$?
        [ "$status" -eq 143 ] || fail "radixtrek ended with status $status on SIGTERM"
    fi
else
    status=0
    wait "$program" || status=$?
    fail "radixtrek ended by itself with status $status within 2 s"
fi
program=
if [ -s "$scratch/program.log" ]; then
    echo "radixtrek printed:"
    sed 's/^/    /' "$scratch/program.log"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures package check(s) failed" >&2
    exit 1
fi
echo "The package passed every check"
