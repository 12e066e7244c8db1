#!/usr/bin/env bash
# Installs the Debian packages Radixtrek needs to build, run and test, and only those missing.
# Extra packages for a particular job may be given as arguments, e.g. clang for the fuzzers.
set -eu

packages=(
    cmake make g++ pkg-config
    qt6-base-dev libgl-dev libxcb1-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-ipafont qt6-translations-l10n
    "$@"
)

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$p")
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing Debian packages: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1 && sudo -n true 2>/dev/null; then
        SUDO=sudo
    else
        echo "These packages are missing and installing them needs root:" >&2
        echo "    sudo apt-get install ${missing[*]}" >&2
        echo "Run that command (or run make as root), then try again." >&2
        exit 1
    fi
else
    SUDO=
fi
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
