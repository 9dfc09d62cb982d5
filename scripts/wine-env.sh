# Sourced by the run and test scripts: the Wine settings shared by both.
wine_env_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ "$("$wine_env_dir/wine-arch")" = i686 ]; then
    export WINEARCH=win32
else
    # The kernel runs no 32-bit programs: 64-bit Wine runs the 64-bit build.
    export WINEARCH=win64
    export WINELOADER=/usr/lib/wine/wine64
    export PATH="$wine_env_dir/wine64:$PATH"
fi
export WINEDEBUG=-all
# No Mono or Gecko installers: the program needs neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Starts a private X server on a free display; sets DISPLAY and XVFB_PID.
start_xvfb() {
    local fd_file
    fd_file=$(mktemp)
    Xvfb -displayfd 9 -screen 0 1280x1024x24 -nolisten tcp 9>"$fd_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    local i
    for i in $(seq 1 100); do
        [ -s "$fd_file" ] && break
        sleep 0.1
    done
    [ -s "$fd_file" ] || { echo "Xvfb did not start" >&2; rm -f "$fd_file"; return 1; }
    export DISPLAY=":$(head -n 1 "$fd_file")"
    rm -f "$fd_file"
}

# Creates the prefix named by WINEPREFIX if needed and starts a persistent wineserver.
start_wine() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1
    fi
    wineserver -p
    wine cmd /c exit >/dev/null 2>&1
}
