# Sourced by the scripts that run the Windows programs under Wine: one Wine
# prefix, kept in a build folder, and one Wine server for every program of
# the run, on a virtual display.
#   start_wine_session BUILD_DIR   exports WINEPREFIX, WINEDEBUG and DISPLAY
#   stop_wine_session

. "$(dirname "${BASH_SOURCE[0]}")/virtual_display.sh"
wine_dir=/usr/lib/wine

start_wine_session() {
    export WINEPREFIX="$(realpath "$1")/wine" WINEDEBUG=-all
    # Starting Wine is slow: the prefix is made once, and one server serves
    # the whole run (one running already serves as well).
    "$wine_dir/wineserver" -p 2>/dev/null || true
    start_virtual_display || return 1
    # The prefix's services and desktop start here, apart from the tests'
    # output pipes: started by a test, they would hold its pipe open past its end.
    local first_start=()
    [ -f "$WINEPREFIX/system.reg" ] || first_start=(--init)
    "$wine_dir/wine64" wineboot "${first_start[@]}" >/dev/null 2>&1
}

stop_wine_session() {
    "$wine_dir/wineserver" -k 2>/dev/null || true
    stop_virtual_display
}
