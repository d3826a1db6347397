"""The translation memory against translate-toolkit, on the same files.

What it measures, for each memory size, on one TMX 1.4b file of generated interface strings
(English sources, each once, with Japanese targets) and one JSON Lines file of queries (half an
entry with one to three characters edited, half new text), both written by `tarnwick-genmemory`:

- import: `tarnwick-cli memory import FILE.tmx --memory DB` against translate-toolkit's own
  `build_tmdb` filling its TMDB from the same file: wall time, the database's size on disk,
  peak memory (`/usr/bin/time -f %M`).
- lookup at minimum similarity 70, at most 5 matches: `tarnwick-cli memory lookup` reading
  the queries, against `TMDB.translate_unit`, and against `translate.search.match.matcher`
  (the in-memory matcher pot2po and pretranslate use) built from the same TMX. TMDB is timed
  twice: as `build_tmdb` leaves it, and after one `ANALYZE`, which changes SQLite's plan for
  its full-text query (the table's notes show both plans).
  "Ready" is the time from the process's start until it can answer: Tarnwick's is a run that
  opens the memory, reads the index and answers one query; TMDB's opens the database; the
  matcher's reads the TMX and sorts it. "Lookup" is the average per query after that
  (Tarnwick's: the run of every query less the run of one, over the queries it added). Peak
  memory is the whole process's.
- recall: for each sampled query, how many of Tarnwick's top matches the other returns (an
  entry of the same score standing in for one of ours at the cut of the limit counts: ties
  are equally right), and any it returns that Tarnwick misses, judged by Tarnwick's score.
  Tarnwick's own matches are checked against a brute force over every entry (Python,
  python-Levenshtein, the same definition).

translate-toolkit is slow on large memories, so it is asked only a sample of the queries (the
first --peer-queries, half near an entry and half new), and each of its lookup runs stops
asking after --peer-seconds (a query still running 5 s later is stopped); the table says how
many it answered. Its import is stopped after --import-seconds.

Run it through `bench/memory_peers.sh BUILD_DIR [SIZES...]` (which `make bench` calls), or:
    /usr/bin/python3 bench/memory_peers.py run --cli build/bench/src/cli/tarnwick-cli \\
        --generator build/bench/bench/tarnwick-genmemory --work /tmp/peers 20000 200000
It needs Debian's translate-toolkit and python3-levenshtein (scripts/install-deps.sh --bench),
so Debian's /usr/bin/python3.
"""

import argparse
import json
import os
import statistics
import subprocess
import time
from dataclasses import dataclass

from peers_common import (EVERY_MATCH, LIMIT, MINIMUM, READY_SECONDS, ROUNDS, read_lines,
                          read_sources, run_measured, size_on_disk, write_lines)
from peers_recall import (Recall, by_length, check_against_brute_force, compare, miss_reason,
                          our_score)
from peers_toolkit import (analyze, matcher_worker, pid_path, query_plan, run_worker,
                           tmdb_entries, tmdb_worker, toolkit_import)


# ---------------------------------------------------------------------------------------------
# Tarnwick


def tarnwick_import(cli, tmx, database):
    return run_measured([cli, "memory", "import", tmx, "--memory", database])


def tarnwick_lookup(cli, database, queries_path, limit=LIMIT):
    command = [cli, "memory", "lookup", "--target-language", "ja", "--memory", database,
               "--min", str(MINIMUM), "--limit", str(limit)]
    return run_measured(command, stdin_path=queries_path)


def tarnwick_answers(stdout):
    """Each answer line as a list of (score, source)."""
    answers = []
    for line in stdout.splitlines():
        if line.strip():
            matches = json.loads(line)["matches"]
            answers.append([(match["score"], match["srcs"]) for match in matches])
    return answers


# ---------------------------------------------------------------------------------------------
# One memory size


@dataclass
class Row:
    tool: str
    import_seconds: str = "—"
    disk: str = "—"
    import_peak: str = "—"
    ready: str = "—"
    lookup: str = "—"
    answered: str = "—"
    lookup_peak: str = "—"
    recall: str = "—"


@dataclass
class Files:
    entries: int
    tmx: str
    queries: str
    sample: str


@dataclass
class Reference:
    """Tarnwick's answers to the sampled queries."""
    sample: list
    top: list
    every_admitted: list


def mib(kib):
    return "%.0f MiB" % (kib / 1024)


def disk_mib(path):
    return "%.1f MiB" % (size_on_disk(path) / 1048576)


def milliseconds(seconds):
    if seconds < 0.1:
        return "%.2f ms" % (seconds * 1000)
    return "{:,.0f} ms".format(seconds * 1000)


def median_seconds(runs):
    return statistics.median(run.seconds for run in runs)


