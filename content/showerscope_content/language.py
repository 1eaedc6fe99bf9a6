"""The two languages of the bundle's pictures.

Every picture that carries words is drawn twice from the same numbers: the English original at
the root of the bundle and its Romanian twin under ro/ with the same file name. The program
lists the twins as the Romanian language variants of the same resource paths, so a Romanian
screen that loads ":/mean_30p.png" shows the Romanian picture. Pictures without words are drawn
once.

A family draws its twins like this:

    from .. import language

    RO_FILES = [...]                     # the names of FILES that have a Romanian twin

    def draw(lang, out_dir):
        ax.set_xlabel(language.words(lang, "arrival time (ns)", "momentul sosirii (ns)"))
        ...
        output.save_figure(fig, language.path(out_dir, "gr3.jpg", lang))

    def generate(out_dir):
        for lang in language.LANGUAGES:
            draw(lang, out_dir)

Decimal commas come by themselves in matplotlib figures saved under ro/ (titles, labels,
legends and tick labels, see `localise`); pictures drawn pixel by pixel with Pillow format their
numbers with `number`. Romanian terms follow content/texts/GLOSSARY.md.
"""

import os
import re

from matplotlib import ticker
from matplotlib.text import Text

ENGLISH = "en"
ROMANIAN = "ro"
LANGUAGES = (ENGLISH, ROMANIAN)
# The folder of the Romanian twins, inside the bundle folder.
ROMANIAN_FOLDER = "ro"

_DECIMAL_POINT = re.compile(r"(?<=\d)\.(?=\d)")


def words(lang, english, romanian):
    """The text in the picture's language."""
    if lang not in LANGUAGES:
        raise ValueError(f"unknown language {lang!r}")
    return romanian if lang == ROMANIAN else english


def path(out_dir, name, lang):
    """Where the picture `name` is written in `lang`: the bundle folder for English, its ro/
    folder (made when missing) for the Romanian twin."""
    if lang == ENGLISH:
        return os.path.join(out_dir, name)
    folder = os.path.join(out_dir, ROMANIAN_FOLDER)
    os.makedirs(folder, exist_ok=True)
    return os.path.join(folder, name)


def of_path(file_path):
    """The language of a picture from where it is written."""
    parent = os.path.basename(os.path.dirname(os.path.abspath(file_path)))
    return ROMANIAN if parent == ROMANIAN_FOLDER else ENGLISH


def commas(text):
    """The text with a decimal comma in every number (0.81 -> 0,81). Inside mathtext ($...$)
    the comma is written {,} so that it takes no space after it."""
    parts = re.split(r"(?<!\\)(\$)", text)
    inside = False
    out = []
    for part in parts:
        if part == "$":
            inside = not inside
            out.append(part)
        else:
            out.append(_DECIMAL_POINT.sub("{,}" if inside else ",", part))
    return "".join(out)


def number(value, fmt, lang):
    """format(value, fmt) with the language's decimal separator, for plain (non-mathtext)
    text: number(0.81, ".2f", "ro") == "0,81"."""
    text = format(value, fmt)
    return _DECIMAL_POINT.sub(",", text) if lang == ROMANIAN else text


def has_decimal_point(text):
    return bool(_DECIMAL_POINT.search(text))


def localise(fig, lang):
    """Gives a figure the language's decimal separator: for Romanian, every text of the figure
    and every tick label (through its axis's formatter) gets decimal commas."""
    if lang != ROMANIAN:
        return
    for text in fig.findobj(Text):
        content = text.get_text()
        if has_decimal_point(content):
            text.set_text(commas(content))
    for ax in fig.axes:
        for axis in ax._axis_map.values():
            for formatter, setter in ((axis.get_major_formatter(), axis.set_major_formatter),
                                      (axis.get_minor_formatter(), axis.set_minor_formatter)):
                if not isinstance(formatter, _DecimalComma):
                    setter(_DecimalComma(formatter))


class _DecimalComma(ticker.Formatter):
    """Wraps a tick formatter and writes its numbers with decimal commas."""

    def __init__(self, inner):
        self.inner = inner
        self.axis = getattr(inner, "axis", None)

    def set_axis(self, axis):
        self.axis = axis
        self.inner.set_axis(axis)

    def set_locs(self, locs):
        self.inner.set_locs(locs)

    def __call__(self, x, pos=None):
        return commas(self.inner(x, pos))

    def format_ticks(self, values):
        return [commas(label) for label in self.inner.format_ticks(values)]

    def format_data(self, value):
        return commas(self.inner.format_data(value))

    def format_data_short(self, value):
        return commas(self.inner.format_data_short(value))

    def get_offset(self):
        return commas(self.inner.get_offset())

    def fix_minus(self, s):
        return self.inner.fix_minus(s)
