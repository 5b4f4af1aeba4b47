#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tessalin developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Every source, script and build file states its licence in its first lines; the files that
# cannot carry a comment are listed in REUSE.toml.
#   tests/licence_headers_test.sh <source folder>
set -euo pipefail
cd "$1"
missing=0
while IFS= read -r -d '' file; do
  if ! head -n 6 "$file" | grep -q "SPDX-License-Identifier: "; then
    echo "no licence header: $file"
    missing=$((missing + 1))
  fi
done < <(find . -path ./build -prune -o -path ./.git -prune -o -type f \
  \( -name '*.cpp' -o -name '*.h' -o -name '*.cmake' -o -name CMakeLists.txt -o -name '*.sh' \
  -o -name '*.rc' -o -name '*.manifest' -o -name '*.desktop' -o -name '*.xml' -o -name '*.svg' \
  -o -name '*.1' -o -path ./.ci/run -o -path './tools/*' \) -print0)
[ -f LICENSES/GPL-3.0-or-later.txt ] || { echo "LICENSES/GPL-3.0-or-later.txt is missing"; missing=$((missing + 1)); }
echo "$missing files without a licence header"
[ "$missing" -eq 0 ]
