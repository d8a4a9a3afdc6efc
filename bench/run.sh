#!/usr/bin/env bash
# Measures KORVELIN on rosters of 100 to 1,000,000 members and checks the
# performance targets:
#   1. every operation, timed alone by Google Benchmark (engine_bench);
#   2. a complete session per size (LOAD of a table, LIST to a file, WC,
#      PERCENT, SAVE, LOAD of that save, UPDATE, SNAP, QUIT) as one process,
#      with wall time and peak memory from /usr/bin/time;
#   3. the million-member session in a folder on the disk, with the flushes
#      of its save and with fsync made to do nothing, to see what the
#      flushes cost;
#   4. LOAD, LIST and WC of a million members (bench/list-session.in), by
#      this version and by a baseline, the program before names were
#      characters (or the git revision in KORVELIN_BENCH_BASELINE; empty for
#      none), three times each: wall time and peak memory;
#   5. at 100,000 members, the order of every sort option and direction
#      against the straightforward insertion algorithm.
# Results go to build-bench/results.md; the exit status is 1 if a target is
# missed.  Usage: bench/run.sh  (takes a few minutes)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-bench
data=$build/bench-data

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKORVELIN_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target korvelin gen_tables engine_bench sort_order_check skip_flush

mkdir -p "$data"
sizes="100 1000 10000 100000 1000000"
# What the operations write goes to a folder in memory when the machine has
# one, so that the disk's write-back of large files is not what is timed.
scratch() { mktemp -d -p /dev/shm 2>/dev/null || mktemp -d; }
for n in $sizes; do
  [ -f "$data/table-$n.txt" ] || "$build/bench/gen_tables" "$n" "$data/table-$n.txt" "$data/newer-$n.txt"
done

echo "== Operations (Google Benchmark)"
work=$(scratch)
(cd "$work" && KORVELIN_BENCH_DATA=$data "$build/bench/engine_bench" --benchmark_out="$build/engine.json" \
  --benchmark_out_format=json --benchmark_min_time=0.1 --benchmark_repetitions=10 \
  --benchmark_display_aggregates_only=true)
rm -rf "$work"

echo "== Whole sessions"
: > "$build/sessions.txt"
for n in $sizes; do
  session=$(scratch)
  cp "$data/table-$n.txt" "$session/table.txt"
  cp "$data/newer-$n.txt" "$session/newer.txt"
  (cd "$session" && /usr/bin/time -f "%e %M" -o time.txt "$build/korvelin" \
     < "$root/bench/session.in" > /dev/null)
  echo "$n $(cat "$session/time.txt")" | tee -a "$build/sessions.txt"
  rm -rf "$session"
done

echo "== The flushes, on the disk"
# Three runs each way, alternating; the fastest of each counts.
: > "$build/flush.txt"
for run in 1 2 3; do
  for way in with without; do
    session=$(mktemp -d -p "$build")
    cp "$data/table-1000000.txt" "$session/table.txt"
    cp "$data/newer-1000000.txt" "$session/newer.txt"
    sync
    preload=
    [ "$way" = without ] && preload=$build/bench/libskip_flush.so
    (cd "$session" && LD_PRELOAD=$preload /usr/bin/time -f "%e" -o time.txt "$build/korvelin" \
       < "$root/bench/session.in" > /dev/null)
    echo "$way $(cat "$session/time.txt")" | tee -a "$build/flush.txt"
    rm -rf "$session"
  done
done

echo "== LOAD, LIST and WC of a million members"
baseline=${KORVELIN_BENCH_BASELINE-6097d1a}  # names as bytes, before they were characters
: > "$build/listing.txt"
if [ -n "$baseline" ]; then
  base_src=$build/baseline-src
  if [ ! -d "$base_src" ]; then
    git -C "$root" worktree add --detach "$base_src" "$baseline" >/dev/null
  fi
  cmake -S "$base_src" -B "$build/baseline" -DCMAKE_BUILD_TYPE=Release -DKORVELIN_TESTS=OFF >/dev/null
  cmake --build "$build/baseline" -j2 --target korvelin >/dev/null
fi
for run in 1 2 3; do
  for which in this baseline; do
    program=$build/korvelin
    if [ "$which" = baseline ]; then
      [ -n "$baseline" ] || continue
      program=$build/baseline/korvelin
    fi
    session=$(scratch)
    cp "$data/table-1000000.txt" "$session/table.txt"
    (cd "$session" && /usr/bin/time -f "%e %M" -o time.txt "$program" \
       < "$root/bench/list-session.in" > /dev/null)
    echo "$which $(cat "$session/time.txt")" | tee -a "$build/listing.txt"
    rm -rf "$session"
  done
done
[ -n "$baseline" ] && echo "baseline $baseline" >> "$build/listing.txt"

echo "== Sort order at 100,000 members"
"$build/tests/sort_order_check" "$data/table-100000.txt" "$data/newer-100000.txt"

echo "== Results"
python3 "$root/bench/report.py" "$build/engine.json" "$build/sessions.txt" "$build/flush.txt" \
  "$build/listing.txt" |
  tee "$build/results.md"
