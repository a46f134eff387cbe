"""One calculation of a case and everything the window shows after it."""

import os
import tempfile
from typing import NamedTuple, Optional

import numpy as np
import pandas as pd

from . import _tidewell
from ._case import Case
from ._errors import Message, RefusedInput


class Indices(NamedTuple):
    """The three water-quality indices the window shows for the case."""

    residence_time: Optional[float]  # days
    closedness: Optional[float]
    load_per_volume: Optional[float]  # degC/day: the inflow load (degC m3/s) per bay volume (m3), per day


def _number(text):
    try:
        return float(text)
    except ValueError:
        return None


class Result:
    """What one calculation gave, as the window and the command line show it.

    Attributes:
        status: "result", "unstable" (the steps blew up) or "cannot-run" (the
            case gives no usable time step, or it needs more than max_steps).
        mean: the bay's mean temperature (degC), unrounded; None without a result.
        result_text: the result field as shown (" 17.7"), or why there is none.
        cells: the five bay cells' final temperatures from the head (numpy array).
        steady_state: where the five cells settle (numpy array); None without
            a result (an unstable step never settles).
        time_step: the time step (minutes); calc_days: the span calculated (days).
        step_count: the number of time steps.
        indices: residence time, closedness and load per volume (Indices).
        fields: the sixteen field texts, "Text1" ... "Text16".
        lists: the picked row of List1 ... List3 (-1 for none).
        messages: every message the window would show, in order (Message).
        series: the cells over time, a DataFrame indexed by "day" with
            columns "cell1" ... "cell5" (empty when the run was not set up).
    """

    def __init__(self, case, outcome, report):
        self.case = case
        self.status = outcome["status"]
        self.mean = outcome["mean"]
        self.fields = {f"Text{n}": text for n, text in enumerate(outcome["fields"], 1)}
        self.lists = {f"List{n}": row for n, row in enumerate(outcome["lists"], 1)}
        self.result_text = self.fields["Text16"]
        self.cells = np.array(outcome["cells"], dtype=float)
        steady = outcome["steady_state"]
        self.steady_state = None if steady is None else np.array(steady, dtype=float)
        self.time_step = outcome["time_step"]
        self.calc_days = outcome["calc_days"]
        self.step_count = outcome["step_count"]
        self.indices = Indices(*(_number(self.fields[f"Text{n}"]) for n in (13, 14, 15)))
        self.messages = [Message(*message) for message in outcome["messages"]]
        rows = outcome["series"]
        self.series = pd.DataFrame(rows[:, 1:], columns=[f"cell{n}" for n in range(1, 6)],
                                   index=pd.Index(rows[:, 0], name="day"))
        self._report = report

    def report_bytes(self):
        """The 26-line report exactly as Tidewell_OUT.txt holds it (code page
        932, CR LF line ends; an unstable run's says why it has no result);
        None when the case could not be run (no report is written then)."""
        return self._report

    def plot(self, ax=None):
        """Draws the five cells over the days and, dashed, where each settles.

        Draws into the matplotlib Axes `ax` (a new figure without one) and
        returns it. matplotlib is imported only here.
        """
        if ax is None:
            import matplotlib.pyplot as plt

            ax = plt.subplots()[1]
        for n, column in enumerate(self.series.columns):
            line = ax.plot(self.series.index, self.series[column], label=column)[0]
            if self.steady_state is not None:
                ax.axhline(self.steady_state[n], color=line.get_color(), linestyle="--",
                           linewidth=0.8)
        ax.set_xlabel("day")
        ax.set_ylabel("temperature (degC)")
        ax.set_title(f"{self.status}: {self.result_text.strip()}")
        ax.legend()
        return ax

    def __repr__(self):
        return f"<Result {self.status} {self.result_text.strip()!r} of {self.case!r}>"


def run(case=None, max_steps=None):
    """Calculates a case as the window's 計算開始 does, and returns its Result.

    case: a Case (the default case when None).
    max_steps: when given, a case that would need more time steps than this
        is not run: its status is "cannot-run" with a message saying why.

    The calculation runs with the GIL released; Ctrl-C (KeyboardInterrupt)
    stops it. The numbers are those of ``tidewell-cli --json`` for the case.
    """
    case = Case() if case is None else case
    if not isinstance(case, Case):
        raise TypeError(f"run() needs a tidewell.Case, got {type(case).__name__}")
    if max_steps is not None and (isinstance(max_steps, bool) or int(max_steps) != max_steps):
        raise TypeError("max_steps must be a whole number")
    with tempfile.TemporaryDirectory(prefix="tidewell-") as folder:
        path = os.path.join(folder, "Tidewell_OUT.txt")
        outcome = _tidewell.run(list(case.given.items()), path,
                                None if max_steps is None else int(max_steps))
        report = None
        if os.path.exists(path):
            with open(path, "rb") as file:
                report = file.read()
    if outcome.get("refusal") is not None:
        raise RefusedInput(*outcome["refusal"])
    if outcome["report_error"] is not None:
        raise OSError(f"the report could not be written: {outcome['report_error']}")
    return Result(case, outcome, report)
