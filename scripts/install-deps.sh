#!/usr/bin/env bash
# Installs what building, running and testing the clicker needs on Debian 12.
# Idempotent, and quiet when everything is there already.
set -euo pipefail

packages=(
    cmake ninja-build
    g++-mingw-w64-i686-posix mingw-w64-i686-dev binutils-mingw-w64-i686
    wine wine32:i386 wine64 fonts-wine
    xvfb xauth x11-apps x11-utils imagemagick
    fonts-wqy-microhei fonts-arphic-uming
    doctest-dev
    clang libclang-rt-14-dev
)

as_root() {
    if [ "$(id -u)" -ne 0 ]; then
        echo "install-deps: $1; run this script as root to do it" >&2
        exit 1
    fi
}

missing() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || echo "$p"
    done
}

export DEBIAN_FRONTEND=noninteractive
need=$(missing "${packages[@]}")
if [ -n "$need" ]; then
    as_root "packages missing: $(echo $need)"
    echo "install-deps: installing $(echo $need)"
    dpkg --print-foreign-architectures | grep -qx i386 || dpkg --add-architecture i386
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $need >/dev/null
fi

# Wine runs 32-bit Windows programs with a 32-bit Linux loader. Where the kernel
# runs no 32-bit code (ia32 emulation off), qemu's user-mode i386 emulator runs
# it instead; bookworm's qemu 7.2 cannot map Wine's address space, so the
# emulator comes from bookworm-backports.
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    as_root "this kernel runs no 32-bit programs and qemu-i386 must be set up"
    backports=/etc/apt/sources.list.d/bookworm-backports.sources
    if [ ! -f "$backports" ] && ! grep -rqs bookworm-backports /etc/apt/sources.list /etc/apt/sources.list.d; then
        printf 'Types: deb\nURIs: http://deb.debian.org/debian\nSuites: bookworm-backports\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' >"$backports"
        apt-get update -qq
    fi
    if ! qemu-i386-static --version 2>/dev/null | grep -qE 'version ([89]|[1-9][0-9])\.'; then
        echo "install-deps: installing qemu-user-static from bookworm-backports"
        apt-get install -y -qq --no-install-recommends -t bookworm-backports qemu-user-static >/dev/null
    fi
    binfmt=/proc/sys/fs/binfmt_misc
    [ -f "$binfmt/register" ] || mount -t binfmt_misc binfmt_misc "$binfmt"
    [ -f "$binfmt/qemu-i386" ] && echo -1 >"$binfmt/qemu-i386"
    # ELF, 32-bit, little-endian, executable or shared object, machine i386; the
    # emulator is opened now (F), so it works inside any mount namespace.
    echo ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' >"$binfmt/register"
    if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
        echo "install-deps: 32-bit Wine still cannot start on this machine" >&2
        exit 1
    fi
fi
