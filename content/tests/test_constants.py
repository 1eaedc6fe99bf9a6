"""Model constants held to the published values they come from (physics reference sections
2, 5, 7 and 8). A changed constant must show up here, not only as a slightly different figure."""

import numpy as np
import pytest

from showerscope_content.models import cascade, geomagnetic, heitler, longitudinal, radio, vxb

PUBLISHED = [
    # (value in the model, published value, source)
    (cascade.RADIATION_LENGTH_G_CM2, 36.62, "X0 of dry air, PDG"),
    (cascade.CRITICAL_ENERGY_EV, 87.92e6, "E_c of electrons in air, PDG"),
    (cascade.SCALE_ENERGY_EV, 21e6, "E_s"),
    (cascade.MOLIERE_DEPTH_G_CM2, 8.75, "r_M = E_s/E_c X0 in g/cm^2"),
    (cascade.HM_PION_CRITICAL_ENERGY_EV, 20e9, "xi_c^pi, Matthews 2005"),
    (cascade.HM_CHARGED_MULTIPLICITY, 10, "N_ch, Matthews 2005"),
    (cascade.HM_INTERACTION_LENGTH_G_CM2, 120.0, "lambda_I, Matthews 2005"),
    (cascade.HM_BETA, 0.850, "beta = ln N_ch / ln(1.5 N_ch)"),
    (float(cascade.heitler_matthews_muons(1e19)), 2.5e7, "N_mu of a proton at 1e19 eV"),
    (float(cascade.heitler_matthews_em_fraction(1e19)), 0.95, "f_EM at 1e19 eV"),
    (longitudinal.MUON_ENERGY_EXPONENT, 0.92, "beta of full simulations, Gora et al."),
    (longitudinal.iron_proton_muon_ratio(), 1.38, "iron/proton muons, 56^0.08"),
    (radio.RADIATION_ENERGY_EV, 15.8e6, "AERA radiation energy at 1 EeV"),
    (radio.CE_MEASURED_MAX, 0.203, "largest measured charge-excess fraction, LOFAR"),
    (vxb.CHARGE_EXCESS_FRACTION, 0.14, "AERA charge-excess fraction"),
    (geomagnetic.FIELD_ZENITH_DEG, 54.4, "IGRF field at the radio array, zenith"),
    (geomagnetic.FIELD_AZIMUTH_DEG, 87.5, "IGRF field, azimuth from East (2.5 deg E of north)"),
    (geomagnetic.FIELD_STRENGTH_GAUSS, 0.24, "|B| at the radio array"),
]


@pytest.mark.parametrize("value, published, source", PUBLISHED, ids=[p[2] for p in PUBLISHED])
def test_constant_matches_its_published_value(value, published, source):
    assert value == pytest.approx(published, rel=0.006), source


def test_the_heitler_cascade_uses_the_same_constants_as_the_formulas():
    assert heitler.RADIATION_LENGTH_G_CM2 is cascade.RADIATION_LENGTH_G_CM2
    assert heitler.EM_CRITICAL_ENERGY_EV == cascade.CRITICAL_ENERGY_EV
    assert heitler.CHARGED_PIONS == cascade.HM_CHARGED_MULTIPLICITY
    assert heitler.PION_CRITICAL_ENERGY_EV == cascade.HM_PION_CRITICAL_ENERGY_EV
    assert heitler.INTERACTION_LENGTH_G_CM2 == cascade.HM_INTERACTION_LENGTH_G_CM2
    assert heitler.SPLITTING_LENGTH_G_CM2 == pytest.approx(36.62 * np.log(2.0))


def test_hadron_numbers_are_the_documented_model_choices():
    # Hadrons: 5e5 at maximum for protons at 1e19 eV, 20 % more for iron.
    assert longitudinal.HADRON_N_MAX_1E19 == 5.0e5
    assert longitudinal.HADRON_IRON_RATIO == 1.2
    assert longitudinal.mean_size_at_maximum("hadrons", "iron", 1e19) == pytest.approx(6.0e5)
