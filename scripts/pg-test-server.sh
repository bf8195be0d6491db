#!/usr/bin/env bash
# Sourced by ./test: starts a throwaway PostgreSQL server on a free loopback port in a temporary
# folder, exports HARMOZ_TEST_PG with its connection string, and stops it when the shell exits.
pg_bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
if [ -z "$pg_bin" ]; then
  echo "PostgreSQL server programs not found" >&2
  return 1
fi
pg_dir=$(mktemp -d /tmp/harmoz-pg.XXXXXX)
pg_run=()
if [ "$(id -u)" -eq 0 ]; then
  chown postgres: "$pg_dir"
  pg_run=(runuser -u postgres --)
fi
stop_pg_test_server() {
  "${pg_run[@]}" "$pg_bin/pg_ctl" -D "$pg_dir/data" -m immediate stop >/dev/null 2>&1 || true
  rm -rf "$pg_dir"
}
trap stop_pg_test_server EXIT

(cd "$pg_dir" && "${pg_run[@]}" "$pg_bin/initdb" -D "$pg_dir/data" -U postgres --auth=trust \
  --encoding=UTF8 --locale=C.UTF-8 >"$pg_dir/initdb.log" 2>&1) || {
  cat "$pg_dir/initdb.log" >&2
  return 1
}
# Another run may take a port between the check and the start: try further ports.
pg_port=$((20000 + RANDOM % 20000))
for attempt in $(seq 1 20); do
  if ! (exec 3<>"/dev/tcp/127.0.0.1/$pg_port") 2>/dev/null &&
    (cd "$pg_dir" && "${pg_run[@]}" "$pg_bin/pg_ctl" -D "$pg_dir/data" -l "$pg_dir/server.log" -w \
      -o "-p $pg_port -k $pg_dir -c listen_addresses=127.0.0.1 -c fsync=off -c synchronous_commit=off -c full_page_writes=off" \
      start >/dev/null 2>&1); then
    break
  fi
  if [ "$attempt" -eq 20 ]; then
    cat "$pg_dir/server.log" >&2
    return 1
  fi
  pg_port=$((pg_port + 1 + RANDOM % 100))
done
export HARMOZ_TEST_PG="Provider=PostgreSQL;Data Source=127.0.0.1;Port=$pg_port;Initial Catalog=postgres;User ID=postgres;Password=;"
