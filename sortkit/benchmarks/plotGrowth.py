#!/usr/bin/env python3
"""Turns the sort benchmark's JSON results into an SVG plot of time against size (one line
per sort and input order, logarithmic axes, drawn by gnuplot) and prints the README's table.

    build/default/sortkit/sortkit_benchmark --benchmark_repetitions=5 \\
        --benchmark_out=results.json --benchmark_out_format=json
    sortkit/benchmarks/plotGrowth.py results.json sortkit/benchmarks/growth.svg

With repetitions the medians are used, otherwise the single runs.
"""
import json
import subprocess
import sys
import tempfile

SORTS = ["insertionSort", "selectionSort", "interchangeSort"]
INPUTS = ["random", "sorted", "reversed", "fewDistinct"]
INPUT_WORDS = {"fewDistinct": "few distinct"}


def read_times(path):
    """Milliseconds per sort, keyed by (sort, input order, size)."""
    with open(path) as results:
        benchmarks = json.load(results)["benchmarks"]
    has_medians = any(b.get("aggregate_name") == "median" for b in benchmarks)
    times = {}
    for b in benchmarks:
        if has_medians and b.get("aggregate_name") != "median":
            continue
        if not has_medians and b.get("run_type") != "iteration":
            continue
        parts = b["run_name"].split("/")
        if len(parts) != 3 or b.get("time_unit") != "ms":
            continue
        times[(parts[0], parts[1], int(parts[2]))] = b["real_time"]
    return times


def fitted_growth(path):
    with open(path) as results:
        benchmarks = json.load(results)["benchmarks"]
    growth = {}
    for b in benchmarks:
        if b["name"].endswith("_BigO"):
            sort, order = b["name"][: -len("_BigO")].split("/")
            growth[(sort, order)] = b["big_o"].replace("N^2", "N²")
    return growth


def plot(times, svg):
    sizes = sorted({size for (_, _, size) in times})
    script = [
        "set terminal svg size 900,600 font 'sans,12' background rgb 'white'",
        f"set output '{svg}'",
        "set title 'Sorts of int arrays: time against size (median of repeated runs)'",
        "set logscale xy",
        "set xlabel 'elements'",
        "set ylabel 'milliseconds per sort'",
        "set key outside right",
        "set grid",
        "set xtics (" + ", ".join(f"'{s}' {s}" for s in sizes) + ")",
        f"set xrange [{sizes[0] * 0.8}:{sizes[-1] * 1.25}]",
    ]
    with tempfile.NamedTemporaryFile("w", suffix=".dat", delete=False) as data:
        lines = []
        index = 0
        for dash, sort in enumerate(SORTS, start=1):
            for order in INPUTS:
                points = [(s, times[(sort, order, s)]) for s in sizes if (sort, order, s) in times]
                if not points:
                    continue
                for size, ms in points:
                    data.write(f"{size} {ms}\n")
                data.write("\n\n")
                label = f"{sort.replace('Sort', '')}, {INPUT_WORDS.get(order, order)}"
                lines.append(f"'{data.name}' index {index} with linespoints dashtype {dash} title '{label}'")
                index += 1
    script.append("plot " + ", ".join(lines))
    subprocess.run(["gnuplot"], input="\n".join(script), text=True, check=True)


def table(times, growth):
    sizes = sorted({size for (_, _, size) in times})
    print("| Sort | Input | " + " | ".join(f"{s:,}".replace(",", " ") for s in sizes)
          + " | fitted growth |")
    print("|---|---|" + "---|" * len(sizes) + "---|")
    for sort in SORTS:
        for order in INPUTS:
            cells = [f"{times[(sort, order, s)]:.3g}" for s in sizes]
            print(f"| {sort.replace('Sort', '')} | {INPUT_WORDS.get(order, order)} | "
                  + " | ".join(cells) + f" | {growth.get((sort, order), '')} |")


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: plotGrowth.py RESULTS.json OUTPUT.svg")
    times = read_times(sys.argv[1])
    if not times:
        sys.exit(f"{sys.argv[1]}: no sort timings found")
    plot(times, sys.argv[2])
    table(times, fitted_growth(sys.argv[1]))


if __name__ == "__main__":
    main()
