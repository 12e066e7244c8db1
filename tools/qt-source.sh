#!/usr/bin/env bash
# Unpacks Debian 12's qt6-base 6.4.2 source into WORKDIR/qtbase-everywhere-src-6.4.2, unless it
# is there already. The source package is fetched through a private sources list built from
# the machine's own Debian entry, so the machine's apt configuration is left as it was.
# usage: tools/qt-source.sh WORKDIR
set -euo pipefail
work=$(realpath -m "$1")
mkdir -p "$work" && cd "$work"
[ -d qtbase-everywhere-src-6.4.2 ] && exit 0
mkdir -p apt/lists/partial apt/sources
uris=$(awk '/^URIs:/{print $2; exit}' /etc/apt/sources.list.d/debian.sources)
printf 'Types: deb-src\nURIs: %s\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' \
    "$uris" > apt/sources/src.sources
opts=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$work/apt/sources"
      -o Dir::State::Lists="$work/apt/lists")
apt-get "${opts[@]}" update -q >/dev/null
apt-get "${opts[@]}" source --download-only qt6-base=6.4.2+dfsg-10 >/dev/null
tar xJf qt6-base_6.4.2+dfsg.orig.tar.xz
