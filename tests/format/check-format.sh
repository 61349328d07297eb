#!/bin/sh
# Fails naming each C and C++ file of the source tree ROOT that the
# repository's .clang-format would lay out otherwise, with the change it would
# make; hand-laid tables between "// clang-format off" and "// clang-format on"
# stay as they are. Where the formatter is missing it says so and exits 77,
# which the test run counts as skipped.
# Usage: check-format.sh ROOT
root=$1
formatter=$(command -v clang-format-14 || command -v clang-format)
if [ -z "$formatter" ]; then
    echo "clang-format is missing: the sources' format is not checked (./scripts/install-deps.sh installs it)"
    exit 77
fi
cd "$root" || exit 2
if [ ! -f .clang-format ]; then
    echo "$root has no .clang-format"
    exit 2
fi
folders=
for folder in app comm controls html pages start text tools units tests; do
    [ -d "$folder" ] && folders="$folders $folder"
done
files=$(find $folders -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) | sort)
[ -n "$files" ] || exit 0
report=$("$formatter" --dry-run --Werror $files 2>&1) && exit 0
unformatted=$(echo "$report" | sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' | sort -u)
if [ -z "$unformatted" ]; then
    echo "$report"
    echo "$formatter failed"
    exit 2
fi
for file in $unformatted; do
    "$formatter" "$file" | diff -u "$file" - | head -n 30
done
count=$(echo "$unformatted" | wc -l)
echo "$count file(s) differ from .clang-format; lay them out with: $formatter -i FILE"
exit 1
