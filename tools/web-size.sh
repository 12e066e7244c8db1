#!/usr/bin/env bash
# Prints the site's files with their sizes as stored and as served gzip-compressed, and the
# whole; fails when the compressed whole exceeds 8 MB.
# usage: tools/web-size.sh SITE_DIR
set -euo pipefail
cd "$1"
total=0
printf '%-24s %10s %10s\n' file bytes gzip
for file in *; do
    size=$(stat -c %s "$file")
    packed=$(gzip -9 -c "$file" | wc -c)
    total=$((total + packed))
    printf '%-24s %10d %10d\n' "$file" "$size" "$packed"
done
printf '%-24s %10s %10d\n' 'whole site (gzip)' '' "$total"
limit=$((8 * 1000 * 1000))
if [ "$total" -gt "$limit" ]; then
    echo "The site is larger than 8 MB when compressed." >&2
    exit 1
fi
