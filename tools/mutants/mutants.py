#!/usr/bin/env python3
"""Plants simple faults one at a time in the portable code and kxd, rebuilds
the native tests, runs them, and prints every fault they let through as
`file:line: what changed`.

The faults are planted in two private copies of the tree under build/mutants,
two at a time, so the work tree is never touched, whatever stops the run.

  tools/mutants/mutants.py                      every file, every fault
  tools/mutants/mutants.py src/ticker           the files under a folder
  tools/mutants/mutants.py --changed [BASE]     only lines changed since BASE
  tools/mutants/mutants.py --sample 8 --seed 1  at most 8 faults a file
  tools/mutants/mutants.py --only LIST --from C the faults LIST names, made at C
"""

import argparse
import hashlib
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import threading
import time
from dataclasses import dataclass
from pathlib import Path
from queue import Empty, Queue

ROOT = Path(__file__).resolve().parents[2]
WORK = ROOT / "build" / "mutants"
REPORT = WORK / "survivors.txt"
EQUIVALENTS = WORK / "equivalent.txt"
NEVER_RUN = WORK / "never-run.txt"
OUTCOMES = WORK / "outcomes.txt"  # every fault judged so far, as it is judged

# The portable code and kxd; the Win32 binding has no native tests.
ELIGIBLE = ("src/", "tools/kxd/")
EXCLUDED = ("src/win32/",)
SUFFIXES = (".cpp", ".h")
WINDOWS_ONLY = "_win.cpp"
# The programs the native tests run, the quickest to build and run first; the
# unit tests catch the most. The quiz packs' tests run kxd.
UNIT = "kx_tests"
PROGRAMS = [UNIT, "replay_question_file", "replay_settings_file", "replay_kxd_csv",
            "replay_kxd_check", "kxd"]
# The code under test optimised, so that a fault the compiler proves changes
# nothing leaves the object as it was; no debug information, which would
# record every line's place and make each object differ.
FLAGS = "-O1 -DNDEBUG"
BUILD_TIMEOUT = 600
# The quiz packs' tests spend 20 s regenerating the packs in Python, which no
# planted fault touches: for kxd the round trip of the packs they compare
# against is the part that can fail, in a third of a second.
REGENERATION = "quizgen_test.sh"
ROUNDTRIP = "tests/quizgen/packs_roundtrip.sh"
PACKS = ("quiz/packs", "tests/quizgen/expected")


@dataclass(frozen=True)
class Mutant:
    path: str  # relative to the tree
    line: int  # 1-based
    start: int  # column span of the change in that line
    end: int
    replacement: str
    what: str

    @property
    def name(self):
        return f"{self.path}:{self.line}: {self.what}"

    def apply(self, lines):
        text = lines[self.line - 1]
        changed = list(lines)
        changed[self.line - 1] = text[:self.start] + self.replacement + text[self.end:]
        return changed


# --- finding places to plant ---------------------------------------------------

def code_only(lines):
    """Each line with comments, string and character literals blanked, so a
    fault is never planted in a text or a comment."""
    out = []
    in_block = False
    for line in lines:
        masked = []
        i = 0
        n = len(line)
        if line.lstrip().startswith("#"):
            out.append(" " * n)
            continue
        while i < n:
            if in_block:
                end = line.find("*/", i)
                if end < 0:
                    masked.append(" " * (n - i))
                    i = n
                else:
                    masked.append(" " * (end + 2 - i))
                    i = end + 2
                    in_block = False
                continue
            c = line[i]
            if line.startswith("//", i):
                masked.append(" " * (n - i))
                break
            if line.startswith("/*", i):
                in_block = True
                masked.append("  ")
                i += 2
                continue
            if c in "\"'":
                j = i + 1
                while j < n and line[j] != c:
                    j += 2 if line[j] == "\\" else 1
                j = min(j + 1, n)
                masked.append(c + " " * (j - i - 2) + (c if j - i >= 2 else ""))
                i = j
                continue
            masked.append(c)
            i += 1
        out.append("".join(masked))
    return out


