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
import signal
import sqlite3
import statistics
import subprocess
import sys
import time
import unicodedata
import xml.etree.ElementTree as ElementTree
from dataclasses import dataclass, field

import Levenshtein

MINIMUM = 70
LIMIT = 5
# The limit asked of Tarnwick to learn every entry it admits for a sampled query.
EVERY_MATCH = 100000
# Runs of Tarnwick's lookups, taking turns; the median counts.
ROUNDS = 3
# How long a worker may take to get ready, and a query to end after the cap.
READY_SECONDS = 300
GRACE_SECONDS = 5
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"


# ---------------------------------------------------------------------------------------------
# Running commands


@dataclass
class Run:
    seconds: float
    peak_kib: int
    stdout: str
    finished: bool


def time_command(command):
    """COMMAND run under /usr/bin/time, which writes its peak memory to a scratch file."""
    return ["/usr/bin/time", "-f", "%M", "-o", peak_path()] + command


def peak_path():
    return os.path.join(os.environ["PEERS_WORK"], "peak")


def read_peak():
    """The KiB /usr/bin/time wrote last (it writes them for a killed command too), or 0."""
    try:
        with open(peak_path()) as file:
            words = file.read().split()
        return int(words[-1])
    except (OSError, ValueError, IndexError):
        return 0


def run_measured(command, stdin_path=None, timeout=None):
    """Runs COMMAND: its wall time, peak memory and output. A command still running after
    TIMEOUT seconds is stopped (its whole process group) and reported not finished."""
    stdin = open(stdin_path, "rb") if stdin_path else subprocess.DEVNULL
    start = time.monotonic()
    process = subprocess.Popen(time_command(command), stdin=stdin, stdout=subprocess.PIPE,
                               stderr=subprocess.PIPE, start_new_session=True)
    finished = True
    try:
        stdout, stderr = process.communicate(timeout=timeout)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        stdout, stderr = process.communicate()
        finished = False
    seconds = time.monotonic() - start
    if stdin_path:
        stdin.close()
    if finished and process.returncode != 0:
        sys.exit("failed: %s\n%s" % (" ".join(command), stderr.decode(errors="replace")))
    return Run(seconds, read_peak(), stdout.decode(), finished)


def size_on_disk(path):
    """Bytes of a database and the files SQLite keeps beside it (-wal, -shm, -journal)."""
    folder, name = os.path.split(path)
    total = 0
    for entry in os.listdir(folder):
        if entry.startswith(name):
            total += os.path.getsize(os.path.join(folder, entry))
    return total


# ---------------------------------------------------------------------------------------------
# The data


def read_sources(tmx_path):
    """The English segments of the TMX, in order."""
    sources = []
    for _, element in ElementTree.iterparse(tmx_path):
        if element.tag == "tu":
            for variant in element.iter("tuv"):
                if variant.get(XML_LANG) == "en":
                    sources.append(variant.find("seg").text or "")
            element.clear()
    return sources


def read_lines(path):
    with open(path, encoding="utf-8") as file:
        return [json.loads(line) for line in file if line.strip()]


def write_lines(path, objects):
    with open(path, "w", encoding="utf-8") as file:
        for item in objects:
            write_line(file, item)


def write_line(file, item):
    file.write(json.dumps(item, ensure_ascii=False) + "\n")
    file.flush()


# ---------------------------------------------------------------------------------------------
# Scores


def nfc(text):
    return unicodedata.normalize("NFC", text)


def score_of(distance, longer):
    """100 × (1 − d / longer) rounded down, in integers."""
    if longer == 0:
        return 100
    return (100 * (longer - distance)) // longer


def our_score(a, b):
    """Tarnwick's similarity: 100 × (1 − d / max(|a|, |b|)) rounded down, d the Levenshtein
    distance over the code points of the NFC-normalised texts."""
    left = nfc(a)
    right = nfc(b)
    return score_of(Levenshtein.distance(left, right), max(len(left), len(right)))


def toolkit_score(a, b):
    """translate-toolkit's similarity (LevenshteinComparer, texts under 1,000 code points):
    100 − (d / max(|a|, |b|)) × 100 as a float, on the texts as given."""
    longer = max(len(a), len(b))
    return 100 - (Levenshtein.distance(a, b) * 1.0 / longer) * 100


def brute_force(query, sources_by_length):
    """Every entry Tarnwick's definition admits, best first, as (score, source). Only lengths
    that can reach the minimum are scored: a text is at least the difference in length away."""
    text = nfc(query)
    length = len(text)
    shortest = (length * MINIMUM + 99) // 100
    longest = length * 100 // MINIMUM
    admitted = []
    for size in range(shortest, longest + 1):
        for source in sources_by_length.get(size, []):
            score = score_of(Levenshtein.distance(text, source), max(length, size))
            if score >= MINIMUM:
                admitted.append((score, source))
    admitted.sort(key=lambda match: -match[0])
    return admitted


