#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The packaging agrees with CMakeLists.txt and with itself: debian/changelog
# names the upstream version with a Debian revision and the release date,
# the source package is not native, the licences are stated where a
# distribution looks for them (the metainfo's own FSFAP included), the
# upstream release is watched, and no placeholder name is left.
# usage: package_sources_test.sh SOURCE_DIR VERSION RELEASE_DATE
set -euo pipefail
src=$1 version=$2 released=$3
. "$(dirname "$0")/lib.sh"
cd "$src"

head -n1 debian/changelog | grep -q -x "vezuvire ($version-[1-9][0-9]*) unstable; urgency=medium" ||
    fail "debian/changelog does not start with version $version and a Debian revision"
when=$(sed -n 's/^ -- .*>  \(.*\)$/\1/p' debian/changelog | head -n1)
[ "$(date -u -d "$when" +%F)" = "$released" ] || fail "debian/changelog is dated $when, not $released"
grep -q -x 'License: GPL-3+' debian/copyright || fail "debian/copyright licence"
grep -q '/usr/share/common-licenses/GPL-3' debian/copyright || fail "debian/copyright does not point to the licence text"
grep -q -x 'Copyright: 2026 The Vezuvire developers' debian/copyright || fail "debian/copyright holder"
grep -q 'GNU GENERAL PUBLIC LICENSE' COPYING && grep -q 'Version 3, 29 June 2007' COPYING || fail "COPYING is not the GPL 3"
grep -q 'GPL-3.0-or-later' README.md || fail "README.md does not state the licence"
grep -q -x 'Source: vezuvire' debian/control && grep -q -x 'Section: games' debian/control || fail "debian/control"
grep -q 'hardening=+all' debian/rules || fail "debian/rules without hardening"
grep -q -x '3.0 (quilt)' debian/source/format || fail "debian/source/format"
# every file under a licence debian/copyright states: the metainfo's own
# SPDX line is FSFAP, and debian/copyright says so for exactly that file
for f in $(git ls-files 2> /dev/null || find . -type f); do
    lic=$(head -n3 "$f" 2> /dev/null | sed -n 's/.*SPDX-License-Identifier: \([A-Za-z0-9.+-]*\).*/\1/p' | head -n1)
    case "$lic" in
        ''|GPL-3.0-or-later) ;;
        FSFAP) grep -q -x "Files: $f" debian/copyright || fail "debian/copyright does not give $f its FSFAP licence" ;;
        *) fail "$f is under $lic, which debian/copyright does not know" ;;
    esac
done
grep -q -x 'License: FSFAP' debian/copyright || fail "debian/copyright lacks the FSFAP licence text"
grep -q '^ *https://github.com/vezuvire/vezuvire/releases/download/.*vezuvire-@ANY_VERSION@@ARCHIVE_EXT@' debian/watch ||
    fail "debian/watch does not look for the release tarballs"
grep -q -x 'version=4' debian/watch || fail "debian/watch version"
for field in Bug-Database Bug-Submit Repository Repository-Browse; do
    grep -q "^$field: https://github.com/vezuvire/vezuvire" debian/upstream/metadata || fail "debian/upstream/metadata lacks $field"
done
# what the package says of the game stays true: no count of strengths that
# a new level would make false, both languages, every file the game keeps
for f in debian/control dist/vezuvire.metainfo.xml.in dist/vezuvire.6.in; do
    ! grep -q -i -E '(three|five) strengths|all text[a-z ]* is japanese|speaks japanese\.' "$f" ||
        fail "$f says something of the game that is not true"
    grep -q 'English' "$f" || fail "$f does not say the game speaks English"
done
for kept in Vezuvire.ini Vezuvire.prefs Vezuvire.autosave Vezuvire.autosave.old Vezuvire.autosave.damaged \
            Vezuvire.autosave.lock; do
    grep -q -x "\.I $kept" dist/vezuvire.6.in || fail "the manual page's FILES lack $kept"
done
# no placeholder identity anywhere in the sources
left=$(grep -r -l -I -e 'example\.org' -e 'org\.example' -e 'all rights reserved' -i \
    --exclude-dir=.git --exclude-dir='build*' --exclude-dir='obj-*' --exclude=package_sources_test.sh . || true)
[ -z "$left" ] || fail "placeholder names left in: $left"
# the packaging's own files carry the licence line
for f in CMakeLists.txt Makefile cmake/*.cmake debian/control debian/rules debian/source/options debian/watch \
         debian/upstream/metadata dist/*.in tests/install/*.sh tools/*.sh; do
    head -n3 "$f" | grep -q 'SPDX-License-Identifier: ' || fail "$f has no SPDX line"
done
echo "package sources: ok"
