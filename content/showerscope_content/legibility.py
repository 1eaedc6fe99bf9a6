"""Is every text of a figure legible at the size its screen shows it?

The screens show many pictures shrunk (fitted into a pane, or scaled into a label), so a
figure's type must be large enough for the displayed picture: every text at least
MIN_CAP_HEIGHT_PX high (height of a capital letter) at scale 1, at least 4.5:1 in contrast
against the pixels under it (the figure drawn without its texts: colour maps, images and
legend boxes included; a halo drawn round the glyphs, or an opaque box, is the ground instead),
and inside the picture. Romanian twins (names "ro/...") write decimal commas. The rule holds for every glyph, so a
text with mathtext exponents or indices (10^18, X_max, the tick labels of log axes) is sized
by its scripts, which are drawn smaller than the text itself.

DISPLAY_SCALE gives displayed size / picture size for each picture made with matplotlib,
from the panes and labels of the forms: a picture fitted into a pane takes
min(pane width / picture width, pane height / picture height); one shown at natural size, 1.
"""

import fnmatch

import numpy as np

from matplotlib import _mathtext, colors, mathtext, patheffects
from matplotlib.ft2font import LOAD_NO_HINTING
from matplotlib.text import Text

from .language import ROMANIAN_FOLDER, has_decimal_point
from .style import DPI

MIN_CAP_HEIGHT_PX = 9.0
MIN_CONTRAST = 4.5
# The contrast of a text is read at this percentile of its ratios to the pixels under it.
UNDER_PERCENTILE = 10
CAP_HEIGHT_EM = 0.729  # DejaVu Sans: capital height / font size

# name pattern -> (displayed scale, where it is shown)
DISPLAY_SCALE = {
    # natural size in the 691 x 640 pane of the properties screen
    "gr.jpg": (1.0, "properties pane, natural size"),
    "gr3.jpg": (1.0, "properties pane, natural size"),
    "gr8.jpg": (1.0, "properties pane, natural size"),
    "age.png": (1.0, "properties pane, natural size"),
    "total.png": (1.0, "properties pane, natural size"),
    "eq.JPG": (1.0, "equations pane, natural size"),
    # fitted into the 691 x 640 pane of the radio screen
    "em_mec.PNG": (691 / 872, "radio pane 691 x 640, fitted"),
    "geom1.png": (1.0, "radio pane 691 x 640, fitted"),
    # fitted into the 801 x 641 pane of the VXB screen
    "Grafic_polar_*": (641 / 1000, "VXB pane 801 x 641, fitted"),
    "Grafic_[Dd]ual_*": (801 / 1575, "VXB pane 801 x 641, fitted"),
    "angles_good.png": (641 / 1000, "VXB pane 801 x 641, fitted"),
    "conventie.png": (1.0, "natural size"),
    "logo*.png": (1.0, "results screen, natural size"),
    # scaled into the labels of the CONEX page (1260 x 785 pictures)
    "Proton&Fier_scala_logaritmica.png": (380 / 785, "CONEX label, 380 px high"),
    "Profile_*zenith-dependency).png": (560 / 1260, "CONEX label, half of the page width"),
    "Profile_*": (400 / 785, "CONEX label, 400 px high"),
    "*_distribution(proton_Iron-E19-E20-E21).png": (400 / 785, "CONEX label, 400 px high"),
    "Proton_Fier_scala_logaritmica.png": (400 / 785, "CONEX label, 400 px high"),
    "comp_fier_proton_ne_nmu-1.png": (500 / 785, "CONEX label, 500 px high (Romanian page)"),
    # fitted into the 591 x 559 panes of the comparison and simulation screens
    "LOG_COREAS_VS_LOG_VXB_*": (559 / 757, "comparison pane 591 x 559, fitted"),
    "GEOM_ASK_EW_VS_NS_*": (559 / 757, "comparison pane 591 x 559, fitted"),
    "mean_*": (559 / 757, "comparison pane 591 x 559, fitted"),
    "*.gif": (1.0, "simulation pane 591 x 559, natural size or larger"),
}


