#!/usr/bin/env bash
# Builds the Debian package from the build tree, as scripts/package does, and checks what it
# declares and holds. Installing it is not part of the test.
set -euo pipefail
build=$1
fail() { echo "FAIL: $*" >&2; exit 1; }

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; fail "cpack"; }
deb=$(ls "$out"/quorvane_*.deb) || fail "no package written"

info=$(dpkg-deb --info "$deb")
depends=$(grep '^ Depends:' <<<"$info") || fail "the package declares no dependencies"
for needed in fonts-noto-cjk libqt6core6 libqt6widgets6 libqt6network6 libcurl4 libc6; do
  grep -q "\b$needed\b" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
grep -q '^ Package: quorvane$' <<<"$info" || fail "package name"

contents=$(dpkg-deb --contents "$deb")
for file in ./usr/bin/quorvane ./usr/bin/quorvane-cli ./usr/bin/quorvane-boardsim \
            ./usr/share/applications/org.quorvane.Quorvane.desktop \
            ./usr/share/metainfo/org.quorvane.Quorvane.metainfo.xml \
            ./usr/share/icons/hicolor/scalable/apps/org.quorvane.Quorvane.svg \
            ./usr/share/icons/hicolor/48x48/apps/org.quorvane.Quorvane.png; do
  grep -q " $file\$" <<<"$contents" || fail "the package lacks $file"
done
grep -q '/tests\?/\|_tests\b\|bench' <<<"$contents" && fail "the package holds tests or benchmarks"
echo "$(basename "$deb"): $depends"
