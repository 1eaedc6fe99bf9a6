"""The v x B frame, the polarisation channels and the axis rotation behind the VXB figures."""

import os

import numpy as np
import pytest
from PIL import Image

from showerscope_content import catalogue
from showerscope_content.families import vxb as vxb_family
from showerscope_content.models import geomagnetic as gm
from showerscope_content.models import vxb

# Field of the published table (physics reference, section 8): zenith 54.4 deg, azimuth 87.5 deg.
TABLE_FIELD = gm.field_direction(54.4, 87.5)
# A field in the North-South plane, for checks worked out by hand.
MERIDIAN_FIELD = gm.field_direction(54.0, 90.0)
NORTH, SOUTH, EAST = 90.0, 270.0, 0.0


def rad(*degrees):
    return np.radians(degrees)


def random_directions(count, seed=7):
    rng = np.random.default_rng(seed)
    return rng.uniform(0, np.radians(85), count), rng.uniform(0, 2 * np.pi, count)


def test_azimuth_convention_names_where_the_shower_comes_from():
    zenith = np.radians(30)
    from_north = gm.direction(zenith, np.radians(NORTH))
    assert from_north[1] == pytest.approx(0.5) and from_north[0] == pytest.approx(0, abs=1e-12)
    # The shower from the North travels southwards and down.
    v = gm.shower_velocity(zenith, np.radians(NORTH))
    assert v[1] < -0.49 and v[2] < 0
    # From the East (0 deg) it travels westwards; from the South (270 deg) northwards.
    assert gm.shower_velocity(zenith, np.radians(EAST))[0] == pytest.approx(-0.5)
    assert gm.shower_velocity(zenith, np.radians(SOUTH))[1] == pytest.approx(0.5)


def test_observatory_field_is_the_published_one_pointing_north_and_up():
    np.testing.assert_allclose(gm.field_direction(), TABLE_FIELD, atol=1e-12)
    np.testing.assert_allclose(MERIDIAN_FIELD, [0.0, np.sin(np.radians(54)), np.cos(np.radians(54))],
                               atol=1e-12)


def test_shower_along_the_field_gives_no_geomagnetic_emission():
    zenith, azimuth = rad(gm.FIELD_ZENITH_DEG, gm.FIELD_AZIMUTH_DEG)
    np.testing.assert_allclose(vxb.vxb_channels(zenith, azimuth), 0.0, atol=1e-12)
    np.testing.assert_allclose(vxb.vxvxb_channels(zenith, azimuth), 0.0, atol=1e-12)
    assert gm.geomagnetic_angle(zenith, azimuth) == pytest.approx(0.0, abs=1e-6)


def test_vertical_shower_is_polarised_horizontally_towards_east():
    channels = vxb.vxb_channels(0.0, 0.0, MERIDIAN_FIELD)
    np.testing.assert_allclose(channels, [np.sin(np.radians(54)), 0.0, 0.0], atol=1e-12)
    # The same holds for the site's field, whose horizontal part is 2.5 deg east of north.
    tilted = vxb.vxb_channels(0.0, 0.0)
    assert tilted[2] == pytest.approx(0.0, abs=1e-12)
    assert np.dot(tilted[:2], TABLE_FIELD[:2]) == pytest.approx(0.0, abs=1e-12)
    assert tilted[0] > 0.8


@pytest.mark.parametrize("zenith_deg, azimuth_deg, alpha_deg, sin_alpha", [
    (0.0, 0.0, 54.4, 0.81),           # vertical
    (30.0, SOUTH, 84.4, 0.995),
    (30.0, NORTH, 24.5, 0.41),
    (60.0, SOUTH, 114.4, 0.91),
    (60.0, NORTH, 6.0, 0.10),
    (54.4, 87.5, 0.0, 0.0),           # along B
])
def test_geomagnetic_angle_matches_the_published_table(zenith_deg, azimuth_deg, alpha_deg, sin_alpha):
    zenith, azimuth = rad(zenith_deg, azimuth_deg)
    alpha = gm.geomagnetic_angle(zenith, azimuth, TABLE_FIELD)
    assert np.degrees(alpha) == pytest.approx(alpha_deg, abs=0.06)
    length = np.linalg.norm(vxb.vxb_channels(zenith, azimuth, TABLE_FIELD))
    assert length == pytest.approx(sin_alpha, abs=0.006)


def test_v_cross_v_cross_b_is_perpendicular_and_equally_long():
    zenith, azimuth = random_directions(200)
    a = vxb.vxb_channels(zenith, azimuth)
    b = vxb.vxvxb_channels(zenith, azimuth)
    v = gm.shower_velocity(zenith, azimuth)
    np.testing.assert_allclose(np.sum(a * b, axis=-1), 0.0, atol=1e-12)
    np.testing.assert_allclose(np.sum(b * v, axis=-1), 0.0, atol=1e-12)
    np.testing.assert_allclose(np.linalg.norm(b, axis=-1), np.linalg.norm(a, axis=-1), atol=1e-12)
    # v x (v x B) = (v.B) v - B: it points against the part of B across the shower axis.
    field = gm.field_direction()
    assert np.all(np.sum(b * field, axis=-1) <= 1e-12)


