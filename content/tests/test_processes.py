"""Interaction processes and the Heitler cascade generator behind the introduction's
animations and the shower-development animation."""

import numpy as np
import pytest

from showerscope_content.models import atmosphere, heitler, processes

ME = processes.ELECTRON_MASS_MEV


class TestCompton:
    def test_shift_is_compton_wavelength_at_90_degrees(self):
        # CODATA: lambda_C = 2.42631 pm; the shift doubles for backscattering.
        assert processes.compton_wavelength_shift_pm(np.pi / 2) == pytest.approx(2.426, abs=5e-4)
        assert processes.compton_wavelength_shift_pm(np.pi) == pytest.approx(4.853, abs=5e-4)
        assert processes.compton_wavelength_shift_pm(0.0) == 0.0

    @pytest.mark.parametrize("energy_mev", [0.05, 0.511, 2.0, 20.0])
    def test_energy_and_wavelength_forms_agree(self, energy_mev):
        theta = np.radians([10, 45, 90, 135, 180])
        e_scattered = processes.compton_scattered_energy_mev(energy_mev, theta)
        longer = processes.wavelength_pm(energy_mev) + processes.compton_wavelength_shift_pm(theta)
        # The constants agree to their eight digits: hc / (m_e c^2) = lambda_C.
        np.testing.assert_allclose(processes.wavelength_pm(e_scattered), longer, rtol=1e-7)

    def test_energy_limits(self):
        # No scattering keeps E; backscattering gives E / (1 + 2E/mc^2), which tends to mc^2/2.
        assert processes.compton_scattered_energy_mev(1.0, 0.0) == pytest.approx(1.0)
        assert processes.compton_scattered_energy_mev(1.0, np.pi) == pytest.approx(1 / (1 + 2 / ME))
        assert processes.compton_scattered_energy_mev(1e4, np.pi) == pytest.approx(ME / 2, rel=1e-3)

    @pytest.mark.parametrize("energy_mev, theta_deg", [(0.1, 30), (0.511, 60), (3.0, 120), (1.0, 175)])
    def test_recoil_electron_conserves_momentum(self, energy_mev, theta_deg):
        theta = np.radians(theta_deg)
        e1 = processes.compton_scattered_energy_mev(energy_mev, theta)
        kinetic = processes.compton_electron_energy_mev(energy_mev, theta)
        pe = np.sqrt(kinetic ** 2 + 2 * kinetic * ME)  # p c of the electron, MeV
        phi = processes.compton_electron_angle(energy_mev, theta)
        assert e1 * np.cos(theta) + pe * np.cos(phi) == pytest.approx(energy_mev, rel=1e-9)
        assert e1 * np.sin(theta) == pytest.approx(pe * np.sin(phi), rel=1e-9)

    def test_recoil_angle_limits(self):
        assert np.degrees(processes.compton_electron_angle(1.0, 1e-9)) == pytest.approx(90.0)
        assert np.degrees(processes.compton_electron_angle(1.0, np.pi)) == pytest.approx(0.0, abs=1e-6)


class TestPairAndPhotoelectric:
    def test_pair_threshold_is_two_electron_masses(self):
        assert processes.PAIR_THRESHOLD_MEV == pytest.approx(1.022, abs=5e-4)
        assert list(processes.pair_production_allowed([1.0, 1.021, 1.023, 100.0])) == [
            False, False, True, True]

    def test_photoelectron_energy(self):
        # A 1 keV photon on the K shell of oxygen (0.543 keV) frees a 0.457 keV electron.
        binding = processes.K_SHELL_BINDING_KEV["O"] * 1e-3
        assert processes.photoelectron_energy_mev(1e-3, binding) == pytest.approx(0.457e-3)
        assert np.isnan(processes.photoelectron_energy_mev(0.5e-3, binding))


def em_profile(energy_ev, **kw):
    tracks = heitler.cascade(energy_ev, primary="photon", first_depth=0.0, **kw)
    depths = np.arange(0.25, 800.0, 0.5)
    return tracks, depths, heitler.particle_number(tracks, depths)


class TestHeitlerCascade:
    def test_power_of_two_energy_gives_the_heitler_maximum_exactly(self):
        energy = 2 ** 10 * heitler.EM_CRITICAL_ENERGY_EV
        _, depths, n = em_profile(energy, seed=5)
        n_max, x_max = heitler.em_shower_maximum(energy)
        assert n.max() == pytest.approx(n_max)
        # The maximum is reached at the tenth splitting, X0 ln(E0 / xi_c) = 253.8 g/cm^2.
        assert depths[n.argmax()] == pytest.approx(x_max, abs=0.5)

    @pytest.mark.parametrize("energy_ev", [3e10, 1e11, 7.7e11])
    def test_other_energies_within_one_splitting(self, energy_ev):
        # Splitting stops when the daughters would fall below xi_c, so the generator lies
        # between one splitting short of Heitler's estimate and the estimate itself.
        _, depths, n = em_profile(energy_ev, seed=2)
        n_max, x_max = heitler.em_shower_maximum(energy_ev)
        assert 0.5 < n.max() / n_max <= 1.0
        d = heitler.SPLITTING_LENGTH_G_CM2
        assert x_max - d - 0.5 < depths[n.argmax()] <= x_max + 0.5

    def test_thinning_keeps_the_weighted_profile(self):
        energy = 2 ** 12 * heitler.EM_CRITICAL_ENERGY_EV
        full, depths, n_full = em_profile(energy, seed=1)
        thin, _, n_thin = em_profile(energy, seed=1, thinning=0.01)
        assert len(thin["kind"]) < len(full["kind"]) / 5
        # Exact down to the maximum; beyond it photons and electrons range out differently,
        # and thinning changes which of the two is followed.
        _, x_max = heitler.em_shower_maximum(energy)
        growing = depths < x_max + 30.0
        np.testing.assert_allclose(n_thin[growing], n_full[growing])

    def test_splitting_conserves_energy(self):
        tracks = heitler.cascade(1e14, thinning=1e-3, random_lengths=True, inelasticity=0.5,
                                 seed=9)
        weighted = tracks["weight"] * tracks["energy_ev"]
        parents = tracks["parent"][tracks["parent"] >= 0]
        given = np.bincount(tracks["parent"][tracks["parent"] >= 0],
                            weights=weighted[tracks["parent"] >= 0], minlength=len(weighted))
        has_daughters = np.unique(parents)
        np.testing.assert_allclose(given[has_daughters], weighted[has_daughters], rtol=1e-9)
        # Every kind of step took part: pair production, bremsstrahlung, pion production,
        # pi0 and charged-pion decays.
        for kind in ("e+", "gamma", "pi0", "mu+", "mu-", "nu"):
            assert kind in tracks["kind"]

    def test_tracks_follow_the_atmosphere(self):
        tracks = heitler.cascade(1e13, first_depth=100.0, seed=4)
        first = tracks["parent"] == -1
        h_first = atmosphere.height_of_vertical_depth(100.0)
        assert tracks["z_end_m"][first][0] == pytest.approx(h_first)
        ground = tracks["at_ground"]
        assert ground.any()
        np.testing.assert_allclose(tracks["z_end_m"][ground], atmosphere.OBSERVATORY_ALTITUDE_M)
        # Particles move down: every track ends at least as deep as it starts.
        assert np.all(tracks["depth_end"] >= tracks["depth_start"])
        assert np.all(tracks["z_end_m"] <= tracks["z_start_m"] + 1e-6)
