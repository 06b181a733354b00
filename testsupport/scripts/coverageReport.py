#!/usr/bin/env python3
"""Writes the coverage report of the suite's program code, after the tests of a coverage build
have run: an HTML report and one line per deliverable (lines and branches; the branches of
exception edges, which no test can take, left out), then the lines that no test ran.

    coverageReport.py SOURCE_DIR BUILD_DIR OUTPUT_DIR DELIVERABLE...
"""
import json
import os
import subprocess
import sys


def original(path, buildRelative):
    """The source file of which `path` is a build-tree copy, or `path` itself."""
    copies = {
        buildRelative + "/rosterlite/include/rosterlite/": "rosterlite/src/models/",
        buildRelative + "/sortkit/include/sortkit/": "sortkit/",
        buildRelative + "/sortkit/traced/": "sortkit/",
    }
    for copy, source in copies.items():
        if path.startswith(copy):
            return source + path[len(copy):]
    return path


def main():
    source, build, output = sys.argv[1:4]
    deliverables = sys.argv[4:]
    os.makedirs(output, exist_ok=True)
    # Program code only: each deliverable's sources, not its tests, examples or benchmarks.
    filters = []
    for name in deliverables:
        filters += ["--filter", os.path.join(source, name) + "/"]
    # The libraries' headers are copied into the build tree, where the tests include them, and
    # the sort tests compile a copy of sortImplementation.cpp: their lines count as the
    # originals'.
    for copies in ["rosterlite/include/", "sortkit/include/", "sortkit/traced/"]:
        filters += ["--filter", os.path.join(os.path.abspath(build), copies)]
    excludes = ["--exclude", ".*/tests/.*", "--exclude", ".*/examples/.*",
                "--exclude", ".*/benchmarks/.*"]
    details = os.path.join(output, "coverage.json")
    subprocess.run(["gcovr", "--root", source, build, *filters, *excludes,
                    "--exclude-throw-branches",
                    "--html-details", os.path.join(output, "index.html"),
                    "--json", details],
                   check=True)
    with open(details) as report:
        files = json.load(report)["files"]

    # Each source line once, its copies merged: run when any copy ran it, and each branch
    # taken when it was taken in any copy.
    lines = {}
    for entry in files:
        path = original(entry["file"], os.path.relpath(build, source))
        for line in entry["lines"]:
            if line.get("gcovr/noncode"):
                continue
            key = (path, line["line_number"])
            count, branches = lines.get(key, (0, []))
            taken = [b["count"] > 0 for b in line["branches"]]
            if len(taken) == len(branches):
                taken = [a or b for a, b in zip(taken, branches)]
            elif len(taken) < len(branches):
                taken = branches
            lines[key] = (count + line["count"], taken)

    totals = {name: [0, 0, 0, 0] for name in deliverables}
    missing = {name: [] for name in deliverables}
    for (path, number), (count, branches) in sorted(lines.items()):
        name = path.split("/")[0]
        if name not in totals:
            continue
        totals[name][1] += 1
        if count > 0:
            totals[name][0] += 1
        else:
            missing[name].append(f"{path}:{number}")
        totals[name][3] += len(branches)
        totals[name][2] += sum(branches)

    def percent(part, whole):
        return f"{100.0 * part / whole:.1f}%" if whole else "-"

    print("coverage of the program code by the tests (branches of exception edges left out):")
    for name in deliverables:
        lines, lineTotal, branches, branchTotal = totals[name]
        print(f"  {name:13} lines {percent(lines, lineTotal):>6} ({lines}/{lineTotal}), "
              f"branches {percent(branches, branchTotal):>6} ({branches}/{branchTotal})")
    for name in deliverables:
        if missing[name]:
            print(f"  not run in {name}: " + ", ".join(missing[name]))
    print(f"HTML report: {os.path.join(output, 'index.html')}")


if __name__ == "__main__":
    main()