def test_polarisation_angle():
    # Vertical showers: 0 for a field in the meridian, -2.5 deg for the site's field.
    assert vxb.polarisation_angle(0.0, 0.0, MERIDIAN_FIELD) == pytest.approx(0.0, abs=1e-12)
    assert np.degrees(vxb.polarisation_angle(0.0, 0.0)) == pytest.approx(-2.5, abs=0.01)
    # 45 deg from the East: v x B = (0.572, 0.416, -0.572) by hand; tan = cos 54 / sin 54.
    angle = vxb.polarisation_angle(*rad(45.0, EAST), MERIDIAN_FIELD)
    assert np.degrees(angle) == pytest.approx(36.0, abs=1e-9)
    # With the field in the meridian, mirroring East and West (azimuth phi -> 180 deg - phi)
    # turns the polarisation angle into its negative.
    zenith, azimuth = random_directions(50, seed=3)
    np.testing.assert_allclose(vxb.polarisation_angle(zenith, np.pi - azimuth, MERIDIAN_FIELD),
                               -vxb.polarisation_angle(zenith, azimuth, MERIDIAN_FIELD), atol=1e-12)


def test_rotation_by_the_polarisation_angle_moves_all_signal_into_one_channel():
    zenith, azimuth = random_directions(500)
    before = vxb.vxb_channels(zenith, azimuth)
    after = vxb.rotated_channels(zenith, azimuth)
    np.testing.assert_allclose(after[..., 1], 0.0, atol=1e-12)
    np.testing.assert_allclose(after[..., 0], np.hypot(before[..., 0], before[..., 1]), atol=1e-12)
    np.testing.assert_allclose(after[..., 2], before[..., 2], atol=0)
    # Turning the axes by any other angle leaves signal in the North-South channel.
    _, ns = vxb.rotate_horizontal(before[..., 0], before[..., 1],
                                  vxb.polarisation_angle(zenith, azimuth) + np.radians(10))
    assert np.min(np.abs(ns) / np.hypot(before[..., 0], before[..., 1])) > 0.17


@pytest.mark.parametrize("a, sin_alpha, psi_deg, ratio", [
    (0.14, 0.8, 9.9, 2.03), (0.14, 1.0, 8.0, 1.76), (0.2, 0.8, 14.0, 2.78),
])
def test_charge_excess_superposition_matches_the_published_table(a, sin_alpha, psi_deg, ratio):
    psi = vxb.shower_plane_polarisation(np.pi / 2, sin_alpha, a)
    assert np.degrees(psi) == pytest.approx(psi_deg, abs=0.05)
    east_west = vxb.fluence_factor(0.0, sin_alpha, a) / vxb.fluence_factor(np.pi, sin_alpha, a)
    assert east_west == pytest.approx(ratio, abs=0.005)
    # The field itself: on the +v x B side both terms add, on the e2 axis it tilts by psi.
    ex, ey = vxb.shower_plane_field([1.0, 0.0], [0.0, 1.0], sin_alpha, a)
    assert ex[0] == pytest.approx(-(sin_alpha + a)) and ey[0] == pytest.approx(0.0)
    assert np.degrees(np.arctan2(-ey[1], -ex[1])) == pytest.approx(psi_deg, abs=0.05)
    # All round the axis the polarisation angle is the direction of that field.
    phi = np.radians(np.arange(0, 360, 15))
    ex, ey = vxb.shower_plane_field(np.cos(phi), np.sin(phi), sin_alpha, a)
    np.testing.assert_allclose(vxb.shower_plane_polarisation(phi, sin_alpha, a),
                               np.arctan2(-ey, -ex), atol=1e-12)


# The bundled pictures: the screens fit them into their panes, so sizes and opacity matter.
RESOURCES = os.path.join(os.path.dirname(__file__), "..", "..", "resources")
GRAPH_SIZES = {
    "em_mec.PNG": (872, 667), "geom1.png": (691, 453), "angles_good.png": (1078, 1000),
    **{name: (1183, 1000) for name in vxb_family.POLAR.values()},
    **{name: (1575, 1145) for name in list(vxb_family.DUAL.values())
       + [vxb_family.DUAL_UNIT_EW, vxb_family.ROTATION]},
}


def test_the_family_makes_the_radio_pictures_and_the_convention():
    assert sorted(vxb_family.FILES) == sorted(catalogue.RADIO + ["conventie.png"])


@pytest.mark.parametrize("name, size", sorted(GRAPH_SIZES.items()))
def test_graphs_are_opaque_and_of_their_exact_size(name, size):
    with Image.open(os.path.join(RESOURCES, name)) as image:
        assert image.size == size
        # Opaque: true colour, or a palette (the colour maps) with no transparent entry.
        assert image.mode in ("RGB", "P") and "transparency" not in image.info, image.mode


@pytest.mark.parametrize("name", ["logo.png", "logo2.png", "logo3.png"])
def test_results_pictures_are_rounded_200_pixel_panels(name):
    with Image.open(os.path.join(RESOURCES, name)) as image:
        assert image.size == (200, 200)
        alpha = image.getchannel("A")
        assert alpha.getpixel((0, 0)) == 0 and alpha.getpixel((100, 100)) == 255
