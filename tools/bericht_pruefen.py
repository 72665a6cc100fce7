#!/usr/bin/env python3
"""Checks what `kov --bericht` writes without a window: the PDF design report (pages, page
numbers, the project, the weather source, the design figures as printed numbers against an
independent kov-run, no text beyond the page margins, charts as vector graphics), the pictures
of every view at their size, the hourly CSV, and the faults of a wrong call or an unwritable
file. Needs pdfinfo, pdftotext and pdfimages (poppler-utils)."""

import argparse
import json
import os
import re
import struct
import subprocess
import sys
import tempfile

ERWARTETE_SEITEN = 10
ANSICHTEN = ["jahr", "dauerlinie", "energie", "kondensat", "kennwerte"]
fehler = []


def pruefen(bedingung, text):
    if not bedingung:
        fehler.append(text)


def starten(befehl, ordner):
    return subprocess.run(befehl, cwd=ordner, capture_output=True, text=True, timeout=600)


def png_groesse(datei):
    with open(datei, "rb") as f:
        kopf = f.read(24)
    if kopf[:8] != b"\x89PNG\r\n\x1a\n":
        return None
    return struct.unpack(">II", kopf[16:24])


def svg_groesse(datei):
    with open(datei, encoding="utf-8") as f:
        text = f.read(4000)
    treffer = re.search(r'viewBox="0 0 (\d+) (\d+)"', text)
    return (int(treffer.group(1)), int(treffer.group(2))) if treffer else None


def bilder_pruefen(ordner, breite, hoehe):
    for name in ANSICHTEN:
        png = os.path.join(ordner, name + ".png")
        svg = os.path.join(ordner, name + ".svg")
        pruefen(os.path.exists(png) and png_groesse(png) == (breite, hoehe),
                f"{png}: {png_groesse(png) if os.path.exists(png) else 'fehlt'}, "
                f"erwartet {breite}x{hoehe}")
        pruefen(os.path.exists(svg) and svg_groesse(svg) == (breite, hoehe),
                f"{svg}: viewBox {svg_groesse(svg) if os.path.exists(svg) else 'fehlt'}, "
                f"erwartet {breite}x{hoehe}")


def satzspiegel_pruefen(pdf, ordner):
    """Every word inside the page, clear of the edges by 15 mm at the sides."""
    bbox = starten(["pdftotext", "-bbox", pdf, "-"], ordner).stdout
    rand = 15 / 25.4 * 72
    woerter = 0
    for seite, (breite, hoehe, inhalt) in enumerate(
            re.findall(r'<page width="([\d.]+)" height="([\d.]+)">(.*?)</page>', bbox, re.S),
            start=1):
        for x0, y0, x1, y1, wort in re.findall(
                r'<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">'
                r'([^<]*)</word>', inhalt):
            woerter += 1
            innen = (float(x0) >= rand and float(x1) <= float(breite) - rand
                     and float(y0) >= 0 and float(y1) <= float(hoehe))
            pruefen(innen, f"{pdf} Seite {seite}: „{wort}“ ausserhalb des Satzspiegels "
                           f"({x0}, {y0}, {x1}, {y1})")
    pruefen(woerter > 1000, f"{pdf}: nur {woerter} Wörter")


def zahl(wert, dezimalen):
    """As the German report prints it: decimal comma, groups of three from five digits on (the
    narrow no-break space between them is white space to the comparison)."""
    text = f"{wert:.{dezimalen}f}"
    if re.fullmatch(r"-0\.?0*", text):
        text = text[1:]
    vorzeichen, text = ("-", text[1:]) if text.startswith("-") else ("", text)
    ganz, _, bruch = text.partition(".")
    if len(ganz) >= 5:
        ganz = f"{int(ganz):,}".replace(",", " ")
    return vorzeichen + ganz + ("," + bruch if bruch else "")


def steht_im_text(wert, flach):
    return f" {wert} " in f" {flach} "


