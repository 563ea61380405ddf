#!/usr/bin/env bash
# Builds the Debian package from the build tree (cpack -G DEB, into a temporary folder) and
# compares what it holds with package-files.txt; checks its control fields and the owners and
# modes of its files.
#
# Usage: package-contents.sh BUILD_DIR VERSION [logger] [languages]
#   (the parts the build has, as for package-files.txt)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1 version=$2
shift 2
parts=" $* "

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; echo "FAIL: cpack -G DEB" >&2; exit 1; }
arch=$(dpkg --print-architecture)
package=$work/halvane_${version}_$arch.deb
[ -f "$package" ] || { echo "FAIL: no $(basename "$package") in: $(ls "$work")" >&2; exit 1; }

field() { dpkg-deb -f "$package" "$1"; }
[ "$(field Package)" == halvane ] || fail "Package: $(field Package)"
[ "$(field Version)" == "$version" ] || fail "Version: $(field Version), not $version"
[ "$(field Architecture)" == "$arch" ] || fail "Architecture: $(field Architecture)"
for library in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6network6; do
    [[ ", $(field Depends)," == *", $library "* ]] || fail "Depends has no $library: $(field Depends)"
done

# The expected lines that hold for this build.
expected=()
while read -r line; do
    [[ -z $line || $line == \#* ]] && continue
    if [[ $line =~ ^\[([a-z]+)\]\ +(.*)$ ]]; then
        [[ $parts == *" ${BASH_REMATCH[1]} "* ]] || continue
        line=${BASH_REMATCH[2]}
    fi
    expected+=("$line")
done <"$here/package-files.txt"

# Every file of the package matches one expected line; every expected line matches a file.
declare -A matched
while read -r mode owner _ _ _ path _; do
    path=${path#.}
    [[ $mode == d* ]] && continue
    [ "$owner" == root/root ] || fail "$path belongs to $owner"
    case $path in
        /usr/bin/*) [ "$mode" == -rwxr-xr-x ] || fail "$path has the mode $mode" ;;
        *) [ "$mode" == -rw-r--r-- ] || fail "$path has the mode $mode" ;;
    esac
    found=false
    for pattern in "${expected[@]}"; do
        # shellcheck disable=SC2053
        if [[ $path == $pattern ]]; then
            matched[$pattern]=1
            found=true
            break
        fi
    done
    $found || fail "the package holds $path, which is not expected"
done < <(dpkg-deb -c "$package")
for pattern in "${expected[@]}"; do
    [ -n "${matched[$pattern]:-}" ] || fail "the package has no $pattern"
done

if [ $failures -gt 0 ]; then
    echo "$failures checks of the package failed" >&2
    exit 1
fi
echo "$(basename "$package") holds what it should."
