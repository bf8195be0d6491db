#!/usr/bin/env bash
# Checks the layering of src/: a core file never includes a ui header, and the folders inside
# core and inside ui include each other downwards only (the folder graph has no cycle).
# Prints every offending include or cycle and exits non-zero when there is one.
set -euo pipefail
cd "$(dirname "$0")/../src"

status=0

# core never reaches into ui.
if grep -rn --include='*.h' --include='*.cpp' '#include "ui/' core; then
  echo "check-layers: core includes a ui header (above)" >&2
  status=1
fi

# One edge "from to" per include between two folders of the same library.
folder_edges() {
  local library=$1
  grep -rHo --include='*.h' --include='*.cpp' "#include \"$library/[a-z]*/" "$library" |
    sed -E "s|^$library/([a-z]+)/[^:]*:#include \"$library/([a-z]+)/|\1 \2|" |
    awk '$1 != $2' | sort -u
}

for library in core ui; do
  edges=$(folder_edges "$library")
  [ -z "$edges" ] && continue
  # tsort reports every loop it finds on its error stream.
  if ! loops=$(printf '%s\n' "$edges" | tsort 2>&1 >/dev/null) || [ -n "$loops" ]; then
    echo "check-layers: the folders of $library/ include each other in a cycle:" >&2
    printf '%s\n' "$loops" >&2
    echo "the includes between folders of $library/ are:" >&2
    printf '%s\n' "$edges" | sed 's/^\([a-z]*\) /  \1 -> /' >&2
    status=1
  fi
done
exit $status
