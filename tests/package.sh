#!/usr/bin/env bash
# Makes the Debian package from a build with CPack, as scripts/package.sh does, and
# has lintian check it: no error, no warning, and neither a binary that binds lazily
# nor one that keeps unneeded sections. The package, its changelog and its metainfo
# carry the project's version. Skipped (77) where lintian or dpkg-dev is missing.
# Usage: package.sh CPACK BUILD_DIR VERSION
set -euo pipefail
cpack=$1 build=$2 version=$3
for tool in lintian dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed: skipped"; exit 77; }
done
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
deb=$(ls "$out"/zetu_*.deb)
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || { echo "package version is not $version"; exit 1; }
dpkg-deb -x "$deb" "$out/root"
zcat "$out/root/usr/share/doc/zetu/changelog.gz" | head -n 1 | grep -qF "zetu ($version)" ||
    { echo "the changelog does not start at $version"; exit 1; }
grep -qF "<release version=\"$version\"" "$out/root/usr/share/metainfo/br.zetu.ZETU.metainfo.xml" ||
    { echo "the metainfo has no release $version"; exit 1; }
report=$(lintian --display-info --allow-root "$deb" 2>&1 || true)
echo "${report:-lintian: no tags}"
if echo "$report" | grep -E '^(E|W): |hardening-no-bindnow|binary-has-unneeded-section'; then
    exit 1
fi
