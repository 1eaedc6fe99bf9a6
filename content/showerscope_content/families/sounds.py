"""The click sounds: short synthesised ticks (a filtered noise transient plus damped tones).

Each sound is built from seeded noise, shaped by a fast exponential envelope, freed of any
DC offset, faded in and out over a few milliseconds (no pops at either end) and normalised
to a peak of -1 dBFS.
"""

import os

import numpy as np

from ..output import write_wav

FILES = ["click3.wav", "click4.wav", "click6.wav", "click.wav", "click5.wav"]

RATE_HZ = 44100
PEAK_DBFS = -1.0
FADE_IN_S = 0.0008
FADE_OUT_S = 0.006


def _time(duration_s):
    return np.arange(int(round(duration_s * RATE_HZ))) / RATE_HZ


def _band_noise(rng, n, low_hz, high_hz):
    """White noise limited to low_hz..high_hz by zeroing the other FFT bins (no DC)."""
    spectrum = np.fft.rfft(rng.standard_normal(n))
    freqs = np.fft.rfftfreq(n, 1.0 / RATE_HZ)
    spectrum[(freqs < low_hz) | (freqs > high_hz)] = 0.0
    noise = np.fft.irfft(spectrum, n)
    return noise / np.max(np.abs(noise))


def _tone(t, freq_hz, decay_s, start_s=0.0, glide=0.0):
    """A damped sine starting at start_s; glide is the relative pitch drop per decay time."""
    local = t - start_s
    on = local >= 0
    local = np.where(on, local, 0.0)
    freq = freq_hz * (1.0 - glide * (1.0 - np.exp(-local / decay_s)))
    phase = 2 * np.pi * np.cumsum(freq) / RATE_HZ
    phase -= phase[np.argmax(on)]
    return np.where(on, np.sin(phase) * np.exp(-local / decay_s), 0.0)


def _transient(rng, t, low_hz, high_hz, decay_s, start_s=0.0):
    """A short burst of band-limited noise: the 'tick' of a click."""
    local = t - start_s
    env = np.where(local >= 0, np.exp(-np.maximum(local, 0.0) / decay_s), 0.0)
    return _band_noise(rng, len(t), low_hz, high_hz) * env


def finish(samples):
    """Fades the ends, removes the DC offset without lifting the ends, normalises the peak."""
    n = len(samples)
    window = np.ones(n)
    fade_in = int(FADE_IN_S * RATE_HZ)
    fade_out = int(FADE_OUT_S * RATE_HZ)
    window[:fade_in] = 0.5 - 0.5 * np.cos(np.pi * np.arange(fade_in) / fade_in)
    window[n - fade_out:] = 0.5 + 0.5 * np.cos(np.pi * (np.arange(fade_out) + 1) / fade_out)
    shaped = samples * window
    # Subtracting a multiple of the window keeps both ends at zero and the mean at zero.
    shaped -= window * (shaped.sum() / window.sum())
    return shaped * (10 ** (PEAK_DBFS / 20.0) / np.max(np.abs(shaped)))


def click4():
    """Menu, topic and selection buttons: a crisp, neutral tick."""
    rng = np.random.default_rng(4)
    t = _time(0.070)
    return finish(0.9 * _transient(rng, t, 2500, 9000, 0.0018)
                  + 0.7 * _tone(t, 1760, 0.010)
                  + 0.25 * _tone(t, 3520, 0.005))


def click3():
    """The language choice: a brighter, two-tone chime-like click rising a fifth."""
    rng = np.random.default_rng(3)
    t = _time(0.120)
    return finish(0.7 * _transient(rng, t, 3000, 11000, 0.0015)
                  + 0.6 * _tone(t, 1320, 0.016)
                  + 0.25 * _tone(t, 2640, 0.008)
                  + 0.5 * _transient(rng, t, 3500, 12000, 0.0012, start_s=0.045)
                  + 0.75 * _tone(t, 1980, 0.020, start_s=0.045)
                  + 0.25 * _tone(t, 3960, 0.009, start_s=0.045))


def click6():
    """Closing a screen: a lower, softer click with a slight downward pitch."""
    rng = np.random.default_rng(6)
    t = _time(0.090)
    return finish(0.6 * _transient(rng, t, 400, 3000, 0.0030)
                  + 0.9 * _tone(t, 620, 0.018, glide=0.15)
                  + 0.3 * _tone(t, 1240, 0.008, glide=0.15))


def click():
    """A short wooden tick (kept in the bundle, played by no screen)."""
    rng = np.random.default_rng(1)
    t = _time(0.050)
    return finish(0.5 * _transient(rng, t, 1500, 7000, 0.0012)
                  + 0.8 * _tone(t, 940, 0.007)
                  + 0.4 * _tone(t, 2650, 0.004))


def click5():
    """A double tick (kept in the bundle, played by no screen)."""
    rng = np.random.default_rng(5)
    t = _time(0.100)
    return finish(0.8 * _transient(rng, t, 2000, 8000, 0.0015)
                  + 0.6 * _tone(t, 1500, 0.008)
                  + 0.6 * _transient(rng, t, 2000, 8000, 0.0015, start_s=0.040)
                  + 0.5 * _tone(t, 1500, 0.008, start_s=0.040))


SOUNDS = {"click3.wav": click3, "click4.wav": click4, "click6.wav": click6,
          "click.wav": click, "click5.wav": click5}


def generate(out_dir):
    for name, make in SOUNDS.items():
        write_wav(make(), os.path.join(out_dir, name), rate=RATE_HZ)
