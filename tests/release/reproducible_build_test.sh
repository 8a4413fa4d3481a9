#!/usr/bin/env bash
# Builds clicker.exe a second time from a copy of the sources in another folder
# and checks that it is byte for byte the one of the main build: no time stamp
# and no path of the build machine may end up in it.
# reproducible_build_test.sh SOURCE_DIR BUILT_EXE WORK_DIR BUILD_TYPE
set -euo pipefail
source_dir=$1 built_exe=$2 work=$3 build_type=$4

rm -rf "$work"
copy=$work/another/place/src
mkdir -p "$copy"
tar -C "$source_dir" --exclude=./build --exclude=./.git -cf - . | tar -C "$copy" -xf -

cmake -S "$copy" -B "$work/elsewhere-build" -G Ninja -DCMAKE_BUILD_TYPE="$build_type" \
      -DCMAKE_TOOLCHAIN_FILE="$copy/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$work/elsewhere-build" --target clicker >/dev/null

second=$work/elsewhere-build/app/clicker.exe
if ! cmp -s "$built_exe" "$second"; then
    echo "clicker.exe differs between $built_exe and $second:"
    cmp -l "$built_exe" "$second" | head -20 || true
    exit 1
fi
echo "identical: $(stat -c %s "$second") bytes, built in $copy"
rm -rf "$work"
