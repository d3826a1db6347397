"""translate-toolkit's side of the benchmark: its import into a TMDB, and its lookups (TMDB
and the in-memory matcher) in worker processes of memory_peers.py, each stopped at its cap."""

import json
import os
import signal
import sqlite3
import subprocess
import sys
import time
from dataclasses import dataclass, field

from peers_common import (GRACE_SECONDS, LIMIT, MINIMUM, READY_SECONDS, read_lines,
                          read_peak, run_measured, time_command, write_line)
from peers_recall import toolkit_score

DRIVER = os.path.join(os.path.dirname(os.path.abspath(__file__)), "memory_peers.py")


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
    command = [sys.executable, DRIVER, kind, store, sample_path,
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
