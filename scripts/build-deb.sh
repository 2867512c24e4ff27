#!/usr/bin/env bash
# Builds the Debian package with Debian's own tools and checks it with lintian.
#   scripts/build-deb.sh OUT_DIR
# The sources are copied to OUT_DIR/src first: dpkg-buildpackage writes its
# products into the parent directory and leaves build trees under debian/,
# and neither belongs in the checkout. The package and its companions
# (.buildinfo, .changes, the -dbgsym package) end up in OUT_DIR.
set -euo pipefail

[ $# -eq 1 ] || { echo "usage: $0 OUT_DIR" >&2; exit 2; }
top="$(cd "$(dirname "$0")/.." && pwd)"
mkdir -p "$1"
out="$(cd "$1" && pwd)"

for tool in dpkg-buildpackage dh lintian; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing (make deps installs it)" >&2; exit 1; }
done

version="$(dpkg-parsechangelog -l "$top/debian/changelog" -S Version)"
arch="$(dpkg-architecture -q DEB_HOST_ARCH)"
deb="tarrowin_${version}_${arch}.deb"
changes="tarrowin_${version}_${arch}.changes"

rm -rf "$out/src" "$out"/tarrowin*_"${version}"_*
mkdir "$out/src"
# Everything but version control, build trees and this script's own output.
tar -C "$top" --exclude-vcs --exclude='./build*' --exclude='./obj-*' --exclude='__pycache__' \
    --exclude="./${out#"$top"/}" -cf - . | tar -C "$out/src" -xf -

echo "Building $deb (log: $out/build.log)"
if ! (cd "$out/src" && dpkg-buildpackage -us -uc -b -J"${JOBS:-$(nproc)}") > "$out/build.log" 2>&1; then
  tail -n 60 "$out/build.log" >&2
  exit 1
fi
rm -rf "$out/src"

# The same install rules as `make install`, under /usr.
listing="$(dpkg-deb -c "$out/$deb")"
for path in usr/bin/tarrowin usr/bin/tarrowin-sim usr/share/tarrowin/guide/index.html \
            usr/share/applications/org.tarrowin.Tarrowin.desktop \
            usr/share/metainfo/org.tarrowin.Tarrowin.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/org.tarrowin.Tarrowin.svg \
            usr/share/man/man1/tarrowin.1.gz usr/share/man/man1/tarrowin-sim.1.gz \
            usr/share/doc/tarrowin/copyright; do
  grep -q " \./$path\$" <<<"$listing" || { echo "$0: $deb lacks /$path" >&2; exit 1; }
done

# Without Qt's platform plugins no window opens, and libqt6gui6 only
# recommends them; the libraries the programs link come from dh_shlibdeps.
depends="$(dpkg-deb -f "$out/$deb" Depends)"
for package in qt6-qpa-plugins libqt6widgets6 libqt6svg6; do
  grep -Eq "(^|, )$package( |,|\$)" <<<"$depends" || { echo "$0: $deb does not depend on $package: $depends" >&2; exit 1; }
done
# The desktop entry as packaged: each action starts its circuit.
unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$out/$deb" "$unpacked"
cmake -DDESKTOP="$unpacked/usr/share/applications/org.tarrowin.Tarrowin.desktop" -P "$top/dist/CheckDesktopEntry.cmake"

lintian --fail-on error,warning "$out/$changes"
echo "Built $out/$deb"