def display_scale(name):
    """The displayed scale of a picture; a Romanian twin ("ro/name") is shown as its original."""
    name = name.rsplit("/", 1)[-1]
    for pattern, (scale, _) in DISPLAY_SCALE.items():
        if fnmatch.fnmatchcase(name, pattern):
            return scale
    raise KeyError(f"{name}: no displayed size known")


def displayed_cap_height_px(font_size_pt, scale, dpi=DPI):
    """Height in screen pixels of a capital letter of a font_size_pt text shown at `scale`."""
    return font_size_pt * dpi / 72.0 * CAP_HEIGHT_EM * scale


def _luminance(colour):
    def channel(c):
        return c / 12.92 if c <= 0.03928 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (channel(c) for c in colors.to_rgb(colour))
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def contrast(foreground, background):
    """Contrast ratio (L1 + 0.05) / (L2 + 0.05) of two colours, 1 to 21."""
    a, b = sorted((_luminance(foreground), _luminance(background)), reverse=True)
    return (a + 0.05) / (b + 0.05)


def _stroke_colour(text):
    """The colour of a stroke drawn round the text's glyphs (a halo), or None."""
    for effect in text.get_path_effects():
        if isinstance(effect, patheffects.Stroke):
            return effect._gc.get("foreground", "black")
    return None


def _plain_background(fig, text):
    """The colour behind a text when it is one colour by construction: its halo, else its
    opaque box; None when the text sits on whatever is drawn under it."""
    stroke = _stroke_colour(text)
    if stroke is not None:
        return stroke
    box = text.get_bbox_patch()
    if box is not None and box.get_facecolor()[3] > 0.5:
        return box.get_facecolor()
    return None


def _render_without_texts(fig, texts):
    """The figure's pixels (h, w, 3), 0 to 1, drawn with the given texts hidden."""
    shown = [t for t in texts if t.get_visible()]
    for t in shown:
        t.set_visible(False)
    try:
        fig.canvas.draw()
        pixels = np.asarray(fig.canvas.buffer_rgba())[..., :3].astype(float) / 255.0
    finally:
        for t in shown:
            t.set_visible(True)
    return pixels


def backgrounds(fig, texts):
    """For each text, the colours under it: (n, 3) RGB rows from 0 to 1, one per pixel of the
    text's box in the figure drawn without its texts (colour maps, photographs, curves and the
    boxes of legends included), or the single colour of its halo or opaque box. Leaves the
    texts laid out where they are drawn."""
    texts = list(texts)
    fig.draw_without_rendering()  # lays out the texts where they are drawn
    renderer = fig.canvas.get_renderer()
    boxes = [Text.get_window_extent(t, renderer) for t in texts]
    pixels = _render_without_texts(fig, set(texts) | set(_drawn_texts(fig)) | set(_visible_texts(fig)))
    fig.draw_without_rendering()  # axis labels sit beside their tick labels again
    height, width = pixels.shape[:2]
    found = []
    for text, box in zip(texts, boxes):
        plain = _plain_background(fig, text)
        if plain is not None:
            found.append(np.array([colors.to_rgb(plain)]))
            continue
        x0, x1 = int(np.clip(np.floor(box.x0), 0, width - 1)), int(np.clip(np.ceil(box.x1), 1, width))
        y0 = int(np.clip(np.floor(height - box.y1), 0, height - 1))
        y1 = int(np.clip(np.ceil(height - box.y0), 1, height))
        under = pixels[y0:max(y1, y0 + 1), x0:max(x1, x0 + 1)].reshape(-1, 3)
        found.append(under if len(under) else np.array([colors.to_rgb(fig.get_facecolor())]))
    return found


def _luminances(rgb):
    """Relative luminance of (n, 3) RGB rows from 0 to 1."""
    rgb = np.asarray(rgb, dtype=float)
    linear = np.where(rgb <= 0.03928, rgb / 12.92, ((rgb + 0.055) / 1.055) ** 2.4)
    return linear @ np.array([0.2126, 0.7152, 0.0722])


