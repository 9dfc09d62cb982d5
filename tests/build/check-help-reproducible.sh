#!/bin/sh
# The help file compiled again gives the same bytes as the built one: a release rebuilt from
# the same commit must not differ in it.
built="$1"
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
again=$(mktemp)
trap 'rm -f "$again"' EXIT
"$source_dir/scripts/build-help" "$source_dir/help" "$again" >/dev/null 2>&1 || { echo "build-help failed"; exit 1; }
if cmp "$built" "$again"; then
    echo "ok: the help file compiled again is byte for byte the built one"
    exit 0
fi
echo "the help file compiled again differs from the built one"
exit 1
