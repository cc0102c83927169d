#!/usr/bin/env bash
# Starts the program many times under one Xvfb server and reports every start that did not live
# until it was stopped (an abort, a crash, an early exit) or that did not end by the SIGTERM that
# stopped it (an abort while stopping), with its error output. Each start lives SECONDS (default
# 2) and is then sent SIGTERM. With a build made with -DORDAVEX_SANITIZE=ON an abort prints its
# backtrace (handle_abort); with -DORDAVEX_SANITIZE=thread, every data race.
#   scripts/startup-loop.sh [COUNT] [PROGRAM]
# Default: 300 starts of build-sanitize/ordavex. Exits 1 when any start failed.
# ORDAVEX_START_SECONDS sets SECONDS. ORDAVEX_START_STRESS=1 runs every start on one processor
# shared with a busy loop, and stops each after a random time up to SECONDS, so that SIGTERM lands
# at every moment of the start-up. ORDAVEX_START_OWN_SERVER=1 gives every start a server of its own,
# started just before it, as a fresh xvfb-run does.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
count="${1:-300}"
program="${2:-$root/build-sanitize/ordavex}"
seconds="${ORDAVEX_START_SECONDS:-2}"
stress="${ORDAVEX_START_STRESS:-0}"
own_server="${ORDAVEX_START_OWN_SERVER:-0}"

if [[ ! -x "$program" ]]; then
  echo "startup-loop.sh: $program is missing (build it first)" >&2
  exit 2
fi
logs="$(mktemp -d)"
# Starts an Xvfb server; sets xvfb_pid and display.
start_server() {
  exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
  xvfb_pid=$!
  read -r display <&3
}
start_server
busy_pid=""
pin=()
if [[ "$stress" == 1 ]]; then
  if ! command -v taskset >/dev/null; then
    echo "startup-loop.sh: taskset is missing (util-linux)" >&2
    exit 2
  fi
  pin=(taskset -c 0)
  taskset -c 0 bash -c 'while :; do :; done' &
  busy_pid=$!
fi
trap 'kill "$xvfb_pid" ${busy_pid:+"$busy_pid"} 2>/dev/null' EXIT
echo "Xvfb on :$display; $count starts of $program, logs in $logs"

# A lifetime in seconds: SECONDS, or under stress a random share of it, from a thousandth up.
lifetime() {
  if [[ "$stress" == 1 ]]; then
    local thousandths=$((RANDOM % 1000 + 1))
    awk -v s="$seconds" -v t="$thousandths" 'BEGIN { printf "%.3f", s * t / 1000 }'
  else
    echo "$seconds"
  fi
}

failed=0
declare -A statuses=()
for ((i = 1; i <= count; i++)); do
  if [[ "$own_server" == 1 ]] && ((i > 1)); then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    start_server
  fi
  DISPLAY=":$display" QT_QPA_PLATFORM=xcb ASAN_OPTIONS="handle_abort=1:detect_leaks=0" \
    TSAN_OPTIONS="halt_on_error=0" "${pin[@]}" "$program" >"$logs/$i.out" 2>"$logs/$i.err" &
  pid=$!
  sleep "$(lifetime)"
  kill -TERM "$pid" 2>/dev/null
  wait "$pid"
  status=$?
  statuses[$status]=$((${statuses[$status]:-0} + 1))
  # 143: ended by the SIGTERM, as it should be; a sanitizer's report fails the start too.
  if ((status != 143)) || grep -q 'Sanitizer' "$logs/$i.err"; then
    failed=$((failed + 1))
    echo "start $i: exit status $status"
    head -n 60 "$logs/$i.err"
  else
    rm -f "$logs/$i.out" "$logs/$i.err"
  fi
done
for status in "${!statuses[@]}"; do echo "exit status $status: ${statuses[$status]} starts"; done
echo "$failed of $count starts failed"
((failed == 0))
