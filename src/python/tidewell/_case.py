"""A case: the texts a user types into the six fields and the three list entries."""

from . import _tidewell
from ._errors import CaseFileError, RefusedInput
from ._texts import INPUT_NAMES, INPUTS, input_name, input_text


class Case:
    """One case, entered as a user enters it into a freshly started window.

    Each keyword is an input: the six basic conditions (texts as typed, e.g.
    ``bay_area="1000"``) and the three lists (entries, e.g.
    ``inflow_factor="2.0"``). Numbers are accepted and written as texts the
    window accepts (see ``tidewell.input_text``). An input left out (None)
    keeps what the window starts with. Each text is checked exactly as typing
    it is; the first refused one raises ``RefusedInput`` with the window's
    message. A case does not change: ``replace`` makes a changed copy.

    The attributes ``bay_area`` ... ``inflow_factor`` give the texts the
    fields and lists then hold.
    """

    __slots__ = ("_given", "_texts")

    def __init__(self, bay_area=None, mean_depth=None, mouth_length=None, sea_temp=None,
                 inflow_temp=None, inflow_rate=None, section_factor=None,
                 inflow_temp_factor=None, inflow_factor=None):
        values = (bay_area, mean_depth, mouth_length, sea_temp, inflow_temp, inflow_rate,
                  section_factor, inflow_temp_factor, inflow_factor)
        given = {}
        for name, value in zip(INPUT_NAMES, values):
            text = input_text(name, value)
            if text is not None:
                given[name] = text
        self._enter(given)

    def _enter(self, given):
        texts, refusal = _tidewell.enter_inputs(list(given.items()))
        if refusal is not None:
            raise RefusedInput(*refusal)
        self._given = dict(given)
        self._texts = texts

    @classmethod
    def default(cls):
        """The case the window starts with."""
        return cls()

    @classmethod
    def from_file(cls, path):
        """Opens a ``.tidewell`` case file as the window's ファイル → 開く… does.

        Raises ``CaseFileError`` (naming the file and the first problem: not a
        case file, or a text that its field refuses).
        """
        texts, refusal = _tidewell.open_case(str(path))
        if refusal is not None:
            raise CaseFileError(*refusal)
        case = cls.__new__(cls)
        case._enter({name: text for name, text in texts.items() if text is not None})
        return case

    def save(self, path):
        """Writes the case to a ``.tidewell`` file, safely (a failure leaves the
        file as it was and raises ``CaseFileError``)."""
        failure = _tidewell.save_case(list(self._given.items()), str(path))
        if failure is not None:
            raise CaseFileError(*failure)

    def replace(self, **changes):
        """A copy with some inputs typed anew, e.g. ``case.replace(bay_area=500)``."""
        given = dict(self._given)
        for key, value in changes.items():
            name = input_name(key)
            text = input_text(name, value)
            if text is None:
                given.pop(name, None)
            else:
                given[name] = text
        case = Case.__new__(Case)
        case._enter(given)
        return case

    @property
    def given(self):
        """The texts typed, by input name ("bay-area", ...)."""
        return dict(self._given)

    @property
    def texts(self):
        """Every input's text as the fields and lists hold it, by input name."""
        return dict(self._texts)

    def __eq__(self, other):
        """Equal when every field and list holds the same text."""
        return isinstance(other, Case) and self._texts == other._texts

    def __hash__(self):
        return hash(tuple(self._texts.items()))

    def __repr__(self):
        """The constructor call with the texts typed."""
        given = ", ".join(f"{name.replace('-', '_')}={text!r}" for name, text in self._given.items())
        return f"Case({given})"


def _text_property(name, description, unit):
    unit = f" ({unit})" if unit else ""
    return property(lambda self: self._texts[name], doc=f"The {description}{unit}, as shown.")


for _name, _description, _unit, _entries in INPUTS:
    setattr(Case, _name.replace("-", "_"), _text_property(_name, _description, _unit))
