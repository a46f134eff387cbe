"""Many cases at once: the multiplier sweep and a batch of cases."""

import pandas as pd

from . import _tidewell
from ._case import Case
from ._errors import RefusedInput
from ._texts import input_name, input_text


def _threads(threads):
    if threads is None:
        return 0
    if isinstance(threads, bool) or int(threads) != threads or threads < 1:
        raise ValueError(f"threads must be a whole number from 1, got {threads!r}")
    return int(threads)


def _frame(columns, index=None):
    frame = pd.DataFrame(columns, index=index)
    for name in ("mean", "time-step", *(f"cell{n}" for n in range(1, 6))):
        if name in frame:
            frame[name] = frame[name].astype(float)
    if "step-count" in frame:
        frame["step-count"] = frame["step-count"].astype("Int64")
    return frame


def sweep(case=None, threads=None):
    """Every combination of the three lists (7 x 8 x 8 = 448) for a case's
    basic conditions, as the window's 感度分析 and ``tidewell-cli --sweep`` run it.

    case: a Case (the default case when None); its list entries are replaced
        by each combination.
    threads: how many worker threads (default: one per core); the numbers do
        not depend on it.

    Returns a DataFrame with the columns of ``--sweep``: section-factor,
    inflow-temp-factor, inflow-factor (entries), status, mean and cell1 ...
    cell5 (degC, NaN without a result). Runs with the GIL released; Ctrl-C
    (KeyboardInterrupt) stops it.
    """
    case = Case() if case is None else case
    columns = _tidewell.sweep(list(case.given.items()), _threads(threads))
    if isinstance(columns, tuple):
        raise RefusedInput(*columns)
    return _frame(columns)


def _cell_text(name, value):
    if name == "name":
        return "" if value is None or value != value else str(value)
    text = input_text(name, value)
    return "" if text is None else text


def batch(cases, threads=None, report_dir=None):
    """Runs a table of cases as ``tidewell-cli --batch`` does, on every core.

    cases: a DataFrame (or anything ``pandas.DataFrame`` takes) whose columns
        are inputs ("bay-area" or bay_area, ..., "inflow-factor"; any of them,
        in any order) and an optional "name". Each row is typed and picked
        into a freshly started window model; an empty cell (None, NaN, "")
        keeps what the window starts with; numbers are written as the texts a
        user would type (see ``tidewell.input_text``).
    threads: how many worker threads (default: one per core); the numbers do
        not depend on it.
    report_dir: a folder for each row's 26-line report (NAME.txt, or rowN.txt
        for data row N, counted from 1), none when None.

    Returns a DataFrame with the columns of ``--batch`` and the rows' index:
    name, the given inputs (as texts), residence-time, closedness,
    load-per-volume (the window's texts), time-step (minutes), step-count,
    status ("result", "unstable", "cannot-run", "refused"), mean (degC),
    result (as the result field shows it), cell1 ... cell5 (degC) and message
    (why a row has no result). A refused row does not stop the others. Runs
    with the GIL released; Ctrl-C (KeyboardInterrupt) stops it.
    """
    frame = cases if isinstance(cases, pd.DataFrame) else pd.DataFrame(cases)
    names = [input_name(column) for column in frame.columns]
    rows = [[_cell_text(name, value) for name, value in zip(names, row)]
            for row in frame.itertuples(index=False, name=None)]
    results = _tidewell.batch(names, rows, _threads(threads),
                              "" if report_dir is None else str(report_dir))
    given = {"name": [row[names.index("name")] for row in rows] if "name" in names
             else [""] * len(rows)}
    for column, name in enumerate(names):
        if name != "name":
            given[name] = [_tidewell.given_text(name, row[column]) for row in rows]
    return _frame({**given, **results}, index=frame.index)
