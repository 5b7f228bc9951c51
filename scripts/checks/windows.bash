# Sourced by the checks that build and run Windows programs: the mingw-w64
# compiler, and a private, quiet wine prefix inside the build tree, made once. A missing wine is a failure, not
# a skip, so that this coverage cannot silently disappear (scripts/test
# installs it through scripts/packages/wine.list).
#
#   mingw_ready                non-zero without the cross-compiler
#   wine_setup <build dir>     exports WINEPREFIX and friends; non-zero without wine
#   wine_run <program.exe> [args...]
#   wine_windowed <program.exe> [args...]   the same under a virtual X display

mingw_ready() {
    command -v x86_64-w64-mingw32-g++ >/dev/null && return 0
    echo "x86_64-w64-mingw32-g++ is not installed (package g++-mingw-w64-x86-64)" >&2
    return 1
}

wine_setup() {
    if ! command -v wine >/dev/null || ! command -v wineboot >/dev/null; then
        echo "wine is not installed (packages wine and wine64; scripts/install-deps installs them)" >&2
        return 1
    fi
    local build
    build=$(cd "$1" && pwd) || return 1
    # Absolute, or wine refuses it. No Mono or Gecko installer dialogs, no
    # debug chatter, 64-bit only (Debian's wine64 has no 32-bit half).
    export WINEPREFIX="$build/wineprefix" WINEARCH=win64 WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    if [ ! -f "$WINEPREFIX/.tonewright-ready" ]; then
        mkdir -p "$WINEPREFIX"
        wineboot -i >/dev/null 2>&1 || true
        wineserver -w
        [ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot could not make $WINEPREFIX" >&2; return 1; }
        touch "$WINEPREFIX/.tonewright-ready"
    fi
}

wine_run() {
    wine "$@"
}

wine_windowed() {
    xvfb-run -a wine "$@"
}
