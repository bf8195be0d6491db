#!/usr/bin/env bash
# Installs the Debian packages that building, running or testing needs, and only those that are
# missing. Quiet when everything is present.
#   scripts/deps.sh run    what building and running the program needs
#   scripts/deps.sh test   the above, plus the test and benchmark tools and a PostgreSQL server
set -euo pipefail

build_packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libqt6sql6-sqlite libqt6sql6-psql libqt6sql6-odbc tdsodbc
  libsqlite3-dev libsodium-dev
  fonts-wqy-microhei
)
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev clang-format
  postgresql
)

wanted=("${build_packages[@]}")
if [ "${1:-run}" = test ]; then
  wanted+=("${test_packages[@]}")
fi

missing=()
for package in "${wanted[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
