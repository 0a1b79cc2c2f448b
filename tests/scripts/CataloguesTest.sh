#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The translation catalogues against the sources:
#   - lupdate, run over copies of translations/*.ts, finds no text that is not
#     in them yet and none that is gone, and meets no text it cannot place
#     (a tr() without a context, say);
#   - with "require" as the fourth argument, lrelease reports no unfinished or
#     untranslated message in any catalogue.
# Usage: CataloguesTest.sh SOURCE_DIR LUPDATE LRELEASE [require]
set -u
source_dir=$1
lupdate=$2
lrelease=$3
require=${4:-}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
shopt -s nullglob
catalogues=("$source_dir"/translations/brainloft_*.ts)
if [ ${#catalogues[@]} -eq 0 ]; then
    echo "no catalogues in $source_dir/translations" >&2
    exit 1
fi

for catalogue in "${catalogues[@]}"; do
    name=$(basename "$catalogue")
    cp "$catalogue" "$work/$name"
    report=$("$lupdate" -no-obsolete -locations none "$source_dir/src" "$source_dir/resources/ui" \
                 -ts "$work/$name" 2>&1)
    # lupdate names a text it cannot place with the file and line.
    if problems=$(grep -E '^[^ ].*:[0-9]+: ' <<<"$report"); then
        echo "$name: lupdate cannot catalogue these texts:" >&2
        echo "$problems" >&2
        status=1
    fi
    if ! grep -qE 'Found [0-9]+ source text\(s\) \(0 new and [0-9]+ already existing\)' <<<"$report" ||
       grep -q 'obsolete entries' <<<"$report"; then
        echo "$name is out of date; run: cmake --build build --target update_translations" >&2
        grep -E 'Found|obsolete' <<<"$report" >&2
        status=1
    fi
    if [ "$require" = require ]; then
        released=$("$lrelease" "$catalogue" -qm "$work/${name%.ts}.qm" 2>&1)
        if grep -qE '[1-9][0-9]* unfinished|Ignored [1-9][0-9]* untranslated' <<<"$released"; then
            echo "$name has messages still to translate:" >&2
            echo "$released" >&2
            status=1
        fi
    fi
done
exit $status
