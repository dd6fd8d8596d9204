#!/bin/sh
# Installs the build into a fresh folder and checks what a desktop and a package manager check:
# the menu entry, the AppStream description, the icons, the manual pages, the completion and
# the station's unit.
set -eu
build=$1
for tool in desktop-file-validate appstreamcli man; do
    command -v $tool >/dev/null 2>&1 || { echo "Skipped: $tool is not installed"; exit 77; }
done
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

share=$prefix/share
fail() { echo "FAILED: $*"; exit 1; }
for program in stowly stowly-cli; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done
"$prefix/bin/stowly-cli" --version | grep -q '^stowly-cli ' || fail "the installed stowly-cli doesn't run"
desktop-file-validate "$share/applications/app.stowly.Stowly.desktop" || fail "the menu entry"
appstreamcli validate --no-net "$share/metainfo/app.stowly.Stowly.metainfo.xml" || fail "the metainfo"
grep -q '^Icon=app.stowly.Stowly$' "$share/applications/app.stowly.Stowly.desktop" || fail "the icon name"
for language in de es fr ja; do
    grep -q "^GenericName\[$language\]=" "$share/applications/app.stowly.Stowly.desktop" &&
        grep -q "^Comment\[$language\]=" "$share/applications/app.stowly.Stowly.desktop" ||
        fail "the menu entry has no $language name"
    grep -q "<summary xml:lang=\"$language\">" "$share/metainfo/app.stowly.Stowly.metainfo.xml" ||
        fail "the metainfo has no $language summary"
done
[ -s "$share/icons/hicolor/scalable/apps/app.stowly.Stowly.svg" ] || fail "the scalable icon"
for size in 16 32 48 64 128 256 512; do
    png=$share/icons/hicolor/${size}x${size}/apps/app.stowly.Stowly.png
    [ "$(od -An -c -j1 -N3 "$png" | tr -d ' ')" = PNG ] || fail "the ${size}px icon"
done
for page in stowly stowly-cli; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man page $page: $warnings"
done
bash -n "$share/bash-completion/completions/stowly-cli" || fail "the bash completion"
unit=$prefix/lib/systemd/user/stowly-station.service
station=$(sed -n 's/^ExecStart=\([^ ]*\) station .*/\1/p' "$unit")
[ "$station" = "$prefix/bin/stowly-cli" ] || fail "the station's unit starts '$station'"
echo "Installed tree is valid"
