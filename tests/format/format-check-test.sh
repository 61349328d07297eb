#!/bin/sh
# Runs check-format.sh on a small tree of its own beside the repository's
# .clang-format: a file laid out as the format says, with a hand-laid table,
# and two that are not, one of them C.
# Usage: format-check-test.sh CASE SOURCE_DIR
case_name=$1
source_dir=$2
check=$(dirname "$0")/check-format.sh

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/tree/app" "$work/tree/units/core" "$work/tree/tests" "$work/empty"
cp "$source_dir/.clang-format" "$work/tree/"
cat > "$work/tree/app/Formatted.cpp" <<'CODE'
#include <array>

// clang-format off
const std::array<int, 4> kTable = {
    1,   20,
    300, 4,
};
// clang-format on

int Twice(int value)
{
    return 2 * value;
}
CODE
printf 'int  Twice( int value ) { return 2*value; }\n' > "$work/tree/units/core/Spaced.h"
printf 'static void *Found(void *context)\n{\n    return context;\n}\n' > "$work/tree/tests/client.c"

status=0
case "$case_name" in
    FormatCheckNamesEachUnformattedFile)
        output=$(sh "$check" "$work/tree") || status=$?
        [ "$status" -eq 77 ] && exit 77
        echo "$output"
        [ "$status" -eq 1 ] || { echo "exit status $status, expected 1"; exit 1; }
        for wanted in "--- tests/client.c" "--- units/core/Spaced.h" "2 file(s) differ from .clang-format"; do
            echo "$output" | grep -qF -- "$wanted" || { echo "missing: $wanted"; exit 1; }
        done
        if echo "$output" | grep -qF "Formatted.cpp"; then
            echo "named a formatted file"
            exit 1
        fi ;;
    FormatCheckIsSkippedWithoutTheFormatter)
        output=$(PATH="$work/empty" /bin/sh "$check" "$work/tree") || status=$?
        echo "$output"
        [ "$status" -eq 77 ] || { echo "exit status $status, expected 77"; exit 1; }
        echo "$output" | grep -qF "clang-format is missing" || exit 1 ;;
    *)
        echo "unknown case $case_name"
        exit 2 ;;
esac
