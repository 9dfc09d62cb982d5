#!/bin/sh
# Fails when the exe imports a DLL that Windows does not ship (a runtime left dynamic, say).
exe="$1"
objdump="${2:-i686-w64-mingw32-objdump}"
allowed="kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll shlwapi.dll comctl32.dll \
ole32.dll oleaut32.dll comdlg32.dll msvcrt.dll version.dll uxtheme.dll winspool.drv"
imports=$("$objdump" -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$imports" ] || { echo "no import table found in $exe"; exit 1; }
status=0
for dll in $imports; do
    case " $allowed " in
        *" $dll "*) echo "ok: $dll" ;;
        *) echo "not a system DLL: $dll"; status=1 ;;
    esac
done
exit $status
