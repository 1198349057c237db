#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The packaging agrees with CMakeLists.txt and with itself: debian/changelog
# names the version and the release date, the licence is stated where a
# distribution looks for it, and no placeholder name is left.
# usage: package_sources_test.sh SOURCE_DIR VERSION RELEASE_DATE
set -euo pipefail
src=$1 version=$2 released=$3
. "$(dirname "$0")/lib.sh"
cd "$src"

head -n1 debian/changelog | grep -q -x "vezuvire ($version) unstable; urgency=medium" ||
    fail "debian/changelog does not start with version $version"
when=$(sed -n 's/^ -- .*>  \(.*\)$/\1/p' debian/changelog | head -n1)
[ "$(date -u -d "$when" +%F)" = "$released" ] || fail "debian/changelog is dated $when, not $released"
grep -q -x 'License: GPL-3+' debian/copyright || fail "debian/copyright licence"
grep -q '/usr/share/common-licenses/GPL-3' debian/copyright || fail "debian/copyright does not point to the licence text"
grep -q -x 'Copyright: 2026 The Vezuvire developers' debian/copyright || fail "debian/copyright holder"
grep -q 'GNU GENERAL PUBLIC LICENSE' COPYING && grep -q 'Version 3, 29 June 2007' COPYING || fail "COPYING is not the GPL 3"
grep -q 'GPL-3.0-or-later' README.md || fail "README.md does not state the licence"
grep -q -x 'Source: vezuvire' debian/control && grep -q -x 'Section: games' debian/control || fail "debian/control"
grep -q 'hardening=+all' debian/rules || fail "debian/rules without hardening"
grep -q -x '3.0 (native)' debian/source/format || fail "debian/source/format"
# no placeholder identity anywhere in the sources
left=$(grep -r -l -I -e 'example\.org' -e 'org\.example' -e 'all rights reserved' -i \
    --exclude-dir=.git --exclude-dir='build*' --exclude-dir='obj-*' --exclude=package_sources_test.sh . || true)
[ -z "$left" ] || fail "placeholder names left in: $left"
# the packaging's own files carry the licence line
for f in CMakeLists.txt Makefile cmake/*.cmake debian/control debian/rules debian/source/options dist/*.in tests/install/*.sh; do
    head -n3 "$f" | grep -q 'SPDX-License-Identifier: ' || fail "$f has no SPDX line"
done
echo "package sources: ok"
