#!/usr/bin/env bash
# installed.sh <build folder>: installs ミヌカ into a staging folder as a
# package would, starts the installed program through its bin/ link and
# checks that it finds its cues and help file there; validates the menu entry
# and the metadata; builds the Debian package and checks what it holds.
set -euo pipefail
build=$(readlink -f "$1")
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

DESTDIR=$stage/root cmake --install "$build" --prefix /usr >/dev/null
root=$stage/root/usr
for f in bin/minuka lib/minuka/minuka lib/minuka/ミヌカ.hlp lib/minuka/oto/pinpon.wav \
         share/applications/jp.minuka.Minuka.desktop share/metainfo/jp.minuka.Minuka.metainfo.xml \
         share/icons/hicolor/scalable/apps/jp.minuka.Minuka.svg \
         share/icons/hicolor/16x16/apps/jp.minuka.Minuka.png \
         share/icons/hicolor/256x256/apps/jp.minuka.Minuka.png; do
  [ -e "$root/$f" ] || fail "not installed: $f"
done
[ "$(readlink "$root/bin/minuka")" = ../lib/minuka/minuka ] || fail "bin/minuka is not the relative link to lib/minuka/minuka"

# Starts a program for a moment, headless, from another folder, with its own
# data folder; prints what it wrote on stderr.
start() {
  (cd "$stage" && XDG_DATA_HOME=$stage/data QT_QPA_PLATFORM=offscreen timeout -s TERM 2 "$1" 2>&1 >/dev/null || true)
}
out=$(start "$root/bin/minuka")
if grep -q missing <<<"$out"; then echo "$out"; fail "the installed program misses files beside itself"; fi
# The same program alone in a folder must say what it misses: the check above proves something.
mkdir -p "$stage/alone" && cp "$root/lib/minuka/minuka" "$stage/alone/"
out=$(start "$stage/alone/minuka")
grep -q 'missing beside the program: .*/alone/ミヌカ.hlp' <<<"$out" || { echo "$out"; fail "a program without its files does not say so"; }
echo "installed program finds its cues and help file through bin/minuka"

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root/share/applications/jp.minuka.Minuka.desktop" || fail "desktop entry"
  echo "desktop entry valid"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --explain "$root/share/metainfo/jp.minuka.Minuka.metainfo.xml" || fail "metainfo"
fi

if command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null; then
  (cd "$stage" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$stage/deb" >/dev/null) || fail "cpack"
  deb=$(ls "$stage"/deb/minuka_*.deb)
  contents=$(dpkg-deb -c "$deb")
  for f in ./usr/lib/minuka/minuka ./usr/lib/minuka/oto/pinpon.wav ./usr/lib/minuka/ミヌカ.hlp \
           "./usr/bin/minuka -> ../lib/minuka/minuka" ./usr/share/applications/jp.minuka.Minuka.desktop \
           ./usr/share/metainfo/jp.minuka.Minuka.metainfo.xml \
           ./usr/share/icons/hicolor/48x48/apps/jp.minuka.Minuka.png; do
    grep -qF -- "$f" <<<"$contents" || { echo "$contents"; fail "package lacks $f"; }
  done
  depends=$(dpkg-deb -f "$deb" Depends)
  for d in libqt6widgets6 libqt6sql6 libqt6multimedia6 fonts-motoya-l-maruberi fonts-noto-cjk; do
    grep -q "$d" <<<"$depends" || fail "package does not depend on $d: $depends"
  done
  echo "package $(basename "$deb") holds the program and depends on: $depends"
fi
