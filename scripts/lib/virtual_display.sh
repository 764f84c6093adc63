# Sourced by the scripts that need a screen: starts Xvfb on a display number
# the server picks itself (-displayfd), so it never draws on another server
# that happens to use the same number, and exports DISPLAY.
#   start_virtual_display [WxHxD]   sets virtual_display_pid; fails when no server starts
#   stop_virtual_display

start_virtual_display() {
    local screen=${1:-1024x768x24} number_file
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$number_file" 2>/dev/null &
    virtual_display_pid=$!
    # The server writes its number once it takes connections.
    for _ in $(seq 100); do
        [ -s "$number_file" ] && break
        kill -0 "$virtual_display_pid" 2>/dev/null || break
        sleep 0.1
    done
    local number
    number=$(head -n 1 "$number_file")
    rm -f "$number_file"
    if [ -z "$number" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$number"
}

stop_virtual_display() {
    [ -n "${virtual_display_pid:-}" ] && kill "$virtual_display_pid" 2>/dev/null
    virtual_display_pid=""
}
