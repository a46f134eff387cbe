"""How sure a result is (uncertainty samples) and which input matches a
measurement (calibration), as ``tidewell-cli --uncertainty`` and
``--solve-for`` give them."""

import io
import json

import pandas as pd

from . import _tidewell
from ._case import Case
from ._errors import RefusedInput, TidewellError
from ._tables import _threads
from ._texts import INPUT_NAMES, input_name


class Uncertainty:
    """The outcome of :func:`uncertainty`.

    summary: the JSON object ``tidewell-cli --uncertainty`` prints, as a dict
        (samples, seed, counts, refusals, mean and cells with p5 ... p95, mean
        and sd, rankCorrelation, tornado, base).
    samples: one row per sample, the columns of ``--out``: sample, the six
        inputs as typed (texts), status, mean, cell1 ... cell5 (degC, NaN
        without a result) and message.
    """

    def __init__(self, summary, samples):
        self.summary = summary
        self.samples = samples

    def __repr__(self):
        counts = self.summary["counts"]
        return f"<Uncertainty {self.summary['samples']} samples, {counts['result']} with a result>"


def uncertainty(case=None, spreads=None, samples=1000, seed=1, threads=None):
    """Samples a case's basic conditions from their spreads and runs each sample.

    case: a Case (the default case when None).
    spreads: {input: {"dist": "uniform" | "normal" | "triangular", "percent": p}}
        keyed by basic conditions ("bay-area" or bay_area, ...); inputs left out
        keep the case's text. Uniform and triangular spread +-p %, normal has a
        standard deviation of p %.
    samples, seed: how many Latin hypercube samples, and the draws' seed; sample
        i is the same on every machine and for any thread count.
    threads: worker threads (default: one per core); the numbers do not depend on it.

    Each sample's values are typed with 17 significant digits, exactly as a
    batch row; a text its field refuses makes the sample "refused" (never
    clamped). Returns an Uncertainty; raises TidewellError for spreads that
    cannot be used and RefusedInput for a case the window refuses. Runs with
    the GIL released; Ctrl-C stops it.
    """
    case = Case() if case is None else case
    named = {input_name(name): spread for name, spread in (spreads or {}).items()}
    if isinstance(samples, bool) or int(samples) != samples or samples < 1:
        raise ValueError(f"samples must be a whole number from 1, got {samples!r}")
    if isinstance(seed, bool) or int(seed) != seed or seed < 0:
        raise ValueError(f"seed must be a whole number from 0, got {seed!r}")
    outcome = _tidewell.uncertainty(list(case.given.items()), json.dumps(named), int(samples),
                                    int(seed), _threads(threads))
    if outcome[0] == "refused":
        raise RefusedInput(*outcome[1])
    if outcome[0] == "spread":
        raise TidewellError(*outcome[1])
    summary, csv = outcome
    texts = {name: str for name in INPUT_NAMES[:6]}
    # round_trip: pandas' faster float reader can miss a 17-digit number's last bit.
    frame = pd.read_csv(io.StringIO(csv), dtype={**texts, "status": str, "message": str},
                        keep_default_na=False, float_precision="round_trip",
                        na_values={"mean": [""], **{f"cell{n}": [""] for n in range(1, 6)}})
    return Uncertainty(json.loads(summary), frame)


def solve(case=None, input=None, target=None, observed=None):
    """Finds the value of one input that makes the calculation match a measurement.

    case: a Case (the default case when None); everything but `input` stays.
    input: one of the nine input names ("bay-area" ... "inflow-factor", or
        bay_area ...), treated as a continuous number.
    target: the bay mean to reach (degC); or
    observed: five observed cell temperatures from the head of the bay (degC),
        None for a cell not measured, fitted by least squares.

    Returns the JSON object ``tidewell-cli --solve-for`` prints, as a dict
    (input, value, text for a basic condition, mean, cells, residual, runs,
    nearestEntry for a multiplier). Raises TidewellError, carrying that dict
    as `result`, when there is no single answer (the message says why: out of
    reach with the reachable range, not unique, or a trial without a result).
    """
    case = Case() if case is None else case
    if input is None or (target is None) == (observed is None):
        raise ValueError("give the input and one of target or observed")
    cells = [None] * 5
    if observed is not None:
        observed = list(observed)
        if len(observed) != 5 or all(cell is None for cell in observed):
            raise ValueError("observed needs five places, at least one measured")
        cells = [None if cell is None else float(cell) for cell in observed]
    mean = None if target is None else float(target)
    outcome = _tidewell.solve(list(case.given.items()), input_name(input), mean, cells)
    if outcome[0] == "refused":
        raise RefusedInput(*outcome[1])
    result, problem = json.loads(outcome[0]), outcome[1]
    if problem is not None:
        error = TidewellError(*problem)
        error.result = result
        raise error
    return result
