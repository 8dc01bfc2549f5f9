# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by scripts/test.sh and scripts/sanitizers.sh: starts a throwaway
# PostgreSQL 15 server for the tests that run on the server engine and
# exports MQT_TEST_SERVER, a libpq URI of its administrator role "mqt" on the
# database "postgres". The server lives in a fresh temporary folder, listens
# only on a Unix socket in that folder (no TCP port), and runs without fsync;
# it is stopped and its folder removed when the sourcing script ends, also on
# failure or Ctrl-C. Run as root (as CI does), the server runs as the
# unprivileged system user mqt-test, since PostgreSQL refuses to run as root.
# No other PostgreSQL server on the machine is touched.
#
# mqt_stop_test_server stops it earlier; a script that sets an EXIT trap of
# its own afterwards calls it first.
#
# The tests of a server that goes away stop and start it themselves
# (tests/support/TestServer): for them it exports MQT_TEST_SERVER_DATA, its
# data folder, MQT_TEST_SERVER_PG_CTL and MQT_TEST_SERVER_LOG, and, when run
# as root, MQT_TEST_SERVER_OWNER, the user pg_ctl must run as. Its settings
# are in its postgresql.conf, so a plain "pg_ctl start" brings it back alike.

mqt_pg_bin=/usr/lib/postgresql/15/bin
mqt_pg_user=mqt-test

# Runs a PostgreSQL program as the server's owner, from the root folder so
# that the unprivileged user need not reach the current one.
mqt_as_server_owner() {
  if [ "$(id -u)" -eq 0 ]; then
    (cd / && runuser -u "$mqt_pg_user" -- "$@")
  else
    "$@"
  fi
}

mqt_stop_test_server() {
  trap - EXIT INT TERM
  [ -n "${mqt_pg_dir:-}" ] || return 0
  if [ -f "$mqt_pg_dir/data/postmaster.pid" ]; then
    mqt_as_server_owner "$mqt_pg_bin/pg_ctl" stop -D "$mqt_pg_dir/data" -m immediate -w -t 30 >/dev/null 2>&1 ||
      echo "test server: could not stop the server in $mqt_pg_dir (see $mqt_pg_dir/server.log)" >&2
  fi
  rm -rf "$mqt_pg_dir"
  mqt_pg_dir=
  unset MQT_TEST_SERVER MQT_TEST_SERVER_DATA MQT_TEST_SERVER_PG_CTL MQT_TEST_SERVER_LOG MQT_TEST_SERVER_OWNER
}

mqt_start_test_server() {
  if [ ! -x "$mqt_pg_bin/initdb" ]; then
    echo "test server: $mqt_pg_bin/initdb is missing; install the Debian package postgresql-15" >&2
    return 1
  fi
  if [ "$(id -u)" -eq 0 ] && ! getent passwd "$mqt_pg_user" >/dev/null; then
    # Another run may create the user at the same moment: it only has to exist.
    useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$mqt_pg_user" 2>/dev/null ||
      getent passwd "$mqt_pg_user" >/dev/null || {
      echo "test server: cannot create the system user $mqt_pg_user" >&2
      return 1
    }
  fi

  # Under /tmp rather than $TMPDIR: the socket's path must stay short (about
  # 100 bytes at most) and reachable by the unprivileged user.
  mqt_pg_dir=$(mktemp -d /tmp/mqt-pg.XXXXXXXX) || return 1
  trap mqt_stop_test_server EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  if [ "$(id -u)" -eq 0 ]; then chown "$mqt_pg_user:" "$mqt_pg_dir" || return 1; fi

  local port=5432 log="$mqt_pg_dir/server.log"
  if ! mqt_as_server_owner "$mqt_pg_bin/initdb" -D "$mqt_pg_dir/data" --username=mqt --auth=trust \
    --encoding=UTF8 --locale=C.UTF-8 --no-sync >"$mqt_pg_dir/initdb.log" 2>&1; then
    echo "test server: initdb failed:" >&2
    cat "$mqt_pg_dir/initdb.log" >&2
    return 1
  fi
  printf '%s\n' "listen_addresses = ''" "unix_socket_directories = '$mqt_pg_dir'" "port = $port" \
    "fsync = off" "synchronous_commit = off" "full_page_writes = off" >>"$mqt_pg_dir/data/postgresql.conf" || return 1
  # pg_ctl waits for the server to come up and gives up at once when it dies;
  # pg_isready then confirms that the socket in our folder takes connections.
  if ! mqt_as_server_owner "$mqt_pg_bin/pg_ctl" start -D "$mqt_pg_dir/data" -l "$log" -w -t 60 >/dev/null 2>&1 ||
    ! "$mqt_pg_bin/pg_isready" -q -h "$mqt_pg_dir" -p "$port" -U mqt -d postgres; then
    echo "test server: the PostgreSQL server in $mqt_pg_dir did not start or does not accept connections; its log:" >&2
    cat "$log" >&2 2>/dev/null
    return 1
  fi
  export MQT_TEST_SERVER="postgresql:///postgres?host=$mqt_pg_dir&port=$port&user=mqt"
  export MQT_TEST_SERVER_DATA="$mqt_pg_dir/data" MQT_TEST_SERVER_PG_CTL="$mqt_pg_bin/pg_ctl" MQT_TEST_SERVER_LOG="$log"
  if [ "$(id -u)" -eq 0 ]; then export MQT_TEST_SERVER_OWNER="$mqt_pg_user"; else unset MQT_TEST_SERVER_OWNER; fi
  echo "test server: PostgreSQL running on $MQT_TEST_SERVER"
}

mqt_start_test_server || exit 1
