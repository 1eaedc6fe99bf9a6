"""Numbers in words for the figures' descriptions, which screen readers read out."""


def count(value, language):
    """A large count as "6.7 billion" / "6,7 miliarde"; smaller ones as digits."""
    for size, en, ro in ((1e9, "billion", "miliarde"), (1e6, "million", "milioane"), (1e3, "thousand", "mii")):
        if value >= size:
            scaled = value / size
            number = f"{scaled:.2g}" if scaled < 100 else f"{scaled:.0f}"
            return f"{number} {en}" if language == "en" else f"{number.replace('.', ',')} {ro}"
    return f"{value:.0f}"


def decimal(value, digits, language):
    """A decimal number with the language's decimal mark."""
    text = f"{value:.{digits}f}"
    return text.replace(".", ",") if language == "ro" else text
