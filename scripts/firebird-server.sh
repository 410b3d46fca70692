#!/usr/bin/env bash
# A Firebird 3 server on the loopback only, for the tests that need one:
#   scripts/firebird-server.sh start   configures Debian's firebird3.0-server (listening on
#                                      127.0.0.1 alone, SYSDBA with the password the system
#                                      connects with) and starts it;
#   scripts/firebird-server.sh stop    stops the server that start started.
# A server already answering on 127.0.0.1 with that password is used as it is and left
# running. Both commands may be repeated.
set -euo pipefail

readonly password=quillbrag
readonly conf=/etc/firebird/3.0/firebird.conf
readonly security=/var/lib/firebird/3.0/system/security3.fdb
readonly run=/run/tributra-firebird
readonly pidfile=$run/firebird.pid

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

# What a login through the server gets: "ok", "refused" (a server with another password)
# or "down". The probe asks for a file that does not exist: a server that lets SYSDBA in
# answers that it cannot open it.
probe() {
    local out
    out=$(echo "connect 'localhost:/tributra-probe/none.fdb' user 'SYSDBA' password '$password';" |
        isql-fb -q 2>&1 || true)
    case "$out" in
        *"I/O error"*) echo ok ;;
        *"user name and password"*) echo refused ;;
        *) echo down ;;
    esac
}

configure() {
    # Only the loopback: nothing of the office's data is reachable from the network.
    if grep -q '^RemoteBindAddress' "$conf"; then
        $sudo sed -i 's/^RemoteBindAddress.*/RemoteBindAddress = 127.0.0.1/' "$conf"
    else
        echo 'RemoteBindAddress = 127.0.0.1' | $sudo tee -a "$conf" >/dev/null
    fi
    # The security database is reached by the embedded engine while no server runs.
    local sql
    sql=$(mktemp)
    echo "alter user SYSDBA password '$password';" >"$sql"
    chmod 644 "$sql"
    $sudo isql-fb -q -user SYSDBA -i "$sql" "$security"
    rm -f "$sql"
    # Lock files of its own: the embedded engines of other users keep theirs in /tmp/firebird.
    $sudo install -d -o firebird -g firebird -m 770 "$run" "$run/lock"
}

start() {
    case "$(probe)" in
        ok)
            echo "Firebird server already answering on 127.0.0.1: used as it is"
            return 0
            ;;
        refused)
            echo "A Firebird server on 127.0.0.1 refuses SYSDBA's password; stop it first" \
                "(for instance: systemctl stop firebird3.0)" >&2
            return 1
            ;;
    esac
    configure
    $sudo env FIREBIRD_LOCK="$run/lock" start-stop-daemon --start --quiet --background \
        --make-pidfile --pidfile "$pidfile" --chuid firebird:firebird --exec /usr/sbin/firebird
    for _ in $(seq 1 100); do
        [ "$(probe)" = ok ] && { echo "Firebird server started on 127.0.0.1"; return 0; }
        sleep 0.1
    done
    echo "The Firebird server did not answer" >&2
    stop
    return 1
}

stop() {
    [ -f "$pidfile" ] || return 0
    $sudo start-stop-daemon --stop --quiet --pidfile "$pidfile" --retry TERM/10/KILL/5 \
        --remove-pidfile || true
    echo "Firebird server stopped"
}

case "${1:-}" in
    start) start ;;
    stop) stop ;;
    *)
        echo "Uso: $0 start|stop" >&2
        exit 2
        ;;
esac
