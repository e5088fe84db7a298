#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from this build, installs it with dpkg into a
# throwaway root that knows the machine's installed packages (so its Depends
# are checked against them for real), runs what it installed, validates the
# desktop entry and the AppStream metadata, then removes it with dpkg again.
# The machine's own package database is never touched.
#
# usage: install_package.sh BUILD_DIR CPACK VERSION MAKE_PHOTO
# Exit 77 (skipped) when not root or a tool is missing.
set -euo pipefail
build=$1 cpack=$2 version=$3 make_photo=$4

skip() {
  echo "SKIPPED: $*"
  exit 77
}
fail() {
  echo "FAILED: $*" >&2
  exit 1
}
[ "$(id -u)" -eq 0 ] || skip "installing a package with dpkg needs root; run the tests as root to check the package"
for tool in dpkg dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || skip "$tool is missing (scripts/deps.sh installs it)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The package, made from the build as it is now.
"$cpack" --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack could not make the package"; }
deb="$work/out/vorlane_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || fail "no $(basename "$deb") among: $(ls "$work/out")"
[ "$(dpkg-deb -f "$deb" Package)" = vorlane ] && [ "$(dpkg-deb -f "$deb" Version)" = "$version" ] ||
  fail "wrong control fields: $(dpkg-deb -f "$deb")"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6multimedia6; do
  [[ ", $depends" == *", $lib "* ]] || fail "Depends lacks $lib: $depends"
done

# A root whose package database is a copy of the machine's: dependencies are
# checked against what is installed here. File triggers are left out, so no
# other package's script runs inside it.
root="$work/root"
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
cp /var/lib/dpkg/status "$root/var/lib/dpkg/status"
cp /var/lib/dpkg/info/*.list "$root/var/lib/dpkg/info/"
dpkg=(dpkg --root="$root" --log="$work/dpkg.log")
"${dpkg[@]}" -i "$deb" >"$work/install.log" 2>&1 || { cat "$work/install.log" >&2; fail "dpkg -i failed"; }
[ "$(dpkg-query --admindir="$root/var/lib/dpkg" -W -f='${Status}' vorlane)" = "install ok installed" ] ||
  fail "dpkg does not list vorlane as installed"

usr="$root/usr"
export QT_QPA_PLATFORM=offscreen
for program in vorlane vorlane-sketch; do
  out=$("$usr/bin/$program" --version) || fail "$program --version failed"
  [ "$(head -n 1 <<<"$out")" = "$program $version" ] || fail "$program --version said: $out"
  grep -q "GPL-3.0-or-later" <<<"$out" || fail "$program --version names no licence: $out"
done
"$make_photo" "$work/photo.png" 640 480
"$usr/bin/vorlane-sketch" --style 2 "$work/photo.png" "$work/sketch.png" || fail "vorlane-sketch failed"
# A PNG of the photo's size: the signature, then width and height in IHDR.
[ "$(od -An -tx1 -N8 "$work/sketch.png" | tr -d ' ')" = 89504e470d0a1a0a ] || fail "the sketch is not a PNG"
[ "$(od -An -tu4 --endian=big -j16 -N8 "$work/sketch.png" | xargs)" = "640 480" ] || fail "the sketch is not 640 x 480"

desktop-file-validate "$usr/share/applications/org.vorlane.vorlane.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$usr/share/metainfo/org.vorlane.vorlane.metainfo.xml" >"$work/as.log" 2>&1 ||
  { cat "$work/as.log" >&2; fail "AppStream metadata invalid"; }
for size in 48 64 128 256; do
  icon="$usr/share/icons/hicolor/${size}x${size}/apps/org.vorlane.vorlane.png"
  [ "$(od -An -tu4 --endian=big -j16 -N8 "$icon" | xargs)" = "$size $size" ] || fail "no $size-pixel icon"
done
grep -q "<svg" "$usr/share/icons/hicolor/scalable/apps/org.vorlane.vorlane.svg" || fail "no scalable icon"
for page in vorlane vorlane-sketch; do
  zcat "$usr/share/man/man1/$page.1.gz" | grep -qi "^\.TH \"\?$page" || fail "no manual page $page(1)"
done
head -n 1 "$usr/share/doc/vorlane/copyright" | grep -q "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
  fail "no machine-readable copyright file"

"${dpkg[@]}" --purge vorlane >"$work/remove.log" 2>&1 || { cat "$work/remove.log" >&2; fail "dpkg --purge failed"; }
[ ! -e "$usr/bin/vorlane" ] || fail "vorlane is still there after removal"
left=$( (find "$usr" -type f 2>/dev/null || true) | head -n 5)
[ -z "$left" ] || fail "files left after removal: $left"
echo "vorlane_${version} installed, ran, validated and removed"
