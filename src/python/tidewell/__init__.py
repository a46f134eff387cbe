"""Tidewell: the mean water temperature of an enclosed bay, from Python.

The exact engine of the Tidewell window and its command line: a five-cell box
model of the bay and the outer sea. Cases are entered as a user types them,
checked as the window checks them, and give bit for bit the numbers of
``tidewell-cli --json``.

    >>> import tidewell
    >>> result = tidewell.run(tidewell.Case(bay_area="500"))
    >>> result.result_text, result.mean, result.series.tail()

Case           the six typed texts and three list entries of one case
run            one calculation -> Result (status, mean, cells, series, report)
sweep          all 448 list combinations for a case -> DataFrame
batch          a table of cases -> DataFrame (as tidewell-cli --batch)
uncertainty    samples of a case from spreads of its basic conditions -> Uncertainty
solve          the value of one input that matches a target mean or observed cells
RefusedInput   raised for a text or entry the window refuses
"""

from ._tidewell import __version__
from ._errors import CaseFileError, Message, RefusedInput, TidewellError
from ._texts import INPUT_NAMES, input_text
from ._case import Case
from ._result import Indices, Result, run
from ._studies import Uncertainty, solve, uncertainty
from ._tables import batch, sweep

__all__ = ["Case", "CaseFileError", "INPUT_NAMES", "Indices", "Message", "RefusedInput",
           "Result", "TidewellError", "Uncertainty", "__version__", "batch", "input_text", "run",
           "solve", "sweep", "uncertainty"]
