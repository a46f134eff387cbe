"""The module's messages and exceptions."""

from typing import NamedTuple, Optional


class Message(NamedTuple):
    """A message the window would show: its title and prompt (Japanese).

    A carriage return in the prompt breaks its line. `id` is the message's
    number in the program's message catalog (the enum MessageId of
    src/case/MessageId.h); it stays the same for the same kind of message.
    """

    title: str
    prompt: str
    id: Optional[int] = None

    def __str__(self):
        return f"{self.title}: {self.prompt.replace(chr(13), ' ')}"


class TidewellError(Exception):
    """A refusal the window would show as a message box.

    Attributes: `message` (a Message), `title`, `prompt` and `id`.
    """

    def __init__(self, title, prompt, id=None):
        self.message = Message(title, prompt, id)
        super().__init__(str(self.message))

    title = property(lambda self: self.message.title, doc="The message's title.")
    prompt = property(lambda self: self.message.prompt, doc="The message's prompt.")
    id = property(lambda self: self.message.id, doc="The message's catalog number.")


class RefusedInput(TidewellError, ValueError):
    """A text or list entry that its field or list refuses, as typing it would.

    `name` is the input ("bay-area", ..., "inflow-factor"); the message is the
    one the window shows for it.
    """

    def __init__(self, name, title, prompt, id=None):
        self.name = name
        super().__init__(title, prompt, id)

    def __str__(self):
        return f"{self.name}: {self.message}"


class CaseFileError(TidewellError):
    """A case file that cannot be opened or saved; the message names the file."""
