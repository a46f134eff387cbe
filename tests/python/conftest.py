"""The shared table of cases and the command-line tool the module is checked against."""

import csv
import json
import os
import pathlib
import subprocess

SUPPORT = pathlib.Path(__file__).parents[1] / "support"
GOLDEN = pathlib.Path(__file__).parents[1] / "golden"
CASES = SUPPORT / "cases.csv"
CLI = os.environ.get("TIDEWELL_CLI",
                     str(pathlib.Path(__file__).parents[2] / "build/src/cli/tidewell-cli"))


def table_rows():
    """(name, inputs given) of each row of the shared table."""
    with open(CASES, newline="", encoding="utf-8") as file:
        return [(row.pop("name"), {k: v for k, v in row.items() if v}) for row in csv.DictReader(file)]


def cli(*args, cwd=None):
    """Runs the command-line tool; (exit status, standard output)."""
    done = subprocess.run([CLI, *args], capture_output=True, text=True, cwd=cwd)
    return done.returncode, done.stdout


def cli_json(inputs, *args):
    """(exit status, JSON object) of the tool for a row's inputs."""
    options = [f"--{name}={text}" for name, text in inputs.items()]
    status, out = cli("--json", "--no-report", *options, *args)
    return status, json.loads(out)
