#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian package (made by make_package.sh) with dpkg into a
# throwaway root that knows the machine's installed packages (so its Depends
# are checked against them for real), runs what it installed, validates the
# desktop entry and the AppStream metadata, checks that the desktop's MIME
# database built from it knows a painting and that its thumbnailer entry runs,
# then removes it with dpkg again. The machine's own package database is never
# touched.
#
# usage: install_package.sh DEB VERSION MAKE_PHOTO MIME_TYPE [MAKE_PAINTING]
# MIME_TYPE prints the type Qt's MIME database gives a file; MAKE_PAINTING
# writes a painting through the document writer (empty while there is none).
# Exit 77 (skipped) when not root or a tool is missing.
set -euo pipefail
deb=$1 version=$2 make_photo=$3 mime_type=$4 make_painting=${5:-}

skip() {
  echo "SKIPPED: $*"
  exit 77
}
fail() {
  echo "FAILED: $*" >&2
  exit 1
}
[ "$(id -u)" -eq 0 ] || skip "installing a package with dpkg needs root; run the tests as root to check the package"
for tool in dpkg dpkg-deb dpkg-shlibdeps desktop-file-validate appstreamcli update-mime-database sqlite3; do
  command -v "$tool" >/dev/null || skip "$tool is missing (scripts/deps.sh installs it)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

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
  # The translations travel inside the programs: a German session reads German.
  german=$(LANGUAGE=de LANG=de_DE.UTF-8 "$usr/bin/$program" --version) || fail "$program --version failed in German"
  [ "$(head -n 1 <<<"$german")" = "$program $version" ] || fail "$program --version said in German: $german"
  grep -q "freie Software" <<<"$german" || fail "$program --version is not German under LANGUAGE=de: $german"
  [ "$(LANGUAGE=de LANG=de_DE.UTF-8 "$usr/bin/$program" --help)" != "$("$usr/bin/$program" --help)" ] ||
    fail "$program --help is the same under LANGUAGE=de"
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
for size in 48 64 128 256; do
  icon="$usr/share/icons/hicolor/${size}x${size}/mimetypes/application-x-vorlane.png"
  [ "$(od -An -tu4 --endian=big -j16 -N8 "$icon" | xargs)" = "$size $size" ] || fail "no $size-pixel document icon"
done
grep -q "<svg" "$usr/share/icons/hicolor/scalable/mimetypes/application-x-vorlane.svg" || fail "no scalable document icon"

# The desktop's MIME database as the shared-mime-info trigger builds it in
# /usr/share/mime: from the package's file and freedesktop.org's own types
# (copied in, as shared-mime-info installs them beside it), read by Qt from
# that folder alone, so that the machine's own database plays no part. A
# painting is told apart by its bytes too (a saved copy without the
# extension), and an SQLite file with another application id, or none, stays
# a database.
cp /usr/share/mime/packages/freedesktop.org.xml "$usr/share/mime/packages/"
# (It names a folder outside the data search path; the checks below search it.)
XDG_DATA_DIRS="$usr/share" update-mime-database "$usr/share/mime" >"$work/mime.log" 2>&1 ||
  { cat "$work/mime.log" >&2; fail "update-mime-database failed"; }
[ ! -s "$work/mime.log" ] || { cat "$work/mime.log" >&2; fail "update-mime-database complained"; }
sqlite3 "$work/painting.vorlane" "PRAGMA application_id = $((0x56524C4E)); CREATE TABLE meta(key TEXT PRIMARY KEY, value) WITHOUT ROWID;"
[ "$(od -An -c -j68 -N4 "$work/painting.vorlane" | xargs)" = "V R L N" ] || fail "the painting made for the test lacks VRLN at offset 68"
cp "$work/painting.vorlane" "$work/painting-copy"
sqlite3 "$work/database.db" "CREATE TABLE t(x);"
sqlite3 "$work/other-app.db" "PRAGMA application_id = $((0x56524C00)); CREATE TABLE t(x);"
mkdir -p "$work/home"
mime() {
  HOME="$work/home" XDG_DATA_HOME="$work/home/.local/share" XDG_DATA_DIRS="$usr/share" "$mime_type" "$@" ||
    fail "$mime_type failed"
}
type_of() { mime "$@" | cut -f1; }
expected=$'application/x-vorlane\tVorlane painting\tapplication-x-vorlane\timage-x-generic\tapplication/vnd.sqlite3'
[ "$(mime "$work/painting.vorlane")" = "$expected" ] ||
  fail "the MIME database does not describe a painting as expected: $(mime "$work/painting.vorlane")"
