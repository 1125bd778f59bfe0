#!/usr/bin/env python3
"""Start-up and first reading of the program against the floor program, measured from outside.

Runs the program, the floor program (bench/floor.cpp) and the floor with the design's fonts in
interleaved rounds with bench/startupprobe.cpp preloaded, offscreen and under a private Xvfb,
then counts instructions under callgrind, and prints medians, min and max, and the ratios
program / floor taken round by round.

    bench/startup.py [--build-dir build-bench] [--runs 31] [--callgrind-runs 2]
"""

import argparse
import datetime
import os
import platform
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

# Figure key, caption, unit, how the program is held against a floor, limit for the target.
#   ratio: program / floor per round, target: at most limit
#   extra: program - floor per round, target: at most limit (in the figure's unit)
FIGURES = [
    ("painted_ms", "start-up to first paint of frmMain", "ms", "ratio", 1.05),
    ("first_paint_ms", "  (to its first paint event)", "ms", "ratio", None),
    ("rss_mib", "resident memory after first paint", "MiB", "extra", 2.0),
    ("hwm_mib", "peak resident memory at first paint", "MiB", "extra", None),
    ("click_ms", "click on cmdNext to painted frmDisplay", "ms", "ratio", 1.05),
    ("click_handler_ms", "  (of which the click handler)", "ms", "ratio", None),
    ("results_rss_mib", "resident memory after results paint", "MiB", "extra", None),
    ("results_hwm_mib", "peak resident memory at results paint", "MiB", "extra", None),
]
IR_FIGURES = [
    ("startup_ir", "instructions to first paint of frmMain", "Ir", "ratio", 1.05),
    ("click_ir", "instructions from click to painted frmDisplay", "Ir", "ratio", None),
]


class Subject:
    def __init__(self, name, path, args=()):
        self.name = name
        self.command = [str(Path(path).resolve()), *args]


class Sandbox:
    """A home, configuration and runtime folder of their own, shared by every run.

    The runtime folder lives on tmpfs, as XDG_RUNTIME_DIR does in a desktop session: the
    program's single-instance lock is written and synced there at every start.
    """

    def __init__(self, root, runtime_root):
        self.home = Path(root) / "home"
        self.config = self.home / "config"
        self.runtime = Path(tempfile.mkdtemp(prefix="vorn-bench-run-", dir=runtime_root))
        for d in (self.home, self.config):
            d.mkdir(parents=True, exist_ok=True)
        os.chmod(self.runtime, 0o700)

    def clean_locks(self):
        # The probe ends a run with _exit: the program's single-instance lock stays behind, and
        # a stale lock would make the next start slower than a normal one.
        for lock in self.runtime.glob("*.lock"):
            lock.unlink()

    def remove(self):
        shutil.rmtree(self.runtime, ignore_errors=True)


def base_env(sandbox, platform_name, display):
    env = {k: v for k, v in os.environ.items() if not k.startswith(("QT_", "XDG_"))}
    env.update(
        HOME=str(sandbox.home),
        XDG_CONFIG_HOME=str(sandbox.config),
        XDG_RUNTIME_DIR=str(sandbox.runtime),
        QT_QPA_PLATFORM=platform_name,
        # The offscreen plugin's notes on every start are only noise here.
        QT_LOGGING_RULES="qt.qpa.*=false",
    )
    for k in ("DISPLAY", "WAYLAND_DISPLAY", "LD_PRELOAD"):
        env.pop(k, None)
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
            for kib in ("rss_kib", "hwm_kib", "results_rss_kib", "results_hwm_kib"):
                if kib in out:
                    out[kib.replace("_kib", "_mib")] = out.pop(kib) / 1024.0
            return out
    raise RuntimeError("no probe line in:\n" + stderr)


