#!/usr/bin/env bash
# Removes a real-client test's scratch folder and never fails on what desktop services left in
# it: processes still running with their runtime folder there are stopped, and mounts inside it
# (the document portal's FUSE mount under runtime/doc) are let go first.
# usage: tools/remove-scratch.sh FOLDER
folder=$(realpath -m "$1")
[ -d "$folder" ] || exit 0
# This script and the test that calls it may share that runtime folder: they are spared.
spared=" "
pid=$$
while [ "$pid" -gt 1 ]; do
    spared+="$pid "
    pid=$(awk '{print $4}' "/proc/$pid/stat" 2>/dev/null || echo 1)
done
for environ in /proc/[0-9]*/environ; do
    pid=${environ#/proc/}
    pid=${pid%/environ}
    [[ $spared == *" $pid "* ]] && continue
    if { tr '\0' '\n' <"$environ"; } 2>/dev/null | grep -qx "XDG_RUNTIME_DIR=$folder.*"; then
        kill "$pid" 2>/dev/null
    fi
done
awk -v folder="$folder" 'index($2, folder "/") == 1 {print $2}' /proc/mounts | sort -r |
    while read -r mount; do
        fusermount3 -uz "$mount" 2>/dev/null || fusermount -uz "$mount" 2>/dev/null ||
            umount -l "$mount" 2>/dev/null || true
    done
rm -rf "$folder" 2>/dev/null || echo "Left behind: part of $folder" >&2
exit 0
