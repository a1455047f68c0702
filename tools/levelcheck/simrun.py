"""Runs amberwick-sim's autoplayer over levels, modes and seeds in parallel."""
import concurrent.futures
import json
import os
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
LEVEL_DIR = os.path.join(ROOT, "data", "levels")
STAGE_SIZES = [4, 5, 6, 7, 8, 9] + [10] * 9
LEVEL_COUNT = 129


def stage_of(index):
    total = 0
    for s, size in enumerate(STAGE_SIZES):
        total += size
        if index < total:
            return s
    raise ValueError("level index %d outside the course" % index)


def level_path(number, level_dir=LEVEL_DIR):
    return os.path.join(level_dir, "pack1_%02d.lvl" % number)


def find_sim(build_dir=None):
    for d in (build_dir, os.environ.get("AW_BUILD_DIR"), os.path.join(ROOT, "build")):
        if d:
            p = os.path.join(d, "amberwick-sim")
            if os.access(p, os.X_OK):
                return p
    raise FileNotFoundError("amberwick-sim not found; build it with ninja -C build amberwick-sim")


def run_one(sim, number, mode, seed, think, max_time, level_dir=LEVEL_DIR):
    """One autoplayed run; returns the simulator's final outcome record."""
    cmd = [sim, "--level", level_path(number, level_dir), "--index", str(number - 1),
           "--mode", mode, "--seed", str(seed), "--autoplay", "--think", str(think),
           "--max-time", str(max_time)]
    proc = subprocess.run(cmd, capture_output=True, text=True)
    if proc.returncode != 0:
        raise RuntimeError("%s failed (%d): %s" % (" ".join(cmd), proc.returncode, proc.stderr))
    last = proc.stdout.strip().rsplit("\n", 1)[-1]
    final = json.loads(last)
    if "outcome" not in final:
        raise RuntimeError("%s: no outcome line" % " ".join(cmd))
    return {"level": number, "mode": mode, "seed": seed, "outcome": final["outcome"],
            "moves": final["moves"], "time_ms": final["time_ms"], "score": final["score"]}


def run_batch(sim, numbers, mode, seed, think, max_time, level_dir=LEVEL_DIR):
    """The levels in one mode and seed, played by one simulator process."""
    cmd = [sim]
    for n in numbers:
        cmd += ["--level", level_path(n, level_dir)]
    cmd += ["--mode", mode, "--seed", str(seed), "--autoplay", "--think", str(think),
            "--max-time", str(max_time)]
    proc = subprocess.run(cmd, capture_output=True, text=True)
    if proc.returncode != 0:
        raise RuntimeError("amberwick-sim %s seed %d failed (%d): %s" % (mode, seed, proc.returncode, proc.stderr))
    finals = [json.loads(line) for line in proc.stdout.splitlines() if line.startswith('{"outcome"')]
    if len(finals) != len(numbers):
        raise RuntimeError("amberwick-sim %s seed %d: %d outcome lines for %d levels"
                           % (mode, seed, len(finals), len(numbers)))
    return [{"level": n, "mode": mode, "seed": seed, "outcome": f["outcome"], "moves": f["moves"],
             "time_ms": f["time_ms"], "score": f["score"]} for n, f in zip(numbers, finals)]


def run_many(jobs, sim, numbers, modes, seeds, think, max_time, level_dir=LEVEL_DIR,
             progress=None):
    # One process per mode and seed plays every level: starting a process
    # costs more than many a short level.
    work = [(m, s) for m in modes for s in seeds]
    results = []
    with concurrent.futures.ThreadPoolExecutor(max_workers=jobs) as pool:
        futures = [pool.submit(run_batch, sim, numbers, m, s, think, max_time, level_dir) for m, s in work]
        for i, f in enumerate(concurrent.futures.as_completed(futures), 1):
            results.extend(f.result())
            if progress:
                progress("%d/%d runs" % (len(results), len(work) * len(numbers)))
    results.sort(key=lambda r: (r["level"], r["mode"], r["seed"]))
    return results
