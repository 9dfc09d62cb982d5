#!/bin/sh
# Fails unless the exe's PE header carries IMAGE_FILE_LARGE_ADDRESS_AWARE (0x0020): only then does
# a 32-bit process get 4 GB of address space under 64-bit Windows, room the editor needs for big files.
exe="$1"
objdump="${2:-i686-w64-mingw32-objdump}"
header=$("$objdump" -p "$exe" 2>/dev/null | sed -n 's/^Characteristics 0x\([0-9a-fA-F]*\)$/\1/p')
[ -n "$header" ] || { echo "no PE header found in $exe"; exit 1; }
if [ $(( 0x$header & 0x20 )) -ne 0 ]; then
    echo "ok: Characteristics 0x$header: large address aware"
    exit 0
fi
echo "Characteristics 0x$header: not large address aware"
exit 1
