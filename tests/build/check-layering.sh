#!/bin/sh
# Fails when a layer includes a header of a layer above it. The catalogue knows only the base;
# the engine the base and the catalogue; the console companion the engine and below. None of
# them may reach the windows, the editor, the dialogs or the settings of the window program.
src="$1"
status=0
check() {  # folder, then the folders its files may include
    folder="$1"; shift
    allowed="$* $folder"
    for file in "$src/$folder"/*; do
        for included in $(sed -n 's/^#include "\([a-z_]*\)\/.*/\1/p' "$file" | sort -u); do
            case " $allowed " in
                *" $included "*) ;;
                *) echo "$folder/$(basename "$file") includes $included/"; status=1 ;;
            esac
        done
    done
}
check catalogue base
check engine base catalogue
check console base catalogue engine
# Of the base, the windows, controls, menus, clipboard and shortcuts belong to the window program.
for folder in catalogue engine console; do
    if grep -n '#include "base/\(window\|window_dc\|controls\|menu\|clipboard\|shortcuts\)\.h"' "$src/$folder"/*; then
        echo "$folder/ includes a window header of the base"; status=1
    fi
done
[ $status -eq 0 ] && echo "layers ok"
exit $status