SWAPS = [
    (" < ", " <= "), (" <= ", " < "), (" > ", " >= "), (" >= ", " > "),
    (" == ", " != "), (" != ", " == "), (" && ", " || "), (" || ", " && "),
    (" + ", " - "), (" - ", " + "), (" += ", " -= "), (" -= ", " += "),
]
INTEGER = re.compile(r"(?<![\w.])(0[xX][0-9a-fA-F]+|\d+)([uUlL]*)(?![\w.'])")
BOOLEAN = re.compile(r"\b(true|false)\b")
TWO_ARGS = re.compile(r"\b\w+\(\s*([\w.:>\-\[\]]+), ([\w.:>\-\[\]]+)\)")
RETURN = re.compile(r"^(\s*)return (.+);\s*$")
# A whole statement on one line that is not a declaration: a call, an
# assignment to something that exists, ++/--, break or continue.
STATEMENT = re.compile(
    r"^\s*(?:[\w.\->\[\]:*()]+ (?:[-+*/|&^]?=|<<=|>>=) .+"
    r"|[\w.\->:\[\]]+\(.*\)"
    r"|(?:\+\+|--)[\w.\->]+|[\w.\->]+(?:\+\+|--)"
    r"|break|continue);\s*$")
STATEMENT_STARTS_AFTER = (";", "{", "}", ":", ")", "else")


def find_mutants(path, lines):
    code = code_only(lines)
    found = []

    def add(number, start, end, new, what):
        m = Mutant(path, number, start, end, new, what)
        if m not in found:
            found.append(m)

    for number, masked in enumerate(code, start=1):
        text = lines[number - 1]
        # Asserts vanish from the tested build, so a fault there is equivalent.
        if not masked.strip() or "assert" in masked or "template" in masked:
            continue
        for old, new in SWAPS:
            for m in re.finditer(re.escape(old), masked):
                add(number, m.start(), m.end(), new, f"`{old.strip()}` -> `{new.strip()}`")
        for m in INTEGER.finditer(masked):
            digits, suffix = m.group(1), m.group(2)
            value = int(digits, 0) + 1
            shifted = (hex(value) if digits.lower().startswith("0x") else str(value)) + suffix
            add(number, m.start(), m.end(), shifted, f"`{m.group(0)}` -> `{shifted}`")
        for m in BOOLEAN.finditer(masked):
            other = "false" if m.group(1) == "true" else "true"
            add(number, m.start(), m.end(), other, f"`{m.group(1)}` -> `{other}`")
        for m in TWO_ARGS.finditer(masked):
            a, b = m.group(1), m.group(2)
            if a != b:
                s, e = m.start(1), m.end(2)
                add(number, s, e, f"{b}, {a}", f"arguments swapped: `{text[s:e]}`")
        r = RETURN.match(masked)
        if r and r.group(2).strip() not in ("{}", "true", "false"):
            s = len(r.group(1))
            add(number, s, len(text.rstrip()), "return {};",
                f"`{text.strip()}` -> `return {{}};`")
        if STATEMENT.match(masked) and not masked.lstrip().startswith("return"):
            previous = next((c.rstrip() for c in reversed(code[:number - 1]) if c.strip()), "{")
            if previous.endswith(STATEMENT_STARTS_AFTER) and masked.count("(") == masked.count(")"):
                s = len(text) - len(text.lstrip())
                add(number, s, len(text.rstrip()), "{}", f"statement dropped: `{text.strip()}`")
    return found


# --- which files and lines -----------------------------------------------------

def git(*args):
    # Unquoted paths: the quiz packs' Japanese names must reach the copy as they are.
    return subprocess.run(["git", "-c", "core.quotePath=off", *args], cwd=ROOT, check=True, capture_output=True,
                          text=True).stdout


def eligible(rel):
    return (rel.startswith(ELIGIBLE) and not rel.startswith(EXCLUDED) and rel.endswith(SUFFIXES)
            and not rel.endswith(WINDOWS_ONLY))


def choose_files(arguments):
    tracked = [f for f in git("ls-files", "-co", "--exclude-standard").splitlines()
               if (ROOT / f).is_file()]
    if not arguments:
        return sorted(f for f in tracked if eligible(f))
    chosen = set()
    for argument in arguments:
        rel = os.path.relpath(Path(argument).resolve(), ROOT)
        matches = [f for f in tracked if f == rel or f.startswith(rel.rstrip("/") + "/")]
        usable = [f for f in matches if eligible(f)]
        if not usable:
            sys.exit(f"mutants: {argument}: no portable source file there "
                     f"(src/ but win32/, tools/kxd/)")
        chosen.update(usable)
    return sorted(chosen)


