"""The Romanian words of content/texts/GLOSSARY.md, held in every Romanian bundle text and every
Romanian form: one term per concept, DOOM spelling, lower-case compass points in running text,
Romanian quotation marks and comma-below diacritics. Each Romanian text also cites what its
English twin cites."""

import glob
import html
import os
import re
import xml.etree.ElementTree as ElementTree

import pytest

from showerscope_content.catalogue import TEXTS
from showerscope_content.families.texts import SOURCE_DIR

ROOT = os.path.normpath(os.path.join(os.path.dirname(__file__), "..", ".."))

ROMANIAN_TEXTS = sorted(n for n in TEXTS if n.startswith(("filer", "ro_")))
ROMANIAN_FORMS = sorted(glob.glob(os.path.join(ROOT, "screens", "ro", "*.ui")))

COMPASS = r"(?:Nord|Sud|Est|Vest)(?:ul|ului)?"

# (rule, pattern, what to write instead). Patterns are matched against plain text.
RULES = [
    ("roi for shower", r"(?i)\broi(?:ul|ului|uri|urile|urilor)?\b", "jerbă, jerba, jerbe …"),
    ("muon without i", r"(?i)\bmuon", "miuon, miuoni, miuonic"),
    ("gamma", r"(?i)\bgamma\b", "gama"),
    ("cosmic radiation as a count noun", r"(?i)\b(?:o|unei) radiați[ae] cosmic[ăe]\b",
     "o rază cosmică, or radiația cosmică as a mass noun"),
    ("masculine plural of the device", r"(?i)\bdetector(?:i|ii|ilor)\b",
     "detectoare, detectoarele, detectoarelor"),
    ("capitalised compass point mid-sentence",
     r"(?<=[^\s.!?:•\-–])[ \t(]+" + COMPASS + r"\b(?![-–])", "nord, sud, est, vest"),
    ("straight double quotes", r"\"", "„…”"),
    ("cedilla instead of comma below", r"[şţŞŢ]", "ș ț"),
    ("zenith for the zenith angle", r"(?i)\bzenit\s+\d|\d°\s+zenit\b", "unghi zenital de 50°"),
    ("Cerenkov", r"(?i)\bcerenkov", "Cherenkov"),
    ("interacție for interaction", r"(?i)\binteracți(?:a|e|ei|i|ile|ilor)\b", "interacțiune, interacțiunea"),
    ("unit vectors", r"(?i)\bvector(?:ul|ii|ilor|i)? unitar", "versor, versorii"),
    ("field intensity for the induction B", r"(?i)\bintensitat\w* câmpului (?:magnetic|geomagnetic)",
     "inducția magnetică"),
]

# Strings that must stay exactly as the program's screens give them, although a rule flags them.
ALLOWED = {
    "masculine plural of the device": ["Detectori de fluorescență"],
}


def romanian_text(name):
    with open(os.path.join(SOURCE_DIR, name), encoding="utf-8") as f:
        return f.read()


def plain(value):
    """What a form string shows: rich text without its markup and entities."""
    if "<" in value and ">" in value:
        value = re.sub(r"<style.*?</style>", " ", value, flags=re.S)
        value = re.sub(r"<[^>]*>", " ", value)
    return html.unescape(value)


def form_strings(path):
    """Every caption, title and text of a Designer form, as the user sees it."""
    tree = ElementTree.parse(path)
    return [plain(s.text) for s in tree.iter("string") if s.text and s.get("notr") != "true"]


def hits(text, rule, pattern):
    found = []
    for match in re.finditer(pattern, text):
        context = text[max(0, match.start() - 30):match.end() + 30].replace("\n", " ")
        if not any(allowed in context for allowed in ALLOWED.get(rule, [])):
            found.append(context)
    return found


@pytest.mark.parametrize("rule,pattern,instead", RULES, ids=[r[0] for r in RULES])
def test_romanian_texts_follow_the_glossary(rule, pattern, instead):
    found = {name: hits(romanian_text(name), rule, pattern) for name in ROMANIAN_TEXTS}
    found = {name: h for name, h in found.items() if h}
    assert not found, f"{rule} (write {instead}): {found}"


@pytest.mark.parametrize("rule,pattern,instead", RULES, ids=[r[0] for r in RULES])
def test_romanian_forms_follow_the_glossary(rule, pattern, instead):
    found = {}
    for path in ROMANIAN_FORMS:
        h = [c for s in form_strings(path) for c in hits(s, rule, pattern)]
        if h:
            found[os.path.basename(path)] = h
    assert not found, f"{rule} (write {instead}): {found}"


def test_the_rules_catch_what_they_are_for():
    samples = {
        "roi for shower": ["Un roi vertical", "roiurile venite"],
        "muon without i": ["Muonii ajung"],
        "gamma": ["fotoni gamma"],
        "cosmic radiation as a count noun": ["declanșează o radiație cosmică de"],
        "masculine plural of the device": ["Detectorii de la sol"],
        "capitalised compass point mid-sentence": ["vine dinspre Nord și", "sosire (Est 0°, nord 90°)"],
        "straight double quotes": ['titlul "Radio"'],
        "cedilla instead of comma below": ["aşa"],
        "zenith for the zenith angle": ["(zenit 54,4°, azimut", "până la 50° zenit,"],
        "Cerenkov": ["lumină Cerenkov"],
        "interacție for interaction": ["interacția tare", "modelele de interacție hadronică"],
        "unit vectors": ["pentru vectorii unitari v și B"],
        "field intensity for the induction B": ["intensitatea câmpului magnetic terestru"],
    }
    clean = ["O jerbă verticală", "miuonii", "fotoni gama", "canalul Est-Vest", "Nord-Sud",
             "Sud. Est", "antene orientate Nord-Sud", "titlul „Radio”", "Estul", "Este mare",
             "jerbe apropiate de zenit", "unghi zenital de 50°", "interacțiunea tare", "interacționează",
             "versorii v și B", "inducția magnetică", "intensitatea câmpului electric"]
    for rule, pattern, _ in RULES:
        for sample in samples[rule]:
            assert hits(sample, rule, pattern), (rule, sample)
        for sample in clean:
            assert not hits(sample, rule, pattern), (rule, sample)


def english_twin(name):
    return name.replace("filer", "file", 1) if name.startswith("filer") else name[len("ro_"):]


@pytest.mark.parametrize("name", ROMANIAN_TEXTS)
def test_romanian_texts_carry_their_twins_reference_markers(name):
    def markers(text):
        return sorted(re.findall(r"\[[A-Z]?\.?\d+(?:\.[a-z])?(?:, \d+)*\]", text))
    assert markers(romanian_text(name)) == markers(romanian_text(english_twin(name)))


def test_no_screen_source_spells_romanian_with_cedilla_letters():
    """ş ţ Ş Ţ (or their entities) instead of ș ț Ș Ț, anywhere under screens/."""
    cedilla = re.compile(r"[şţŞŢ]|&#(?:350|351|354|355|x15[EeFf]|x16[23]);")
    for path in glob.glob(os.path.join(ROOT, "screens", "**", "*.*"), recursive=True):
        with open(path, encoding="utf-8") as f:
            found = cedilla.search(f.read())
        assert not found, f"{path}: {found.group(0)!r}"
