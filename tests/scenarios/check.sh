#!/bin/bash
# Runs one scenario in a fresh folder and compares what it printed with its transcript.
# The folder's path prints as $DIR. A line "# status: N" in the scenario sets the exit
# status it must end with (0 otherwise).
set -uo pipefail
runner=$1 scenario=$2 transcript=$3
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
expected_status=$(sed -n 's/^# status: \([0-9]*\)$/\1/p' "$scenario")
"$runner" --dir "$dir" "$scenario" >"$dir.out" 2>&1
status=$?
sed "s|$dir|\$DIR|g" "$dir.out" >"$dir.seen"
rm -f "$dir.out"
if ! diff -u "$transcript" "$dir.seen"; then
    rm -f "$dir.seen"
    echo "transcript differs"
    exit 1
fi
rm -f "$dir.seen"
if [[ $status -ne ${expected_status:-0} ]]; then
    echo "exit status $status, expected ${expected_status:-0}"
    exit 1
fi
