#!/usr/bin/env bash
# Fails when a source file under src/, tests/ or bench/ differs from what clang-format makes of it,
# and lists those files. "scripts/check-format.sh --fix" formats them in place.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(find src tests bench -name '*.h' -o -name '*.cpp' | sort)
if [ "${1:-}" = --fix ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
unformatted=()
for file in "${files[@]}"; do
  if ! clang-format --dry-run --Werror "$file" >/dev/null 2>&1; then unformatted+=("$file"); fi
done
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "check-format: these files differ from clang-format (scripts/check-format.sh --fix):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  exit 1
fi