def by_length(sources):
    """NFC-normalised sources grouped by their length in code points."""
    groups = {}
    for source in sources:
        text = nfc(source)
        groups.setdefault(len(text), []).append(text)
    return groups


# ---------------------------------------------------------------------------------------------
# Comparing answers


@dataclass
class Recall:
    queries: int = 0
    ours: int = 0
    also_returned: int = 0
    extras: list = field(default_factory=list)
    missed: list = field(default_factory=list)

    def cell(self):
        if self.queries == 0:
            return "—"
        text = "%d/%d (%d queries)" % (self.also_returned, self.ours, self.queries)
        if self.extras:
            text += ", %d that Tarnwick missed" % len(self.extras)
        return text


def compare(query, ours, theirs, every_admitted, recall):
    """Adds one query to RECALL: OURS is Tarnwick's top list of (score, source), THEIRS the
    other's sources, EVERY_ADMITTED the sources Tarnwick admits at any rank."""
    recall.queries += 1
    recall.ours += len(ours)
    their_sources = set(theirs)
    our_sources = {source for _, source in ours}
    found = sum(1 for _, source in ours if source in their_sources)
    substitutes = 0
    if len(ours) == LIMIT:
        substitutes = tie_substitutes(query, ours, theirs, their_sources, our_sources)
    recall.also_returned += found + substitutes
    missing = [source for _, source in ours if source not in their_sources]
    for source in missing[substitutes:]:
        recall.missed.append((query, source))
    for source in theirs:
        if source not in every_admitted and our_score(query, source) >= MINIMUM:
            recall.extras.append((query, source))


def tie_substitutes(query, ours, theirs, their_sources, our_sources):
    """Entries of the other's list that stand in for ours of the same, lowest score: at the
    cut of the limit any entry tied there is as right as another."""
    lowest = ours[-1][0]
    missing = sum(1 for score, source in ours if score == lowest and source not in their_sources)
    standing_in = sum(1 for source in theirs
                      if source not in our_sources and our_score(query, source) == lowest)
    return min(missing, standing_in)


def check_against_brute_force(queries, answers, sources_by_length):
    """How many of brute force's top matches Tarnwick gave at the same rank with the right
    score, out of how many, as a Recall."""
    recall = Recall()
    for query, answer in zip(queries, answers):
        expected = brute_force(query, sources_by_length)
        recall.queries += 1
        recall.ours += min(len(expected), LIMIT)
        for rank, (score, source) in enumerate(answer):
            right_rank = rank < len(expected) and expected[rank][0] == score
            if right_rank and our_score(query, source) == score:
                recall.also_returned += 1
    return recall


def miss_reason(query, source):
    if toolkit_score(query, source) < MINIMUM:
        return "scored below 70 by its definition"
    return "not among the candidates it scored"


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
# translate-toolkit: its import, and its lookups in worker processes of this script


def toolkit_import(tmx, database, timeout):
    command = ["/usr/bin/build_tmdb", "-d", database, "-s", "en", "-t", "ja", tmx]
    return run_measured(command, timeout=timeout)


def tmdb_entries(database):
    connection = sqlite3.connect(database)
    try:
        return connection.execute("SELECT COUNT(*) FROM targets").fetchone()[0]
    finally:
        connection.close()


def analyze(database):
    """Runs ANALYZE on the database; the seconds it took."""
    start = time.monotonic()
    connection = sqlite3.connect(database)
    try:
        connection.execute("ANALYZE")
        connection.commit()
    finally:
        connection.close()
    return time.monotonic() - start


def query_plan(database):
    """SQLite's plan for TMDB's full-text query, as one line."""
    query = ("SELECT s.text, t.text, s.context, s.lang, t.lang FROM sources s JOIN targets t "
             "ON s.sid = t.sid JOIN fulltext f ON s.sid = f.docid WHERE s.lang IN (?) AND "
             "t.lang IN (?) AND s.length BETWEEN ? AND ? AND fulltext MATCH ?")
    connection = sqlite3.connect(database)
    try:
        steps = connection.execute("EXPLAIN QUERY PLAN " + query,
                                   ("en", "ja", 10, 100, "file OR window")).fetchall()
    finally:
        connection.close()
    return "; ".join(step[-1] for step in steps)


@dataclass
class WorkerRun:
    ready: float = None
    times: list = field(default_factory=list)
    answers: list = field(default_factory=list)
    peak_kib: int = 0
    stopped: bool = False
    tied: int = 0


