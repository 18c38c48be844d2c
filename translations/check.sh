#!/usr/bin/env bash
# The translations are complete: lupdate makes nothing new of the sources, no text is left
# unfinished or over, and each translation keeps its source's placeholders.
#   usage: translations/check.sh BUILD_FOLDER   (configured with CMake)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build "$1" --target update_translations > /dev/null
git diff --exit-code -- 'translations/*.ts' || { echo "translations/: not what lupdate makes of the sources"; exit 1; }
if grep -Hn 'type="\(unfinished\|vanished\|obsolete\)"' translations/*.ts; then
    echo "translations/: the texts above are not translated, or no longer in the sources"
    exit 1
fi
perl -0777 -ne 'while (m{<source>(.*?)</source>.*?<translation[^>]*>(.*?)</translation>}gs) {
    my ($source, $translation) = ($1, $2);
    my ($s, $t) = map { join " ", sort /%\d+/g } $source, $translation;
    if ($s ne $t) { print "$ARGV: \"$source\" has placeholders [$s], its translation [$t]\n"; $bad = 1 }
} END { exit $bad }' translations/*.ts
echo "translations/: complete"
