#!/usr/bin/env bash
# A real NetworkManager with a real VPN link, apart from this machine's own
# network: a network namespace of its own, a private system bus, a mount
# namespace in which /sys is read-only (so NetworkManager does not wait for
# udev) and /run and /var/lib/NetworkManager are empty, and an OpenVPN peer in
# a second network namespace across a veth pair, so traffic to the far end
# really crosses the tunnel. Needs root, ip, dbus-daemon, NetworkManager with
# its OpenVPN plugin, and openvpn.
#
#   real_networkmanager.sh up DIR        starts it all in DIR, or says on standard
#                                        error what this machine lacks for it
#   real_networkmanager.sh down DIR      ends what `up` started, removes the namespace
#   real_networkmanager.sh line-down DIR takes MobileISP down as a user would
#   real_networkmanager.sh kill-link DIR kills the openvpn client of MobileISP
#   real_networkmanager.sh stop DIR      ends NetworkManager
#
# After `up`, DIR/netns names NetworkManager's namespace and DIR/bus_address
# the system bus.
# The VPN profile "MobileISP" (OpenVPN, static key DIR/static.key) has the
# address 10.8.0.2; its far end is 10.8.0.1.
set -euo pipefail
command=${1:?up, down, line-down, kill-link or stop}
dir=$(realpath -m "${2:?a folder}")
bus=unix:path=$dir/bus/system_bus_socket
export DBUS_SYSTEM_BUS_ADDRESS=$bus

# Says what this machine lacks to run it all, if anything.
check_machine() {
    [ "$(id -u)" = 0 ] || { echo "needs root, for the network namespaces"; return 1; }
    for tool in ip dbus-daemon gdbus NetworkManager nmcli nm-online openvpn ping; do
        command -v "$tool" >/dev/null ||
            { echo "$tool is missing (scripts/install-deps installs it)"; return 1; }
    done
    [ -e /usr/lib/NetworkManager/VPN/nm-openvpn-service.name ] ||
        { echo "NetworkManager's OpenVPN plugin is missing (scripts/install-deps installs it)"; return 1; }
}

# nmcli waits up to 10 s for NetworkManager, which answers within a second.
nm() { nmcli --wait 10 "$@" >/dev/null; }

# Named after the folder, so runs side by side have namespaces of their own.
ns=tw-$(printf %s "$dir" | cksum | cut -d' ' -f1)
peer=$ns-peer

# The processes of both namespaces, NetworkManager's children included.
in_namespaces() { for n in "$ns" "$peer"; do ip netns pids "$n" 2>/dev/null || true; done; }

start_bus() {
    mkdir -p "$dir/bus"
    cat >"$dir/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>system</type><listen>$bus</listen>
<policy context="default"><allow user="*"/><allow own="*"/><allow send_destination="*"/>
<allow receive_sender="*"/></policy></busconfig>
CONF
    dbus-daemon --config-file="$dir/bus.conf" --fork --print-pid >"$dir/dbus.pid"
}

# No DNS or host name is handed to this machine; profiles live in DIR.
start_networkmanager() {
    mkdir -p "$dir/profiles" "$dir/lib"
    chmod 700 "$dir/profiles"
    printf '[main]\nplugins=keyfile\nno-auto-default=*\ndns=none\nrc-manager=unmanaged\n%s\n%s\n' \
        'hostname-mode=none' "[keyfile]
path=$dir/profiles" >"$dir/nm.conf"
    # OpenVPN's up-script clears its environment and finds the bus at the
    # standard place, so /run/dbus is the private bus's folder there.
    ip netns exec "$ns" unshare -m sh -c "
        mount -o remount,bind,ro /sys &&
        mount -t tmpfs tmpfs /run && mkdir /run/dbus && mount --bind '$dir/bus' /run/dbus &&
        mount -t tmpfs tmpfs /var/lib/NetworkManager &&
        exec NetworkManager --no-daemon --debug --config='$dir/nm.conf' --state-file='$dir/lib/state'" \
        >"$dir/nm.log" 2>&1 &
    echo $! >"$dir/nm.pid"
    gdbus wait --system --timeout 10 org.freedesktop.NetworkManager
    nm-online --timeout 10 --wait-for-startup --quiet
}

# tw0 is this side of the wire, tw1 the far side with the OpenVPN peer. The
# peer takes about a second to start afresh after a client has left.
start_peer() {
    ip netns add "$peer"
    ip netns exec "$ns" ip link add tw0 type veth peer name tw1 netns "$peer"
    ip netns exec "$peer" sh -c 'ip link set lo up && ip address add 10.77.0.2/24 dev tw1 &&
        ip link set tw1 up'
    openvpn --genkey secret "$dir/static.key"
    ip netns exec "$peer" openvpn --dev tun --ifconfig 10.8.0.1 10.8.0.2 \
        --secret "$dir/static.key" --cipher AES-256-CBC --local 10.77.0.2 --lport 1194 \
        --proto udp --daemon --writepid "$dir/server.pid" --log "$dir/server.log" >/dev/null
}

# NetworkManager's wire to the peer, and the VPN profile across it.
add_profiles() {
    nm device set tw0 managed yes
    nm connection add type ethernet ifname tw0 con-name Uplink ipv4.method manual \
        ipv4.addresses 10.77.0.1/24 ipv4.gateway 10.77.0.2 ipv6.method disabled autoconnect no
    nm connection up Uplink
    nm connection add type vpn vpn-type openvpn con-name MobileISP autoconnect no \
        ipv4.never-default yes vpn.data "connection-type=static-key, remote=10.77.0.2, port=1194,
        static-key=$dir/static.key, local-ip=10.8.0.2, remote-ip=10.8.0.1, cipher=AES-256-CBC"
}

# The client openvpn is the one NetworkManager's plugin started.
kill_link() {
    for pid in $(ip netns pids "$ns"); do
        if [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = openvpn ]; then kill "$pid"; fi
    done
}

down() {
    [ -s "$dir/dbus.pid" ] && kill "$(cat "$dir/dbus.pid")" 2>/dev/null || true
    # What is left in the namespaces (NetworkManager, the VPN plugin, both
    # openvpn) ends with them; nothing there is waited for.
    for pid in $(in_namespaces); do kill -9 "$pid" 2>/dev/null || true; done
    for n in "$ns" "$peer"; do ip netns del "$n" 2>/dev/null || true; done
    rm -f "$dir/netns" "$dir/dbus.pid"
}

case "$command" in
up)
    check_machine >&2
    mkdir -p "$dir"
    trap 'down' ERR
    ip netns add "$ns"
    echo "$ns" >"$dir/netns"
    ip netns exec "$ns" ip link set lo up
    start_peer
    start_bus
    start_networkmanager
    add_profiles
    echo "$bus" >"$dir/bus_address"
    ;;
down) down ;;
line-down) nm connection down MobileISP ;;
kill-link) kill_link ;;
stop) kill "$(cat "$dir/nm.pid")" ;;
*) echo "unknown command $command" >&2; exit 2 ;;
esac