def main():
    argumente = argparse.ArgumentParser()
    argumente.add_argument("--kov", required=True)
    argumente.add_argument("--kov-run", required=True)
    argumente.add_argument("--wetter", required=True, help="an EPW file with a city")
    a = argumente.parse_args()
    a.kov = os.path.abspath(a.kov)
    a.kov_run = os.path.abspath(a.kov_run)
    a.wetter = os.path.abspath(a.wetter)

    with tempfile.TemporaryDirectory() as ordner:
        os.mkdir(os.path.join(ordner, "bilder"))
        lauf = starten([a.kov, "--bericht", "-", "bericht.pdf", "--bilder", "bilder", "--csv",
                        "stunden.csv"], ordner)
        pruefen(lauf.returncode == 0, f"kov --bericht: Exit-Status {lauf.returncode}\n{lauf.stderr}")
        pruefen(f"Bericht: bericht.pdf ({ERWARTETE_SEITEN} Seiten)" in lauf.stdout, lauf.stdout)
        pdf = os.path.join(ordner, "bericht.pdf")
        if not os.path.exists(pdf):
            print("kein Bericht geschrieben", file=sys.stderr)
            return 1

        info = starten(["pdfinfo", pdf], ordner).stdout
        seiten = int(re.search(r"Pages:\s+(\d+)", info).group(1))
        pruefen(seiten == ERWARTETE_SEITEN, f"{seiten} Seiten, erwartet {ERWARTETE_SEITEN}")
        pruefen(re.search(r"Page size:\s+595(\.\d+)? x 842", info) is not None, "nicht A4:\n" + info)

        text = starten(["pdftotext", pdf, "-"], ordner).stdout
        flach = " ".join(text.split())
        for teil in ["Auslegungsbericht Luft-Erdregister", "Projekt Testlauf1",
                     "Eingebautes Auslegungsjahr (zurihour.dat)", "Jahresmittel 9,02 °C",
                     "Minimum -19,3 °C am 26.01.", "Einschwingen: 1 Einschwingjahr",
                     "Crank–Nicolson"]:
            pruefen(teil in flach, f"im Bericht fehlt: {teil}")
        for seite, seitentext in enumerate(text.split("\f")[:seiten], start=1):
            pruefen(f"Seite {seite} von {seiten}" in seitentext, f"Seite {seite} ohne Seitenzahl")

        # the design figures of an independent kov-run as the report prints them
        with tempfile.TemporaryDirectory() as lauf_ordner:
            ausgabe = starten([a.kov_run, "-C", lauf_ordner, "--json"], lauf_ordner).stdout
        j = json.loads(ausgabe)
        k = j["Kennwerte"]
        erwartet = [("Heizenergie", zahl(j["Heizenergie"], 1)),
                    ("Kühlenergie", zahl(j["Kuehlenergie"], 1)),
                    ("Ventilator-Stromverbrauch", zahl(k["Ventilatorenergie"], 1)),
                    ("Leistungszahl", zahl(k["Leistungszahl"], 1)),
                    ("Druckverlust gesamt", zahl(k["DruckverlustGesamt"], 1)),
                    ("Tiefste Austrittstemperatur", zahl(k["TausMin"], 1)),
                    ("Höchste Austrittstemperatur", zahl(k["TausMax"], 1)),
                    ("Größte Heizleistung", zahl(k["HeizleistungMax"], 2)),
                    ("Stunden unter Frostgrenze", str(k["FrostStundenAussen"]))]
        erwartet += [(f"Heizenergie Monat {m}", zahl(w, 1))
                     for m, w in enumerate(k["HeizenergieMonat"], start=1)]
        erwartet += [(f"Kühlenergie Monat {m}", zahl(w, 1))
                     for m, w in enumerate(k["KuehlenergieMonat"], start=1)]
        for name, wert in erwartet:
            pruefen(steht_im_text(wert, flach), f"Kennwert {name} = {wert} steht nicht im Bericht")
        erste = " ".join(text.split("\f")[0].split())
        pruefen("Die Auslegung erfüllt" in erste, "Seite 1 ohne die Aussage der Auslegungsprüfung")

        satzspiegel_pruefen(pdf, ordner)

        # the charts are paths and text, not pictures
        bilder = starten(["pdfimages", "-list", pdf], ordner).stdout.splitlines()[2:]
        pruefen(not bilder, "Rasterbilder im Bericht:\n" + "\n".join(bilder))

        bilder_pruefen(os.path.join(ordner, "bilder"), 1600, 1000)

        with open(os.path.join(ordner, "stunden.csv"), encoding="utf-8", newline="") as f:
            zeilen = f.read().split("\r\n")
        pruefen(len(zeilen) == 8762 and zeilen[-1] == "", f"CSV: {len(zeilen)} Teile")
        pruefen(zeilen[0].startswith("Stunde,Datum,Uhrzeit,Eintrittstemperatur Tein [°C]"),
                zeilen[0])
        pruefen(zeilen[8760].startswith("8760,31.12.,23:00-24:00,"), zeilen[8760])

        # a project file with a long name and the weather of a site beside it, against kov-run
        # with the same project
        projekt = os.path.join(ordner, "projekt")
        os.makedirs(os.path.join(projekt, "wetter"))
        wetter = os.path.join("wetter", os.path.basename(a.wetter))
        with open(a.wetter, "rb") as q, open(os.path.join(projekt, wetter), "wb") as z:
            z.write(q.read())
        name = ("Erweiterung der Wohnüberbauung am Sonnenhang mit Tiefgarage, Gewerbe und "
                "Kindertagesstätte, Etappe 3, Variante mit längeren Rohren")
        lauf = starten([a.kov_run, "--speichern", "projekt/lang.kov", "--nur-speichern",
                        f"Projektname={name}", f"WetterDatei=projekt/{wetter}", "Rohrlaenge=65"],
                       ordner)
        pruefen(lauf.returncode == 0, "kov-run --speichern: " + lauf.stderr)
        lauf = starten([a.kov, "--bericht", "projekt/lang.kov", "lang.pdf"], ordner)
        pruefen(lauf.returncode == 0, f"Projekt: Exit-Status {lauf.returncode}\n{lauf.stderr}")
        lang = os.path.join(ordner, "lang.pdf")
        if os.path.exists(lang):
            text = " ".join(starten(["pdftotext", lang, "-"], ordner).stdout.split())
            ohne = "".join(text.split())
            pruefen("".join(name.split()) in ohne, "der lange Projektname fehlt oder ist gekürzt")
            pruefen("Projektdateilang.kov" in ohne, "die Projektdatei fehlt im Bericht")
            pruefen(ordner.replace(" ", "") not in ohne, "ein absoluter Pfad steht im Bericht")
            pruefen("Format EnergyPlus-Wetterdatei (EPW)" in text, "die Wetterdatei fehlt")
            with tempfile.TemporaryDirectory() as lauf_ordner:
                j = json.loads(starten([a.kov_run, "-C", lauf_ordner, "--json", "--projekt",
                                        os.path.join(projekt, "lang.kov")], lauf_ordner).stdout)
            for name_, wert in [("Heizenergie", zahl(j["Heizenergie"], 1)),
                                ("Kühlenergie", zahl(j["Kuehlenergie"], 1)),
                                ("Kondensat", zahl(j["Kennwerte"]["KondensatJahr"], 1))]:
                pruefen(steht_im_text(wert, text),
                        f"Projekt: {name_} = {wert} steht nicht im Bericht")
            pruefen(j["Kennwerte"]["KondensatJahr"] > 0, "die Wetterdatei gibt Kondensat")
            satzspiegel_pruefen(lang, ordner)

        # another size, pictures only
        os.mkdir(os.path.join(ordner, "klein"))
        lauf = starten([a.kov, "--bericht", "-", "--bilder", "klein", "--groesse", "640x400"],
                       ordner)
        pruefen(lauf.returncode == 0, f"--groesse: Exit-Status {lauf.returncode}\n{lauf.stderr}")
        bilder_pruefen(os.path.join(ordner, "klein"), 640, 400)

        # faults: a wrong call, a file that cannot be written
        faelle = [(["--bericht"], 2, "--bericht braucht einen Wert."),
                  (["--bericht", "-"], 2, "Nichts zu schreiben"),
                  (["--bericht", "-", "a.pdf", "--groesse", "5x5"], 2, "--groesse 5x5"),
                  (["--bericht", "-", "fehlt/a.pdf"], 1, "File not found: fehlt/a.pdf")]
        for argumente, status, meldung in faelle:
            lauf = starten([a.kov] + argumente, ordner)
            pruefen(lauf.returncode == status and meldung in lauf.stderr,
                    f"{argumente}: Exit-Status {lauf.returncode}, {lauf.stderr.strip()}")
        pruefen(not os.path.exists(os.path.join(ordner, "a.pdf")), "a.pdf geschrieben")

    for f in fehler:
        print(f, file=sys.stderr)
    print(f"{len(fehler)} Fehler")
    return 1 if fehler else 0


if __name__ == "__main__":
    sys.exit(main())