def run_once(subject, env, probe):
    env = dict(env, LD_PRELOAD=probe)
    env["VORN_BENCH_LAUNCH_NS"] = str(time.monotonic_ns())
    proc = subprocess.run(subject.command, env=env, stdout=subprocess.DEVNULL,
                          stderr=subprocess.PIPE, text=True, timeout=60)
    return parse_probe(proc.stderr)


def start_xvfb():
    xvfb = shutil.which("Xvfb")
    if not xvfb:
        raise RuntimeError("Xvfb is not installed (make bench installs it)")
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
                proc.wait()
                raise RuntimeError("Xvfb did not start")
            number += chunk
    return proc, ":" + number.decode().strip()


def rounds(subjects, count):
    """Each round runs every subject once; the order turns from round to round."""
    for i in range(count):
        k = i % len(subjects)
        yield subjects[k:] + subjects[:k]


def measure_platform(subjects, probe, sandbox, env, runs, warmups):
    results = {s.name: [] for s in subjects}
    # Warm-up: the page cache, the font cache and the program's first-start settings write.
    for order in rounds(subjects, warmups):
        for s in order:
            run_once(s, env, probe)
            sandbox.clean_locks()
    for order in rounds(subjects, runs):
        for s in order:
            results[s.name].append(run_once(s, env, probe))
            sandbox.clean_locks()
    return results


def callgrind_count(subject, probe, sandbox, out_dir, stage):
    """Instructions of one run: to the first paint (stage "startup") or from the click to the
    painted results (stage "click"), offscreen."""
    env = base_env(sandbox, "offscreen", None)
    env.update(LD_PRELOAD=probe, VORN_BENCH_TIMEOUT_MS="300000",
               VORN_BENCH_LAUNCH_NS=str(time.monotonic_ns()))
    options = ["--tool=callgrind"]
    if stage == "startup":
        env["VORN_BENCH_STAGE"] = "paint"
    else:
        env["VORN_BENCH_COLLECT_CLICK"] = "1"
        options.append("--collect-atstart=no")
    pattern = out_dir / f"callgrind.{subject.name}.{stage}.%p.out"
    proc = subprocess.Popen(["valgrind", *options, f"--callgrind-out-file={pattern}",
                             *subject.command],
                            env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    _, stderr = proc.communicate(timeout=900)
    sandbox.clean_locks()
    parse_probe(stderr)  # the run got where it had to
    out_file = Path(str(pattern).replace("%p", str(proc.pid)))
    for line in out_file.read_text().splitlines():
        if line.startswith(("summary:", "totals:")):
            total = int(line.split()[1])
            # Keep one profile per subject and stage, for callgrind_annotate.
            out_file.replace(out_dir / f"callgrind.{subject.name}.{stage}.out")
            return total
    raise RuntimeError(f"no instruction total in {out_file}")


COMMAND_LINE = [
    ("text", "a reading as text, to standard output", ["--format", "text"]),
    ("json", "a reading as JSON, to standard output", ["--format", "json"]),
    ("pdf", "a reading as a PDF, to a file", ["--format", "pdf", "--output", "{out}"]),
]


def command_line_readings(program, sandbox, runs, callgrind):
    """The wall time of one command-line reading, launch to exit, in each format, and its
    instruction count under callgrind: no display, no window, nothing written but the output."""
    env = {k: v for k, v in os.environ.items()
           if not k.startswith(("QT_", "XDG_")) and k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    env.update(HOME=str(sandbox.home), XDG_CONFIG_HOME=str(sandbox.config),
               XDG_RUNTIME_DIR=str(sandbox.runtime))
    reading = ["--first", "john", "--last", "smith", "--born", "1999-11-29"]
    rows = []
    for key, caption, args in COMMAND_LINE:
        command = [program, *reading,
                   *[a.format(out=sandbox.home / "reading.pdf") for a in args]]
        times = []
        for _ in range(runs + 1):  # the first run warms the page cache
            started = time.monotonic()
            subprocess.run(command, env=env, stdout=subprocess.DEVNULL, check=True)
            times.append((time.monotonic() - started) * 1000)
        times = times[1:]
        ir = ""
        if callgrind:
            out = sandbox.home / f"callgrind.{key}.out"
            subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}",
                            *command], env=env, stdout=subprocess.DEVNULL,
                           stderr=subprocess.DEVNULL, check=True)
            for line in out.read_text().splitlines():
                if line.startswith("summary:") or line.startswith("totals:"):
                    ir = f"{int(line.split()[1]) / 1e6:.1f}M"
        rows.append((caption, statistics.median(times), min(times), max(times), ir))
    lines = ["| command-line reading                  | ms, median [min..max]  | Ir     |",
             "|---------------------------------------|------------------------|--------|"]
    for caption, median, low, high, ir in rows:
        lines.append(f"| {caption:<37} | {median:5.1f} [{low:.1f}..{high:.1f}]".ljust(66)
                     + f"| {ir:<6} |")
    return lines


