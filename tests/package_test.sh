#!/usr/bin/env bash
# Builds the Debian package from the build folder given, made by the same install rules as make install: exactly
# the expected files, a desktop entry, metainfo and manual page that validate, nothing for lintian to warn of,
# dependencies that resolve here, the menu's entry naming the program wherever it is installed, and the packaged
# game starting on the display as its entry says.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap '[ -n "${game:-}" ] && kill "$game" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work" > "$work/cpack.log" 2>&1 || fail "$(cat "$work/cpack.log")"
deb=$(echo "$work"/bricks_*_*.deb)
dpkg-deb --extract "$deb" "$work/root"
root=$work/root/usr id=io.github.vondrel.Bricks
expected=(games/bricks share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/man/man6/bricks.6.gz
          share/icons/hicolor/scalable/apps/$id.svg share/doc/bricks/copyright share/doc/bricks/changelog.gz)
for size in 16 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x$size/apps/$id.png"); done
for page in "$(dirname "$0")"/../desktop/man/*/bricks.6; do
    expected+=("share/man/$(basename "$(dirname "$page")")/man6/bricks.6.gz")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f -printf '%P\n' | sort)

# Not even a hint: a missing main category, say, is only one. Across files: the metainfo's launchable names the
# desktop entry.
hints=$(desktop-file-validate "$root/share/applications/$id.desktop")
[ -z "$hints" ] || fail "$hints"
appstreamcli validate-tree --no-net "$work/root/usr"
# Pedantic too, but for the capitals of the id, which stays, and Debian 12's validator not knowing <developer>.
notes=$(appstreamcli validate --pedantic --no-net "$root/share/metainfo/$id.metainfo.xml" \
    | grep -vE 'cid-contains-uppercase-letter|unknown-tag developer|Validation was successful|^$' || true)
[ -z "$notes" ] || fail "$notes"
# lintian reads the manual page's name with lexgrog, and its text with man's warnings.
lintian --fail-on error,warning "$deb" > "$work/lintian.log" 2>&1 || fail "$(cat "$work/lintian.log")"
# make install into a prefix of one's own: the menu's entry names the program where it landed.
cmake --install "$build" --prefix "$work/prefix" > /dev/null
grep -qx "Exec=$work/prefix/games/bricks" "$work/prefix/share/applications/$id.desktop" \
    && [ -x "$work/prefix/games/bricks" ] || fail "the entry does not name the program installed in a prefix"

apt-get install --simulate --quiet "$deb" > "$work/apt.log" || fail "$(cat "$work/apt.log")"
# The packaged game, started as its entry says, in the package's own root.
exec=$(sed -n 's/^Exec=//p' "$root/share/applications/$id.desktop")
HOME="$work" XDG_CONFIG_HOME="$work" "$work/root$exec" &
game=$!
timeout 10 bash -c "until xdotool search --onlyvisible --name '^Bricks$'; do sleep 0.1; done" > /dev/null \
    || fail "the packaged game showed no window"
