#!/usr/bin/env bash
# Builds the Debian package from a Release build and checks it as a Debian administrator
# would: lintian with no error and no warning, and AppStream metadata the validator accepts.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${PACKAGE_BUILD_DIR:-build-rel}
# Debian's hardening flags, as a package built by its own tools would have them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVTG_TESTS=OFF -DVTG_BENCH=OFF \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$build"
rm -f "$build"/vtg7300_*.deb
(cd "$build" && cpack -G DEB)
deb=$(echo "$build"/vtg7300_*.deb)
echo "lintian $deb:"
lintian --display-info --fail-on error,warning "$deb"
echo "appstreamcli validate:"
appstreamcli validate --no-net --strict "$build/packaging/org.vtg7300.controller.metainfo.xml"
