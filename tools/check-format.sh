#!/usr/bin/env bash
# Whether the product code is formatted as .clang-format says; lists the
# files that are not and how to fix them. Tests, benchmarks and fuzz
# targets are left to their authors.
set -euo pipefail
source_dir=${1:-$(dirname "$0")/..}
cd "$source_dir"
if ! command -v clang-format >/dev/null; then
    echo "clang-format is not installed: sudo apt-get install -y clang-format" >&2
    exit 1
fi
mapfile -t files < <(find app cli config context controls dialogs files platform registry settings tools ui wine \
    \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | sort)
unformatted=()
for file in "${files[@]}"; do
    clang-format --dry-run --Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
if ((${#unformatted[@]})); then
    echo "Not formatted as .clang-format says:" >&2
    printf '  %s\n' "${unformatted[@]}" >&2
    echo "Fix with: clang-format -i ${unformatted[*]}" >&2
    exit 1
fi
echo "${#files[@]} files formatted"
