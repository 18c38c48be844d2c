#!/usr/bin/env bash
# The translations are complete: lupdate makes nothing new of the sources, no text is left
# unfinished or over, and each translation, each plural form of one, keeps its source's placeholders.
#   usage: translations/check.sh BUILD_FOLDER   (configured with CMake)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build "$1" --target update_translations > /dev/null
git diff --exit-code -- 'translations/*.ts' || { echo "translations/: not what lupdate makes of the sources"; exit 1; }
if grep -Hn 'type="\(unfinished\|vanished\|obsolete\)"' translations/*.ts; then
    echo "translations/: the texts above are not translated, or no longer in the sources"
    exit 1
fi
# A text with a count has a translation for each plural form of the language, none of them empty, each with the
# source's placeholders, %n among them.
perl -0777 -ne 'while (m{<source>(.*?)</source>.*?<translation[^>]*>(.*?)</translation>}gs) {
    my ($source, $translation) = ($1, $2);
    my @forms = $translation =~ m{<numerusform>(.*?)</numerusform>}gs;
    @forms = ($translation) unless $translation =~ /<numerusform>/;
    for my $form (@forms) {
        my ($s, $t) = map { join " ", sort /%(?:\d+|n)/g } $source, $form;
        if ($s ne $t) { print "$ARGV: \"$source\" has placeholders [$s], a translation [$t]\n"; $bad = 1 }
    }
} END { exit $bad }' translations/*.ts
echo "translations/: complete"
