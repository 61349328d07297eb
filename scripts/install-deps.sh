#!/bin/sh
# Installs the Debian packages the build and the tests need; quiet and quick
# when everything is present.
set -e
PACKAGES="g++ make cmake clang libclang-rt-14-dev libwxgtk3.2-dev libgtest-dev libgmock-dev
libbenchmark-dev libglib2.0-dev libgtk-3-dev pkg-config xvfb xauth fonts-dejavu-core xdg-utils locales openbox x11-utils
clang-format"
missing=""
for package in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing="$missing $package"
done
[ -z "$missing" ] && exit 0
echo "installing:$missing"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq $missing >/dev/null
