#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Contaperle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian packages (source and binary) with dpkg-buildpackage from a fresh copy of
# the tree in OUT/contaperle-VERSION: nothing of the presets' builds goes in, and the results
# land in OUT. Builds only what the package holds (no tests, no benchmarks), checks the
# results with lintian and prints the .deb's path. Usage: deb.sh OUT_DIR
set -euo pipefail
OUT=$(realpath -m "${1:?usage: deb.sh OUT_DIR}")
cd "$(dirname "$0")/.."
version=$(dpkg-parsechangelog -S Version)
rm -rf "${OUT:?}/contaperle-$version" "$OUT"/contaperle{,-dbgsym}_"$version"[._]*
# dpkg-buildflags maps the build folder out of the debug symbols, and so out of the program's
# build id, only where its path holds nothing but these characters: elsewhere (a space, say)
# the packages are made in a folder of /tmp and moved.
safe='^[-+:.0-9a-zA-Z~/_]+$' DIR=$OUT
[[ $OUT =~ $safe ]] || DIR=$(mktemp -d /tmp/contaperle-deb.XXXXXX)
mkdir -p "$OUT" "$DIR/contaperle-$version"

# The tracked files when git knows them, else everything but the builds. dpkg-source packs
# the times and permissions it finds, so neither may depend on the clone or the umask: every
# file and folder is dated the newest changelog entry, and readable by all, executable where
# git says so.
if git ls-files --error-unmatch CMakeLists.txt >/dev/null 2>&1; then
    git ls-files -z | tar --null -T - -cf -
else
    tar --exclude=./build --exclude=./.git -cf - .
fi | tar -C "$DIR/contaperle-$version" --no-same-permissions -xf -
chmod -R u=rwX,go=rX "$DIR/contaperle-$version"
find "$DIR/contaperle-$version" -exec touch -h -d "@$(dpkg-parsechangelog -S Timestamp)" {} +

log=$OUT/contaperle_${version}_build.log
(cd "$DIR/contaperle-$version" && DEB_BUILD_OPTIONS="nocheck ${DEB_BUILD_OPTIONS:-}" \
    dpkg-buildpackage -us -uc) >"$log" 2>&1 || { tail -30 "$log" >&2; echo "$0: dpkg-buildpackage failed, see $log" >&2; exit 1; }
rm -rf "${DIR:?}/contaperle-$version"
[ "$DIR" = "$OUT" ] || { mv "$DIR"/* "$OUT" && rmdir "$DIR"; }
# Two tags of Debian 13's lintian are expected: Standards-Version is Debian 12's, the oldest
# release supported, and appstream 1.0 wants a homepage the project does not have yet (the
# package test validates the metadata itself and allows that warning alone).
# Debian 12's lintian knows the first tag only, and refuses to suppress a tag it does not know.
expected=$(for tag in out-of-date-standards-version appstream-metadata-validation-failed; do
    if lintian-explain-tags "$tag" >/dev/null 2>&1; then echo "$tag"; fi; done | paste -sd,)
lintian --no-cfg -I --fail-on error,warning,info --suppress-tags "$expected" "$OUT/contaperle_${version}_$(dpkg --print-architecture).changes" >&2 ||
    { echo "$0: lintian found the tags above" >&2; exit 1; }
echo "$OUT/contaperle_${version}_$(dpkg --print-architecture).deb"
