#!/usr/bin/env bash
# Makes the release zip with CPack and checks what a user unpacks from it:
# one folder with the built clicker.exe and the user guide, nothing else.
# package_test.sh BUILD_DIR BUILT_EXE GUIDE PACKAGE_NAME
set -euo pipefail
build=$1 built_exe=$2 guide=$3 name=$4
work=$build/package-test

rm -rf "$work"
cpack --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
zip=$work/$name.zip
[ -f "$zip" ] || { echo "no $zip"; ls "$work"; exit 1; }

expected=$(printf '%s\n' "$name/clicker.exe" "$name/$(basename "$guide")" | sort)
listed=$(cmake -E tar tf "$zip" | sort)
if [ "$listed" != "$expected" ]; then
    printf 'the zip holds:\n%s\nexpected:\n%s\n' "$listed" "$expected"
    exit 1
fi

mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
cmp "$built_exe" "$work/unpacked/$name/clicker.exe"
cmp "$guide" "$work/unpacked/$name/$(basename "$guide")"
echo "$(basename "$zip"): $(stat -c %s "$zip") bytes, as expected"
rm -rf "$work"