def changed_lines(base):
    """Lines added or changed since the common ancestor with BASE, work tree included."""
    ancestor = git("merge-base", base, "HEAD").strip()
    changed = {}
    current = None
    for line in git("diff", "-U0", "--no-color", ancestor, "--", *ELIGIBLE).splitlines():
        if line.startswith("+++ "):
            current = line[6:] if line.startswith("+++ b/") else None
        elif line.startswith("@@") and current:
            m = re.match(r"@@ -\S+ \+(\d+)(?:,(\d+))? @@", line)
            first, count = int(m.group(1)), int(m.group(2) or 1)
            changed.setdefault(current, set()).update(range(first, first + count))
    return changed


def listed_faults(path, commit):
    """The faults a list names, each as its file, the text of its line at
    `commit` and what changed, so that a list made before lines moved still
    finds its faults."""
    listed, texts = set(), {}
    for entry in Path(path).read_text(encoding="utf-8").splitlines():
        m = re.match(r"(.+?):(\d+): (.+)$", entry)
        if not m:
            continue
        rel, number, what = m.group(1), int(m.group(2)), m.group(3)
        if rel not in texts:
            texts[rel] = git("show", f"{commit}:{rel}").split("\n")
        listed.add((rel, texts[rel][number - 1].strip(), what))
    return listed


# --- the private trees and their builds ----------------------------------------

def sync_tree(tree):
    """Copies the work tree's files into a private tree, rewriting only what
    differs, so the private build stays incremental between runs."""
    files = [f for f in git("ls-files", "-co", "--exclude-standard").splitlines()
             if (ROOT / f).is_file()]
    for rel in files:
        source, target = ROOT / rel, tree / rel
        data = source.read_bytes()
        if not target.exists() or target.read_bytes() != data:
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
            shutil.copymode(source, target)
    keep = set(files)
    for target in tree.rglob("*"):
        if target.is_file() and str(target.relative_to(tree)) not in keep:
            target.unlink()


def write_fresh(path, text):
    """Writes and stamps the file newer than anything built, so ninja rebuilds."""
    path.write_text(text, encoding="utf-8")
    stamp = time.time() + 1
    os.utime(path, (stamp, stamp))


def digest(path):
    try:
        return hashlib.blake2b(path.read_bytes(), digest_size=16).digest()
    except FileNotFoundError:
        return None


def configure(tree, build, *options):
    """Configures the build once, and afresh whenever its options change."""
    launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []
    command = ["cmake", "-S", str(tree), "-B", str(build), "-G", "Ninja",
               "-DCMAKE_BUILD_TYPE=Release", "-DKX_BUILD_BENCH=OFF", *launcher, *options]
    stamp = build / "mutants-configure.txt"
    if stamp.exists() and stamp.read_text() == "\n".join(command):
        return
    shutil.rmtree(build, ignore_errors=True)
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL)
    stamp.write_text("\n".join(command))


def unrun_lines(tree):
    """The lines of each file that hold code no native test runs, from a
    build that counts what runs: a fault there is only compiled, never tested."""
    build = WORK / "coverage"
    configure(tree, build, "-DCMAKE_CXX_FLAGS_RELEASE=-O0 -DNDEBUG", "-DCMAKE_CXX_FLAGS=--coverage",
              "-DCMAKE_EXE_LINKER_FLAGS=--coverage")
    result = subprocess.run(["ninja", "-C", str(build), *PROGRAMS], capture_output=True, text=True)
    if result.returncode != 0:
        sys.exit(f"mutants: the coverage build fails:\n{result.stdout[-3000:]}")
    for counts in build.rglob("*.gcda"):
        counts.unlink()
    # A test that fails or crashes here would leave every line after it
    # counted as run by none, and its faults as survivors nobody tested.
    tests = subprocess.run(["ctest", "--test-dir", str(build), "--output-on-failure"],
                           capture_output=True, text=True, timeout=1800)
    if tests.returncode != 0:
        sys.exit(f"mutants: the native tests fail in the coverage build (-O0):\n{tests.stdout[-3000:]}")
    ran, code = {}, {}
    for counts in build.rglob("*.gcda"):
        report = subprocess.run(["gcov", "--json-format", "--stdout", str(counts)], cwd=build,
                                capture_output=True, text=True).stdout
        for document in report.splitlines():
            for entry in json.loads(document)["files"]:
                source = (build / entry["file"]).resolve()
                if not source.is_relative_to(tree):
                    continue
                rel = str(source.relative_to(tree))
                for line in entry["lines"]:
                    code.setdefault(rel, set()).add(line["line_number"])
                    if line["count"]:
                        ran.setdefault(rel, set()).add(line["line_number"])
    return {rel: lines - ran.get(rel, set()) for rel, lines in code.items()}


