#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence identifier on the first line of every tracked source file:
# `// SPDX-License-Identifier: GPL-3.0-or-later` in C++ files, `# ...` in CMake
# and shell files (after the shebang, which must stay first). Files that already
# carry the line are left alone, so running it again changes nothing.
#
#   scripts/spdx-headers.sh          add the line where it is missing
#   scripts/spdx-headers.sh --check  change nothing; list the files that lack it
#                                    and exit 1 when there is any
set -euo pipefail
cd "$(dirname "$0")/.."
id="SPDX-License-Identifier: GPL-3.0-or-later"
check=false
case "${1:-}" in
  "") ;;
  --check) check=true ;;
  *) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac

# Tracked files when this is a git checkout, else every file below the tree
# (a source tarball), build folders aside.
list_files() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z
  else
    find . -path './build*' -prune -o -type f -print0 | sed -z 's|^\./||'
  fi
}

missing=0
while IFS= read -r -d '' file; do
  case "$file" in
    *.cpp | *.h) comment="//" ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh) comment="#" ;;
    *) continue ;;
  esac
  [ -f "$file" ] || continue  # deleted in the work tree but still tracked
  line="$comment $id"
  shebang=false
  head -c 2 "$file" | grep -q '^#!' && shebang=true
  # Already there: the first line, or the second after a shebang.
  if $shebang; then first=$(sed -n 2p "$file"); else first=$(sed -n 1p "$file"); fi
  [ "$first" = "$line" ] && continue
  missing=$((missing + 1))
  if $check; then
    echo "$file"
    continue
  fi
  tmp=$(mktemp "$file.XXXXXX")
  if $shebang; then
    { head -n 1 "$file"; echo "$line"; tail -n +2 "$file"; } >"$tmp"
  else
    { echo "$line"; cat "$file"; } >"$tmp"
  fi
  chmod --reference="$file" "$tmp"
  mv "$tmp" "$file"
done < <(list_files)

if $check && [ "$missing" -gt 0 ]; then
  echo "$missing source file(s) above lack the line \"$id\": run scripts/spdx-headers.sh" >&2
  exit 1
fi
exit 0
