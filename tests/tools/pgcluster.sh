#!/usr/bin/env bash
# A throwaway PostgreSQL 15 cluster for the tests, on 127.0.0.1:
#
#   pgcluster.sh start PORT SCHEMA       makes a fresh folder (printed: the DIR of
#                                        the other commands), starts the server in
#                                        it, makes the database "minuka" and loads
#                                        SCHEMA
#   pgcluster.sh stop DIR                stops it (fast), the data kept
#   pgcluster.sh again DIR               starts it again on the same port
#   pgcluster.sh psql DIR ARGS...        psql as the superuser over the socket
#   pgcluster.sh remove DIR              stops it and deletes DIR
#
# The server runs as the user who calls this, or as "postgres" when called
# as root (initdb refuses root). The superuser comes in over the socket in
# DIR without a password; logins over TCP give their password.
set -euo pipefail
bin=/usr/lib/postgresql/15/bin
cmd=$1 dir=${2:-}
as=()
if [ "$(id -u)" -eq 0 ]; then
  as=(runuser -u postgres --)
fi
run() { "${as[@]}" "$@"; }
super() { run "$bin/psql" -X -q -h "$dir" -p "$(cat "$dir/port")" -U minuka_admin "$@"; }

case $cmd in
start)
  port=$2 schema=$3
  [ -x "$bin/initdb" ] || { echo "no PostgreSQL 15 in $bin" >&2; exit 2; }
  # A folder the server's user can reach, even when the caller's own
  # temporary folders are closed to others.
  if [ "$(id -u)" -eq 0 ]; then
    dir=$(mktemp -d /tmp/minuka-pg.XXXXXX)
    chown postgres: "$dir"
  else
    dir=$(mktemp -d "${TMPDIR:-/tmp}/minuka-pg.XXXXXX")
  fi
  # A start that fails half way leaves no server behind.
  trap 'echo "see $dir/initdb.log and $dir/server.log" >&2; "${as[@]}" "$bin/pg_ctl" -D "$dir/data" -m immediate -w stop > /dev/null 2>&1 || true' ERR
  echo "$port" > "$dir/port"
  run "$bin/initdb" -D "$dir/data" -U minuka_admin -E UTF8 --locale=C.UTF-8 \
    --auth-local=trust --auth-host=scram-sha-256 --no-sync > "$dir/initdb.log"
  run "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 \
    -o "-c listen_addresses=127.0.0.1 -p $port -k $dir -c fsync=off -c max_connections=120" start > /dev/null
  super -d postgres -c "create database minuka"
  super -d minuka -f "$schema" > /dev/null
  trap - ERR
  echo "$dir"
  ;;
stop)
  run "$bin/pg_ctl" -D "$dir/data" -m fast -w stop > /dev/null
  ;;
again)
  port=$(cat "$dir/port")
  run "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w -t 30 \
    -o "-c listen_addresses=127.0.0.1 -p $port -k $dir -c fsync=off -c max_connections=120" start > /dev/null
  ;;
psql)
  shift 2
  super "$@"
  ;;
remove)
  run "$bin/pg_ctl" -D "$dir/data" -m immediate -w stop > /dev/null 2>&1 || true
  rm -rf "$dir"
  ;;
*)
  echo "usage: $0 start|stop|again|psql|remove DIR ..." >&2
  exit 2
  ;;
esac