def generate(config, size):
    tmx = os.path.join(config.work, "memory-%d.tmx" % size)
    queries = os.path.join(config.work, "queries-%d.jsonl" % size)
    subprocess.run([config.generator, str(size), tmx, queries], check=True)
    sample = os.path.join(config.work, "sample.jsonl")
    write_lines(sample, read_lines(queries)[:config.peer_queries])
    return Files(size, tmx, queries, sample)


def measure_tarnwick(config, size, files):
    """Tarnwick's row and its answers to the sample."""
    database = os.path.join(config.work, "tarnwick-%d.sqlite" % size)
    imported = tarnwick_import(config.cli, files.tmx, database)
    queries = read_lines(files.queries)
    first_query = os.path.join(config.work, "first.jsonl")
    write_lines(first_query, queries[:1])
    # Rounds taking turns, so a slow spell of the machine falls on both runs alike.
    single_runs = []
    full_runs = []
    for _ in range(ROUNDS):
        single_runs.append(tarnwick_lookup(config.cli, database, first_query))
        full_runs.append(tarnwick_lookup(config.cli, database, files.queries))
    per_query = (median_seconds(full_runs) - median_seconds(single_runs)) / (len(queries) - 1)
    sample = [line["srcs"] for line in read_lines(files.sample)]
    top = tarnwick_answers(full_runs[0].stdout)[:len(sample)]
    every = tarnwick_lookup(config.cli, database, files.sample, limit=EVERY_MATCH)
    every_admitted = [{source for _, source in answer}
                      for answer in tarnwick_answers(every.stdout)]
    row = Row("Tarnwick (`memory import`, `memory lookup`)",
              "%.2f s" % imported.seconds, disk_mib(database), mib(imported.peak_kib),
              "%.2f s" % median_seconds(single_runs), milliseconds(per_query),
              "%d" % len(queries), mib(max(run.peak_kib for run in full_runs)))
    exact = check_against_brute_force(sample, top, by_length(read_sources(files.tmx)))
    row.recall = "%d/%d of brute force's (%d queries)" % (exact.also_returned, exact.ours,
                                                         exact.queries)
    return row, Reference(sample, top, every_admitted)


def measure_tmdb(config, size, files, reference, notes):
    """Two rows: TMDB as build_tmdb leaves it, and after ANALYZE."""
    database = os.path.join(config.work, "tmdb-%d.db" % size)
    plain = Row("translate-toolkit TMDB (`build_tmdb`, `translate_unit`)")
    analyzed = Row("translate-toolkit TMDB after `ANALYZE`")
    imported = toolkit_import(files.tmx, database, config.import_seconds)
    if not imported.finished:
        plain.import_seconds = "> %d s (stopped)" % config.import_seconds
        notes.append("TMDB's import of %s entries was stopped after %d s."
                     % (format(size, ","), config.import_seconds))
        return [plain, analyzed]
    stored = tmdb_entries(database)
    if stored != size:
        notes.append("TMDB holds %d of the %d entries after its import." % (stored, size))
    plain.import_seconds = "%.2f s" % imported.seconds
    plain.disk = disk_mib(database)
    plain.import_peak = mib(imported.peak_kib)
    plan_before = query_plan(database)
    fill_lookup(plain, config, "tmdb-lookup", database, files, reference, notes)
    analyze_seconds = analyze(database)
    plan_after = query_plan(database)
    analyzed.import_seconds = "%.2f s + %.2f s" % (imported.seconds, analyze_seconds)
    analyzed.disk = disk_mib(database)
    analyzed.import_peak = plain.import_peak
    fill_lookup(analyzed, config, "tmdb-lookup", database, files, reference, notes)
    if size == config.sizes[0]:
        notes.append("SQLite's plan for TMDB's full-text query as build_tmdb leaves the "
                     "database: %s. After ANALYZE: %s." % (plan_before, plan_after))
    return [plain, analyzed]


def measure_matcher(config, size, files, reference, notes):
    row = Row("translate-toolkit `match.matcher` (in memory, as pot2po's)")
    fill_lookup(row, config, "matcher-lookup", files.tmx, files, reference, notes)
    return row


def fill_lookup(row, config, kind, store, files, reference, notes):
    """Runs a worker on the sample and fills ROW's lookup and recall cells."""
    answers_path = os.path.join(config.work, "answers.jsonl")
    asked = len(reference.sample)
    result = run_worker(kind, store, files.sample, answers_path, asked, config.peer_seconds)
    row.lookup_peak = mib(result.peak_kib)
    if result.ready is None:
        row.ready = "> %d s (stopped)" % READY_SECONDS
        return
    row.ready = "%.2f s" % result.ready
    if result.times:
        row.lookup = milliseconds(sum(result.times) / len(result.times))
    row.answered = answered_cell(result, asked, config.peer_seconds)
    recall = Recall()
    for index, theirs in enumerate(result.answers):
        compare(reference.sample[index], reference.top[index], theirs,
                reference.every_admitted[index], recall)
    row.recall = recall.cell()
    describe_recall(row.tool, files.entries, recall, notes)
    if result.tied:
        notes.append("%s on %s entries: %d of the %d queries it answered would have raised "
                     "TypeError on tied candidates (its units were given an order to go on)."
                     % (row.tool, format(files.entries, ","), result.tied, len(result.times)))