def spread(values):
    return statistics.median(values), min(values), max(values)


def fmt(value, unit):
    if unit == "Ir":
        return f"{value / 1e6:.1f}M"
    if unit == "MiB":
        return f"{value:.1f}"
    return f"{value:.1f}"


def relation(p, f, how):
    pairs = list(zip(p, f))
    if how == "ratio":
        rel = [a / b for a, b in pairs]
        return rel, "{:.3f} [{:.3f}..{:.3f}]".format(*spread(rel))
    rel = [a - b for a, b in pairs]
    return rel, "{:+.2f} [{:+.2f}..{:+.2f}]".format(*spread(rel))


def table(figures, results, names):
    program, floor, fonts = names
    head = ["figure", "unit", "program", "floor", "floor, design fonts",
            "program / floor", "target", "program / floor, design fonts"]
    rows = []
    for key, caption, unit, how, limit in figures:
        values = {n: [r[key] for r in results[n] if key in r] for n in names}
        if not all(values.values()):
            continue
        row = [caption, unit]
        for n in names:
            m, lo, hi = spread(values[n])
            row.append(f"{fmt(m, unit)} [{fmt(lo, unit)}..{fmt(hi, unit)}]")
        rel, text = relation(values[program], values[floor], how)
        if how == "extra":
            text += " MiB"
        row.append(text)
        if limit is None:
            row.append("")
        else:
            target = f"<= {limit:.2f}x" if how == "ratio" else f"<= +{limit:.0f} MiB"
            row.append(f"{target}: {'met' if statistics.median(rel) <= limit else 'ABOVE'}")
        _, text = relation(values[program], values[fonts], how)
        row.append(text + (" MiB" if how == "extra" else ""))
        rows.append(row)
    widths = [max(len(r[i]) for r in rows + [head]) for i in range(len(head))]
    line = lambda r: "| " + " | ".join(c.ljust(w) for c, w in zip(r, widths)) + " |"
    return [line(head), "|" + "|".join("-" * (w + 2) for w in widths) + "|"] + [
        line(r) for r in rows]


def machine():
    cpu = "unknown CPU"
    try:
        for l in Path("/proc/cpuinfo").read_text().splitlines():
            if l.startswith("model name"):
                cpu = l.split(":", 1)[1].strip()
                break
    except OSError:
        pass
    try:
        load = Path("/proc/loadavg").read_text().split()[0]
    except OSError:
        load = "?"
    return f"{cpu}, {os.cpu_count()} cores, Linux {platform.release()}, load {load} at start"


