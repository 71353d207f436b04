#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Contaperle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a school lab gets it: made twice by tools/deb.sh (dpkg-buildpackage,
# then lintian) from copies at two paths (one with a space), with other umasks, time zones and
# languages, and the two .debs, .dsc files and source tarballs must be byte-identical; then
# unpacked and audited with Debian's own tools, its Depends checked against what the program
# links and loads. Usage: deb.sh  (exit 77 = skipped)
set -euo pipefail
for need in dpkg-buildpackage:dpkg-dev dh:debhelper lintian:lintian qtpaths6:qt6-base-dev-tools \
    desktop-file-validate:desktop-file-utils appstreamcli:appstream fc-match:fontconfig; do
    command -v "${need%%:*}" >/dev/null || { echo "deb.sh: skipped, install the package ${need#*:}" >&2; exit 77; }
done
TOOL=$(dirname "$0")/../../tools/deb.sh
TMP=$(mktemp -d /tmp/contaperle-deb.XXXXXX); trap 'rm -rf "$TMP"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DEB=$(umask 022 && TZ=UTC LC_ALL=C.UTF-8 "$TOOL" "$TMP/a") || fail "tools/deb.sh"
(umask 002 && TZ=Asia/Tokyo LANG=it_IT.UTF-8 LANGUAGE=it "$TOOL" "$TMP/altra cartella/b" >/dev/null 2>&1) || fail "second build"
for made in "$TMP"/a/*.{deb,dsc,tar.xz}; do
    cmp "$made" "$TMP/altra cartella/b/${made##*/}" || fail "two builds of ${made##*/} differ: compare them with diffoscope"
done
ROOT=$TMP/root && dpkg-deb -x "$DEB" "$ROOT"

desktop-file-validate "$ROOT"/usr/share/applications/*.desktop || fail "desktop-file-validate"
# Expected: appstream 0.16 (Debian 12) does not know <developer>, which 1.0 (Debian 13) wants
# instead of <developer_name>; 1.0 wants a homepage, which the project does not have yet.
OUT=$(LC_ALL=C appstreamcli validate --pedantic --strict --no-net "$ROOT"/usr/share/metainfo/*.metainfo.xml) || {
    grep -q '^[EWIP]:' <<<"$OUT" && ! grep '^[EWIP]:' <<<"$OUT" | grep -vqE ': (unknown-tag developer|url-homepage-missing)$'
} || fail "appstreamcli: $OUT"
grep -qF "<release version=\"$(dpkg-deb -f "$DEB" Version)\"" "$ROOT"/usr/share/metainfo/*.metainfo.xml ||
    fail "the metainfo's release is not the package's version"

# The program needs the package of every library it links and of every file Qt loads at run
# time: the X11 platform plugin, Qt's Italian words, the sans-serif face the fonts fall back to.
BIN=$ROOT/usr/bin/contaperle
FILES=("$(qtpaths6 --query QT_INSTALL_PLUGINS)/platforms/libqxcb.so"
       "$(qtpaths6 --query QT_INSTALL_TRANSLATIONS)/qtbase_it.qm"
       "$(fc-match -f '%{file}' 'Liberation Sans')")
for lib in $(readelf -d "$BIN" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p'); do
    FILES+=("$(ldd "$BIN" | awk -v lib="$lib" '$1 == lib { print $3 }')")
done
# With /lib merged into /usr, a library's path may be either one in dpkg's records.
NEEDED=$(for f in "${FILES[@]}"; do dpkg -S "*${f#/usr}" | cut -d: -f1; done | sort -u)
# Of alternatives (a package that moved between releases), the one installed here counts.
DEPENDS=$(dpkg-deb -f "$DEB" Depends | tr ',' '\n' | sed 's/([^)]*)//g; s/ //g' | while IFS='|' read -ra alt; do
    for a in "${alt[@]}"; do grep -qxF "$a" <<<"$NEEDED" && { echo "$a"; continue 2; }; done; echo "${alt[0]}"
done | sort -u)
[ "$NEEDED" = "$DEPENDS" ] || fail "Depends differ from what the program needs (-depends +needs):
$(diff <(echo "$DEPENDS") <(echo "$NEEDED") | grep '^[<>]' | tr '<>' '-+')"
echo "package: $(basename "$DEB") clean, reproducible, Depends: $(echo $DEPENDS)"
