"""Romanian twins write decimal commas everywhere, also inside mathtext and tick labels."""

import matplotlib.pyplot as plt
import pytest

from showerscope_content import language


@pytest.mark.parametrize("english, romanian", [
    ("sin α = 0.74, a = 0.20", "sin α = 0,74, a = 0,20"),
    ("X$_\\mathrm{max}$ = 750 g/cm$^2$ at 2.8 km", "X$_\\mathrm{max}$ = 750 g/cm$^2$ la 2,8 km"),
    ("$10^{1.5}$ eV, 3.5", "$10^{1{,}5}$ eV, 3,5"),   # {,}: no space after the comma in math
    ("v×B. Then 1 : 1.", "v×B. Then 1 : 1."),          # full stops stay
])
def test_decimal_commas(english, romanian):
    assert language.commas(english.replace(" at ", " la ")) == romanian


def test_a_romanian_figure_gets_commas_in_its_texts_and_tick_labels():
    fig, ax = plt.subplots()
    ax.set_xlim(0.0, 1.0)
    ax.set_title("r = 0.97")
    language.localise(fig, language.ROMANIAN)
    fig.draw_without_rendering()
    assert ax.get_title() == "r = 0,97"
    assert "0,2" in [t.get_text() for t in ax.get_xticklabels()]
    plt.close(fig)
