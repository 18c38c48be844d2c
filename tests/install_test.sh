#!/usr/bin/env bash
# Installs the build folder given into a temporary prefix: exactly the expected files
# arrive, the icons have their stated sizes, and the desktop entry and metainfo validate.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" > /dev/null
id=io.github.vondrel.Bricks
expected=(bin/bricks share/applications/$id.desktop share/metainfo/$id.metainfo.xml
          share/icons/hicolor/scalable/apps/$id.svg share/doc/bricks/copyright)
for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x$size/apps/$id.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f -printf '%P\n' | sort)
[ -x "$prefix/bin/bricks" ]
for size in 16 32 48 64 128 256; do
    actual=$(identify -format '%wx%h' "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png")
    [ "$actual" = "${size}x$size" ] || { echo "the ${size}px icon is $actual"; exit 1; }
done

# Not even a hint: a missing main category, say, is only one.
hints=$(desktop-file-validate "$prefix/share/applications/$id.desktop")
[ -z "$hints" ] || { echo "$hints"; exit 1; }
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
# Across files: the metainfo's launchable names an installed desktop entry.
appstreamcli validate-tree --no-net "$prefix"
