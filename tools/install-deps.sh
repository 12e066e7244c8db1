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
# Another apt or dpkg run (an update, a desktop's updater) holds apt's locks for a while: wait
# for it instead of failing at once. apt waits for dpkg's locks when told to, quietly with -qq,
# but not for the package lists' or the downloads' lock; so this waits, saying so, while
# /proc/locks shows another process holding one.
wait_lock=(-o DPkg::Lock::Timeout=600)
wait_for() {
    local major minor inode waited
    read -r major minor inode < <(stat -c '%Hd %Ld %i' "$1" 2>/dev/null) || return 0
    for ((waited = 0; waited < 600; waited++)); do
        grep -q " $(printf '%02x:%02x:%s' "$major" "$minor" "$inode") " /proc/locks || return 0
        [ $waited -eq 0 ] && echo "Waiting for another apt run to let go of $1"
        sleep 1
    done
}
wait_for /var/lib/apt/lists/lock
$SUDO apt-get "${wait_lock[@]}" update -qq
wait_for /var/lib/dpkg/lock-frontend
wait_for /var/cache/apt/archives/lock
DEBIAN_FRONTEND=noninteractive $SUDO apt-get "${wait_lock[@]}" install -y -qq \
    --no-install-recommends "${missing[@]}"
