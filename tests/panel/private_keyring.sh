#!/usr/bin/env bash
# Runs a command with a keyring daemon of its own on the session bus that dbus-run-session made
# for it: private_keyring.sh SCRATCH COMMAND... The daemon keeps its keyring under SCRATCH and
# ends with the command.
set -u
scratch=$1
shift
mkdir -p "$scratch/home"
# The daemon's sockets go here: a short path, as a socket's path is limited to 107 bytes.
runtime=$(mktemp -d /tmp/keyring.XXXXXX)
trap 'rm -rf "$runtime"' EXIT
export HOME=$scratch/home XDG_DATA_HOME=$scratch/home/data XDG_RUNTIME_DIR=$runtime
printf 'test-keyring' | gnome-keyring-daemon --foreground --unlock --components=secrets \
    > "$scratch/daemon.log" 2>&1 &
daemon=$!
# Until the daemon owns the Secret Service's name; a request before would start another.
for _ in $(seq 100); do
    if dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.secrets 2>/dev/null |
        grep -q 'boolean true'; then
        break
    fi
    sleep 0.1
done
"$@"
status=$?
kill "$daemon" 2>/dev/null
wait "$daemon" 2>/dev/null
exit "$status"
