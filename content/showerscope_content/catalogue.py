"""The bundle's catalogue: every file name, and how each text file is encoded.

The resource list in app/showerscope.qrc names exactly these files; the program addresses
each by its full literal name. app/showerscope_ro.qrc names the Romanian twins (RO_VARIANTS).
"""

ZENITHS = (10, 20, 30, 40, 50, 60, 70)

CHROME = [
    "bk5.jpg", "bk13.jpg", "bk1.jpg",
    "un3.png", "un1.png", "un2.png", "un.png",
    "eng.png", "engp.png", "rou.png", "roup.png",
    "vorn_logo.png", "conventie.png",
    "click3.wav", "click4.wav", "click6.wav", "click.wav", "click5.wav",
]

INTRO_MEDIA = [
    "Pair_Production.gif", "Photoelectric_Effect.gif", "Compton_Scattering.gif",
    "Bremsstrahlung.gif", "KCDC-EAS.png", "test.gif", "url.gif", "eq.JPG",
]

PROPERTIES = ["gr.jpg", "gr3.jpg", "gr8.jpg", "age.png", "total.png"]

CONEX = [
    "Profile_electrons_(proton-E19).png",
    "Profile_electrons_(proton-E19-zenith-dependency).png",
    "Profile_electrons_(iron-E19-zenith-dependency).png",
    "Profile_muons_(proton-E19).png",
    "Profile_Muons_(proton-E19-zenith-dependency).png",
    "Profile_muons_(iron-E19-zenith-dependency).png",
    "Profile_hadrons_(proton-E19).png",
    "Profile_Hadrons_(proton-E19-zenith-dependency).png",
    "Profile_hadrons_(iron-E19-zenith-dependency).png",
    "Electrons_distribution(proton_Iron-E19-E20-E21).png",
    "Muons_distribution(proton_Iron-E19-E20-E21).png",
    "Hadrons_distribution(proton_Iron-E19-E20-E21).png",
    "comp_fier_proton_ne_nmu-1.png",
    "Proton&Fier_scala_logaritmica.png",
    "Proton_Fier_scala_logaritmica.png",
]

RADIO = [
    "geom1.png", "em_mec.PNG",
    "Grafic_polar_EW-1.png", "Grafic_polar_NS-1.png", "Grafic_polar_Vertical-1.png",
    "Grafic_Dual_Polarizare_EW-1.png", "Grafic_dual_Polarizare_NS-1.png",
    "Grafic_dual_Polarizare_Verticala-1.png", "Grafic_dual_Axe_rotite_vs_Axe_initiale-1.png",
    "Grafic_Dual_Polarizare_EW(1)-1.png", "angles_good.png",
    "logo.png", "logo2.png", "logo3.png",
]

BROWSER_GIFS = [f"{mode}_{particle}_z{z}.gif"
                for mode in ("ampt", "pol") for particle in ("prot", "iron") for z in ZENITHS]

COMPARISON = (
    [f"LOG_COREAS_VS_LOG_VXB_Zenith{z}_{p}.png" for p in ("p", "i") for z in ZENITHS]
    + [f"GEOM_ASK_EW_VS_NS_Zen{z}_{p}.png" for p in ("p", "i") for z in ZENITHS]
    + [f"mean_{z}{p}.png" for p in ("p", "fe") for z in ZENITHS]
)

# Pictures with words have a Romanian twin: the same file name under resources/ro/, listed in
# app/showerscope_ro.qrc as the Romanian language variant of the same resource path, so that a
# Romanian screen loading ":/mean_30p.png" shows the Romanian picture (content/README.md).
RO_VARIANTS = (
    BROWSER_GIFS
    + COMPARISON
    # the properties, CONEX and radio-emission pictures (the button picture logo.png carries
    # only symbols), the azimuth convention, the introduction's animations and the equations
    + PROPERTIES + CONEX + [name for name in RADIO if name != "logo.png"] + ["conventie.png"]
    + INTRO_MEDIA
)

# Text files and their encodings: "utf-8-sig" is UTF-8 with the mark EF BB BF,
# "utf-16-le-bom" UTF-16 little-endian with the mark FF FE.
UTF8 = "utf-8-sig"
UTF16 = "utf-16-le-bom"
TEXTS = {
    **{f"file{n}.txt": UTF8 for n in ("", "1", "2", "3", "4", "5", "6", "7", "8", "9")},
    **{f"filer{n}.txt": UTF16 for n in ("", "1", "2", "3", "4", "5", "6", "7", "8", "9")},
    "polar1.txt": UTF16, "polar2.txt": UTF8, "polar3.txt": UTF8,
    "graph2d1.txt": UTF8, "graph2d2.txt": UTF8, "graph2d3.txt": UTF8, "rotation.txt": UTF8,
    "ro_polar1.txt": UTF8, "ro_polar2.txt": UTF8, "ro_polar3.txt": UTF8,
    "ro_graph2d1.txt": UTF8, "ro_graph2d2.txt": UTF8, "ro_graph2d3.txt": UTF16,
    "ro_rotation.txt": UTF8,
}
# Files whose lines end in CR LF; every other text uses LF.
CRLF_TEXTS = {"filer.txt"}

ALL_FILES = (CHROME + INTRO_MEDIA + PROPERTIES + CONEX + RADIO + BROWSER_GIFS + COMPARISON
             + sorted(TEXTS))
