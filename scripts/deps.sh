#!/usr/bin/env bash
# Installs the Debian packages Tilvaro needs to build, run and test, if any are missing.
# Safe to run again: it does nothing when everything is already there. As root it installs them;
# otherwise through sudo where sudo exists; without it, it names what is missing and how to
# install it, and fails.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev libfontconfig-dev
  # lupdate and lrelease, their CMake functions, and Qt's own texts in the player's language.
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  zlib1g-dev liblz4-dev
  desktop-file-utils appstream dpkg-dev file
  # Names and chat come in any script: DejaVu covers Latin, Greek, Cyrillic, Arabic and Hebrew,
  # Noto adds CJK and colour emoji. Qt falls back to them through fontconfig.
  fonts-dejavu-core fonts-noto-cjk fonts-noto-color-emoji
)
# Extra tools, asked for by name: "fuzz" for the libFuzzer build.
for extra in "$@"; do
  case "$extra" in
    fuzz) packages+=(clang libclang-rt-14-dev) ;;
    *) echo "deps.sh: unknown extra '$extra'" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null 2>&1; then
    echo "deps.sh: these Debian packages are missing: ${missing[*]}" >&2
    echo "deps.sh: install them as root, then run this again:" >&2
    echo "    apt-get update && apt-get install --no-install-recommends ${missing[*]}" >&2
    exit 1
  fi
  sudo=(sudo)
fi

echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
