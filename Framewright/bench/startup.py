#!/usr/bin/env python3
"""Start-up time and peak memory of Framewright against an empty Qt Quick window.

Both programs are built the same way (release preset, FRAMEWRIGHT_BUILD_BENCHMARKS) and
started alternately; each prints "first-frame" once its first frame is shown and quits
(FRAMEWRIGHT_EXIT_AFTER_FIRST_FRAME=1). Time runs from the launch to that line, so it includes
loading the libraries; peak resident memory comes from the kernel's rusage of the child.

    Framewright/bench/startup.py [--build-dir build/release] [--runs 10]
        [--platform offscreen|xcb] [--backend software|opengl] [--history N [N ...]]
        [--languages LANG [LANG ...]]

With --history, Framewright is also started on a history of N stored calculations for each N
(written by fill_history.py), to compare with its start on an empty history.

With --languages, Framewright is also started in each language (LANGUAGE=de, ja, ...; en for
the source texts), each compared with the empty window in the same run.

Settings and history go to a throw-away directory, never the user's.
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

from fill_history import fill


def measure(program, env):
    start = time.perf_counter()
    child = subprocess.Popen([program], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, env=env)
    line = child.stdout.readline().decode().strip()
    elapsed = time.perf_counter() - start
    child.stdout.read()
    _, status, usage = os.wait4(child.pid, 0)
    child.returncode = os.waitstatus_to_exitcode(status)
    if line != "first-frame" or child.returncode != 0:
        sys.exit(f"{program}: no first frame (said {line!r}, exit {child.returncode})")
    return elapsed * 1000.0, usage.ru_maxrss / 1024.0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build-dir", default="build/release")
    parser.add_argument("--runs", type=int, default=10)
    parser.add_argument("--platform", default="offscreen")
    parser.add_argument("--backend", choices=["software", "opengl"], default=None,
                        help="force a scene-graph backend (default: the programs' own choice, software)")
    parser.add_argument("--history", type=int, nargs="+", default=[], metavar="N",
                        help="also start Framewright on a history of N calculations")
    parser.add_argument("--languages", nargs="+", default=[], metavar="LANG",
                        help="also start Framewright with LANGUAGE=LANG")
    args = parser.parse_args()

    programs = {name: os.path.join(args.build_dir, "bin", name) for name in ("EmptyWindow", "Framewright")}
    for name, path in programs.items():
        if not os.access(path, os.X_OK):
            sys.exit(f"{path} is missing: cmake --preset release && cmake --build build/release "
                     f"--target EmptyWindow Framewright")

    with tempfile.TemporaryDirectory() as home:
        def environment(name):
            root = os.path.join(home, name)
            env = dict(os.environ, QT_QPA_PLATFORM=args.platform, FRAMEWRIGHT_EXIT_AFTER_FIRST_FRAME="1",
                       XDG_CONFIG_HOME=os.path.join(root, "config"), XDG_DATA_HOME=os.path.join(root, "data"),
                       XDG_CACHE_HOME=os.path.join(root, "cache"), HOME=root)
            if args.backend == "software":
                env["QT_QUICK_BACKEND"] = "software"
            elif args.backend == "opengl":
                env["QT_QUICK_BACKEND"] = "rhi"
                env["QSG_RHI_BACKEND"] = "opengl"
            return env

        runs = [("EmptyWindow", programs["EmptyWindow"], environment("empty")),
                ("Framewright", programs["Framewright"], environment("empty"))]
        for count in args.history:
            env = environment(f"history-{count}")
            measure(programs["Framewright"], env)  # makes the store's tables
            store = os.path.join(env["XDG_DATA_HOME"], "Framewright", "CalculationHistoryModel.sqlite")
            fill(store, count)
            runs.append((f"+{count} calc", programs["Framewright"], env))
        for language in args.languages:
            runs.append((f"Framewright {language}", programs["Framewright"],
                         dict(environment(f"language-{language}"), LANGUAGE=language)))
        # One warm-up each so all start from the same file cache.
        for _, path, env in runs:
            measure(path, env)
        results = {name: [] for name, _, _ in runs}
        for _ in range(args.runs):
            for name, path, env in runs:
                results[name].append(measure(path, env))

    backend = args.backend or "program default (software)"
    print(f"platform {args.platform}, backend {backend}, median of {args.runs} runs")
    print(f"{'program':<16} {'first frame':>12} {'peak RSS':>10}")
    medians = {}
    for name, times in results.items():
        ms = statistics.median(r[0] for r in times)
        mb = statistics.median(r[1] for r in times)
        medians[name] = (ms, mb)
        print(f"{name:<16} {ms:>9.0f} ms {mb:>7.1f} MB")
    for language in args.languages:
        ms, mb = medians[f"Framewright {language}"]
        print(f"{language}: {ms / medians['EmptyWindow'][0]:.2f}x the empty window's start-up time")
    base = medians["Framewright"]
    for count in args.history:
        full = medians[f"+{count} calc"]
        print(f"history of {count}: {full[0] / base[0]:.2f}x the start-up time, "
              f"{full[1] - base[1]:+.1f} MB against an empty history")


if __name__ == "__main__":
    main()
