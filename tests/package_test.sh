#!/usr/bin/env bash
# Builds the Debian package from the build folder given, made by the same install rules as make install: exactly
# the expected files, a desktop entry and metainfo that validate, dependencies that resolve here, and the packaged
# game starting on the display.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap '[ -n "${game:-}" ] && kill "$game" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$work" > "$work/cpack.log" 2>&1 || fail "$(cat "$work/cpack.log")"
deb=$(echo "$work"/bricks_1.0.0_*.deb)
dpkg-deb --extract "$deb" "$work/root"
root=$work/root/usr id=io.github.vondrel.Bricks
expected=(bin/bricks share/applications/$id.desktop share/metainfo/$id.metainfo.xml
          share/icons/hicolor/scalable/apps/$id.svg share/doc/bricks/copyright)
for size in 16 32 48 64 128 256; do expected+=("share/icons/hicolor/${size}x$size/apps/$id.png"); done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f -printf '%P\n' | sort)

# Not even a hint: a missing main category, say, is only one. Across files: the metainfo's launchable names the
# desktop entry.
hints=$(desktop-file-validate "$root/share/applications/$id.desktop")
[ -z "$hints" ] || fail "$hints"
appstreamcli validate-tree --no-net "$work/root/usr"

apt-get install --simulate --quiet "$deb" > "$work/apt.log" || fail "$(cat "$work/apt.log")"
mkdir "$work/home"
HOME="$work/home" XDG_CONFIG_HOME="$work/home" "$root/bin/bricks" &
game=$!
timeout 10 bash -c "until xdotool search --onlyvisible --name '^Bricks$'; do sleep 0.1; done" > /dev/null \
    || fail "the packaged game showed no window"