class Outcome:
    KILLED, SURVIVED, EQUIVALENT, NOT_BUILT = "killed", "SURVIVED", "equivalent", "does not build"


class Lane:
    """One private tree and its build; faults in two lanes build in parallel,
    each compile on one core."""

    def __init__(self, number):
        self.tree = WORK / f"lane{number}" / "tree"
        self.build = WORK / f"lane{number}" / "build"

    def ninja(self, targets, timeout, jobs=1):
        try:
            result = subprocess.run(["ninja", "-C", str(self.build), f"-j{jobs}", *targets],
                                    capture_output=True, text=True, timeout=timeout)
        except subprocess.TimeoutExpired:
            return False, "build timed out"
        return result.returncode == 0, result.stdout[-3000:] + result.stderr[-3000:]

    def prepare(self, jobs):
        self.tree.mkdir(parents=True, exist_ok=True)
        sync_tree(self.tree)
        # clang builds the tests' own objects in half the time g++ takes, and
        # lld links in a fraction of the time of the default linker.
        compiler = [f"-DCMAKE_CXX_COMPILER={c}" for c in ("clang++",) if shutil.which(c)]
        compiler += ["-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld"] if shutil.which("ld.lld") else []
        configure(self.tree, self.build, *compiler, f"-DCMAKE_CXX_FLAGS_RELEASE={FLAGS}",
                  f"-DCMAKE_PROJECT_INCLUDE={Path(__file__).parent / 'unoptimised_tests.cmake'}",
                  "-DKX_UNOPTIMISED_TARGETS=" + ";".join(p for p in PROGRAMS if p != "kxd"))
        ok, log = self.ninja(PROGRAMS, 3600, jobs)
        if not ok:
            sys.exit(f"mutants: the unchanged tree does not build:\n{log}")
        self.objects = self.objects_by_source()
        self.programs = self.program_paths()
        self.tests = self.tests_by_program()
        self.baseline = {path: digest(path) for paths in self.objects.values() for path in paths}
        self.baseline.update({path: digest(path) for path in self.programs.values()})

    def objects_by_source(self):
        """Every object file each source or header goes into, from ninja's record of includes."""
        found = {}
        current = None
        for line in subprocess.run(["ninja", "-C", str(self.build), "-t", "deps"], check=True,
                                   capture_output=True, text=True).stdout.splitlines():
            if line and not line[0].isspace():
                current = self.build / line.split(":")[0]
            elif line.strip() and current is not None:
                source = (self.build / line.strip()).resolve()
                if source.is_relative_to(self.tree):
                    found.setdefault(str(source.relative_to(self.tree)), set()).add(current)
        return found

    def program_paths(self):
        paths = {}
        for line in subprocess.run(["ninja", "-C", str(self.build), "-t", "targets", "all"],
                                   check=True, capture_output=True, text=True).stdout.splitlines():
            output, _, rule = line.partition(": ")
            name = Path(output).name
            if name in PROGRAMS and rule.startswith(f"CXX_EXECUTABLE_LINKER__{name}_"):
                paths[name] = self.build / output
        return paths

    def tests_by_program(self):
        """The ctest entries that run each program, besides the unit tests."""
        listing = json.loads(subprocess.run(
            ["ctest", "--test-dir", str(self.build), "--show-only=json-v1"],
            check=True, capture_output=True, text=True).stdout)
        tests = {}
        for test in listing["tests"]:
            if any(part.endswith(REGENERATION) for part in test.get("command", [])):
                continue
            for name, path in self.programs.items():
                if name != UNIT and str(path) in test.get("command", []):
                    tests.setdefault(name, []).append(test["name"])
        return tests

    def run_unit(self, timeout):
        """True when every unit test passed; a hang counts as a failure."""
        try:
            return subprocess.run([str(self.programs[UNIT]), "--gtest_fail_fast", "--gtest_brief=1"],
                                  cwd=self.programs[UNIT].parent, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL, timeout=timeout).returncode == 0
        except subprocess.TimeoutExpired:
            return False

    def run_ctest(self, names, timeout):
        pattern = "^(" + "|".join(re.escape(n) for n in names) + ")$"
        try:
            return subprocess.run(["ctest", "--test-dir", str(self.build), "-R", pattern,
                                   "--stop-on-failure", "--timeout", str(int(timeout))],
                                  capture_output=True, timeout=timeout * 4).returncode == 0
        except subprocess.TimeoutExpired:
            return False

    def changed(self, path):
        return digest(path) != self.baseline[path]

    def run_roundtrip(self, timeout):
        try:
            return all(subprocess.run(["bash", str(self.tree / ROUNDTRIP), str(self.programs["kxd"]),
                                       str(self.tree / packs)], capture_output=True,
                                      timeout=timeout).returncode == 0 for packs in PACKS)
        except subprocess.TimeoutExpired:
            return False

    def passes(self, name, timeouts):
        if name == UNIT:
            return self.run_unit(timeouts[UNIT])
        if name == "kxd" and not self.run_roundtrip(timeouts["ctest"]):
            return False
        return not self.tests.get(name) or self.run_ctest(self.tests[name], timeouts["ctest"])

    def judge(self, m, timeouts, unrun):
        """Builds and runs the unit tests, then the other programs and their
        tests, each only when the fault changed it, until one fails. A fault
        on a line no test runs survives if it builds and changes its objects."""
        objects = self.objects.get(m.path, ())
        if unrun and objects:
            ok, _ = self.ninja([str(o.relative_to(self.build)) for o in sorted(objects)],
                               BUILD_TIMEOUT)
            if not ok:
                return Outcome.NOT_BUILT
            return Outcome.SURVIVED if any(self.changed(o) for o in objects) else Outcome.EQUIVALENT
        for names in ([UNIT], PROGRAMS[1:]):
            ok, _ = self.ninja(names, BUILD_TIMEOUT)
            if not ok:
                return Outcome.NOT_BUILT
            for name in names:
                if self.changed(self.programs[name]) and not self.passes(name, timeouts):
                    return Outcome.KILLED
        if objects and not any(self.changed(o) for o in objects):
            return Outcome.EQUIVALENT
        return Outcome.SURVIVED

    def run(self, queue, results, timeouts, stopping, report, unrun):
        """Takes whole files from the queue and judges each of their faults,
        putting the file back as it was before the next."""
        while not stopping.is_set():
            try:
                path, faults = queue.get_nowait()
            except Empty:
                return
            original = (self.tree / path).read_text(encoding="utf-8")
            lines = original.split("\n")
            try:
                for index, m in faults:
                    if stopping.is_set():
                        break
                    write_fresh(self.tree / path, "\n".join(m.apply(lines)))
                    results[index] = self.judge(m, timeouts, m.line in unrun.get(m.path, ()))
                    report(index, m, results[index])
            finally:
                write_fresh(self.tree / path, original)


