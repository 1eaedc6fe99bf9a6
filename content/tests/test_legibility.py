"""Displayed text heights: the scale table follows the forms, and the rule is computed right."""

import os
import xml.etree.ElementTree as ElementTree

import matplotlib.pyplot as plt
import numpy as np
import pytest

from showerscope_content import catalogue, legibility, style

SCREENS = os.path.join(os.path.dirname(__file__), "..", "..", "screens")


def form_size(form, widget, prop):
    """(width, height) of a widget's geometry, minimumSize or maximumSize in a form."""
    root = ElementTree.parse(os.path.join(SCREENS, form)).getroot()
    for w in root.iter("widget"):
        if w.get("name") == widget:
            for p in w.findall("property"):
                if p.get("name") == prop:
                    values = {c.tag: int(c.text) for c in p[0]}
                    return values["width"], values["height"]
    raise LookupError(f"{form}: {widget} has no {prop}")


# picture, its pixel size, and the pane (fitted, keeping the aspect) or label height it is shown in
SHOWN = [
    ("em_mec.PNG", (872, 667), form_size("en/radio.ui", "graphicsView", "geometry")),
    ("Grafic_polar_NS-1.png", (1183, 1000), form_size("en/vxb.ui", "graphicsView", "geometry")),
    ("Grafic_dual_Polarizare_NS-1.png", (1575, 1145), form_size("en/vxb.ui", "graphicsView", "geometry")),
    ("angles_good.png", (1078, 1000), form_size("en/vxb.ui", "graphicsView", "geometry")),
    ("mean_30p.png", (800, 757), form_size("en/comparison.ui", "graphicsView", "maximumSize")),
    ("Proton&Fier_scala_logaritmica.png", (1260, 785),
     (10_000, form_size("en/conex.ui", "label_4", "minimumSize")[1])),
    ("Profile_muons_(proton-E19).png", (1260, 785),
     (10_000, form_size("en/conex.ui", "label_6", "minimumSize")[1])),
    ("comp_fier_proton_ne_nmu-1.png", (785, 785),
     (10_000, form_size("ro/conex.ui", "label_17", "minimumSize")[1])),
]


@pytest.mark.parametrize("name, picture, pane", SHOWN, ids=[s[0] for s in SHOWN])
def test_the_scale_table_follows_the_forms(name, picture, pane):
    fitted = min(pane[0] / picture[0], pane[1] / picture[1])
    assert legibility.display_scale(name) == pytest.approx(fitted, rel=0.01)


def test_every_drawn_picture_has_a_displayed_scale():
    drawn = (catalogue.PROPERTIES + catalogue.CONEX + catalogue.RADIO + catalogue.BROWSER_GIFS
             + catalogue.COMPARISON + ["eq.JPG", "conventie.png"])
    for name in drawn:
        assert 0.3 < legibility.display_scale(name) <= 1.0, name


@pytest.mark.parametrize("font_pt, scale, cap_px", [
    (16.0, 560 / 1260, 7.2),   # a CONEX legend of old, shrunk into half the page
    (10.0, 1.0, 10.1),
    (8.9, 1.0, 9.0),
])
def test_displayed_capital_height(font_pt, scale, cap_px):
    assert legibility.displayed_cap_height_px(font_pt, scale) == pytest.approx(cap_px, abs=0.05)


def test_small_or_faint_text_is_raised_and_darkened_until_no_problem_remains():
    assert legibility.contrast("#6B6B6B", "white") >= 4.5  # the footnote grey
    assert legibility.contrast("#D55E00", "white") < 4.5   # vermillion text is too faint
    fig = plt.figure(figsize=(4, 3), dpi=100)
    fig.text(0.1, 0.5, "tiny", fontsize=6)
    fig.text(0.1, 0.2, "faint", fontsize=24, color="#D55E00")
    name = "Profile_muons_(iron-E19-zenith-dependency).png"
    assert len(legibility.problems(fig, name)) == 2
    legibility.enforce(fig, name)
    assert legibility.problems(fig, name) == []
    fig.text(0.12, 0.52, "on top", fontsize=24)  # runs into "tiny", now raised
    assert [p for p in legibility.problems(fig, name) if "overlaps" in p] != []
    plt.close(fig)


@pytest.mark.parametrize("content, fraction", [
    ("plain text, 5 $", 1.0),
    ("E = 10$^{18}$ eV", style.SCRIPT_SIZE),
    ("first line\nX$_\\mathrm{max}$ on the second", style.SCRIPT_SIZE),
    ("$e^{h^{2}}$", style.SCRIPT_SIZE ** 2),
    ("g/cm\u00b2", legibility.UNICODE_SCRIPT_FRACTION),
])
def test_scripts_are_held_to_the_rule_at_their_own_size(content, fraction):
    fig = plt.figure(figsize=(4, 3), dpi=100)
    name = "gr.jpg"  # shown at natural size
    text = fig.text(0.1, 0.5, content, fontsize=legibility.smallest_font_pt(1.0))
    assert legibility.smallest_glyph_fraction(text) == pytest.approx(fraction)
    assert len(legibility.problems(fig, name)) == (fraction < 1.0)
    legibility.enforce(fig, name)
    assert legibility.problems(fig, name) == []
    plt.close(fig)


@pytest.mark.parametrize("colour, where, halo, legible_after_enforce", [
    ("white", 0.05, False, True),     # white on the dark end of the colour map
    ("white", 0.55, False, True),     # white on its middle: too faint, darkened
    ("#808080", 0.95, False, True),   # grey on the bright end: darkened
    ("white", 0.15, True, True),      # a label across dark and light, with a dark halo
    ("white", 0.15, False, False),    # the same without a halo: no colour reaches 4.5:1
])
def test_contrast_is_measured_against_the_pixels_under_the_text(colour, where, halo,
                                                                legible_after_enforce):
    from matplotlib import patheffects
    fig, ax = plt.subplots(figsize=(4, 3), dpi=100)
    ax.imshow([np.linspace(0.0, 1.0, 200)], cmap="viridis", aspect="auto", extent=(0, 1, 0, 1))
    ax.axis("off")
    effects = [patheffects.withStroke(linewidth=3, foreground="black")] if halo else []
    # a short label inside one part of the map, or a long one across all of it
    label = "0.4" if where != 0.15 else "a label that runs across the whole colour map"
    ax.text(where, 0.5, label, color=colour, fontsize=14, path_effects=effects,
            transform=ax.transAxes, ha="center" if where == 0.15 else "left")
    name = "Grafic_polar_EW-1.png"
    legibility.enforce(fig, name)
    remaining = [p for p in legibility.problems(fig, name) if "contrast" in p]
    assert (remaining == []) == legible_after_enforce, remaining
    plt.close(fig)