def answered_cell(result, asked, cap):
    answered = len(result.times)
    if answered == asked:
        return "%d" % answered
    text = "%d of %d (%d s cap" % (answered, asked, cap)
    if result.stopped:
        text += "; query %d stopped" % (answered + 1)
    return text + ")"


def describe_recall(tool, entries, recall, notes):
    size = "%s entries" % format(entries, ",")
    reasons = {}
    for query, source in recall.missed:
        reason = miss_reason(query, source)
        reasons[reason] = reasons.get(reason, 0) + 1
    if reasons:
        parts = ["%d %s" % (count, reason) for reason, count in sorted(reasons.items())]
        notes.append("%s on %s: of Tarnwick's matches it did not return, %s."
                     % (tool, size, "; ".join(parts)))
    for query, source in recall.missed[:3]:
        notes.append("%s on %s did not return: query %s, entry %s (Tarnwick's score %d)."
                     % (tool, size, json.dumps(query), json.dumps(source),
                        our_score(query, source)))
    for query, source in recall.extras[:5]:
        notes.append("%s on %s returned a match Tarnwick missed: query %s, entry %s."
                     % (tool, size, json.dumps(query), json.dumps(source)))


def measure_size(config, size, notes):
    files = generate(config, size)
    tarnwick, reference = measure_tarnwick(config, size, files)
    rows = [tarnwick]
    rows += measure_tmdb(config, size, files, reference, notes)
    rows.append(measure_matcher(config, size, files, reference, notes))
    for path in (files.tmx, files.queries):
        os.remove(path)
    return rows


# ---------------------------------------------------------------------------------------------
# The table


HEADER = ("| entries | tool | import | database on disk | peak memory, import | ready to answer "
          "| lookup average | queries timed | peak memory, lookup | Tarnwick's top-5 matches "
          "also returned |")


def print_row(size, row):
    cells = [format(size, ","), row.tool, row.import_seconds, row.disk, row.import_peak,
             row.ready, row.lookup, row.answered, row.lookup_peak, row.recall]
    print("| " + " | ".join(cells) + " |", flush=True)


def run(config):
    os.environ["PEERS_WORK"] = config.work
    print(HEADER)
    print("|--:|:--|--:|--:|--:|--:|--:|--:|--:|--:|", flush=True)
    notes = []
    for size in config.sizes:
        for row in measure_size(config, size, notes):
            print_row(size, row)
    print()
    print("Minimum similarity %d, at most %d matches. translate-toolkit is asked the first %d "
          "queries (half near an entry, half new) and stops asking after %d s a run; Tarnwick "
          "is asked all of them." % (MINIMUM, LIMIT, config.peer_queries, config.peer_seconds))
    for note in notes:
        print("- " + note)


# ---------------------------------------------------------------------------------------------


def parse_arguments():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    commands = parser.add_subparsers(dest="command", required=True)
    run_parser = commands.add_parser("run", help="measure and print the table")
    run_parser.add_argument("--cli", required=True)
    run_parser.add_argument("--generator", required=True)
    run_parser.add_argument("--work", required=True)
    run_parser.add_argument("--peer-queries", type=int, default=100)
    run_parser.add_argument("--peer-seconds", type=int, default=60)
    run_parser.add_argument("--import-seconds", type=int, default=600)
    run_parser.add_argument("sizes", type=int, nargs="+")
    for kind in ("tmdb-lookup", "matcher-lookup"):
        worker = commands.add_parser(kind, help="worker: translate-toolkit's lookups")
        worker.add_argument("store")
        worker.add_argument("queries")
        worker.add_argument("answers")
        worker.add_argument("--count", type=int, required=True)
        worker.add_argument("--seconds", type=int, required=True)
    return parser.parse_args()


def main():
    started = time.time()
    arguments = parse_arguments()
    if arguments.command == "run":
        run(arguments)
        return
    # A worker: say who it is first, so that it can be stopped while it loads.
    with open(pid_path(arguments.answers), "w") as file:
        file.write(str(os.getpid()))
    if arguments.command == "tmdb-lookup":
        tmdb_worker(arguments, started)
    else:
        matcher_worker(arguments, started)


if __name__ == "__main__":
    main()
