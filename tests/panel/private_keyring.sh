#!/usr/bin/env bash
# Runs a command on a session bus of its own, with the user's keyring of the kind asked for:
#   private_keyring.sh SCRATCH KIND COMMAND...
#   unlocked  a keyring daemon whose login keyring (under SCRATCH, made when missing) is open
#   locked    a keyring daemon whose login keyring, made by an earlier "unlocked" run, stays locked
#   none      no keyring daemon, though the bus could start one: exits with 3 when one was started
# The bus and everything it starts see SCRATCH as their home, so that no keyring file lands
# elsewhere; a daemon ends with the command.
set -u
scratch=$1
kind=$2
shift 2

secret_service_runs() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets 2>/dev/null |
        grep -q 'boolean true'
}

if [ -z "${PRIVATE_KEYRING_BUS:-}" ]; then
    mkdir -p "$scratch/home"
    # The daemon's sockets go here: a short path, as a socket's path is limited to 107 bytes.
    runtime=$(mktemp -d /tmp/keyring.XXXXXX)
    trap 'rm -rf "$runtime"' EXIT
    export HOME=$scratch/home XDG_DATA_HOME=$scratch/home/data XDG_CACHE_HOME=$scratch/home/cache \
        XDG_CONFIG_HOME=$scratch/home/config XDG_RUNTIME_DIR=$runtime PRIVATE_KEYRING_BUS=1
    dbus-run-session -- bash "$0" "$scratch" "$kind" "$@"
    exit $?
fi

daemon=
case $kind in
    unlocked)
        printf 'test-keyring' | gnome-keyring-daemon --foreground --unlock --components=secrets \
            > "$scratch/daemon.log" 2>&1 &
        daemon=$!
        ;;
    locked)
        gnome-keyring-daemon --foreground --components=secrets < /dev/null \
            > "$scratch/daemon.log" 2>&1 &
        daemon=$!
        ;;
esac
if [ -n "$daemon" ]; then
    # Until the daemon owns the Secret Service's name; a request before would start another.
    for _ in $(seq 100); do
        secret_service_runs && break
        sleep 0.1
    done
fi
"$@"
status=$?
if [ -n "$daemon" ]; then
    kill "$daemon" 2>/dev/null
    wait "$daemon" 2>/dev/null
elif secret_service_runs; then
    echo "private_keyring.sh: the command started a Secret Service" >&2
    status=3
fi
exit "$status"
