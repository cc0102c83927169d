#!/usr/bin/env bash
# Starts the program many times under one Xvfb server and reports every start that did not live
# until it was stopped (an abort, a crash, an early exit), with its error output. Each start lives
# SECONDS (default 2) and is then stopped with SIGTERM. With a build made with
# -DORDAVEX_SANITIZE=ON an abort prints its backtrace (handle_abort).
#   scripts/startup-loop.sh [COUNT] [PROGRAM]
# Default: 300 starts of build-sanitize/ordavex. Exits 1 when any start failed.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
count="${1:-300}"
program="${2:-$root/build-sanitize/ordavex}"
seconds="${ORDAVEX_START_SECONDS:-2}"

if [[ ! -x "$program" ]]; then
  echo "startup-loop.sh: $program is missing (build it first)" >&2
  exit 2
fi
logs="$(mktemp -d)"
exec 3< <(Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null)
xvfb_pid=$!
read -r display <&3
trap 'kill "$xvfb_pid" 2>/dev/null' EXIT
echo "Xvfb on :$display; $count starts of $program, logs in $logs"

failed=0
declare -A statuses=()
for ((i = 1; i <= count; i++)); do
  DISPLAY=":$display" QT_QPA_PLATFORM=xcb ASAN_OPTIONS="handle_abort=1:detect_leaks=0" \
    timeout -s TERM "$seconds" "$program" >"$logs/$i.out" 2>"$logs/$i.err"
  status=$?
  statuses[$status]=$((${statuses[$status]:-0} + 1))
  # 124: still running when stopped, as it should be.
  if ((status != 124)); then
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
