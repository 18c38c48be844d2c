#!/usr/bin/env bash
# Builds the Debian package from the build folder given, checks its fields and files,
# asks apt whether it would install here, and starts the packaged game on the display.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap '[ -n "${game:-}" ] && kill "$game" 2>/dev/null; rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work" > "$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; exit 1; }
deb=$(echo "$work"/bricks_1.0.0_*.deb)
fields=$(dpkg-deb --field "$deb" Package Version Section Depends)
echo "$fields"
grep -qx 'Package: bricks' <<< "$fields"
grep -qx 'Version: 1.0.0' <<< "$fields"
for library in libqt6core6 libqt6gui6 libqt6widgets6 libc6 libstdc++6; do
    grep -q "^Depends:.*\b$library\b" <<< "$fields" || { echo "no dependency on $library"; exit 1; }
done
files=$(dpkg-deb --contents "$deb")
for file in bin/bricks share/applications/io.github.vondrel.Bricks.desktop share/metainfo/io.github.vondrel.Bricks.metainfo.xml \
            share/icons/hicolor/256x256/apps/io.github.vondrel.Bricks.png share/icons/hicolor/scalable/apps/io.github.vondrel.Bricks.svg; do
    grep -q " \./usr/$file\$" <<< "$files" || { echo "not in the package: /usr/$file"; exit 1; }
done

# Every dependency resolves on this system; nothing is installed.
apt-get install --simulate --quiet "$deb" > "$work/apt.log" || { cat "$work/apt.log"; exit 1; }

dpkg-deb --extract "$deb" "$work/root"
mkdir "$work/home"
HOME="$work/home" XDG_CONFIG_HOME="$work/home" "$work/root/usr/bin/bricks" &
game=$!
for _ in $(seq 100); do
    xdotool search --onlyvisible --name '^Bricks$' > /dev/null && exit 0
    kill -0 "$game" || { echo "the packaged game ended at start"; exit 1; }
    sleep 0.1
done
echo "the packaged game showed no window"
exit 1
