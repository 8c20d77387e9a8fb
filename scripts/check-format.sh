#!/usr/bin/env bash
# Checks that every C++ source under src/ tests/ tools/ bench/ fuzz/ that was changed or added since the
# recorded commit (scripts/format-baseline) is formatted as .clang-format says. Sources nobody has touched
# since then are left as they are. Fails when clang-format or the history it compares with is missing.
# Usage: scripts/check-format.sh [--all]   (--all: check every source file)
set -euo pipefail
cd "$(dirname "$0")/.."
folders=(src tests tools bench fuzz)

if ! command -v clang-format >/dev/null 2>&1; then
  echo "check-format: clang-format is missing (Debian package clang-format)" >&2
  exit 1
fi
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "check-format: not a git checkout, so changed files cannot be told; run with --all" >&2
  exit 1
fi

if [ "${1:-}" = "--all" ]; then
  mapfile -t files < <(git ls-files -- "${folders[@]}" | grep -E '\.(h|cpp)$' || true)
else
  baseline=$(tr -d '[:space:]' < scripts/format-baseline)
  if ! git cat-file -e "${baseline}^{commit}" 2>/dev/null; then
    echo "check-format: commit $baseline (scripts/format-baseline) is not in this clone's history;" \
         "fetch it (git fetch --unshallow) or run with --all" >&2
    exit 1
  fi
  mapfile -t files < <({ git diff --name-only --diff-filter=d "$baseline" -- "${folders[@]}"
                         git ls-files --others --exclude-standard -- "${folders[@]}"; } |
                       grep -E '\.(h|cpp)$' | sort -u || true)
fi

bad=()
for f in "${files[@]}"; do
  [ -f "$f" ] || continue
  if ! clang-format --dry-run -Werror "$f" >/dev/null 2>&1; then
    bad+=("$f")
  fi
done
if [ ${#bad[@]} -gt 0 ]; then
  echo "check-format: ${#bad[@]} of ${#files[@]} files are not formatted; run: clang-format -i ${bad[*]}" >&2
  exit 1
fi
echo "check-format: ${#files[@]} changed or new sources are formatted"