def contrast_under(colour, under):
    """The contrast of a text colour against the colours under it: the ratio that all but the
    least contrasting tenth of them reach (a grid line or a thin curve passing under a word
    does not count; a colour map behind a word does)."""
    text = _luminance(colour)
    ground = _luminances(under)
    ratios = (np.maximum(text, ground) + 0.05) / (np.minimum(text, ground) + 0.05)
    return float(np.percentile(ratios, UNDER_PERCENTILE))


def _visible_texts(fig):
    for text in fig.findobj(Text):
        if not text.get_text().strip() or not text.get_visible() or text.get_alpha() == 0:
            continue
        if text.axes is not None and not text.axes.get_visible():
            continue
        yield text


def smallest_font_pt(scale, dpi=DPI):
    """The smallest font size whose capitals are MIN_CAP_HEIGHT_PX high when shown at `scale`."""
    return np.ceil(MIN_CAP_HEIGHT_PX / (dpi / 72.0 * CAP_HEIGHT_EM * scale) * 10.0) / 10.0


def smallest_font_px(scale=1.0):
    """The same in pixels (the em size of a Pillow font) for pictures drawn pixel by pixel."""
    return np.ceil(MIN_CAP_HEIGHT_PX / (CAP_HEIGHT_EM * scale) * 10.0) / 10.0


def _glyph_sizes(node):
    if isinstance(node, _mathtext.Char):
        if node.c.strip():
            yield node.fontsize
    for child in getattr(node, "children", ()):
        yield from _glyph_sizes(child)


# Superscript and subscript characters of the font (², ₀, ...): DejaVu Sans draws their
# digits 0.57 as high as its capitals. Figures write scripts as mathtext instead, which the
# rule measures exactly; a stray character of these is held to the rule at its own height.
UNICODE_SCRIPTS = set("⁰¹²³⁴⁵⁶⁷⁸⁹⁺⁻⁼⁽⁾ⁿⁱ₀₁₂₃₄₅₆₇₈₉₊₋₌₍₎ₐₑₒₓₔₕₖₗₘₙₚₛₜᴄ")
UNICODE_SCRIPT_FRACTION = 0.57


def smallest_glyph_fraction(text):
    """Size of the text's smallest glyph relative to its font size: 1 for plain text, less
    for mathtext with exponents or indices (SHRINK_FACTOR per level of script) and for the
    font's own superscript and subscript characters."""
    if UNICODE_SCRIPTS & set(text.get_text()):
        return UNICODE_SCRIPT_FRACTION
    prop = text.get_fontproperties()
    fontset = mathtext.MathTextParser._font_type_mapping[prop.get_math_fontfamily()]
    sizes = []
    for line in text.get_text().split("\n"):  # matplotlib lays out each line by itself
        content, is_math = text._preprocess_math(line)
        if is_math is True:
            box = _mathtext.Parser().parse(content, fontset(prop, LOAD_NO_HINTING),
                                           prop.get_size_in_points(), DPI)
            sizes += list(_glyph_sizes(box))
    return min(sizes) / prop.get_size_in_points() if sizes else 1.0


def _readable_colour(colour, under):
    """The colour moved towards black or white, keeping its hue, until it reaches MIN_CONTRAST
    against the colours under it (the direction tried first is away from their median);
    None when neither direction reaches it (a word across both dark and light ground needs a
    halo or a box)."""
    rgb = np.array(colors.to_rgb(colour))
    dark_ground = float(np.median(_luminances(under))) <= 0.18
    targets = (np.ones(3), np.zeros(3)) if dark_ground else (np.zeros(3), np.ones(3))
    for target in targets:
        for step in np.linspace(0.0, 1.0, 41):
            mixed = rgb + (target - rgb) * step
            if contrast_under(mixed, under) >= MIN_CONTRAST:
                return tuple(mixed)
    return None


