"""The words of a picture in either language.

Every text a family draws goes through `tr`, so that one drawing function makes the English
picture and its Romanian twin from the same numbers; `num` writes a number with the
language's decimal mark (a comma in Romanian)."""

LANGS = ("en", "ro")


def tr(lang, en, ro):
    """The English or the Romanian wording."""
    if lang not in LANGS:
        raise ValueError(f"unknown language {lang!r}")
    return ro if lang == "ro" else en


def num(value, fmt, lang):
    """`value` formatted with `fmt`, with a decimal comma in Romanian. Thousands are not
    grouped in Romanian (the comma is the decimal mark there)."""
    text = format(value, fmt.replace(",", "") if lang == "ro" else fmt)
    return text.replace(".", ",") if lang == "ro" else text


def math_num(value, fmt, lang):
    """The same inside mathtext, where a bare comma would be followed by a space."""
    return num(value, fmt, lang).replace(",", "{,}") if lang == "ro" else num(value, fmt, lang)
