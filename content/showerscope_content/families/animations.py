"""The introduction's process animations, its air-shower schematic and the media screen's two
shower animations.

Every frame is drawn with Pillow at twice its size and shrunk, which smooths lines and text;
the dark night background and white labels follow the style of all schematics. Particle
colours: photons yellow, electrons sky blue, positrons vermillion in the process animations;
the shower pictures colour by component as the graphs do.
"""

import re

import numpy as np
from PIL import Image, ImageDraw, ImageFont

from .. import language, legibility, style
from ..language import number as num, words as tr
from ..models import atmosphere, heitler, processes
from ..output import save_gif, save_image

FILES = ["Pair_Production.gif", "Photoelectric_Effect.gif", "Compton_Scattering.gif",
         "Bremsstrahlung.gif", "KCDC-EAS.png", "test.gif", "url.gif"]
RO_FILES = list(FILES)  # every animation and the schematic carry labels

SS = 2  # supersampling factor
FONT_FILE = "DejaVuSans.ttf"
BOLD_FONT_FILE = "DejaVuSans-Bold.ttf"

PHOTON = style.YELLOW
ELECTRON = style.SKY
POSITRON = style.VERMILLION
PROTON_COLOUR = "#e0604a"
NEUTRON_COLOUR = "#8c9bb5"
LABEL = style.WHITE
DIM = "#9fb0d0"

PROCESS_SIZE = (400, 300)  # shown whole, unscaled, in 405 x 305 panes
PROCESS_FRAMES = 40
PROCESS_FRAME_MS = 70


# ----------------------------------------------------------------------------- drawing tools

_fonts = {}


def font(size, bold=False):
    key = (size, bold)
    if key not in _fonts:
        _fonts[key] = ImageFont.truetype(BOLD_FONT_FILE if bold else FONT_FILE, int(size * SS))
    return _fonts[key]


def rgb(colour, alpha=None):
    colour = colour.lstrip("#")
    values = tuple(int(colour[i:i + 2], 16) for i in (0, 2, 4))
    return values if alpha is None else values + (alpha,)


def mix(colour, background, t):
    """Colour faded towards a background: t = 1 gives the colour, 0 the background."""
    a, b = np.array(rgb(colour)), np.array(rgb(background))
    return tuple(int(round(v)) for v in b + (a - b) * t)


def canvas(size, colour=style.NIGHT):
    image = Image.new("RGB", (size[0] * SS, size[1] * SS), colour)
    return image, ImageDraw.Draw(image)


