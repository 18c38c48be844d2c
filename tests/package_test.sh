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
files=$(dpkg-deb --contents "$deb")
for file in bin/bricks share/applications/io.github.vondrel.Bricks.desktop share/metainfo/io.github.vondrel.Bricks.metainfo.xml \
            share/icons/hicolor/256x256/apps/io.github.vondrel.Bricks.png share/icons/hicolor/scalable/apps/io.github.vondrel.Bricks.svg; do
    grep -q " \./usr/$file\$" <<< "$files" || { echo "not in the package: /usr/$file"; exit 1; }
done

# Every dependency resolves on this system; nothing is installed.
apt-get install --simulate --quiet "$deb" > "$work/apt.log" || { cat "$work/apt.log"; exit 1; }

dpkg-deb --extract "$deb" "$work/root"
# Each library the program links comes from a package it depends on, by whatever name the
# release gives that package (Debian 13 renamed many for its 64-bit time_t).
depends=" $(sed -n 's/^Depends: //p' <<< "$fields" | sed 's/ *([^)]*)//g; s/,/ /g') "
for library in $(objdump -p "$work/root/usr/bin/bricks" | awk '/NEEDED/ {print $2}'); do
    owners=$(dpkg -S "*/$library" | sed 's/: .*//; s/:[a-z0-9]*//g; s/,/ /g')
    provided=
    for owner in $owners; do [[ $depends == *" $owner "* ]] && provided=yes; done
    [ -n "$provided" ] || { echo "no dependency provides $library:" $owners; exit 1; }
done
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