def run_worker(kind, store, sample_path, answers_path, count, cap):
    """Runs a worker of this script (KIND: tmdb-lookup or matcher-lookup) on the sample, and
    stops it if it is not ready in READY_SECONDS or still busy GRACE_SECONDS after the cap."""
    command = [sys.executable, os.path.abspath(__file__), kind, store, sample_path,
               answers_path, "--count", str(count), "--seconds", str(cap)]
    for stale in (answers_path, pid_path(answers_path)):
        if os.path.exists(stale):
            os.remove(stale)
    log_path = answers_path + ".log"
    with open(log_path, "wb") as log:
        process = subprocess.Popen(time_command(command), stdin=subprocess.DEVNULL,
                                   stdout=log, stderr=log, start_new_session=True)
        stopped = wait_for_worker(process, answers_path, cap)
    if not stopped and process.returncode != 0:
        with open(log_path, errors="replace") as log:
            sys.exit("failed: %s\n%s" % (" ".join(command), log.read()))
    return worker_result(answers_path, stopped)


def wait_for_worker(process, answers_path, cap):
    """Waits for the worker to end; True if it had to be stopped."""
    start = time.monotonic()
    while process.poll() is None:
        time.sleep(0.2)
        ready = read_ready(answers_path)
        limit = READY_SECONDS if ready is None else ready + cap + GRACE_SECONDS
        if time.monotonic() - start > limit:
            stop_worker(process, answers_path)
            return True
    return False


def stop_worker(process, answers_path):
    """Kills the worker itself, so that /usr/bin/time above it still reports its peak memory;
    its whole process group if that does not end it."""
    try:
        with open(pid_path(answers_path)) as file:
            os.kill(int(file.read()), signal.SIGKILL)
        process.wait(timeout=10)
    except (OSError, ValueError, subprocess.TimeoutExpired):
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()


def pid_path(answers_path):
    return answers_path + ".pid"


def read_ready(answers_path):
    """The ready time on the answers' first line, once the worker has written it."""
    try:
        with open(answers_path, encoding="utf-8") as file:
            first = file.readline()
        return json.loads(first)["ready"]
    except (OSError, ValueError, KeyError):
        return None


def worker_result(answers_path, stopped):
    result = WorkerRun(peak_kib=read_peak(), stopped=stopped)
    if not os.path.exists(answers_path):
        return result
    lines = read_lines(answers_path)
    if lines:
        result.ready = lines[0]["ready"]
    for line in lines[1:]:
        result.times.append(line["seconds"])
        result.answers.append([match["srcs"] for match in line["matches"]])
        if line.get("tied"):
            result.tied += 1
    return result


def worker_lookups(match, arguments, started, tied=None):
    """Answers up to --count queries with MATCH(text) → sources best first, timing only that,
    and stops asking after --seconds. Writes the ready time, then each answer as it comes,
    with TIED(): whether the lookup would have failed on a tie without the order given."""
    ready = time.time() - started
    queries = [line["srcs"] for line in read_lines(arguments.queries)][:arguments.count]
    deadline = time.monotonic() + arguments.seconds
    with open(arguments.answers, "w", encoding="utf-8") as answers:
        write_line(answers, {"ready": ready})
        for query in queries:
            if time.monotonic() > deadline:
                break
            begin = time.perf_counter()
            sources = match(query)
            seconds = time.perf_counter() - begin
            matches = [{"score": toolkit_score(query, source), "srcs": source}
                       for source in sources]
            answer = {"srcs": query, "seconds": seconds, "matches": matches}
            if tied and tied():
                answer["tied"] = True
            write_line(answers, answer)


def tmdb_worker(arguments, started):
    from translate.storage import tmdb

    memory = tmdb.TMDB(arguments.store, max_candidates=LIMIT, min_similarity=MINIMUM)

    def match(text):
        results = memory.translate_unit(text, "en", "ja")
        return [result["source"] for result in results]

    worker_lookups(match, arguments, started)


def matcher_worker(arguments, started):
    from translate.search import match as matching
    from translate.storage import base, factory

    # The matcher keeps its best candidates in a heap of (score, unit): two candidates of
    # the same score make Python compare the units, which have no order, and the lookup
    # raises TypeError (pot2po asks for one candidate and never meets it). The units are
    # given an order by source text, and each answer says whether it needed one.
    ties = []

    def unit_before(unit, other):
        ties.append(True)
        return unit.source < other.source

    base.TranslationUnit.__lt__ = unit_before
    # As translate.tools.pretranslate.memory builds it, with our minimum and limit.
    store = factory.getobject(arguments.store)
    matcher = matching.matcher(store, max_candidates=LIMIT, min_similarity=MINIMUM,
                               max_length=1000)
    matcher.addpercentage = False

    def match(text):
        ties.clear()
        return [unit.source for unit in matcher.matches(text)]

    def tied():
        return bool(ties)

    worker_lookups(match, arguments, started, tied)


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