# --- the run -------------------------------------------------------------------

def stop(signum, frame):
    raise KeyboardInterrupt


def main():
    # A run started in the background inherits an ignored SIGINT; the planted
    # faults must be taken out however the run is stopped.
    signal.signal(signal.SIGINT, stop)
    signal.signal(signal.SIGTERM, stop)
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("files", nargs="*", help="files or folders (default: all)")
    parser.add_argument("--changed", nargs="?", const="main", metavar="BASE",
                        help="only lines changed since BASE (default main)")
    parser.add_argument("--sample", type=int, metavar="N", help="at most N faults a file")
    parser.add_argument("--seed", default="0", help="seed of the sample (default 0)")
    parser.add_argument("--only", metavar="FILE",
                        help="only the faults listed in FILE as `file:line: what changed`")
    parser.add_argument("--from", dest="listed_at", default="HEAD", metavar="COMMIT",
                        help="the commit whose lines --only's list numbers (default HEAD)")
    parser.add_argument("--lanes", type=int, default=2, help="faults built at once (default 2)")
    parser.add_argument("--list", action="store_true", help="list the faults, plant none")
    parser.add_argument("--verbose", "-v", action="store_true", help="print every outcome")
    options = parser.parse_args()

    files = choose_files(options.files)
    if options.sample is not None:
        # A sampled run stopped early has then still seen files of every kind.
        random.Random(options.seed).shuffle(files)
    only = changed_lines(options.changed) if options.changed else None
    listed = listed_faults(options.only, options.listed_at) if options.only else None
    mutants = []
    for rel in files:
        if only is not None and rel not in only:
            continue
        lines = (ROOT / rel).read_text(encoding="utf-8").split("\n")
        found = find_mutants(rel, lines)
        if only is not None:
            found = [m for m in found if m.line in only[rel]]
        if listed is not None:
            found = [m for m in found if (rel, lines[m.line - 1].strip(), m.what) in listed]
        if options.sample is not None and len(found) > options.sample:
            found = random.Random(f"{options.seed}:{rel}").sample(found, options.sample)
            found.sort(key=lambda m: (m.line, m.start))
        mutants.extend(found)

    if options.list:
        for m in mutants:
            print(m.name)
        print(f"{len(mutants)} faults in {len(files)} files")
        return 0
    if not mutants:
        print("planted 0")
        return 0

    began = time.monotonic()
    lanes = [Lane(n) for n in range(max(1, options.lanes))]
    for lane in lanes:
        print(f"mutants: building the unchanged tree in {lane.build.relative_to(ROOT)}", flush=True)
        lane.prepare(2)
    first = lanes[0]
    started = time.monotonic()
    if not first.run_unit(600):
        sys.exit("mutants: the unit tests fail without any fault planted")
    timeouts = {UNIT: max(10.0, 20 * (time.monotonic() - started))}
    started = time.monotonic()
    if not (first.run_roundtrip(600) and
            first.run_ctest(sorted({t for ts in first.tests.values() for t in ts}), 600)):
        sys.exit("mutants: the native tests fail without any fault planted")
    timeouts["ctest"] = max(30.0, 10 * (time.monotonic() - started))

    results = [None] * len(mutants)
    unrun = unrun_lines(first.tree)
    # Whole files, the largest first, so the lanes end together.
    by_file = {}
    for index, m in enumerate(mutants):
        by_file.setdefault(m.path, []).append((index, m))
    queue = Queue()
    for path in sorted(by_file, key=lambda p: -len(by_file[p])):
        queue.put((path, by_file[path]))
    done = []
    lock = threading.Lock()

    log = OUTCOMES.open("w", encoding="utf-8")

    def report(index, m, outcome):
        with lock:
            done.append(index)
            log.write(f"{outcome}\t{m.name}\n")
            log.flush()
            if outcome == Outcome.SURVIVED:
                print(m.name, flush=True)
            if options.verbose:
                print(f"[{len(done)}/{len(mutants)}] {m.name}: {outcome}", flush=True)
            elif len(done) % 100 == 0:
                print(f"mutants: {len(done)} of {len(mutants)} in "
                      f"{(time.monotonic() - began) / 60:.1f} minutes", file=sys.stderr, flush=True)

    stopping = threading.Event()
    workers = [threading.Thread(target=lane.run,
                                args=(queue, results, timeouts, stopping, report, unrun))
               for lane in lanes]
    for worker in workers:
        worker.start()
    try:
        while any(worker.is_alive() for worker in workers):
            for worker in workers:
                worker.join(0.2)
    except KeyboardInterrupt:
        print("mutants: interrupted; taking the planted faults out", file=sys.stderr)
        stopping.set()
        for worker in workers:
            worker.join()

    def named(outcome):
        return [m.name for m, r in zip(mutants, results) if r == outcome]

    count = {o: len(named(o)) for o in vars(Outcome).values() if isinstance(o, str)}
    REPORT.write_text("".join(s + "\n" for s in named(Outcome.SURVIVED)), encoding="utf-8")
    never = [m.name for m, r in zip(mutants, results)
             if r == Outcome.SURVIVED and m.line in unrun.get(m.path, ())]
    NEVER_RUN.write_text("".join(s + "\n" for s in never), encoding="utf-8")
    EQUIVALENTS.write_text("".join(s + "\n" for s in named(Outcome.EQUIVALENT)), encoding="utf-8")
    minutes = (time.monotonic() - began) / 60
    judged = sum(count.values())
    unjudged = f" ({len(mutants) - judged} not reached)" if judged < len(mutants) else ""
    print(f"planted {judged}{unjudged}, killed {count[Outcome.KILLED]}, "
          f"survived {count[Outcome.SURVIVED]} ({len(never)} on lines no test runs), equivalent {count[Outcome.EQUIVALENT]} "
          f"(identical object), did not build {count[Outcome.NOT_BUILT]}; {minutes:.1f} minutes")
    print(f"(survivors in {REPORT.relative_to(ROOT)}, equivalents in "
          f"{EQUIVALENTS.relative_to(ROOT)})")
    return 1 if count[Outcome.SURVIVED] else 0


if __name__ == "__main__":
    sys.exit(main())