def shrink(image):
    return image.resize((image.width // SS, image.height // SS), Image.LANCZOS)


def S(*values):
    """Scales picture coordinates (in final pixels) to the supersampled canvas."""
    return [v * SS for v in values]


_MARKUP = re.compile(r"([_^])\{([^}]*)\}")


def rich_width(text, size):
    width = 0.0
    for part, mode in _segments(text):
        width += font(size * (style.SCRIPT_SIZE if mode else 1.0)).getlength(part)
    return width / SS


def _segments(text):
    pos = 0
    for match in _MARKUP.finditer(text):
        if match.start() > pos:
            yield text[pos:match.start()], None
        yield match.group(2), match.group(1)
        pos = match.end()
    if pos < len(text):
        yield text[pos:], None


def legible_size(text, size):
    """The size at least `size` at which every glyph of the text, its scripts included
    (drawn at SCRIPT_SIZE), is legible at natural size."""
    smallest = legibility.smallest_font_px(1.0)
    if _MARKUP.search(text):
        smallest /= style.SCRIPT_SIZE
    return max(size, smallest)


def label(draw, xy, text, size=12, fill=LABEL, anchor="l", bold=False, box=None):
    """Draws text with _{subscripts} and ^{superscripts}; xy is the left, centre or right end
    (anchor l, m, r) of the text's middle line, in final pixels. `box` draws a translucent-
    looking panel of that colour behind it. Every animation is shown at natural size, so the
    size is at least the legible one."""
    size = legible_size(text, size)
    width = rich_width(text, size)
    x, y = xy
    if anchor == "m":
        x -= width / 2
    elif anchor == "r":
        x -= width
    if box is not None:
        pad = 3
        draw.rounded_rectangle(S(x - pad, y - size * 0.75 - pad, x + width + pad,
                                 y + size * 0.75 + pad), radius=4 * SS, fill=box)
    cursor = x * SS
    for part, mode in _segments(text):
        f = font(size * (style.SCRIPT_SIZE if mode else 1.0), bold)
        dy = {None: 0.0, "_": 0.3 * size, "^": -0.35 * size}[mode]
        draw.text((cursor, (y + dy) * SS), part, font=f, fill=fill, anchor="lm")
        cursor += f.getlength(part)
    return width


def wave(draw, start, end, wavelength, amplitude, phase=0.0, fill=PHOTON, width=2.0,
         taper=True):
    """A photon as a wavy line from start to end (final pixels); the wave's crests move
    with `phase` (radians)."""
    start, end = np.asarray(start, float), np.asarray(end, float)
    length = np.hypot(*(end - start))
    if length < 1:
        return
    along = (end - start) / length
    normal = np.array([-along[1], along[0]])
    s = np.linspace(0.0, length, max(8, int(length * 1.5)))
    envelope = np.clip(np.sin(np.pi * s / length), 0, 1) ** 0.5 if taper else np.ones_like(s)
    offset = amplitude * envelope * np.sin(2 * np.pi * s / wavelength - phase)
    points = start + s[:, None] * along + offset[:, None] * normal
    draw.line([tuple(p * SS) for p in points], fill=fill, width=int(round(width * SS)),
              joint="curve")


def arrow_head(draw, tip, direction, size=7, fill=LABEL):
    direction = np.asarray(direction, float)
    direction /= np.hypot(*direction)
    normal = np.array([-direction[1], direction[0]])
    tip = np.asarray(tip, float)
    base = tip - direction * size
    points = [tip, base + normal * size * 0.45, base - normal * size * 0.45]
    draw.polygon([tuple(p * SS) for p in points], fill=fill)


def dot(draw, centre, radius, fill, outline=None, width=1.0):
    x, y = centre
    draw.ellipse(S(x - radius, y - radius, x + radius, y + radius), fill=fill,
                 outline=outline, width=int(round(width * SS)))


def nucleus(draw, centre, radius=14, charge_label="+Ze", label_below=True, text="nucleus"):
    """A cluster of protons and neutrons with its label."""
    rng = np.random.default_rng(11)
    cx, cy = centre
    n = 13
    angles = rng.uniform(0, 2 * np.pi, n)
    radii = radius * 0.62 * np.sqrt(rng.uniform(0, 1, n))
    nucleon = radius * 0.42
    order = np.argsort(radii)[::-1]
    for i in order:
        colour = PROTON_COLOUR if i % 2 == 0 else NEUTRON_COLOUR
        dot(draw, (cx + radii[i] * np.cos(angles[i]), cy + radii[i] * np.sin(angles[i])),
            nucleon, fill=colour, outline=style.NIGHT, width=0.8)
    if label_below:
        label(draw, (cx, cy + radius + 10), f"{text} ({charge_label})", 11, DIM, anchor="m")


def trail(draw, points, colour, width=1.5):
    """A fading track behind a moving particle (oldest point first)."""
    n = len(points)
    for i in range(1, n):
        t = 0.25 + 0.75 * i / n
        draw.line(S(*points[i - 1], *points[i]), fill=mix(colour, style.NIGHT, t * 0.7),
                  width=int(round(width * SS)))


def title(draw, text, sub=None):
    label(draw, (12, 16), text, 15, LABEL, bold=True)
    if sub:
        label(draw, (12, 36), sub, 12, DIM)


def packet_span(head, direction, length):
    """Start and end points of a wave packet whose leading edge is at head."""
    head = np.asarray(head, float)
    direction = np.asarray(direction, float) / np.hypot(*direction)
    return head - direction * length, head


# ----------------------------------------------------------------------------- processes

def pair_production_frames(lang):
    w, h = PROCESS_SIZE
    n = PROCESS_FRAMES
    core = np.array([250.0, 160.0])
    vertex = core + np.array([-40.0, -24.0])
    start = np.array([-70.0, vertex[1]])
    arrive = 18  # frame at which the photon reaches the conversion point
    packet = 70.0
    e_minus_dir = np.array([np.cos(np.radians(-22)), np.sin(np.radians(-22))])
    e_plus_dir = np.array([np.cos(np.radians(8)), np.sin(np.radians(8))])
    frames = []
    for f in range(n):
        image, draw = canvas(PROCESS_SIZE)
        title(draw, tr(lang, "Pair production", "Producerea de perechi"),
              tr(lang, "γ → e^{−} + e^{+}  in the field of a nucleus",
                 "γ → e^{−} + e^{+}  în câmpul unui nucleu"))
        nucleus(draw, core, 15, text=tr(lang, "nucleus", "nucleu"))
        if f <= arrive:
            head = start + (vertex - start) * (f / arrive)
            a, b = packet_span(head, (1, 0), packet)
            a[0] = max(a[0], -10)
            wave(draw, a, b, 13, 7, phase=f * 1.3)
            label(draw, (b[0] - 30, b[1] - 18), "γ", 15, PHOTON, anchor="m")
        else:
            k = f - arrive
            if k <= 3:
                r = 6 + 5 * k
                dot(draw, vertex, r, fill=None, outline=mix(PHOTON, style.NIGHT, 1 - k / 4),
                    width=2)
            travel = 7.0 * k
            for direction, colour, name in ((e_minus_dir, ELECTRON, "e^{−}"),
                                            (e_plus_dir, POSITRON, "e^{+}")):
                # The pair bends a little in opposite senses, as in a magnetic field picture.
                pts = []
                for s in np.linspace(0, travel, max(2, k * 2)):
                    bend = 0.0005 * s * s * (1 if colour == ELECTRON else -1)
                    normal = np.array([-direction[1], direction[0]])
                    pts.append(tuple(vertex + direction * s + normal * bend))
                trail(draw, pts, colour, 2)
                dot(draw, pts[-1], 5, fill=colour)
                lx, ly = pts[-1]
                # the electron's label above it; the positron's ahead of it, clear of the
                # nucleus it passes over
                where = (lx + 2, ly - 15) if colour == ELECTRON else (lx + 12, ly - 9)
                label(draw, where, name, 14, colour, anchor="m" if colour == ELECTRON else "l")
        label(draw, (12, h - 40), tr(lang, "Threshold:", "Prag:") + "  E_{γ} > 2 m_{e}c^{2} = "
              + num(2 * processes.ELECTRON_MASS_MEV, ".3f", lang) + " MeV", 13, LABEL)
        label(draw, (12, h - 18), tr(lang, "the nucleus takes up the recoil momentum",
                                     "nucleul preia impulsul de recul"), 11, DIM)
        frames.append(shrink(image))
    return frames


def photoelectric_frames(lang):
    w, h = PROCESS_SIZE
    n = PROCESS_FRAMES
    core = np.array([250.0, 150.0])
    r_k, r_l = 34.0, 66.0
    arrive = 16
    start = np.array([-60.0, core[1] - r_k])
    frames = []
    k_phase0 = np.pi  # the K electron that is hit sits at the left, facing the photon
    for f in range(n):
        image, draw = canvas(PROCESS_SIZE)
        title(draw, tr(lang, "Photoelectric effect", "Efectul fotoelectric"),
              tr(lang, "the photon is absorbed, a K-shell electron leaves",
                 "fotonul e absorbit, un electron din pătura K pleacă"))
        for r, name in ((r_l, "L"), (r_k, "K")):
            dot(draw, core, r, fill=None, outline="#3a5487", width=1.2)
            # shell names at the lower left, away from the incoming photon and the
            # photoelectron's track at the upper right
            label(draw, (core[0] - r * 0.72 - 12, core[1] + r * 0.72 + 4), name, 11, DIM)
        nucleus(draw, core, 12, label_below=False)
        label(draw, (core[0], core[1] + r_l + 12), tr(lang, "oxygen atom (K: 2, L: 6 electrons)",
                                                       "atom de oxigen (K: 2, L: 6 electroni)"), 11, DIM,
              anchor="m")
        # Orbits: a whole number of turns per loop keeps the animation seamless.
        k_angle = k_phase0 + 2 * np.pi * f / n
        l_angle = -2 * np.pi * f / n
        for i in range(6):
            a = l_angle + i * np.pi / 3
            dot(draw, core + r_l * np.array([np.cos(a), np.sin(a)]), 4, fill=ELECTRON)
        # K shell: the electron opposite the hit one stays; the hit one is at k_angle.
        a = k_angle + np.pi
        dot(draw, core + r_k * np.array([np.cos(a), np.sin(a)]), 4, fill=ELECTRON)
        hit_point = core + r_k * np.array([np.cos(k_phase0 + 2 * np.pi * arrive / n),
                                           np.sin(k_phase0 + 2 * np.pi * arrive / n)])
        if f <= arrive:
            current = core + r_k * np.array([np.cos(k_angle), np.sin(k_angle)])
            dot(draw, current, 4, fill=ELECTRON)
            head = start + (hit_point - start) * (f / arrive)
            a_, b_ = packet_span(head, hit_point - start, 70)
            wave(draw, a_, b_, 12, 7, phase=f * 1.3)
            label(draw, (b_[0] - 34, b_[1] - 18), "γ", 15, PHOTON, anchor="m")
        else:
            k = f - arrive
            vacancy = core + r_k * np.array([np.cos(k_angle), np.sin(k_angle)])
            dot(draw, vacancy, 4, fill=None, outline=ELECTRON, width=1.2)
            if k <= 3:
                dot(draw, hit_point, 5 + 4 * k, fill=None,
                    outline=mix(PHOTON, style.NIGHT, 1 - k / 4), width=2)
            direction = np.array([np.cos(np.radians(-20)), np.sin(np.radians(-20))])
            pts = [tuple(hit_point + direction * s) for s in np.linspace(0, 6.0 * k, k + 2)]
            trail(draw, pts, ELECTRON, 2)
            dot(draw, pts[-1], 5, fill=ELECTRON)
            # named once it has left the atom, below its track and clear of the L shell;
            # it stops where the picture ends and the electron runs on above it
            name = tr(lang, "photoelectron", "fotoelectron")
            if np.hypot(*(pts[-1] - core)) > r_l + 8:
                x = min(pts[-1][0] - 20, w - 4 - rich_width(name, legible_size(name, 12)))
                y = max(pts[-1][1] + 20, core[1] - r_k + 10)
                label(draw, (x, y), name, 12, ELECTRON)
            # named while it passes the lower right, before it reaches the K label
            if 6 < k < 16:
                label(draw, (vacancy[0], vacancy[1] + 14), tr(lang, "vacancy", "loc liber"), 10,
                      DIM, anchor="m")
        label(draw, (12, h - 40), tr(lang, "E_{kin}(e^{−}) = E_{γ} − E_{binding}",
                                     "E_{cin}(e^{−}) = E_{γ} − E_{legătură}"), 13, LABEL)
        label(draw, (12, h - 18), tr(lang, "most likely for low photon energies and the inner K shell",
                                     "cel mai probabil la energii mici și pe pătura interioară K"),
              11, DIM)
        frames.append(shrink(image))
    return frames


COMPTON_ENERGY_MEV = 0.511  # a photon with lambda = lambda_C makes the shift easy to see
COMPTON_THETA_DEG = 60.0


def compton_frames(lang):
    w, h = PROCESS_SIZE
    n = PROCESS_FRAMES
    theta = np.radians(COMPTON_THETA_DEG)
    e_in = COMPTON_ENERGY_MEV
    e_out = float(processes.compton_scattered_energy_mev(e_in, theta))
    ratio = float(processes.wavelength_pm(e_out) / processes.wavelength_pm(e_in))
    phi = float(processes.compton_electron_angle(e_in, theta))
    lam = 14.0  # drawn wavelength of the incoming photon, px
    centre = np.array([175.0, 150.0])
    # The recoil electron's speed, as a fraction of the photons' speed c.
    kinetic = float(processes.compton_electron_energy_mev(e_in, theta))
    gamma = 1.0 + kinetic / processes.ELECTRON_MASS_MEV
    beta = np.sqrt(1.0 - 1.0 / gamma ** 2)
    start = np.array([-60.0, centre[1]])
    arrive = 17
    out_dir = np.array([np.cos(theta), -np.sin(theta)])
    e_dir = np.array([np.cos(phi), np.sin(phi)])
    cycles = 4.5
    frames = []
    for f in range(n):
        image, draw = canvas(PROCESS_SIZE)
        title(draw, tr(lang, "Compton scattering", "Împrăștierea Compton"),
              tr(lang, "a photon scatters off an electron and loses energy",
                 "un foton se împrăștie pe un electron și pierde energie"))
        # Incoming direction continued, and the angle theta.
        draw.line(S(*centre, *(centre + np.array([120.0, 0]))), fill="#40557f", width=SS)
        box = S(centre[0] - 38, centre[1] - 38, centre[0] + 38, centre[1] + 38)
        draw.arc(box, start=-COMPTON_THETA_DEG, end=0, fill=LABEL, width=SS)
        label(draw, tuple(centre + 48 * np.array([np.cos(theta / 2), -np.sin(theta / 2)])),
              "θ", 13, LABEL, anchor="m")
        if f <= arrive:
            dot(draw, centre, 5, fill=ELECTRON)
            label(draw, (centre[0], centre[1] + 16), tr(lang, "e^{−} at rest", "e^{−} în repaus"), 11, ELECTRON, anchor="m")
            head = start + (centre - start) * (f / arrive)
            a, b = packet_span(head, (1, 0), cycles * lam)
            wave(draw, a, b, lam, 7, phase=f * 1.3)
            label(draw, (b[0] - cycles * lam / 2, b[1] - 18), "γ,  λ", 14, PHOTON, anchor="m")
        else:
            k = f - arrive
            travel = 5.8 * k
            if k <= 3:
                dot(draw, centre, 5 + 4 * k, fill=None,
                    outline=mix(PHOTON, style.NIGHT, 1 - k / 4), width=2)
            length = cycles * lam * ratio
            head = centre + out_dir * travel
            tail_ = centre + out_dir * max(0.0, travel - length)
            wave(draw, tail_, head, lam * ratio, 7, phase=f * 1.3)
            if travel > 40:
                mid = (head + tail_) / 2 + np.array([-out_dir[1], out_dir[0]]) * -14
                label(draw, tuple(mid), "γ',  λ' > λ", 13, PHOTON, anchor="r")
            pts = [tuple(centre + e_dir * s) for s in np.linspace(0, beta * travel, k + 2)]
            trail(draw, pts, ELECTRON, 2)
            dot(draw, pts[-1], 5, fill=ELECTRON)
            label(draw, (pts[-1][0], pts[-1][1] + 16), tr(lang, "recoil e^{−}", "e^{−} de recul"), 12, ELECTRON, anchor="m")
        label(draw, (12, h - 62), "Δλ = λ_{C}(1 − cos θ),   λ_{C} = h/m_{e}c = "
              + num(2.43, ".2f", lang) + " pm", 12, LABEL)
        label(draw, (12, h - 40), tr(lang, "to scale: ", "la scară: ") + f"E = {e_in * 1000:.0f} keV, θ = "
              f"{COMPTON_THETA_DEG:.0f}° → E' = {e_out * 1000:.0f} keV, λ'/λ = {num(ratio, '.2f', lang)}",
              11, DIM)
        label(draw, (12, h - 20), tr(lang, f"the electron recoils at {np.degrees(phi):.0f}° on the other side",
                                     f"electronul pleacă sub {np.degrees(phi):.0f}°, de partea cealaltă"),
              11, DIM)
        frames.append(shrink(image))
    return frames


def _coulomb_path(core, start, velocity, strength, steps, emit_at_closest, energy_kept):
    """Positions of an electron attracted by a nucleus (leapfrog); at closest approach its
    speed drops to sqrt(energy_kept) of its value, the photon carrying the rest."""
    p = np.array(start, float)
    v = np.array(velocity, float)
    path, emitted, closest, d_prev = [p.copy()], None, None, np.inf
    dt = 0.05
    for i in range(steps):
        r = core - p
        d = np.hypot(*r)
        v += strength * r / d ** 3 * dt
        p += v * dt
        if d > d_prev and emitted is None and emit_at_closest:
            emitted = len(path)
            closest = (p.copy(), v / np.hypot(*v))
            v *= np.sqrt(energy_kept)
        d_prev = d
        path.append(p.copy())
    return np.array(path), emitted, closest


def bremsstrahlung_frames(lang):
    w, h = PROCESS_SIZE
    n = PROCESS_FRAMES
    core = np.array([205.0, 165.0])
    path, emitted, (emit_point, emit_dir) = _coulomb_path(
        core, (-10.0, 118.0), (60.0, 0.0), strength=40000.0, steps=1200,
        emit_at_closest=True, energy_kept=0.55)
    # Frames sample the path at equal times, so the electron visibly slows after emitting.
    arrive = 22
    steps_per_frame = emitted / arrive
    photon_speed = 1.25 * 60.0 * 0.05 * steps_per_frame  # faster than the electron
    frames = []
    for f in range(n):
        image, draw = canvas(PROCESS_SIZE)
        title(draw, "Bremsstrahlung", tr(lang, "“braking radiation” of an electron near a nucleus",
                                         "„radiația de frânare” a unui electron lângă un nucleu"))
        nucleus(draw, core, 15, text=tr(lang, "nucleus", "nucleu"))
        idx = min(int(round(f * steps_per_frame)), len(path) - 1)
        lo = max(0, idx - 160)
        pts = [tuple(p) for p in path[lo:idx + 1:4]] + [tuple(path[idx])]
        trail(draw, pts, ELECTRON, 2)
        dot(draw, path[idx], 5, fill=ELECTRON)
        if f <= arrive:
            label(draw, (path[idx][0], path[idx][1] - 15), "e^{−}", 12, ELECTRON, anchor="m")
        else:
            # below the electron: the photon flies on above its bent track
            label(draw, (path[idx][0], path[idx][1] + 16), "e^{−}", 12, ELECTRON, anchor="m")
        if f > arrive:
            k = f - arrive
            if k <= 3:
                dot(draw, emit_point, 5 + 4 * k, fill=None,
                    outline=mix(PHOTON, style.NIGHT, 1 - k / 4), width=2)
            travel = photon_speed * k
            a, b = packet_span(emit_point + emit_dir * travel, emit_dir, 60)
            if travel < 60:
                a = emit_point
            wave(draw, a, b, 12, 6, phase=f * 1.3)
            # the photon's label on the side of its track away from the electron, which the
            # nucleus has bent to the other side
            normal = np.array([emit_dir[1], -emit_dir[0]])
            if np.dot(normal, path[idx] - emit_point) > 0:
                normal = -normal
            label(draw, tuple((a + b) / 2 + normal * 16), "γ", 15, PHOTON, anchor="m")
        label(draw, (12, h - 40), tr(lang, "e^{−} + nucleus → e^{−} + nucleus + γ",
                                     "e^{−} + nucleu → e^{−} + nucleu + γ"), 13, LABEL)
        label(draw, (12, h - 18), tr(lang, "the deflected electron radiates a photon and slows down",
                                     "electronul deviat emite un foton și încetinește"), 11, DIM)
        frames.append(shrink(image))
    return frames


# ----------------------------------------------------------------------------- shower development

SHOWER_SIZE = (596, 600)
SHOWER_ENERGY_EV = 1e15
SHOWER_FIRST_DEPTH = 80.0  # g/cm^2, about one proton-air interaction length
SHOWER_SEED = 7
SHOWER_GROWTH_FRAMES = 44
TOP_KM = 20.0
LATERAL_HALF_WIDTH_M = 400.0
# Component, colour, strength against the background, in drawing order: the few hadrons
# first and faint, the electromagnetic particles, by far the most numerous, last and on top.
# The legend gives the weighted numbers crossing the front, which the thinned tracks do not show.
TRACK_STYLE = [
    (heitler.HADRON, style.ORANGE, 0.5),
    (heitler.MUON, style.PURPLE, 0.6),
    (heitler.PHOTON, style.YELLOW, 0.55),
    (heitler.ELECTRON, style.GREEN, 0.85),
]
LEGEND_COMPONENTS = (heitler.ELECTRON, heitler.PHOTON, heitler.MUON, heitler.HADRON)


class _ShowerFrame:
    """Maps altitude (km) and lateral distance (m) to pixels of the shower animation."""
    left, right, top, bottom = 64.0, 522.0, 76.0, 566.0

    def y(self, km):
        return self.bottom - (np.asarray(km) / TOP_KM) * (self.bottom - self.top)

    def x(self, metres):
        centre = (self.left + self.right) / 2
        return centre + np.asarray(metres) / LATERAL_HALF_WIDTH_M * (self.right - self.left) / 2

    def stretch(self):
        """How much more a metre spans across than down."""
        across = (self.right - self.left) / 2 / LATERAL_HALF_WIDTH_M
        down = (self.bottom - self.top) / (TOP_KM * 1000.0)
        return across / down


def _shower_backdrop(frame, ground_km, lang):
    image, draw = canvas(SHOWER_SIZE)
    w, h = SHOWER_SIZE
    # Axes: altitude on the left, vertical depth on the right.
    draw.line(S(frame.left, frame.top, frame.left, frame.y(ground_km)), fill="#5a6f99", width=SS)
    draw.line(S(frame.right, frame.top, frame.right, frame.y(ground_km)), fill="#5a6f99",
              width=SS)
    for km in range(2, int(TOP_KM) + 1, 2):
        y = float(frame.y(km))
        draw.line(S(frame.left - 5, y, frame.left, y), fill="#8fa3c8", width=SS)
        label(draw, (frame.left - 8, y), f"{km}", 11, DIM, anchor="r")
    label(draw, (frame.left - 8, frame.top - 14), "km", 11, DIM, anchor="r")
    for depth in (100, 200, 300, 400, 500, 600, 700, 800):
        km = float(atmosphere.height_of_vertical_depth(depth)) / 1000.0
        y = float(frame.y(km))
        draw.line(S(frame.right, y, frame.right + 5, y), fill="#8fa3c8", width=SS)
        label(draw, (frame.right + 8, y), f"{depth}", 11, DIM)
    label(draw, (frame.right + 4, frame.top - 14), "g/cm^{2}", 11, DIM)
    # Ground with detector stations, and the lateral scale.
    gy = float(frame.y(ground_km))
    draw.rectangle(S(0, gy, w, frame.bottom), fill="#2a2418")
    draw.line(S(0, gy, w, gy), fill="#8a7a55", width=SS)
    for metres in np.arange(-500.0, 501.0, 125.0):
        x = float(frame.x(metres))
        draw.rectangle(S(x - 3, gy - 4, x + 3, gy), fill="#c8d2e6")
    label(draw, (frame.left + 4, gy + 11), tr(lang, "ground", "sol") + f", {num(ground_km, '.1f', lang)} km",
          10, DIM)
    x0, x1 = float(frame.x(300.0)), float(frame.x(500.0))
    draw.line(S(x0, gy + 11, x1, gy + 11), fill=LABEL, width=SS)
    for x in (x0, x1):
        draw.line(S(x, gy + 8, x, gy + 14), fill=LABEL, width=SS)
    label(draw, (x0 - 6, gy + 11), "200 m", 10, LABEL, anchor="r")
    return image


def _power_text(value, lang):
    """A number as m×10^{e} with one decimal (the animations' script markup)."""
    if value < 1:
        return "0"
    exponent = int(np.floor(np.log10(value)))
    mantissa = value / 10 ** exponent
    if exponent < 2:
        return f"{value:.0f}"
    return f"{num(mantissa, '.1f', lang)}×10^{{{exponent}}}"


def _shower_legend(draw, counts, lang):
    """The components' colours and, beside each, how many particles (weighted) cross the
    shower front at its present altitude."""
    right, y = _ShowerFrame.right - 6, 88.0  # right of the axis, above the spreading tracks
    names = {heitler.ELECTRON: (style.GREEN, tr(lang, "e^{±}  electrons", "e^{±}  electroni")),
             heitler.PHOTON: (style.YELLOW, tr(lang, "γ  photons", "γ  fotoni")),
             heitler.MUON: (style.PURPLE, tr(lang, "μ^{±}  muons", "μ^{±}  miuoni")),
             heitler.HADRON: (style.ORANGE, tr(lang, "hadrons", "hadroni"))}
    rows = [names[c] for c in LEGEND_COMPONENTS]
    heading = tr(lang, "crossing the front now:", "traversează acum frontul:")
    size = max(legible_size(text, 11) for _, text in rows)  # one size for every row
    step = round(size * 1.3)
    width = max(rich_width(text, size) for _, text in rows)
    numbers = [_power_text(counts[c], lang) for c in LEGEND_COMPONENTS]
    number_width = max(rich_width(t, size) for t in numbers + ["8,8×10^{8}"])
    total = max(24 + width + 10 + number_width, rich_width(heading, size))
    x = right - total - 8
    column = x + 24 + width + 10
    draw.rounded_rectangle(S(x - 8, y - step * 0.6, x + total + 8, y + step * 4.6),
                           radius=5 * SS, fill="#13234a")
    label(draw, (x, y), heading, size, DIM)
    for i, ((colour, text), value) in enumerate(zip(rows, numbers)):
        yy = y + (i + 1) * step
        draw.line(S(x, yy, x + 18, yy), fill=colour, width=2 * SS)
        label(draw, (x + 24, yy), text, size, LABEL)
        label(draw, (column + number_width, yy), value, size, LABEL, anchor="r")


def shower_development_frames(lang):
    """Frames of the growing shower and their durations (ms)."""
    ground_m = atmosphere.OBSERVATORY_ALTITUDE_M
    tracks = heitler.cascade(SHOWER_ENERGY_EV, first_depth=SHOWER_FIRST_DEPTH, thinning=1e-3,
                             random_lengths=True, inelasticity=0.5, seed=SHOWER_SEED)
    frame = _ShowerFrame()
    backdrop = _shower_backdrop(frame, ground_m / 1000.0, lang)
    layer = backdrop.copy()  # tracks accumulate on this canvas from frame to frame
    layer_draw = ImageDraw.Draw(layer)
    z0, z1 = tracks["z_start_m"] / 1000.0, tracks["z_end_m"] / 1000.0
    x0, x1 = tracks["x_start_m"], tracks["x_end_m"]
    comp = tracks["component"]
    first_km = float(atmosphere.height_of_vertical_depth(SHOWER_FIRST_DEPTH)) / 1000.0
    fronts = np.linspace(TOP_KM, ground_m / 1000.0, SHOWER_GROWTH_FRAMES)
    previous = TOP_KM + 1.0
    frames, durations = [], []
    for i, front in enumerate(fronts):
        for component, colour, strength in TRACK_STYLE:
            chosen = np.nonzero((comp == component) & (z0 > front) & (z1 < previous)
                                & (z0 > z1))[0]
            fill = mix(colour, style.NIGHT, strength)
            for k in chosen:
                top_, bottom_ = min(z0[k], previous), max(z1[k], front)
                if top_ <= bottom_:
                    continue
                xa = x0[k] + (x1[k] - x0[k]) * (z0[k] - top_) / (z0[k] - z1[k])
                xb = x0[k] + (x1[k] - x0[k]) * (z0[k] - bottom_) / (z0[k] - z1[k])
                layer_draw.line(S(float(frame.x(xa)), float(frame.y(top_)),
                                  float(frame.x(xb)), float(frame.y(bottom_))),
                                fill=fill, width=SS)
        previous = front
        image = layer.copy()
        draw = ImageDraw.Draw(image)
        # The shower front: particles crossing the current altitude.
        crossing = np.nonzero((z0 > front) & (z1 <= front) & (z0 > z1)
                              & (comp != heitler.NEUTRINO))[0]
        for k in crossing[::max(1, len(crossing) // 400)]:
            t = (z0[k] - front) / (z0[k] - z1[k])
            xf = x0[k] + (x1[k] - x0[k]) * t
            dot(draw, (float(frame.x(xf)), float(frame.y(front))), 1.2, fill=LABEL)
        if front > ground_m / 1000.0 + 0.05:
            y = float(frame.y(front))
            for xs in np.arange(frame.left + 4, frame.right - 4, 12.0):
                draw.line(S(xs, y, xs + 5, y), fill="#5a6f99", width=SS)
            depth = float(atmosphere.vertical_depth(front * 1000.0))
            label(draw, (frame.left + 8, y - 9), f"{num(front, '4.1f', lang)} km,  {depth:3.0f} g/cm^{{2}}",
                  10, DIM)
        if front < first_km:
            fy = float(frame.y(first_km))
            label(draw, (float(frame.x(0.0)) - 10, fy - 2), tr(lang, "first interaction", "prima interacțiune"),
                  11, style.ORANGE, anchor="r")
        else:
            py = float(frame.y(front))
            label(draw, (float(frame.x(0.0)) - 10, py + 12), tr(lang, "primary proton", "protonul primar"),
                  11, style.ORANGE, anchor="r")
        label(draw, (12, 16), tr(lang, "Development of an extensive air shower",
                                 "Dezvoltarea unei jerbe atmosferice extinse"), 15, LABEL, bold=True)
        label(draw, (12, 36), tr(lang, "primary proton of 10^{15} eV, vertical",
                                 "proton primar de 10^{15} eV, vertical"), 12, DIM)
        front_depth = float(atmosphere.vertical_depth(max(front, ground_m / 1000.0) * 1000.0)) - 1e-6
        counts = {c: float(heitler.particle_number(tracks, [front_depth], (c,))[0])
                  for c in LEGEND_COMPONENTS}
        _shower_legend(draw, counts, lang)
        label(draw, (SHOWER_SIZE[0] - 6, SHOWER_SIZE[1] - 30),
              tr(lang, "simple Heitler cascade model (random angles, thinned)",
                 "model simplu de cascadă Heitler (unghiuri aleatoare, rărit)"), 10, DIM, anchor="r")
        label(draw, (SHOWER_SIZE[0] - 6, SHOWER_SIZE[1] - 12),
              tr(lang, f"horizontal distances stretched ×{frame.stretch():.0f} (scale bar: true metres)",
                 f"distanțele orizontale mărite de {frame.stretch():.0f} ori (scara: metri reali)"),
              10, DIM, anchor="r")
        frames.append(shrink(image))
        durations.append(90)
    durations[-1] = 2500
    return frames, durations


# ----------------------------------------------------------------------------- radio flash

RADIO_SIZE = (260, 271)
RADIO_FRAMES = 36
# Cherenkov ring radius on the ground for a vertical shower with X_max = 650 g/cm^2 seen at
# 1.4 km: 47 m (r = D tan theta_C with n - 1 = 2.92e-4 rho / rho_0). The pulse front lags
# behind a plane by c dt = r tan(1.5 deg) (conical front).
RING_M = 47.0
FRONT_CONE_DEG = 1.5
ANTENNA_SPACING_M = 35.0


def _radio_amplitude(r_m):
    """A schematic lateral profile: flat inside the Cherenkov ring, a bump on it, then a
    fall-off outside (relative amplitude)."""
    r = np.asarray(r_m, float)
    inside = np.where(r < RING_M, 0.55 + 0.45 * (r / RING_M) ** 2, 1.0)
    return np.where(r < RING_M, inside, np.exp(-((r - RING_M) / 45.0) ** 2) * 0.8 + 0.2
                    * np.exp(-(r - RING_M) / 60.0))


def radio_flash_frames(lang):
    w, h = RADIO_SIZE
    n = RADIO_FRAMES
    cx, gy = 130.0, 180.0  # ground centre on screen
    sx, sy = 1.0, 0.55  # pixels per metre across and in depth of the tilted ground view
    scale_z = 0.9  # pixels per metre of height above ground

    def project(x, y, z=0.0):
        return cx + x * sx, gy - y * sy - z * scale_z

    grid = np.arange(-105.0, 105.1, ANTENNA_SPACING_M)
    ax_, ay_ = np.meshgrid(grid, grid)
    antennas = np.stack([ax_.ravel(), ay_.ravel()], axis=1)
    antennas = antennas[np.hypot(antennas[:, 0], antennas[:, 1]) <= 112]
    radius = np.hypot(antennas[:, 0], antennas[:, 1])
    amplitude = _radio_amplitude(radius)
    order = np.argsort(-antennas[:, 1])  # far antennas first
    arrive = 14  # frame at which the front touches the ground at the core
    sweep = 0.13  # frames per metre of radius for the front to sweep outwards
    top_z = 130.0
    frames = []
    for f in range(n):
        image, draw = canvas(RADIO_SIZE)
        # Ground plane.
        draw.ellipse(S(cx - 125 * sx, gy - 125 * sy, cx + 125 * sx, gy + 125 * sy),
                     fill="#1d2a1c", outline="#3d5a3a", width=SS)
        draw.line(S(*project(0, 0, top_z + 14), cx, gy), fill="#5a6f99", width=SS)
        # Signal footprint on the ground: a glow with the Cherenkov ring.
        t_ground = f - arrive
        if t_ground >= 0:
            reached = t_ground / sweep
            for r in np.arange(110.0, 0.0, -4.0):
                if r > reached:
                    continue
                glow = float(_radio_amplitude(r)) * min(1.0, (reached - r) * sweep / 4 + 0.3)
                colour = mix("#57d8ff", "#1d2a1c", 0.5 * glow)
                draw.ellipse(S(cx - r * sx, gy - r * sy, cx + r * sx, gy + r * sy), fill=colour)
            if reached > RING_M:
                draw.ellipse(S(cx - RING_M * sx, gy - RING_M * sy, cx + RING_M * sx,
                               gy + RING_M * sy), outline="#bff3ff", width=SS)
            if reached < 125:
                draw.ellipse(S(cx - reached * sx, gy - reached * sy, cx + reached * sx,
                               gy + reached * sy), outline=LABEL, width=int(1.5 * SS))
        # Antennas: a mast with two crossed arms; lit with a pulse once the front passed.
        for i in order:
            x, y = antennas[i]
            px, py = project(x, y)
            passed = t_ground - radius[i] * sweep
            lit = passed >= 0
            colour = "#ffffff" if lit else "#8a98b5"
            draw.line(S(px, py, px, py - 7), fill=colour, width=SS)
            draw.line(S(px - 3, py - 5, px + 3, py - 5), fill=colour, width=SS)
            if lit:
                strength = float(amplitude[i])
                fade = float(np.exp(-passed / 8.0))
                glow = mix("#ffe066", style.NIGHT, 0.35 + 0.65 * fade)
                r_ = 2.0 + 3.0 * strength
                dot(draw, (px, py - 9), r_, fill=glow)
                # A short trace of the received pulse above the antenna.
                height = 14 * strength * (0.4 + 0.6 * fade)
                draw.line(S(px + 4, py - 9, px + 4, py - 9 - height), fill=glow, width=SS)
        # The radio front coming down the shower axis.
        if f < arrive:
            z = top_z * (1 - f / arrive)
            half = 70.0 + 40.0 * f / arrive
            # The front is a flat cone: higher (later) away from the axis.
            lag = half * np.tan(np.radians(FRONT_CONE_DEG)) * 12
            left, right = project(-half, 0, z + lag), project(half, 0, z + lag)
            apex = project(0, 0, z)
            draw.line(S(*left, *apex), fill="#57d8ff", width=2 * SS)
            draw.line(S(*apex, *right), fill="#57d8ff", width=2 * SS)
            dot(draw, apex, 4, fill=style.GREEN)
            # named once it has come down below the subtitle
            if right[1] - 9 > 46:
                label(draw, (right[0] - 2, right[1] - 9), tr(lang, "radio front", "frontul radio"), 10,
                      "#9fe8ff", anchor="r")
            label(draw, (apex[0] + 7, apex[1] + 7), tr(lang, "shower", "jerba"), 9, style.GREEN)
        label(draw, (8, 14), tr(lang, "Radio flash of an air shower", "Pulsul radio al unei jerbe"),
              12, LABEL, bold=True)
        label(draw, (8, 30), tr(lang, "a pulse of a few tens of ns at 30–80 MHz",
                                "puls de câteva zeci de ns, 30–80 MHz"), 10, DIM)
        if t_ground > 6:
            label(draw, (cx, gy - 125 * sy - 10), tr(lang, "Cherenkov ring: strongest signal", "inelul Cherenkov: semnal maxim"), 10,
                  "#bff3ff", anchor="m")
        label(draw, (8, h - 10), tr(lang, "antennas on the ground  (schematic)", "antene la sol  (schematic)"), 10, DIM)
        frames.append(shrink(image))
    return frames


# ----------------------------------------------------------------------------- shower schematic

SCHEMATIC_SIZE = (600, 450)


def _em_tree(draw, start, angle, length, depth, rng, bottom):
    """A binary electromagnetic cascade: photons (yellow) and e+- (green) alternate."""
    stack = [(np.asarray(start, float), angle, length, depth, True)]
    while stack:
        p, a, ln, d, is_photon = stack.pop()
        end = p + ln * np.array([np.sin(a), np.cos(a)])
        if end[1] > bottom:
            end = p + (bottom - p[1]) / np.cos(a) * np.array([np.sin(a), np.cos(a)])
        colour = style.YELLOW if is_photon else style.GREEN
        draw.line(S(*p, *end), fill=mix(colour, style.NIGHT, 0.9), width=int(1.5 * SS))
        if d > 0 and end[1] < bottom - 2:
            spread = 0.22 + rng.uniform(-0.05, 0.05)
            for sign in (-1, 1):
                daughter_photon = (not is_photon) and sign > 0
                stack.append((end, a + sign * spread * rng.uniform(0.6, 1.0), ln * 0.92, d - 1,
                              daughter_photon))


def schematic(lang):
    w, h = SCHEMATIC_SIZE
    image, draw = canvas(SCHEMATIC_SIZE)
    rng = np.random.default_rng(3)
    ground = 392.0
    # Atmosphere: bands growing denser towards the ground, with altitude hints.
    for i, (y0, y1) in enumerate([(40, 150), (150, 260), (260, ground)]):
        draw.rectangle(S(0, y0, w, y1), fill=mix(style.NIGHT_LIGHT, style.NIGHT, 0.25 + 0.3 * i))
    for y, text in ((44, "~20 km"), (150, "~10 km"), (260, "~4 km")):
        draw.line(S(0, y, 14, y), fill=DIM, width=SS)
        label(draw, (18, y + 1), text, 10, DIM)
    label(draw, (8, 376), tr(lang, "atmosphere", "atmosferă"), 10, DIM)
    # Ground and detectors: particle detector stations and radio antennas.
    draw.rectangle(S(0, ground, w, h), fill="#2a2418")
    draw.line(S(0, ground, w, ground), fill="#8a7a55", width=SS)
    for x in np.arange(40.0, 580.0, 60.0):
        draw.rounded_rectangle(S(x - 8, ground - 9, x + 8, ground), radius=2 * SS, fill="#c8d2e6")
        draw.line(S(x + 30, ground, x + 30, ground - 12), fill="#c8d2e6", width=SS)
        draw.line(S(x + 25, ground - 9, x + 35, ground - 9), fill="#c8d2e6", width=SS)
    label(draw, (w / 2, ground + 14), tr(lang, "ground detectors: particle counters and radio antennas",
                                         "detectoare la sol: contoare de particule și antene radio"),
          11, LABEL, anchor="m")
    label(draw, (w / 2, ground + 33), tr(lang, "schematic, not to scale", "schematic, nu la scară"), 9, DIM,
          anchor="m")

    axis_x, first_y = 300.0, 70.0
    # Hadronic core: successive interactions down the axis.
    nodes = [np.array([axis_x, first_y])]
    for i in range(4):
        nodes.append(nodes[-1] + np.array([rng.uniform(-6, 6), 62.0]))
    for a, b in zip(nodes[:-1], nodes[1:]):
        draw.line(S(*a, *b), fill=style.ORANGE, width=3 * SS)
    draw.line(S(*nodes[-1], nodes[-1][0] + 4, ground - 10), fill=style.ORANGE, width=2 * SS)
    for k, node in enumerate(nodes[:-1]):
        # Both components surround the axis: at each interaction neutral pions feed
        # electromagnetic cascades and charged pions decay into muons, on either side, the
        # sides taking turns so that each holds both.
        side = 1 if k % 2 == 0 else -1
        for j in range(2):
            ang = side * (1 if j == 0 else -1) * np.radians(14 + 10 * j + 4 * k)
            pion_end = node + 30 * np.array([np.sin(ang), np.cos(ang)])
            draw.line(S(*node, *pion_end), fill=style.ORANGE, width=int(1.5 * SS))
            mu_end_y = ground - 2
            slope = np.tan(ang * 0.8)
            mu_end = np.array([pion_end[0] + (mu_end_y - pion_end[1]) * slope, mu_end_y])
            draw.line(S(*pion_end, *mu_end), fill=style.PURPLE, width=int(1.5 * SS))
        for mirror in (-1, 1):
            pi0_end = node + np.array([16.0 * mirror, 10.0])
            draw.line(S(*node, *pi0_end), fill=style.ORANGE, width=int(1.5 * SS))
            _em_tree(draw, pi0_end, mirror * np.radians(6 + 3 * k), 40.0 - 3 * k, 6 - k, rng,
                     ground - 2)
            _em_tree(draw, pi0_end, mirror * np.radians(22 + 3 * k), 38.0 - 3 * k, 5 - k, rng,
                     ground - 2)
    for node in nodes[:-1]:
        dot(draw, node, 4, fill=LABEL)
    # Primary cosmic ray.
    draw.line(S(axis_x, 4, axis_x, first_y - 5), fill=style.SKY, width=3 * SS)
    arrow_head(draw, (axis_x, first_y - 4), (0, 1), 9, style.SKY)
    label(draw, (axis_x + 12, 14), tr(lang, "primary cosmic ray (p, He, … Fe)",
                                      "raza cosmică primară (p, He, … Fe)"), 12, LABEL,
          box="#13234a")
    label(draw, (axis_x + 12, first_y), tr(lang, "first interaction with an air nucleus (N, O)",
                                           "prima interacțiune cu un nucleu din aer (N, O)"), 11,
          LABEL, box="#13234a")
    # Component labels.
    label(draw, (30, 100), tr(lang, "electromagnetic component", "componenta electromagnetică"), 12,
          style.GREEN, bold=True,
          box="#13234a")
    label(draw, (30, 124), "e^{+}, e^{−}, γ   (π^{0} → γγ)", 12, LABEL, box="#13234a")
    label(draw, (400, 222), tr(lang, "meson component", "componenta mezonică"), 12, style.PURPLE,
          bold=True, box="#13234a")
    label(draw, (400, 246), "μ^{+}, μ^{−}  (π^{±}, K^{±} → μ^{±} ν)", 12, LABEL, box="#13234a")
    label(draw, (318, 128), tr(lang, "nucleonic component", "componenta nucleonică"), 12, style.ORANGE,
          bold=True, box="#13234a")
    label(draw, (318, 148), tr(lang, "p, n and other hadrons", "p, n și alți hadroni"), 12, LABEL,
          box="#13234a")
    return shrink(image)


# ----------------------------------------------------------------------------- generate

def generate(out_dir):
    for lang in language.LANGUAGES:
        draw_all(out_dir, lang)


def draw_all(out_dir, lang):
    process_gifs = {
        "Pair_Production.gif": pair_production_frames,
        "Photoelectric_Effect.gif": photoelectric_frames,
        "Compton_Scattering.gif": compton_frames,
        "Bremsstrahlung.gif": bremsstrahlung_frames,
    }
    for name, make in process_gifs.items():
        save_gif(make(lang), language.path(out_dir, name, lang), PROCESS_FRAME_MS, colours=256)
    save_image(schematic(lang), language.path(out_dir, "KCDC-EAS.png", lang))
    frames, durations = shower_development_frames(lang)
    save_gif(frames, language.path(out_dir, "test.gif", lang), durations, colours=256)
    save_gif(radio_flash_frames(lang), language.path(out_dir, "url.gif", lang), 90, colours=256)


# Descriptions for assistive technology: what each animation or picture shows, with its main
# numbers, from the same models the frames draw.

def describe():
    from ..describing import decimal
    theta = np.radians(COMPTON_THETA_DEG)
    e_out = float(processes.compton_scattered_energy_mev(COMPTON_ENERGY_MEV, theta))
    phi = float(np.degrees(processes.compton_electron_angle(COMPTON_ENERGY_MEV, theta)))
    ground_km = atmosphere.OBSERVATORY_ALTITUDE_M / 1000.0
    e_in_en, e_out_en = f"{COMPTON_ENERGY_MEV:.3f}", f"{e_out:.3f}"
    e_in_ro, e_out_ro = decimal(COMPTON_ENERGY_MEV, 3, "ro"), decimal(e_out, 3, "ro")
    return {
        "Pair_Production.gif": {
            "en": "Animation of pair production: a high-energy photon passes close to an atomic nucleus and "
                  "turns into an electron and a positron, which fly apart.",
            "ro": "Animație a producerii de perechi: un foton de energie mare trece aproape de un nucleu atomic și "
                  "se transformă într-un electron și un pozitron, care se depărtează."},
        "Photoelectric_Effect.gif": {
            "en": "Animation of the photoelectric effect: a photon is absorbed by an atom and knocks an electron "
                  "out of its inner shell.",
            "ro": "Animație a efectului fotoelectric: un foton este absorbit de un atom și scoate un electron din "
                  "pătura sa interioară."},
        "Compton_Scattering.gif": {
            "en": f"Animation of Compton scattering: a {e_in_en} MeV photon hits a free electron and leaves at "
                  f"{COMPTON_THETA_DEG:.0f}° with {e_out_en} MeV and a longer wavelength, while the electron "
                  f"recoils at {phi:.0f}°.",
            "ro": f"Animație a împrăștierii Compton: un foton de {e_in_ro} MeV lovește un electron liber și pleacă "
                  f"sub {COMPTON_THETA_DEG:.0f}° cu {e_out_ro} MeV și o lungime de undă mai mare, iar electronul "
                  f"se abate sub {phi:.0f}°."},
        "Bremsstrahlung.gif": {
            "en": "Animation of bremsstrahlung: an electron is deflected by the electric field of a nucleus, "
                  "emits a photon and moves on more slowly.",
            "ro": "Animație a radiației de frânare: un electron este deviat de câmpul electric al unui nucleu, "
                  "emite un foton și își continuă drumul mai încet."},
        "KCDC-EAS.png": {
            "en": "Diagram of an extensive air shower: a primary cosmic ray strikes an air nucleus at about 20 km; "
                  "the nucleonic, meson and electromagnetic components grow downwards towards the ground.",
            "ro": "Diagrama unei jerbe atmosferice extinse: un raz cosmic primar lovește un nucleu din aer la "
                  "aproximativ 20 km; componentele nucleonică, mezonică și electromagnetică se dezvoltă în jos, "
                  "spre sol."},
        "test.gif": {
            "en": f"Animation of a shower of 10¹⁵ eV growing from its first interaction, at about "
                  f"{SHOWER_FIRST_DEPTH:.0f} g/cm², down to the ground at {decimal(ground_km, 1, 'en')} km: its "
                  "particle tracks branch out and spread sideways as it falls.",
            "ro": f"Animație a unei jerbe de 10¹⁵ eV care crește de la prima interacție, la aproximativ "
                  f"{SHOWER_FIRST_DEPTH:.0f} g/cm², până la sol, la {decimal(ground_km, 1, 'ro')} km: urmele "
                  "particulelor se ramifică și se lărgesc pe măsură ce coboară."},
        "url.gif": {
            "en": f"Animation of the radio flash of a shower: the shower front reaches the ground and antennas "
                  f"{ANTENNA_SPACING_M:.0f} m apart light up, brightest near a ring {RING_M:.0f} m from the axis.",
            "ro": f"Animație a fulgerului radio al unei jerbe: frontul jerbei ajunge la sol și antenele aflate la "
                  f"{ANTENNA_SPACING_M:.0f} m una de alta se aprind, cel mai puternic lângă un inel la "
                  f"{RING_M:.0f} m de axă."},
    }
