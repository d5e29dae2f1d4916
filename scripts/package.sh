#!/usr/bin/env bash
# Builds the Debian package and the archive of the installed game:
# build/quillmere_VERSION_ARCH.deb and build/quillmere-VERSION-linux-ARCH.tar.gz.
# They are built in a tree of their own (build/package/), from the sources
# alone and with Debian's hardening flags, so that nothing a developer's
# runs left in build/game/ ends up in them.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/deps.sh --package

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B build/package -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUILLMERE_QT=ON -DQUILLMERE_TESTS=OFF \
  -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build build/package -j2
(cd build/package && cpack -B "$root/build")
rm -rf build/_CPack_Packages
ls -l build/quillmere_*.deb build/quillmere-*.tar.gz
