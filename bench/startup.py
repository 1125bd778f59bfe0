#!/usr/bin/env python3
"""Start-up of the program against the floor program, measured from outside both.

Runs the program and the floor program in interleaved pairs with bench/startupprobe.cpp
preloaded, offscreen and under a private Xvfb, then counts instructions to the first paint under
callgrind, and prints medians, min and max, and the program / floor ratio taken pair by pair.

    bench/startup.py --build-dir build-bench [--runs 21] [--callgrind-runs 3]
"""

import argparse
import datetime
import os
import platform
import re
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

# Figure key, caption, unit, how the program is held against the floor, limit.
#   ratio: program / floor per pair, at most limit
#   extra: program - floor per pair, at most limit (in the figure's unit)
FIGURES = [
    ("painted_ms", "start-up to first paint of frmMain", "ms", "ratio", 1.05),
    ("first_paint_ms", "  (first paint event, frame not yet flushed)", "ms", "ratio", None),
    ("rss_mib", "resident memory after first paint", "MiB", "extra", 2.0),
    ("hwm_mib", "peak resident memory at first paint", "MiB", "extra", None),
    ("click_ms", "click on cmdNext to painted frmDisplay", "ms", "ratio", 1.05),
    ("click_handler_ms", "  (of which the click handler)", "ms", "ratio", None),
    ("click_first_paint_ms", "  (to the first paint event)", "ms", "ratio", None),
    ("results_rss_mib", "resident memory after results paint", "MiB", "extra", None),
]


class Subject:
    def __init__(self, name, path):
        self.name = name
        self.path = str(Path(path).resolve())


class Sandbox:
    """A home, configuration and runtime folder of their own, shared by every run."""

    def __init__(self, root):
        self.home = Path(root) / "home"
        self.config = self.home / "config"
        self.runtime = Path(root) / "runtime"
        for d in (self.home, self.config, self.runtime):
            d.mkdir(parents=True, exist_ok=True)
        os.chmod(self.runtime, 0o700)

    def clean_locks(self):
        # The probe ends a run with _exit: the program's single-instance lock stays behind, and
        # a stale lock would make the next start slower than a normal one.
        for lock in self.runtime.glob("*.lock"):
            lock.unlink()


def base_env(sandbox, platform_name, display):
    env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "XDG_"))}
    env.update(
        HOME=str(sandbox.home),
        XDG_CONFIG_HOME=str(sandbox.config),
        XDG_RUNTIME_DIR=str(sandbox.runtime),
        QT_QPA_PLATFORM=platform_name,
        # Silence the offscreen plugin's notes on every start; they would only be noise.
        QT_LOGGING_RULES="qt.qpa.*=false",
    )
    env.pop("DISPLAY", None)
    env.pop("WAYLAND_DISPLAY", None)
    if display:
        env["DISPLAY"] = display
    return env


def parse_probe(stderr):
    for line in stderr.splitlines():
        if line.startswith("vorn-bench: "):
            fields = dict(item.split("=", 1) for item in line[len("vorn-bench: "):].split())
            if "error" in fields:
                raise RuntimeError("probe: " + fields["error"])
            out = {k: float(v) for k, v in fields.items()}
            for kib in ("rss_kib", "hwm_kib", "results_rss_kib"):
                if kib in out:
                    out[kib.replace("_kib", "_mib")] = out.pop(kib) / 1024.0
            return out
    raise RuntimeError("no probe line in:\n" + stderr)


def run_once(subject, env, probe, timeout=30):
    env = dict(env)
    env["LD_PRELOAD"] = probe
    env["VORN_BENCH_LAUNCH_NS"] = str(time.monotonic_ns())
    proc = subprocess.run([subject.path], env=env, stdout=subprocess.DEVNULL,
                          stderr=subprocess.PIPE, text=True, timeout=timeout)
    return parse_probe(proc.stderr)


