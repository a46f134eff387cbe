"""Inputs by name, and numbers written as the texts a user would type."""

import math
import numbers

from . import _tidewell

#: (name, description, unit, entries) of the six basic conditions, then the
#: three lists, from the program's own input and list tables.
INPUTS = tuple(_tidewell.input_table())
#: Every input name in field order: "bay-area" ... "inflow-factor".
INPUT_NAMES = tuple(row[0] for row in INPUTS)
#: The names of the three lists.
LIST_NAMES = frozenset(row[0] for row in INPUTS if row[3] is not None)


def input_name(key):
    """The input name for a Python spelling of it: bay_area -> "bay-area"."""
    name = str(key).replace("_", "-")
    if name not in INPUT_NAMES and name != "name":
        raise ValueError(f"no input is named {key!r}; the inputs are {', '.join(INPUT_NAMES)}")
    return name


def input_text(name, value):
    """The text typed for `value` into input `name`; None for a missing value.

    A string is typed as it is. A number is written as a text the window
    accepts: an int as it reads (1000 -> "1000"), a float as the window shows
    numbers (1000.0 -> " 1000", 0.5 -> " .5"); a list entry as the list writes
    it (2 -> "2.0"). NaN and None mean "not given".
    """
    if value is None or isinstance(value, str):
        return value
    if isinstance(value, bool) or not isinstance(value, numbers.Real):
        raise TypeError(f"{name}: expected a text or a number, got {value!r}")
    if isinstance(value, float) and math.isnan(value):
        return None
    if name in LIST_NAMES:
        return repr(float(value))
    if isinstance(value, numbers.Integral):
        return repr(int(value))
    return _tidewell.display_text(float(value))
