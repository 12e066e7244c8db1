#!/usr/bin/env bash
# Prints the site's files with their sizes as stored and as served gzip- and brotli-compressed
# (the forms make web writes beside them; a file without them is sent as it is), and the whole;
# fails when the gzip-compressed whole exceeds 8 MB.
# usage: tools/web-size.sh SITE_DIR
set -euo pipefail
cd "$1"
gzip_total=0
brotli_total=0
printf '%-24s %10s %10s %10s\n' file bytes gzip brotli
for file in *; do
    case "$file" in *.gz | *.br) continue ;; esac
    size=$(stat -c %s "$file")
    packed=$size
    [ -f "$file.gz" ] && packed=$(stat -c %s "$file.gz")
    squeezed=$size
    [ -f "$file.br" ] && squeezed=$(stat -c %s "$file.br")
    gzip_total=$((gzip_total + packed))
    brotli_total=$((brotli_total + squeezed))
    printf '%-24s %10d %10d %10d\n' "$file" "$size" "$packed" "$squeezed"
done
printf '%-24s %10s %10d %10d\n' 'whole site' '' "$gzip_total" "$brotli_total"
limit=$((8 * 1000 * 1000))
if [ "$gzip_total" -gt "$limit" ]; then
    echo "The site is larger than 8 MB when compressed." >&2
    exit 1
fi
