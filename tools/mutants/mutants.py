#!/usr/bin/env python3
"""Plants simple faults one at a time in the portable code and kxd, rebuilds
the native tests, runs them, and prints every fault they let through as
`file:line: what changed`.

The faults are planted in a private copy of the tree under build/mutants, so
the work tree is never touched, whatever stops the run.

  tools/mutants/mutants.py                      every file, every fault
  tools/mutants/mutants.py src/ticker           the files under a folder
  tools/mutants/mutants.py --changed [BASE]     only lines changed since BASE
  tools/mutants/mutants.py --sample 8 --seed 1  at most 8 faults a file
"""

import argparse
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time
from dataclasses import dataclass
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
WORK = ROOT / "build" / "mutants"
TREE = WORK / "tree"
BUILD = WORK / "build"
REPORT = WORK / "survivors.txt"

# The portable code and kxd; the Win32 binding has no native tests.
ELIGIBLE = ("src/", "tools/kxd/")
EXCLUDED = ("src/win32/",)
SUFFIXES = (".cpp", ".h")
WINDOWS_ONLY = "_win.cpp"
# kxd itself too: the quiz packs' tests run it.
TEST_TARGETS = ["kx_tests", "kxd", "replay_question_file", "replay_settings_file",
                "replay_kxd_csv", "replay_kxd_check"]


@dataclass(frozen=True)
class Mutant:
    path: str  # relative to the tree
    line: int  # 1-based
    start: int  # column span of the change in that line
    end: int
    replacement: str
    what: str

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


# --- the private tree and its build --------------------------------------------

def sync_tree():
    """Copies the work tree's files into the private tree, rewriting only what
    differs, so the private build stays incremental between runs."""
    files = [f for f in git("ls-files", "-co", "--exclude-standard").splitlines()
             if (ROOT / f).is_file()]
    for rel in files:
        source, target = ROOT / rel, TREE / rel
        data = source.read_bytes()
        if not target.exists() or target.read_bytes() != data:
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(data)
            shutil.copymode(source, target)
    keep = set(files)
    for target in TREE.rglob("*"):
        if target.is_file() and str(target.relative_to(TREE)) not in keep:
            target.unlink()


def write_fresh(path, text):
    """Writes and stamps the file newer than anything built, so ninja rebuilds."""
    path.write_text(text, encoding="utf-8")
    stamp = time.time() + 1
    os.utime(path, (stamp, stamp))


def configure(jobs):
    if not (BUILD / "build.ninja").exists():
        subprocess.run(["cmake", "-S", str(TREE), "-B", str(BUILD), "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=RelWithDebInfo", "-DKX_BUILD_BENCH=OFF"],
                       check=True, stdout=subprocess.DEVNULL)


def build(jobs, timeout):
    try:
        result = subprocess.run(["cmake", "--build", str(BUILD), "-j", str(jobs),
                                 "--target", *TEST_TARGETS],
                                capture_output=True, text=True, timeout=timeout)
    except subprocess.TimeoutExpired:
        return False, "build timed out"
    return result.returncode == 0, result.stdout[-3000:] + result.stderr[-3000:]


def run_tests(timeout):
    """True when every native test passed; a hang counts as a failure."""
    try:
        result = subprocess.run(["ctest", "--test-dir", str(BUILD), "--stop-on-failure",
                                 "--timeout", str(int(timeout))],
                                capture_output=True, text=True, timeout=timeout * 6)
    except subprocess.TimeoutExpired:
        return False
    return result.returncode == 0


# --- the run -------------------------------------------------------------------

def stop(signum, frame):
    raise KeyboardInterrupt


def main():
    # A run started in the background inherits an ignored SIGINT; the planted
    # fault must be taken out however the run is stopped.
    signal.signal(signal.SIGINT, stop)
    signal.signal(signal.SIGTERM, stop)
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("files", nargs="*", help="files or folders (default: all)")
    parser.add_argument("--changed", nargs="?", const="main", metavar="BASE",
                        help="only lines changed since BASE (default main)")
    parser.add_argument("--sample", type=int, metavar="N", help="at most N faults a file")
    parser.add_argument("--seed", default="0", help="seed of the sample (default 0)")
    parser.add_argument("--jobs", type=int, default=2, help="build jobs (default 2)")
    parser.add_argument("--list", action="store_true", help="list the faults, plant none")
    parser.add_argument("--verbose", "-v", action="store_true", help="print every outcome")
    options = parser.parse_args()

    files = choose_files(options.files)
    if options.sample is not None:
        # A sampled run stopped early has then still seen files of every kind.
        random.Random(options.seed).shuffle(files)
    only = changed_lines(options.changed) if options.changed else None
    mutants = []
    for rel in files:
        if only is not None and rel not in only:
            continue
        lines = (ROOT / rel).read_text(encoding="utf-8").split("\n")
        found = find_mutants(rel, lines)
        if only is not None:
            found = [m for m in found if m.line in only[rel]]
        if options.sample is not None and len(found) > options.sample:
            found = random.Random(f"{options.seed}:{rel}").sample(found, options.sample)
            found.sort(key=lambda m: (m.line, m.start))
        mutants.extend(found)

    if options.list:
        for m in mutants:
            print(f"{m.path}:{m.line}: {m.what}")
        print(f"{len(mutants)} faults in {len(files)} files")
        return 0
    if not mutants:
        print("planted 0, killed 0, survived 0")
        return 0

    WORK.mkdir(parents=True, exist_ok=True)
    TREE.mkdir(parents=True, exist_ok=True)
    sync_tree()
    configure(options.jobs)
    print(f"mutants: building the unchanged tree in {BUILD.relative_to(ROOT)}", flush=True)
    ok, log = build(options.jobs, 3600)
    if not ok:
        sys.exit(f"mutants: the unchanged tree does not build:\n{log}")
    started = time.monotonic()
    if not run_tests(600):
        sys.exit("mutants: the native tests fail without any fault planted")
    test_timeout = max(30.0, 10 * (time.monotonic() - started))

    killed = survived = stillborn = 0
    survivors = []
    current, original = None, None
    began = time.monotonic()
    try:
        for index, m in enumerate(mutants, start=1):
            if m.path != current:
                if current is not None:
                    write_fresh(TREE / current, original)
                current = m.path
                original = (TREE / current).read_text(encoding="utf-8")
            lines = original.split("\n")
            write_fresh(TREE / m.path, "\n".join(m.apply(lines)))
            ok, _ = build(options.jobs, 900)
            if not ok:
                stillborn += 1
                outcome = "does not build"
            elif run_tests(test_timeout):
                survived += 1
                survivors.append(f"{m.path}:{m.line}: {m.what}")
                outcome = "SURVIVED"
                print(survivors[-1], flush=True)
            else:
                killed += 1
                outcome = "killed"
            if options.verbose:
                print(f"[{index}/{len(mutants)}] {m.path}:{m.line}: {m.what}: {outcome}",
                      flush=True)
    except KeyboardInterrupt:
        print("mutants: interrupted", file=sys.stderr)
    finally:
        if current is not None:
            write_fresh(TREE / current, original)
    REPORT.write_text("".join(s + "\n" for s in survivors), encoding="utf-8")
    minutes = (time.monotonic() - began) / 60
    print(f"({stillborn} did not build and are not counted; {minutes:.1f} minutes; "
          f"survivors in {REPORT.relative_to(ROOT)})")
    print(f"planted {killed + survived}, killed {killed}, survived {survived}")
    return 1 if survived else 0


if __name__ == "__main__":
    sys.exit(main())
