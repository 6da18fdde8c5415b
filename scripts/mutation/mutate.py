#!/usr/bin/env python3
"""Runs each mutant of the window code against the window's tests: apply, build, test, restore.

Usage: scripts/mutation/mutate.py [MUTANTS.py] [BUILD_DIR]
  MUTANTS.py  a file that defines MUTANTS, a list of (file, original, replacement, what); the
              original must occur exactly once in the file (default: window_mutants.py here)
  BUILD_DIR   a configured build of this checkout (default: build/release)

Best run in a worktree of its own (git worktree add), as it edits the sources while it runs. A
mutant is killed when it does not build, when a scenario fails (stopping at the first), or when
an app test fails; the Start tests are left out, as they need a process of their own.
"""
import os
import pathlib
import runpy
import subprocess
import sys

root = pathlib.Path(__file__).resolve().parents[2]
here = pathlib.Path(__file__).resolve().parent
mutants = runpy.run_path(sys.argv[1] if len(sys.argv) > 1 else here / "window_mutants.py")["MUTANTS"]
build = pathlib.Path(sys.argv[2] if len(sys.argv) > 2 else root / "build" / "release")
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")


def verdict():
    b = subprocess.run(["ninja", "-C", build, "polyskop-app-tests", "polyskop-scenario"],
                       capture_output=True, text=True)
    if b.returncode != 0:
        return "killed: does not build"
    t = subprocess.run(["ctest", "--test-dir", build, "-j2", "-R", "^scenario\\.",
                        "--stop-on-failure"], capture_output=True, text=True, env=env)
    if t.returncode != 0:
        failed = [l.split()[3] for l in t.stdout.splitlines() if "***" in l or "(Failed)" in l]
        return "killed by " + (failed[0] if failed else "the scenarios")
    a = subprocess.run([build / "bin" / "polyskop-app-tests", "--gtest_brief=1",
                        "--gtest_filter=-Start.*"], capture_output=True, text=True, env=env)
    if a.returncode != 0:
        failed = [l.split()[3] for l in a.stdout.splitlines() if l.startswith("[  FAILED  ]")]
        return "killed by " + (failed[0] if failed else "the app tests")
    return "SURVIVED"


results = []
for i, (path, original, replacement, what) in enumerate(mutants, 1):
    source = root / path
    text = source.read_text()
    if text.count(original) != 1:
        results.append("not applicable")
    else:
        source.write_text(text.replace(original, replacement))
        try:
            results.append(verdict())
        finally:
            source.write_text(text)
    print(f"{i:2} {what}: {results[-1]}", flush=True)
subprocess.run(["ninja", "-C", build, "polyskop-app-tests", "polyskop-scenario"],
               capture_output=True)
applicable = [r for r in results if r != "not applicable"]
killed = [r for r in applicable if r.startswith("killed")]
print(f"{len(killed)} of {len(applicable)} applicable mutants killed")
