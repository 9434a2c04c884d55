#!/usr/bin/env bash
# vtg7300ctl against vtg7300-sim paced like a 9600-baud line on a pseudo-terminal: the wall
# and CPU time of send-all, read-all and verify, next to the time their bytes need on such a
# line (8E1: 11 bits a byte) and, at the timer pace, next to the runs' own timer periods.
#
#   bench/ctl_line_rate_bench.sh [BUILD_DIR] [reply|timer|both]
#
# BUILD_DIR defaults to build-rel (an optimised build: cmake -S . -B build-rel -G Ninja
# -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVTG_TESTS=OFF). The timer pace takes about seven minutes.
set -euo pipefail
build=$(cd "${1:-build-rel}" && pwd)
paces=${2:-reply}
[ "$paces" = both ] && paces="reply timer"
export LC_ALL=C

work=$(mktemp -d)
sim_pid=
cleanup() {
  [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

"$build/vtg7300-sim" --line-rate 9600 --log "$work/sim.log" --pty "$work/tty" > "$work/sim.out" &
sim_pid=$!
for _ in $(seq 100); do [ -s "$work/sim.out" ] && break; sleep 0.05; done
"$build/vtg7300ctl" doc-new "$work/doc.dat"

# Bytes each way in the sim's log from line $1 on: the quoted bytes of its received and sent
# lines, where \xNN stands for one byte and \r \n \\ \" for one each.
line_bytes() {
  tail -n +"$1" "$work/sim.log" | awk '
    $3 == "received" || $3 == "sent" {
      text = $0; sub(/^[^"]*"/, "", text); sub(/"[^"]*$/, "", text)
      n = length(text); n -= 3 * gsub(/\\x[0-9A-F][0-9A-F]/, "", text); n -= gsub(/\\./, "", text)
      if ($3 == "received") to_unit += n; else from_unit += n }
    END { printf "%d %d\n", to_unit, from_unit }'
}

# 256 titles 600 ms apart and 28 lines 1200 ms apart; 285 steps 400 ms apart and one more
# once the last reply is in, for read-all and for verify, which reads the same.
declare -A pacing_floor=([send-all]=187.2 [read-all]=114.4 [verify]=114.4)
declare -A file=([send-all]="$work/doc.dat" [read-all]="$work/back.dat" [verify]="$work/doc.dat")

printf '%-9s %-6s %8s %10s %12s %12s %14s %8s\n' run pace "wall s" "cpu s" "floor s" "replies s" "timer floor s" bytes
for pace in $paces; do
  for run in send-all read-all verify; do
    from=$(( $(wc -l < "$work/sim.log") + 1 ))
    /usr/bin/time -o "$work/time" -f "%e %U %S" \
      "$build/vtg7300ctl" --serial "$work/tty" --pace "$pace" "$run" "${file[$run]}" 2> "$work/ctl.err" ||
      { cat "$work/ctl.err" >&2; exit 1; }
    read -r wall user sys < "$work/time"
    read -r to_unit from_unit < <(line_bytes "$from")
    awk -v run="$run" -v pace="$pace" -v wall="$wall" -v cpu="$(awk -v u="$user" -v s="$sys" 'BEGIN{print u+s}')" \
        -v to="$to_unit" -v back="$from_unit" -v timer="${pacing_floor[$run]}" 'BEGIN {
      floor = (to + back) * 11 / 9600; replies = back * 11 / 9600
      printf "%-9s %-6s %8.2f %10.2f %12.2f %12.2f %14s %8d\n", run, pace, wall, cpu, floor, replies,
             pace == "timer" ? sprintf("%.1f", timer) : "-", to + back }'
  done
done
cmp -s "$work/doc.dat" "$work/back.dat" || { echo "read-all did not give back the document sent" >&2; exit 1; }