def start_xvfb():
    xvfb = shutil.which("Xvfb")
    if not xvfb:
        raise RuntimeError("Xvfb is not installed (apt-get install xvfb)")
    read_fd, write_fd = os.pipe()
    proc = subprocess.Popen(
        [xvfb, "-displayfd", str(write_fd), "-screen", "0", "1280x1024x24", "-dpi", "96",
         "-nolisten", "tcp", "-noreset"],
        pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_fd)
    number = b""
    with os.fdopen(read_fd, "rb") as pipe:
        while not number.endswith(b"\n"):
            chunk = pipe.read(1)
            if not chunk:
                proc.kill()
                raise RuntimeError("Xvfb did not start")
            number += chunk
    return proc, ":" + number.decode().strip()


def measure_platform(subjects, probe, sandbox, platform_name, display, runs, warmups):
    env = base_env(sandbox, platform_name, display)
    results = {s.name: [] for s in subjects}
    # Warm-up: the page cache, the font cache and the program's first-start settings write.
    for _ in range(warmups):
        for s in subjects:
            run_once(s, env, probe)
            sandbox.clean_locks()
    for i in range(runs):
        order = subjects if i % 2 == 0 else list(reversed(subjects))
        for s in order:
            results[s.name].append(run_once(s, env, probe))
            sandbox.clean_locks()
    return results


def callgrind_count(subject, probe, sandbox, out_file):
    env = base_env(sandbox, "offscreen", None)
    env["LD_PRELOAD"] = probe
    env["VORN_BENCH_STAGE"] = "paint"
    env["VORN_BENCH_TIMEOUT_MS"] = "300000"
    env["VORN_BENCH_LAUNCH_NS"] = str(time.monotonic_ns())
    proc = subprocess.run(
        ["valgrind", "--tool=callgrind", "--callgrind-out-file=" + str(out_file), subject.path],
        env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True, timeout=600)
    sandbox.clean_locks()
    parse_probe(proc.stderr)  # the run reached the first paint
    for line in Path(out_file).read_text().splitlines():
        if line.startswith(("summary:", "totals:")):
            return int(line.split()[1])
    raise RuntimeError("no instruction total in " + str(out_file))


def spread(values):
    return statistics.median(values), min(values), max(values)


def fmt(value, unit):
    if unit == "MiB":
        return f"{value:.1f}"
    if unit == "Ir":
        return f"{value / 1e6:.1f}M"
    return f"{value:.1f}"


def table_rows(figures, program, floor):
    rows = []
    for key, caption, unit, how, limit in figures:
        p = [r[key] for r in program if key in r]
        f = [r[key] for r in floor if key in r]
        if not p or not f:
            continue
        pairs = list(zip(p, f))
        if how == "ratio":
            rel = [a / b for a, b in pairs]
            rel_text = "{:.3f} [{:.3f}..{:.3f}]".format(*spread(rel))
        else:
            rel = [a - b for a, b in pairs]
            rel_text = "{:+.2f} [{:+.2f}..{:+.2f}] MiB".format(*spread(rel))
        if limit is None:
            verdict = ""
        else:
            ok = statistics.median(rel) <= limit
            target = f"<= {limit:.2f}x" if how == "ratio" else f"<= +{limit:.0f} MiB"
            verdict = f"{target} {'met' if ok else 'ABOVE'}"
        pm, plo, phi = spread(p)
        fm, flo, fhi = spread(f)
        rows.append((caption, unit,
                     f"{fmt(pm, unit)} [{fmt(plo, unit)}..{fmt(phi, unit)}]",
                     f"{fmt(fm, unit)} [{fmt(flo, unit)}..{fmt(fhi, unit)}]",
                     rel_text, verdict))
    return rows


