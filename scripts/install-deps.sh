#!/usr/bin/env bash
# Installs whichever of deps/debian-packages.txt is missing (needs root or sudo).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
mapfile -t wanted < <(grep -vE '^\s*(#|$)' "$here/deps/debian-packages.txt")
missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq "${missing[@]}"
