#!/usr/bin/env python3
"""Turns the benchmark results into the README's tables and checks the targets.

    report.py ENGINE_JSON SESSIONS_TXT FLUSH_TXT LISTING_TXT

ENGINE_JSON is Google Benchmark's JSON output of engine_bench; SESSIONS_TXT
holds one line per roster size: members, wall seconds, peak memory in KiB;
FLUSH_TXT one line per million-member session run on the disk: "with" or
"without" the flushes, then wall seconds; LISTING_TXT one line per run of
LOAD, LIST and WC of a million members: "this" or "baseline", wall seconds
and peak memory in KiB, and a line "baseline REVISION".
The season's operations (TREND, HISTORY 0, STALLED, CHANGES, REPORT and
SAVE over eight weekly snapshots) are timed like the others; their SAVE
also reports what the history adds to the file, per snapshot and per point.
The targets: from 10,000 to 1,000,000 members each operation's time grows at
most 12 times per tenfold of members (the square root of the ratio between
the two ends; single steps above 12 are listed too); every operation takes
under 5 ms at 100 members; the million-member session takes under 10 s and
under 1 KiB per member, on the disk with its flushes as well; LOAD, LIST
and WC of a million members peak at 250 bytes per member or less and take
no longer than the baseline.  Exits 1 when a target is missed.
"""
import json
import sys
from collections import defaultdict


def main():
    engine = json.load(open(sys.argv[1]))
    times = defaultdict(dict)  # operation -> members -> ms
    history = {}  # members -> (bytes per snapshot, bytes per point) the history adds to a save
    for b in engine["benchmarks"]:
        if b.get("run_type") == "aggregate":
            continue
        if "bytes_per_snapshot" in b:
            history[int(b["run_name"].split("/")[1])] = (b["bytes_per_snapshot"],
                                                         b["bytes_per_point"])
        parts = b["run_name"].split("/")
        members = int(parts[1])
        label = b.get("label", "")
        op = parts[0] + (" " + label if label else "")
        # The fastest of the repetitions, in processor time: whatever else the
        # machine does can only add to a run, never take away.
        ms = b["cpu_time"]
        times[op][members] = min(ms, times[op].get(members, ms))
    sizes = sorted({n for ops in times.values() for n in ops})

    failures = []
    if not times:
        failures.append("no operation was timed")
    notes = []
    print("| Operation | " + " | ".join(f"{n:,} members" for n in sizes) +
          " | Per tenfold, 10,000 to 1,000,000 |")
    print("|---|" + "---:|" * (len(sizes) + 1))
    for op in times:
        row = times[op]
        growth = ""
        if 10000 in row and 1000000 in row and row[10000] > 0:
            # Over the whole range: the time's growth for each tenfold of
            # members, the geometric mean of the two steps.
            factor = (row[1000000] / row[10000]) ** 0.5
            growth = f"{factor:.1f}"
            if factor > 12:
                failures.append(f"{op}: each tenfold costs {factor:.1f} times the time")
        cells = " | ".join(f"{row[n]:.2f} ms" if n in row else "" for n in sizes)
        print(f"| {op} | {cells} | {growth} |")
        for small, big in ((10000, 100000), (100000, 1000000)):
            if small in row and big in row and row[small] > 0 and row[big] / row[small] > 12:
                notes.append(f"{op}: {big:,} members take {row[big] / row[small]:.1f} times "
                             f"{small:,}")
        if 100 in row and row[100] >= 5:
            failures.append(f"{op}: {row[100]:.2f} ms at 100 members")
    if notes:
        print()
        print("Single steps above 12 times (within the range's growth above):")
        for n in notes:
            print(" - " + n)

    if history:
        print()
        print("| Members | The save's history, per snapshot | Per point |")
        print("|---:|---:|---:|")
        for members in sorted(history):
            snapshot, point = history[members]
            print(f"| {members:,} | {snapshot / 1024:,.1f} KiB | {point:.1f} bytes |")

    print()
    print("| Members | Whole session (wall) | Peak memory | Per member |")
    print("|---:|---:|---:|---:|")
    for line in open(sys.argv[2]):
        members, wall, kib = line.split()
        members, wall, kib = int(members), float(wall), int(kib)
        per = kib * 1024 / members
        print(f"| {members:,} | {wall:.2f} s | {kib / 1024:.1f} MiB | {per:.0f} bytes |")
        if members == 1000000 and wall >= 10:
            failures.append(f"the 1,000,000-member session took {wall:.2f} s")
        if members >= 100000 and per >= 1024:
            failures.append(f"{members:,} members use {per:.0f} bytes each")

    flush = defaultdict(list)  # "with" or "without" -> wall seconds
    for line in open(sys.argv[3]):
        way, wall = line.split()
        flush[way].append(float(wall))
    if flush["with"] and flush["without"]:
        # The fastest run of each way: the disk is shared, and others' work
        # only adds.
        with_, without = min(flush["with"]), min(flush["without"])
        print()
        print("| 1,000,000 members, on the disk | Whole session (wall) |")
        print("|---|---:|")
        print(f"| with the flushes | {with_:.2f} s |")
        print(f"| without them (fsync does nothing) | {without:.2f} s |")
        print(f"| what the flushes cost | {with_ - without:.2f} s "
              f"({(with_ - without) / without * 100:.0f}%) |")
        spread = ", ".join(f"{way}: " + " ".join(f"{w:.2f}" for w in flush[way])
                           for way in ("with", "without"))
        print(f"\nEvery run, in seconds: {spread}.")
        if with_ >= 10:
            failures.append(f"the 1,000,000-member session took {with_:.2f} s on the disk")
    else:
        failures.append("the session was not run on the disk")

    listing = defaultdict(list)  # "this" or "baseline" -> (wall seconds, KiB)
    revision = ""
    for line in open(sys.argv[4]):
        fields = line.split()
        if fields[0] == "baseline" and len(fields) == 2:
            revision = fields[1]
        else:
            listing[fields[0]].append((float(fields[1]), int(fields[2])))
    print()
    print("| LOAD, LIST and WC of 1,000,000 members | Wall (fastest) | Peak memory | Per member |")
    print("|---|---:|---:|---:|")
    for which, title in (("this", "this version"), ("baseline", f"the baseline ({revision})")):
        if listing[which]:
            wall = min(w for w, _ in listing[which])
            kib = max(k for _, k in listing[which])
            print(f"| {title} | {wall:.2f} s | {kib / 1024:.1f} MiB | {kib * 1024 / 1e6:.0f} bytes |")
    if not listing["this"]:
        failures.append("LOAD, LIST and WC of a million members did not run")
    else:
        wall = min(w for w, _ in listing["this"])
        per = max(k for _, k in listing["this"]) * 1024 / 1e6
        if per > 250:
            failures.append(f"LOAD, LIST and WC take {per:.0f} bytes per member")
        if listing["baseline"] and wall > min(w for w, _ in listing["baseline"]):
            failures.append(f"LOAD, LIST and WC take {wall:.2f} s, longer than the baseline")

    print()
    if failures:
        print("TARGETS MISSED:")
        for f in failures:
            print(" - " + f)
        return 1
    print("All targets met.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