def print_table(title, rows, out):
    head = ("figure", "unit", "program median [min..max]", "floor median [min..max]",
            "program/floor per pair: median [min..max]", "target")
    widths = [max(len(str(r[i])) for r in rows + [head]) for i in range(len(head))]
    line = lambda r: "| " + " | ".join(str(c).ljust(w) for c, w in zip(r, widths)) + " |"
    out.append("")
    out.append(title)
    out.append("")
    out.append(line(head))
    out.append("|" + "|".join("-" * (w + 2) for w in widths) + "|")
    out.extend(line(r) for r in rows)


def machine():
    cpu = "unknown CPU"
    try:
        for l in Path("/proc/cpuinfo").read_text().splitlines():
            if l.startswith("model name"):
                cpu = l.split(":", 1)[1].strip()
                break
    except OSError:
        pass
    return f"{cpu}, {os.cpu_count()} cores, Linux {platform.release()}"


def main():
    here = Path(__file__).resolve().parent
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build-dir", default=str(here.parent / "build-bench"))
    parser.add_argument("--runs", type=int, default=21, help="interleaved pairs per platform")
    parser.add_argument("--warmups", type=int, default=2)
    parser.add_argument("--callgrind-runs", type=int, default=3,
                        help="interleaved pairs under callgrind (0: none)")
    parser.add_argument("--platforms", default="offscreen,xcb")
    parser.add_argument("--report", help="also write the tables to this file")
    args = parser.parse_args()

    build = Path(args.build_dir).resolve()
    program = Subject("program", build / "vorn-color-numerology")
    floor = Subject("floor", build / "bench" / "vorn_bench_floor")
    probe = str(build / "bench" / "libvorn_bench_probe.so")
    subjects = [program, floor]

    out = []
    started = time.monotonic()
    out.append(f"Start-up benchmark, {datetime.datetime.now().isoformat(timespec='seconds')}")
    out.append(f"machine: {machine()}")
    out.append(f"pairs: {args.runs} per platform, interleaved (program first on even pairs), "
               f"after {args.warmups} warm-up pairs")

    xvfb = None
    with tempfile.TemporaryDirectory(prefix="vorn-bench-") as root:
        sandbox = Sandbox(root)
        try:
            for platform_name in [p for p in args.platforms.split(",") if p]:
                display = None
                if platform_name == "xcb":
                    xvfb, display = start_xvfb()
                print(f"measuring {platform_name} ...", file=sys.stderr, flush=True)
                results = measure_platform(subjects, probe, sandbox, platform_name, display,
                                           args.runs, args.warmups)
                where = "Xvfb (X server, no window manager)" if display else "offscreen"
                print_table(f"## {where}: QT_QPA_PLATFORM={platform_name}",
                            table_rows(FIGURES, results["program"], results["floor"]), out)
                if xvfb:
                    xvfb.send_signal(signal.SIGTERM)
                    xvfb.wait(10)
                    xvfb = None

            if args.callgrind_runs > 0 and shutil.which("valgrind"):
                keep = build / "bench-results"
                keep.mkdir(exist_ok=True)
                counts = {"program": [], "floor": []}
                for i in range(args.callgrind_runs):
                    order = subjects if i % 2 == 0 else list(reversed(subjects))
                    for s in order:
                        counts[s.name].append(
                            {"ir": callgrind_count(s, probe, sandbox,
                                                   keep / f"callgrind.{s.name}.out")})
                print_table("## Instructions to the first paint of frmMain "
                            "(callgrind, offscreen, whole process up to the probe's exit)",
                            table_rows([("ir", "instructions to first paint", "Ir", "ratio",
                                         1.05)], counts["program"], counts["floor"]), out)
                out.append("")
                out.append(f"callgrind profiles of the last pair: {keep}/callgrind.*.out "
                           "(callgrind_annotate --inclusive=yes <file>)")
        finally:
            if xvfb:
                xvfb.kill()
                xvfb.wait()

    out.append("")
    out.append(f"start-up benchmark took {time.monotonic() - started:.0f} s")
    text = "\n".join(out) + "\n"
    sys.stdout.write(text)
    if args.report:
        Path(args.report).write_text(text)


if __name__ == "__main__":
    main()
