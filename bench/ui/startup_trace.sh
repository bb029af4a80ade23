#!/usr/bin/env bash
# Start-up trace: the time from starting tillwright to its start screen being
# mapped on the display, over a copy of the bundle.
#   bench/ui/startup_trace.sh [bundle dir] [runs]
# Needs a display (DISPLAY) and xdotool; under Xvfb: Xvfb :99 & DISPLAY=:99 ...
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
bundle=${1:-$top/build/app}
runs=${2:-10}
[ -n "${DISPLAY:-}" ] || { echo "startup_trace: DISPLAY is not set" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -a "$bundle"/. "$work"/

# One start; prints the milliseconds until the window is mapped, or nothing
# when the program ended first (a display refusing the connection, say).
one_start() {
  local start end pid
  start=$(date +%s%N)
  "$work/tillwright" >/dev/null 2>"$work/stderr.txt" &
  pid=$!
  # The first look waits until the program has connected to the display.
  sleep 0.05
  until xdotool search --onlyvisible --pid "$pid" --name "^Velmora ECR Programming Utility" >/dev/null 2>&1; do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid" 2>/dev/null || true
      return 0
    fi
    sleep 0.005
  done
  end=$(date +%s%N)
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo $(((end - start) / 1000000))
}

times=()
for ((i = 0; i < runs; i++)); do
  ms=""
  for attempt in 1 2 3; do
    ms=$(one_start)
    [ -n "$ms" ] && break
    echo "startup_trace: the program ended before its window showed:" >&2
    sed 's/^/  /' "$work/stderr.txt" >&2
  done
  [ -n "$ms" ] || exit 1
  times+=("$ms")
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
echo "start-up to visible start screen, ms, $runs runs: $(echo $sorted)"
echo "median: $(echo "$sorted" | sed -n "$(((runs + 1) / 2))p") ms"
