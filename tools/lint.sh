#!/usr/bin/env bash
# The sources' layout and the scripts' likely mistakes: clang-format over the C++, shellcheck over
# the shell scripts, eslint over the browser page's and service worker's scripts and pyflakes (by
# way of flake8, whose "# noqa" marks a wrong finding in place) over the Python. Every checker
# runs, and the first to find anything fails it.
set -uo pipefail
cd "$(dirname "$0")/.." || exit
status=0
fail() { status=1; }

mapfile -t cpp < <(find app content drills numedit chart tests bench \
    \( -name '*.cpp' -o -name '*.h' \) | sort)
echo "clang-format: ${#cpp[@]} files"
clang-format --dry-run -Werror "${cpp[@]}" || fail

echo "shellcheck: tools/*.sh .ci/run"
shellcheck -x -P SCRIPTDIR tools/*.sh .ci/run || fail

# Debian's eslint lives in /usr/share/nodejs, which a Node.js from elsewhere does not search. The
# build stamps values into the scripts' @NAME@ marks; each is read with a stand-in there.
mapfile -t js < <(find app/web -name '*.js' | sort)
echo "eslint: ${js[*]}"
for file in "${js[@]}"; do
    sed -E 's/@[A-Z_]+@/0/g' "$file" |
        NODE_PATH=/usr/share/nodejs eslint --format unix --stdin --stdin-filename "$file" || fail
done

mapfile -t py < <(find tests tools bench app/web -name '*.py' | sort)
echo "pyflakes: ${#py[@]} files"
/usr/bin/python3 -m flake8 --select=F "${py[@]}" || fail

exit $status
