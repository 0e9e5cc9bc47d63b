# Sourced, not run: gives the caller a private X session of its own, an Xvfb
# server on a free display, its own D-Bus session bus and openbox managing the
# windows, and ends exactly those three processes when the caller exits.
#
#   source scripts/x11_session.sh
#   x11_session_start     # exports DISPLAY and DBUS_SESSION_BUS_ADDRESS (and
#                         # XDG_RUNTIME_DIR where none is set)
#
# It installs an EXIT trap; a caller that wants its own must call
# x11_session_stop from it.

x11_session_pids=()
x11_session_dir=""

x11_session_stop() {
  local pid
  for pid in "${x11_session_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${x11_session_pids[@]}"; do
    # Polled, as wait has no time limit: what ignores TERM gets KILL.
    local tries=0
    while kill -0 "$pid" 2>/dev/null && ((tries++ < 50)); do
      sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
  done
  x11_session_pids=()
  if [[ -n "$x11_session_dir" ]]; then
    rm -rf "$x11_session_dir"
    x11_session_dir=""
  fi
}

# Polls a command until it succeeds: at most $1 tries, a tenth of a second
# apart.
x11_session_poll() {
  local tries=$1
  shift
  while ((tries-- > 0)); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

x11_session_wm_manages() {
  xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id'
}

# Xvfb on the first display from :90 on that no other server holds. Another
# run may pick the same number at the same moment; the lock file names the
# server that won, so the loser sees that and moves on.
x11_session_start_xvfb() {
  local display lock_pid
  for ((display = 90; display < 190; display++)); do
    [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]] && continue
    Xvfb ":$display" -screen 0 1024x768x24 -noreset -nolisten tcp \
      >"$x11_session_dir/xvfb-$display.log" 2>&1 &
    local pid=$!
    local tries=100
    while ((tries-- > 0)) && kill -0 "$pid" 2>/dev/null; do
      lock_pid=""
      if [[ -r /tmp/.X$display-lock ]]; then
        read -r lock_pid <"/tmp/.X$display-lock" || true
      fi
      if [[ "$lock_pid" == "$pid" ]] && xdpyinfo -display ":$display" >/dev/null 2>&1; then
        x11_session_pids+=("$pid")
        export DISPLAY=":$display"
        return 0
      fi
      sleep 0.1
    done
    kill "$pid" 2>/dev/null || true
  done
  echo "x11_session: no display could be started" >&2
  return 1
}

x11_session_start() {
  x11_session_dir=$(mktemp -d /tmp/pelorin-x11.XXXXXX)
  trap x11_session_stop EXIT
  x11_session_start_xvfb || return 1
  # Qt wants a private runtime folder and says so on standard error without.
  if [[ -z "${XDG_RUNTIME_DIR:-}" ]]; then
    mkdir -m 0700 "$x11_session_dir/runtime"
    export XDG_RUNTIME_DIR="$x11_session_dir/runtime"
  fi

  # A bus of our own, so that nothing the programs say on D-Bus reaches the
  # desktop of whoever runs this, nor depends on one being there.
  local address_file="$x11_session_dir/dbus-address"
  dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$address_file" \
    </dev/null >/dev/null 2>"$x11_session_dir/dbus.log" &
  x11_session_pids+=("$!")
  if ! x11_session_poll 100 test -s "$address_file"; then
    echo "x11_session: dbus-daemon did not start" >&2
    return 1
  fi
  DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$address_file")
  export DBUS_SESSION_BUS_ADDRESS

  openbox --sm-disable </dev/null >"$x11_session_dir/openbox.log" 2>&1 &
  x11_session_pids+=("$!")
  if ! x11_session_poll 100 x11_session_wm_manages; then
    echo "x11_session: openbox did not start" >&2
    cat "$x11_session_dir/openbox.log" >&2
    return 1
  fi
}
