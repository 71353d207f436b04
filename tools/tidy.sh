#!/usr/bin/env bash
# clang-tidy with the committed .clang-tidy over the project's .cpp files,
# from the compile database of a configured build. Prints the findings only,
# and fails on any. Usage: tools/tidy.sh [--all] [BUILD_DIR]  (build/ci)
# The whole tree costs about 7 minutes of CPU with clang-tidy 14, more than
# the test command can spare on two cores, so it checks the files changed
# since the last release (the newest v* tag, else the first commit that wrote the
# version now at the top of debian/changelog) and those including a changed
# header; a changed .clang-tidy, --all, or a tree without git's history
# checks every file. A file found clean is skipped while it, the project's
# headers, .clang-tidy, the compile database and clang-tidy stay the same.
set -uo pipefail
cd "$(dirname "$0")/.."

build=build/ci all=
for arg in "$@"; do
    case $arg in --all) all=1 ;; *) build=$arg ;; esac
done
[ -f "$build/compile_commands.json" ] || { echo "tidy.sh: no $build/compile_commands.json: configure first" >&2; exit 1; }
runner=$(command -v run-clang-tidy || ls /usr/bin/run-clang-tidy-* 2>/dev/null | sort -V | tail -1)
[ -n "$runner" ] || { echo "tidy.sh: run-clang-tidy is missing (package clang-tidy)" >&2; exit 1; }

# Every file the compile database names, whether or not git is there.
sources=$(sed -n "s|^ *\"file\": \"$PWD/\(.*\.cpp\)\",\?$|\1|p" "$build/compile_commands.json" | grep -v "^$build/" | sort -u)
release=$(git describe --tags --abbrev=0 --match 'v[0-9]*' 2>/dev/null ||
          git log --reverse --format=%H -S"$(sed -n '1s/^contaperle (\([^)]*\)).*/\1/p' debian/changelog)" 2>/dev/null | head -1)
[ -n "$release" ] || all=1 # no git, or no release in this history: everything is new
changed=$([ -z "$release" ] || git diff --name-only "$release"; git ls-files --others --exclude-standard 2>/dev/null)
if [ -n "$all" ] || grep -qx .clang-tidy <<<"$changed"; then
    candidates=$sources
else
    headers=$(grep -E '\.h$' <<<"$changed" | xargs -r -n1 basename | paste -sd'|')
    candidates=$(grep -E '\.cpp$' <<<"$changed"
                 [ -z "$headers" ] || grep -lE "#include \"(.*/)?($headers)\"" $sources)
fi

stamps=$build/tidy-clean
mkdir -p "$stamps"
common=$({ clang-tidy --version; cat .clang-tidy "$build/compile_commands.json" $(find app board words platform tests bench fuzz -name '*.h'); } | sha1sum)
files=() keys=()
for file in $(sort -u <<<"$candidates"); do
    [ -f "$file" ] || continue
    grep -qF "\"file\": \"$PWD/$file\"" "$build/compile_commands.json" ||
        { echo "tidy.sh: $file is not in $build's compile database: not checked" >&2; continue; }
    key=$({ echo "$common"; cat "$file"; } | sha1sum | cut -c1-40)
    [ -e "$stamps/$key" ] || { files+=("$PWD/$file"); keys+=("$stamps/$key"); }
done
[ ${#files[@]} -gt 0 ] || { echo "tidy.sh: clean, no file changed since it was last found clean"; exit 0; }
patterns=("${files[@]/#/^}")
patterns=("${patterns[@]/%/\$}")

"$runner" -quiet -p "$build" -j "$(nproc)" "${patterns[@]}" >"$stamps/log" 2>&1
status=$?
# Colours aside, run-clang-tidy echoes each command (with a count and, from
# clang-tidy 19, a time before it), and clang-tidy counts
# the warnings it suppressed in headers not the project's: not findings.
sed 's/\x1b\[[0-9;]*m//g' "$stamps/log" | grep -v -E '^(\[[0-9]+/[0-9]+\](\[[0-9.]+s\])? )?\S*clang-tidy(-[0-9]+)? |^[0-9]+ warnings?( and [0-9]+ errors?)? generated\.$|^Suppressed [0-9]+ warnings|^Use -header-filter|^Running clang-tidy|^$'
# Files found clean are not checked again; unless a finding is in a header
# or a check failed without a finding, when no file can be vouched for.
failed=$(sed -n -E 's/\x1b\[[0-9;]*m//g; s/^([^ :]+):[0-9]+:[0-9]+: error: .*/\1/p' "$stamps/log" | sort -u)
if [ "$status" -eq 0 ] || { [ -n "$failed" ] && ! grep -qv '\.cpp$' <<<"$failed"; }; then
    for i in "${!files[@]}"; do
        grep -qxF "${files[i]}" <<<"$failed" || touch "${keys[i]}"
    done
fi
[ "$status" -ne 0 ] || echo "tidy.sh: clean, ${#files[@]} files checked"
exit "$status"