def main():
    here = Path(__file__).resolve().parent
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--build-dir", default=str(here.parent / "build-bench"))
    parser.add_argument("--runs", type=int, default=31, help="rounds per platform")
    parser.add_argument("--warmups", type=int, default=1, help="rounds not counted")
    parser.add_argument("--callgrind-runs", type=int, default=2,
                        help="rounds under callgrind, per stage (0: none)")
    parser.add_argument("--platforms", default="offscreen,xcb")
    parser.add_argument("--program", help="the program to measure (default: the one in the "
                        "build directory), e.g. an older build to compare with")
    parser.add_argument("--report", help="also write the tables to this file")
    args = parser.parse_args()

    build = Path(args.build_dir).resolve()
    floor_path = build / "bench" / "vorn_bench_floor"
    subjects = [Subject("program", args.program or build / "vorn-color-numerology"),
                Subject("floor", floor_path),
                Subject("floor+fonts", floor_path, ["--design-fonts"])]
    names = [s.name for s in subjects]
    probe = str(build / "bench" / "libvorn_bench_probe.so")
    runtime_root = "/dev/shm" if os.access("/dev/shm", os.W_OK) else None

    out = []
    started = time.monotonic()
    out.append(f"Start-up benchmark, {datetime.datetime.now().isoformat(timespec='seconds')}")
    out.append(f"machine: {machine()}")
    out.append(f"program: {subjects[0].command[0]}")
    out.append(f"rounds: {args.runs} per platform after {args.warmups} warm-up round(s); each "
               "round runs program, floor and floor with the design's fonts, in turning order")
    out.append("figures: median [min..max] over the rounds; ratios and differences are taken "
               "round by round, then their median [min..max]")

    xvfb = None
    with tempfile.TemporaryDirectory(prefix="vorn-bench-") as root:
        sandbox = Sandbox(root, runtime_root)
        try:
            for platform_name in [p for p in args.platforms.split(",") if p]:
                display = None
                if platform_name == "xcb":
                    xvfb, display = start_xvfb()
                print(f"measuring {platform_name} ...", file=sys.stderr, flush=True)
                env = base_env(sandbox, platform_name, display)
                results = measure_platform(subjects, probe, sandbox, env, args.runs,
                                           args.warmups)
                where = ("Xvfb, an X server without window manager" if display
                         else "offscreen")
                out += ["", f"## {where} (QT_QPA_PLATFORM={platform_name})", ""]
                out += table(FIGURES, results, names)
                if xvfb:
                    xvfb.send_signal(signal.SIGTERM)
                    xvfb.wait(10)
                    xvfb = None

            if args.callgrind_runs > 0:
                if not shutil.which("valgrind"):
                    raise RuntimeError("valgrind is not installed (make bench installs it)")
                print("counting instructions under callgrind ...", file=sys.stderr, flush=True)
                keep = build / "bench-results"
                keep.mkdir(exist_ok=True)
                counts = {n: [] for n in names}
                for order in rounds(subjects, args.callgrind_runs):
                    for s in order:
                        counts[s.name].append({
                            f"{stage}_ir": callgrind_count(s, probe, sandbox, keep, stage)
                            for stage in ("startup", "click")})
                out += ["", "## Instructions (callgrind, offscreen): the whole process from its "
                        "first instruction to the first frame of frmMain, and from the click to the "
                        "first frame of frmDisplay", ""]
                out += table(IR_FIGURES, counts, names)
                out += ["", f"Profiles of the last round: {keep}/callgrind.<subject>."
                        "<startup|click>.out (callgrind_annotate --inclusive=yes <file>)"]
            print("timing command-line readings ...", file=sys.stderr, flush=True)
            out += ["", "## The command line: one reading from launch to exit, no display "
                    f"({args.runs} runs each)", ""]
            out += command_line_readings(subjects[0].command[0], sandbox, args.runs,
                                         args.callgrind_runs > 0)
        finally:
            if xvfb:
                xvfb.kill()
                xvfb.wait()
            sandbox.remove()

    out += ["", f"start-up benchmark took {time.monotonic() - started:.0f} s"]
    text = "\n".join(out) + "\n"
    sys.stdout.write(text)
    if args.report:
        Path(args.report).parent.mkdir(parents=True, exist_ok=True)
        Path(args.report).write_text(text)


if __name__ == "__main__":
    main()
