#!/usr/bin/env bash
# Installs the Debian packages that building and testing need. Safe to run again: it asks
# apt only for what is missing. With --freecad it also installs FreeCAD and what the
# FreeCAD host adapter and its end-to-end tests need; with --package, what building the
# Debian package and checking it need (the FreeCAD build goes into the package too); with
# --fuzz, clang and its libFuzzer runtime.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libgtest-dev libgmock-dev libbenchmark-dev
    nlohmann-json3-dev
    libgsf-1-dev libfreexl-dev
    qt6-base-dev libgl-dev fonts-dejavu-core
    libmspack-dev fp-utils
    libocct-modeling-algorithms-dev libocct-data-exchange-dev libtbb-dev
    libdxflib-dev libtiff-dev
    clang-format
    pybind11-dev python3-dev python3-xlwt
)
for option in "$@"; do
    case "$option" in
        --freecad)
            packages+=(
                freecad xvfb xauth
                qtbase5-dev
                qt5-image-formats-plugins python3-pyside2.qttest
            )
            ;;
        --package)
            packages+=(
                qtbase5-dev
                dpkg-dev fakeroot file help2man lintian
            )
            ;;
        --fuzz)
            packages+=(clang libclang-rt-14-dev llvm)
            ;;
        *) echo "usage: bash scripts/install-deps.sh [--freecad] [--package] [--fuzz]" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