def enforce(fig, name):
    """Raises every text of the figure to the smallest legible size where it is shown and
    darkens (or lightens) any too faint for the pixels under it."""
    floor = smallest_font_pt(display_scale(name))
    fig.draw_without_rendering()  # gives the tick labels their texts
    texts = list(_visible_texts(fig))
    for text in texts:
        needed = floor / smallest_glyph_fraction(text)
        if text.get_fontsize() < needed - 1e-9:
            text.set_fontsize(np.ceil(needed * 10.0) / 10.0)
    unders = backgrounds(fig, texts)
    for text, under in zip(texts, unders):
        if contrast_under(text.get_color(), under) < MIN_CONTRAST:
            readable = _readable_colour(text.get_color(), under)
            if readable is not None:
                text.set_color(readable)
    # problems() measures against the same pixels unless the figure changes in between (a
    # colour does not change what lies under a text)
    fig._legibility_backgrounds = (texts, unders)


def _drawn_texts(fig):
    """The texts matplotlib draws: figure texts, titles, axis labels, drawn tick labels and
    legends (it keeps tick labels of ticks outside the view, which it does not draw). Uses
    matplotlib 3.6 internals (_axis_map, _update_ticks) to get exactly the drawn ticks."""
    texts = list(fig.texts)
    if fig._suptitle is not None:
        texts.append(fig._suptitle)
    legends = list(fig.legends)
    for ax in fig.axes:
        texts += list(ax.texts) + [ax.title, ax._left_title, ax._right_title]
        for axis in ax._axis_map.values():
            texts.append(axis.label)
            if ax.axison and axis.get_visible():
                texts += [t.label1 for t in axis._update_ticks() if t.label1.get_visible()]
                texts += [t.label2 for t in axis._update_ticks() if t.label2.get_visible()]
        if ax.get_legend() is not None:
            legends.append(ax.get_legend())
    for legend in legends:
        texts += list(legend.get_texts()) + [legend.get_title()]
    unique = {id(t): t for t in texts}  # the suptitle is also one of the figure's texts
    return [t for t in unique.values() if t.get_visible() and t.get_text().strip()]


def problems(fig, name):
    """Texts of the figure that are too small or too faint where the picture is shown, that
    run off the picture, or that run into each other."""
    scale = display_scale(name)
    found = []
    texts = list(_visible_texts(fig))
    measured, unders = getattr(fig, "_legibility_backgrounds", None) or (None, None)
    fig._legibility_backgrounds = None
    if measured is None or [id(t) for t in measured] != [id(t) for t in texts]:
        unders = backgrounds(fig, texts)  # draws the figure, laying out ticks and labels
    renderer = fig.canvas.get_renderer()
    fig_width, fig_height = fig.canvas.get_width_height()
    # the text's own box; an annotation's extent would also cover its arrow
    drawn = [(text, Text.get_window_extent(text, renderer)) for text in _drawn_texts(fig)]
    for i, (text, box) in enumerate(drawn):
        if box.x0 < -1 or box.y0 < -1 or box.x1 > fig_width + 1 or box.y1 > fig_height + 1:
            found.append(f"{name}: {text.get_text().strip()[:40]!r} runs off the picture")
        for other, other_box in drawn[i + 1:]:
            # boxes include the line spacing, so a pixel of contact is not yet a collision
            if box.padded(-1).overlaps(other_box.padded(-1)):
                found.append(f"{name}: {text.get_text().strip()[:40]!r} overlaps "
                             f"{other.get_text().strip()[:40]!r}")
    romanian = name.startswith(f"{ROMANIAN_FOLDER}/")
    for text, under in zip(texts, unders):
        content = text.get_text().strip()
        height = displayed_cap_height_px(text.get_fontsize() * smallest_glyph_fraction(text), scale)
        if height < MIN_CAP_HEIGHT_PX - 1e-9:
            found.append(f"{name}: {content[:40]!r} {height:.1f} px high")
        ratio = contrast_under(text.get_color(), under)
        if ratio < MIN_CONTRAST:
            found.append(f"{name}: {content[:40]!r} contrast {ratio:.1f}:1 to what lies under it")
        if romanian and has_decimal_point(content):
            found.append(f"{name}: {content[:40]!r} has a decimal point, not a comma")
    return found
