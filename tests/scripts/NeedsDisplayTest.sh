#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ./run asks for a display only when Brainloft will open a window.
set -u
source "$1/scripts/common.sh"
failures=0
expect() {
    local wanted=$1
    shift
    if needs_display "$@"; then got=window; else got=none; fi
    if [ "$got" != "$wanted" ]; then
        echo "needs_display $*: expected $wanted, got $got"
        failures=$((failures + 1))
    fi
}
expect window
expect window examples/solar-system.blz
expect window --edit quiz.blz
expect window --results quiz.blz more.blg
expect window -- --help
expect none --help
expect none quiz.blz --VERSION
expect none --import q.gift --output n.blz
expect none --export gift q.blz out.gift
expect none --print-pdf q.blz out.pdf
expect none --results q.blz --items-csv items.csv
expect none --results q.blz --report-pdf=r.pdf
exit $((failures > 0))
