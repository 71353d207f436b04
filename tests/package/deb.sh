#!/usr/bin/env bash
# The Debian package as a school lab gets it: made by cpack from this build tree into a
# temporary folder, unpacked, audited with Debian's own tools, its Depends checked against
# what the program links and loads. Usage: deb.sh BUILD_DIR   (exit 77 = skipped: tool missing)
set -euo pipefail
BUILD=${1:?usage: deb.sh BUILD_DIR}
for need in cpack:cmake dpkg-shlibdeps:dpkg-dev file:file lintian:lintian qtpaths6:qt6-base-dev-tools \
    desktop-file-validate:desktop-file-utils appstreamcli:appstream fc-match:fontconfig; do
    command -v "${need%%:*}" >/dev/null || { echo "deb.sh: skipped, install the package ${need#*:}" >&2; exit 77; }
done
TMP=$(mktemp -d /tmp/contaperle-deb.XXXXXX)
trap 'rm -rf "$TMP"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$BUILD" && cpack -B "$TMP" >"$TMP/cpack.log" 2>&1) || fail "cpack: $(cat "$TMP/cpack.log")"
DEB=$(echo "$TMP"/contaperle_*.deb)
[ -f "$DEB" ] || fail "cpack made no contaperle_*.deb in $TMP"
dpkg-deb -x "$DEB" "$TMP/root"
ROOT=$TMP/root

# Errors, warnings and infos fail, but for one info tag: gcc's own start-up objects name the
# compiler in a .comment section, which the plain strip of CMake's install leaves in place.
lintian --no-cfg -I --fail-on error,warning,info --suppress-tags binary-has-unneeded-section "$DEB" ||
    fail "lintian found the tags above"
desktop-file-validate "$ROOT"/usr/share/applications/*.desktop || fail "desktop-file-validate"
OUT=$(appstreamcli validate --pedantic --strict --no-net "$ROOT"/usr/share/metainfo/*.metainfo.xml) &&
    ! grep -q '^P:' <<<"$OUT" || fail "appstreamcli: $OUT"
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
DEPENDS=$(dpkg-deb -f "$DEB" Depends | tr ',' '\n' | sed 's/(.*//; s/ //g' | sort -u)
[ "$NEEDED" = "$DEPENDS" ] || fail "Depends differ from what the program needs (-depends +needs):
$(diff <(echo "$DEPENDS") <(echo "$NEEDED") | grep '^[<>]' | tr '<>' '-+')"
echo "package: $(basename "$DEB") clean, Depends: $(echo $DEPENDS)"
