#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tessalin developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Debian package as a distribution would take it: built by cpack from this release build,
# with the files and control fields it must have, a valid desktop file and metainfo, manual pages
# that render without warnings, and no lintian error or warning.
#   tests/packaging_test.sh <release build folder> <source folder> <version>
set -uo pipefail
build=$1
source=$2
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passes=0
failures=0
app_id=org.tessalin.Tessalin

expect() {  # description command...
  local what=$1
  shift
  if "$@" >"$work/log" 2>&1; then
    passes=$((passes + 1))
  else
    echo "FAIL $what"
    sed 's/^/  /' "$work/log"
    failures=$((failures + 1))
  fi
}

(cd "$build" && cpack -G DEB -B "$work/cpack" >"$work/cpack.log" 2>&1) || {
  cat "$work/cpack.log"
  exit 1
}
deb="$work/cpack/tessalin_${version}_$(dpkg --print-architecture).deb"
expect "the package is named tessalin_<version>_<arch>.deb" test -f "$deb"

dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$work/contents"
for path in /usr/bin/tessalin /usr/bin/tessalin-snapshot \
  "/usr/share/applications/$app_id.desktop" "/usr/share/metainfo/$app_id.metainfo.xml" \
  "/usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
  /usr/share/man/man1/tessalin.1.gz /usr/share/man/man1/tessalin-snapshot.1.gz \
  /usr/share/doc/tessalin/copyright /usr/share/doc/tessalin/changelog.gz; do
  expect "the package holds $path" grep -qx "$path" "$work/contents"
done
for size in 16 22 32 48 64 128 256; do
  expect "the package holds the ${size} px icon" \
    grep -qx "/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png" "$work/contents"
done

field() { dpkg-deb -f "$deb" "$1"; }
expect "Package is tessalin" test "$(field Package)" = tessalin
expect "Version is $version" test "$(field Version)" = "$version"
expect "Section is education" test "$(field Section)" = education
expect "Maintainer is set" grep -q "@" <(field Maintainer)
expect "Depends comes from dpkg-shlibdeps" grep -q "libqt6widgets6" <(field Depends)
expect "Description has a summary and a long part" test "$(field Description | wc -l)" -gt 3

expect "desktop-file-validate" desktop-file-validate "$source/app/$app_id.desktop"
expect "appstreamcli validate" appstreamcli validate --no-net "$source/app/$app_id.metainfo.xml"
for page in "$source/app/tessalin.1" "$source/tools/tessalin-snapshot.1"; do
  expect "groff -ww $(basename "$page")" bash -c "[ -z \"\$(groff -ww -z -man '$page' 2>&1)\" ]"
  expect "man -l $(basename "$page")" bash -c \
    "[ -z \"\$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l '$page' 2>&1 >/dev/null)\" ]"
done
expect "lintian reports no error and no warning" lintian --fail-on error,warning "$deb"

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
