#!/usr/bin/env bash
# Checks that every tracked C++ file is laid out as .clang-format says, but
# those .clang-format-ignore names (the generated code page table), and names
# each file that differs. --fix rewrites those files instead.
# Usage: scripts/check-format.sh [--fix]
set -euo pipefail
cd "$(dirname "$0")/.."

fix=false
case ${1:-} in
  --fix) fix=true ;;
  "") ;;
  *) echo "usage: scripts/check-format.sh [--fix]" >&2; exit 2 ;;
esac

if ! command -v clang-format >/dev/null; then
  echo "clang-format is not installed (scripts/setup-debian.sh installs it)" >&2
  exit 2
fi
mapfile -t files < <(git ls-files '*.cpp' '*.h' '*.cc' '*.hpp' \
  | grep -v -x -F -f <(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' .clang-format-ignore))
if $fix; then
  printf '%s\0' "${files[@]}" | xargs -0 -n 50 clang-format -i
  exit 0
fi
# One report per place that differs; the file name leads each.
mapfile -t differ < <(printf '%s\0' "${files[@]}" \
  | xargs -0 -n 50 clang-format --dry-run 2>&1 \
  | sed -n -E 's/^([^:]+):[0-9]+:[0-9]+: (warning|error): code should be clang-formatted.*/\1/p' \
  | sort -u)
if [ ${#differ[@]} -gt 0 ]; then
  echo "These ${#differ[@]} C++ files are not laid out as .clang-format says" \
    "(scripts/check-format.sh --fix rewrites them):" >&2
  printf '  %s\n' "${differ[@]}" >&2
  exit 1
fi
echo "Layout: the ${#files[@]} C++ files are laid out as .clang-format says."