[ "$(type_of --content "$work/painting-copy")" = application/x-vorlane ] ||
  fail "a painting without its extension is $(type_of --content "$work/painting-copy")"
for other in database.db other-app.db; do
  [ "$(type_of --content "$work/$other")" = application/vnd.sqlite3 ] ||
    fail "the SQLite file $other is $(type_of --content "$work/$other")"
done
# Not the package's files: dpkg would leave them behind.
rm "$usr/share/mime/packages/freedesktop.org.xml"
find "$usr/share/mime" -mindepth 1 -maxdepth 1 ! -name packages -exec rm -rf {} +

# The thumbnailer entry, and its command line run as a file manager runs it
# (%s the size, %i the input, %o the output).
entry="$usr/share/thumbnailers/org.vorlane.vorlane.thumbnailer"
[ -f "$entry" ] || fail "no thumbnailer entry"
[ "$(head -n 1 "$entry")" = "[Thumbnailer Entry]" ] || fail "the thumbnailer entry has no [Thumbnailer Entry] group"
field() { sed -n "s/^$1=//p" "$entry"; }
[ "$(field TryExec)" = vorlane-sketch ] && [ -x "$usr/bin/$(field TryExec)" ] || fail "thumbnailer TryExec: $(field TryExec)"
[ "$(field Exec)" = "vorlane-sketch --thumbnail %s %i %o" ] || fail "thumbnailer Exec: $(field Exec)"
[[ ";$(field MimeType)" == *";application/x-vorlane;"* ]] || fail "thumbnailer MimeType: $(field MimeType)"
thumbnail() {
  local command
  command=$(field Exec)
  command=${command//%s/$1}
  command=${command//%i/$2}
  command=${command//%o/$3}
  # shellcheck disable=SC2086 # split as the entry's words, as a file manager does
  "$usr/bin/"$command
}
[ -n "$make_painting" ] || fail "no painting writer was given (package_make_painting)"
{
  "$make_painting" "$work/saved.vorlane" || fail "could not write a painting"
  [ "$(type_of --content "$work/saved.vorlane")" = application/x-vorlane ] ||
    fail "a painting as the app writes it is $(type_of --content "$work/saved.vorlane")"
  thumbnail 128 "$work/saved.vorlane" "$work/thumb.png" || fail "the thumbnailer failed on a painting"
  [ "$(od -An -tx1 -N8 "$work/thumb.png" | tr -d ' ')" = 89504e470d0a1a0a ] || fail "the thumbnail is not a PNG"
  read -r w h < <(od -An -tu4 --endian=big -j16 -N8 "$work/thumb.png")
  # The painting's preview is 4:3; the thumbnail fits in 128 and keeps that.
  ((w <= 128 && h <= 128 && w > 0 && h > 0)) || fail "the thumbnail is $w x $h, not within 128"
  ((w * 3 - h * 4 <= 4 && h * 4 - w * 3 <= 4)) || fail "the thumbnail is $w x $h, not 4:3"
  # Something that is not a painting: exit 1, one line on stderr, no thumbnail.
  status=0
  thumbnail 128 "$work/photo.png" "$work/no-thumb.png" 2>"$work/thumb.err" || status=$?
  [ "$status" -eq 1 ] || fail "the thumbnailer exited with $status on a photo"
  [ "$(wc -l <"$work/thumb.err")" -eq 1 ] || fail "the thumbnailer's complaint is not one line: $(cat "$work/thumb.err")"
  [ ! -e "$work/no-thumb.png" ] || fail "the thumbnailer wrote a thumbnail of a photo"
}

head -n 1 "$usr/share/doc/vorlane/copyright" | grep -q "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ||
  fail "no machine-readable copyright file"
zcat "$usr/share/doc/vorlane/changelog.gz" | head -n 1 | grep -q "^vorlane ($version) " ||
  fail "the changelog's newest entry is not $version"

"${dpkg[@]}" --purge vorlane >"$work/remove.log" 2>&1 || { cat "$work/remove.log" >&2; fail "dpkg --purge failed"; }
[ ! -e "$usr/bin/vorlane" ] || fail "vorlane is still there after removal"
left=$( (find "$usr" -type f 2>/dev/null || true) | head -n 5)
[ -z "$left" ] || fail "files left after removal: $left"
echo "vorlane_${version} installed, ran, validated and removed"
