#!/usr/bin/env bash
# vtg7300ctl in the server role against 1, 8 and 96 simulated units at once: Set All at the
# reply pace, the wall and CPU time of the controller, the slowest unit's run against a lone
# unit's, and then a verify of every unit (each must hold the document).
#
#   bench/many_units_bench.sh [BUILD_DIR [SIM_OPTION...]]
#
# BUILD_DIR defaults to build-rel (an optimised build). The simulated units answer at once
# unless SIM_OPTIONs say otherwise: --reply-delay MS for a unit that takes its time,
# --line-rate 9600 for units behind 9600-baud lines (both directions paced).
set -euo pipefail
build=$(cd "${1:-build-rel}" && pwd)
shift || true
sim_options=("$@")
export LC_ALL=C

work=$(mktemp -d)
sim_pid=
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The document: a unit's settings away from the defaults, so that a unit Set All missed shows.
"$build/vtg7300-sim" --pty "$work/tty" > "$work/sim.out" &
sim_pid=$!
for _ in $(seq 100); do [ -s "$work/sim.out" ] && break; sleep 0.05; done
for line in CWL0 CEL2 "CT01T01$(printf '3021%.0s' $(seq 28))" "CT02B64$(printf '2422%.0s' $(seq 28))"; do
  "$build/vtg7300ctl" --serial "$work/tty" --pace reply raw "$line" > /dev/null 2>&1
done
"$build/vtg7300ctl" --serial "$work/tty" --pace reply read-all "$work/doc.dat" 2> /dev/null
kill "$sim_pid" && wait "$sim_pid" 2>/dev/null || true
sim_pid=

# Runs vtg7300ctl on port $2 (0: a free one) against $1 units for the command in $3...;
# leaves the port in $port, the result lines in $work/out and "wall user sys" in $work/time.
run_ctl() {
  local units=$1 listen=$2
  shift 2
  rm -f "$work/err"
  /usr/bin/time -o "$work/time" -f "%e %U %S" "$build/vtg7300ctl" --listen "127.0.0.1:$listen" --units "$units" \
    --wait 120 --pace reply "$@" > "$work/out" 2> "$work/err" &
  local ctl=$!
  for _ in $(seq 200); do grep -q "listening on" "$work/err" 2>/dev/null && break; sleep 0.02; done
  port=$(sed -n 's/.*listening on 127\.0\.0\.1:\([0-9]*\).*/\1/p' "$work/err")
  if [ -z "$sim_pid" ]; then
    "$build/vtg7300-sim" --connect "127.0.0.1:$port" --units "$units" "${sim_options[@]}" > /dev/null &
    sim_pid=$!
  fi
  wait "$ctl" || true
}

printf '%-6s %9s %9s %12s %12s %10s %8s\n' units "wall s" "cpu s" "slowest s" "lone x" "verified" failed
lone=
for units in 1 8 96; do
  run_ctl "$units" 0 send-all "$work/doc.dat"
  read -r wall user sys < "$work/time"
  failed=$(grep -c $'\tfailed\t' "$work/out" || true)
  slowest=$(awk -F'\t' '{ sub(/ s$/, "", $3); if ($3 > m) m = $3 } END { print m + 0 }' "$work/out")
  [ -z "$lone" ] && lone=$slowest
  # The same units come back to the same port for the verify.
  run_ctl "$units" "$port" verify "$work/doc.dat"
  verified=$(grep -c $'\tok\t' "$work/out" || true)
  kill "$sim_pid" && wait "$sim_pid" 2>/dev/null || true
  sim_pid=
  awk -v n="$units" -v wall="$wall" -v cpu="$(awk -v u="$user" -v s="$sys" 'BEGIN{print u+s}')" -v slow="$slowest" \
      -v lone="$lone" -v ok="$verified" -v bad="$failed" 'BEGIN {
    printf "%-6d %9.2f %9.2f %12.2f %12.2f %10s %8d\n", n, wall, cpu, slow, slow / lone, ok "/" n, bad }'
done
