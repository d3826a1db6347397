"""What the benchmark against translate-toolkit shares: its settings, running and timing
commands, and reading the generated files."""

import json
import os
import signal
import subprocess
import sys
import time
import xml.etree.ElementTree as ElementTree
from dataclasses import dataclass

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
