#!/usr/bin/env python3
"""tidewell-sim's cost per particle-step, end to end: the CPU time of
--frames N minus that of --frames 0 over the same desktop picture, divided
by N x the particle count. Several builds are measured side by side,
alternating run by run, so a noisy machine treats them alike.

  sim_speed.py [--screen 1920x1080] [--number 100] [--frames 5000] [--runs 5] SIM [SIM ...]

Prints the median and the range of the runs for each SIM, in ns.
"""
import argparse
import os
import resource
import statistics
import subprocess
import sys
import tempfile


def desktop(path, w, h):
    # A dark desktop with white windows, so bounces happen.
    rows = []
    for y in range(h):
        row = bytearray(b"\x18\x28\x40" * w)
        for i in range(8):
            left, top = w * (1 + 2 * (i % 4)) // 9, h * (1 + 2 * (i // 4)) // 5
            if top <= y < top + h // 6:
                row[3 * left:3 * (left + w // 10)] = b"\xff" * (3 * (w // 10))
        rows.append(bytes(row))
    with open(path, "wb") as f:
        f.write(b"P6\n%d %d\n255\n" % (w, h))
        f.writelines(rows)


def cpu(cmd):
    """The command's user + system time: on a shared machine its wall time
    says more about the neighbours than about the command."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    subprocess.run(cmd, check=True, stdout=subprocess.DEVNULL)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--screen", default="1920x1080")
    ap.add_argument("--number", type=int, default=100)
    ap.add_argument("--frames", type=int, default=5000)
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("sims", nargs="+")
    a = ap.parse_args()
    w, h = (int(v) for v in a.screen.split("x"))
    with tempfile.TemporaryDirectory() as tmp:
        picture = os.path.join(tmp, "desk.ppm")
        desktop(picture, w, h)
        state = os.path.join(tmp, "state.txt")
        base = ["--screen", a.screen, "--number", str(a.number), "--picture", picture, "--seed", "5"]
        subprocess.run([a.sims[0], *base, "--state", state], check=True)
        count = int(open(state).readline().split()[1])
        results = {sim: [] for sim in a.sims}
        for _ in range(a.runs):
            for sim in a.sims:
                empty = cpu([sim, *base])
                full = cpu([sim, *base, "--frames", str(a.frames)])
                results[sim].append((full - empty) * 1e9 / (a.frames * count))
    print(f"{a.screen}, Number {a.number}: {count} particles, {a.frames} frames, {a.runs} runs")
    for sim, ns in results.items():
        print(f"{sim}: median {statistics.median(ns):.1f} ns per particle-step (range {min(ns):.1f}-{max(ns):.1f})")


if __name__ == "__main__":
    sys.exit(main())
