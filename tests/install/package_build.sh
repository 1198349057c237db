#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian source and binary packages of the sources in SOURCE_DIR
# from a copy of them in OUT_DIR/vezuvire-VERSION (the files git tracks, as
# they are in the working tree, or every file but build folders outside a
# git checkout), so that no build folder of the working copy goes along.
# The packages land in OUT_DIR.  SOURCE_DATE_EPOCH defaults to the release
# date in CMakeLists.txt.  Extra arguments go to dpkg-buildpackage.
# usage: package_build.sh SOURCE_DIR OUT_DIR [DPKG-BUILDPACKAGE-ARGS...]
set -euo pipefail
src=$(cd "$1" && pwd) out=$2
shift 2

version=$(sed -n 's/^project(Vezuvire VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
date=$(sed -n 's/^set(VZ_RELEASE_DATE "\([0-9-]*\)")/\1/p' "$src/CMakeLists.txt")
[ -n "$version" ] && [ -n "$date" ] || { echo "no version or release date in CMakeLists.txt" >&2; exit 2; }
export SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(date -u -d "$date 00:00:00" +%s)}

tree=$out/vezuvire-$version
rm -rf "$tree"
mkdir -p "$tree"
if git -C "$src" rev-parse --show-toplevel > /dev/null 2>&1 &&
   [ "$(git -C "$src" rev-parse --show-toplevel)" = "$src" ]; then
    (cd "$src" && git ls-files -z --cached | while IFS= read -r -d '' f; do [ -e "$f" ] && printf '%s\0' "$f"; done |
        tar --null -T - -cf -) | tar -xf - -C "$tree"
else
    (cd "$src" && tar --exclude='./build' --exclude='./build-*' --exclude='./obj-*' --exclude='./.git' -cf - .) |
        tar -xf - -C "$tree"
fi
cd "$tree"
dpkg-buildpackage -us -uc "$@"
