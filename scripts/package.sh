#!/usr/bin/env bash
# Installs what is missing, builds clicker.exe and makes the release zip
# build/cross/package/clicker-<version>-win32.zip (clicker.exe and 使用说明.txt).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

bash scripts/install-deps.sh
cmake --preset cross >/dev/null
cmake --build --preset cross --target clicker
(cd build/cross && cpack)
