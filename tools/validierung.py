#!/usr/bin/env python3
"""Validation study of KOV against the independent fine-grid reference; writes docs/validierung.md.

    python3 tools/validierung.py [--build DIR]             write docs/validierung.md
    python3 tools/validierung.py [--build DIR] --pruefen   compare with docs/validierung.md, exit 1
                                                           when the program no longer matches it
    python3 tools/validierung.py [--build DIR] --referenz  recompute the reference results
                                                           (tools/referenz/referenz_ergebnisse.tsv,
                                                           some minutes)

KOV's side is recomputed on every call: the built kov-run with NAME=VALUE settings and --json in
scratch folders, the lowest outlet read from the hourly part of its report. The reference's side
is the committed table, because it takes minutes. Every figure of the document comes from these
runs; nothing in it is typed by hand. Python standard library only.
"""

import argparse
import concurrent.futures
import difflib
import hashlib
import json
import math
import os
import re
import subprocess
import sys
import tempfile

WURZEL = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DOKUMENT = os.path.join(WURZEL, "docs", "validierung.md")
REFERENZ_TABELLE = os.path.join(WURZEL, "tools", "referenz", "referenz_ergebnisse.tsv")
WETTER_CPP = os.path.join(WURZEL, "src", "files", "wetter_tabelle.cpp")
REFERENZ_CPP = os.path.join(WURZEL, "tools", "referenz", "feingitter_referenz.cpp")
PARALLEL = 2

# the five designs of the study: name, NAME=VALUE settings (both programs take the same names)
ENTWUERFE = [
    ("Standardwerte", []),
    ("Rohrlänge 25 m", ["Rohrlaenge=25"]),
    ("Volumenstrom 1500 m³/h", ["Volumenstrom=1500"]),
    ("Simulationsradius 0,6 m", ["SimRadius=0.6"]),
    ("Verlegetiefe 2 m", ["Tiefe=2"]),
]
GITTER = list(range(3, 11))
SUBSCHRITTE = [1, 2, 5, 20]
STANDARD_GITTER, STANDARD_SUB = 6, 2
GRENZE = 2.0  # %, the agreement a designer may ask for

# refinement check of the reference: name, options; "Basis" is the resolution of the study
REFERENZ_VARIANTEN = [
    ("Basis", []),
    ("Erdringe 80", ["--ringe", "80"]),
    ("Zellen 50", ["--zellen", "50"]),
    ("Schritt 30 s", ["--schritt", "30"]),
    ("Wandringe 8", ["--wandringe", "8"]),
]
REFERENZ_ALLES = ("alles verfeinert", ["--ringe", "80", "--zellen", "50", "--schritt", "30",
                                       "--wandringe", "8"])
REFERENZ_SPALTEN = ["Entwurf", "Variante", "Heizenergie", "Kuehlenergie", "MinAustritt",
                    "MinStunde", "MinAustrittStundenende", "MaxAustritt", "Bilanzfehler", "Alpha",
                    "NTUFilm", "Jahre"]


def ausfuehren(befehl):
    ergebnis = subprocess.run(befehl, capture_output=True, text=True, check=False)
    if ergebnis.returncode != 0:
        raise SystemExit(f"{' '.join(befehl)} ended with {ergebnis.returncode}:\n{ergebnis.stderr}")
    return ergebnis.stdout


def parallel(aufgaben, funktion):
    with concurrent.futures.ThreadPoolExecutor(PARALLEL) as pool:
        return list(pool.map(funktion, aufgaben))


# ---------------------------------------------------------------------------------------------
# the reference


def referenz_rechnen(build):
    programm = os.path.join(build, "kov-referenz")
    aufgaben = []
    for name, einstellungen in ENTWUERFE:
        for variante, optionen in REFERENZ_VARIANTEN:
            aufgaben.append((name, variante, optionen + einstellungen))
    aufgaben.append((ENTWUERFE[0][0], REFERENZ_ALLES[0], REFERENZ_ALLES[1]))

    def rechnen(aufgabe):
        name, variante, argumente = aufgabe
        zeile = ausfuehren([programm] + argumente)
        werte = dict(paar.split("=", 1) for paar in zeile.split())
        print(f"  {name} / {variante}: {zeile.strip()}", file=sys.stderr)
        return [name, variante] + [werte[s] for s in REFERENZ_SPALTEN[2:]]

    zeilen = parallel(aufgaben, rechnen)
    with open(REFERENZ_TABELLE + ".neu", "w", encoding="utf-8", newline="\n") as datei:
        datei.write("# kov-referenz results, written by tools/validierung.py --referenz\n")
        datei.write("\t".join(REFERENZ_SPALTEN) + "\n")
        for zeile in zeilen:
            datei.write("\t".join(zeile) + "\n")
    os.replace(REFERENZ_TABELLE + ".neu", REFERENZ_TABELLE)


def referenz_lesen():
    tabelle = {}
    with open(REFERENZ_TABELLE, encoding="utf-8") as datei:
        zeilen = [z.rstrip("\n").split("\t") for z in datei if not z.startswith("#")]
    kopf = zeilen[0]
    for zeile in zeilen[1:]:
        eintrag = dict(zip(kopf, zeile))
        for schluessel in kopf[2:]:
            eintrag[schluessel] = float(eintrag[schluessel])
        tabelle[(eintrag["Entwurf"], eintrag["Variante"])] = eintrag
    return tabelle


# ---------------------------------------------------------------------------------------------
# KOV's side


def kov_lauf(aufgabe):
    """One kov-run in a scratch folder: its --json totals, the lowest outlet of the report and a
    fingerprint of the report's hourly part, and the report header."""
    kov_run, einstellungen = aufgabe
    with tempfile.TemporaryDirectory(prefix="kov-validierung-") as ort:
        werte = json.loads(ausfuehren([kov_run, "-C", ort, "--json"] + list(einstellungen)))
        with open(os.path.join(ort, "kov.txt"), "rb") as datei:
            zeilen = datei.read().split(b"\r\n")
    stunden = zeilen[100:100 + 8760]
    austritt = [float(z.split(b"\t")[1]) for z in stunden]
    werte["MinAustritt"] = min(austritt)
    werte["Stundenteil"] = hashlib.md5(b"\r\n".join(stunden)).hexdigest()
    werte["Kopf"] = [z.decode("latin-1") for z in zeilen[:100]]
    return werte


class TKov:
    """kov-run calls, each set of settings computed once."""

    def __init__(self, build):
        self.programm = os.path.join(build, "kov-run")
        if not os.access(self.programm, os.X_OK):
            raise SystemExit(f"kov-run not found in {build}")
        self.ergebnisse = {}

    def rechnen(self, liste):
        neu = [tuple(e) for e in liste if tuple(e) not in self.ergebnisse]
        neu = list(dict.fromkeys(neu))
        for einstellungen, werte in zip(neu, parallel([(self.programm, e) for e in neu],
                                                          kov_lauf)):
            self.ergebnisse[einstellungen] = werte

    def __getitem__(self, einstellungen):
        return self.ergebnisse[tuple(einstellungen)]


def studie_einstellungen(entwurf, n, s):
    return list(entwurf) + [f"AnzahlGitter={n}", f"AnzahlSubSchritte={s}"]


def kopf_wert(kopf, text):
    for zeile in kopf:
        if text in zeile:
            return float(zeile.split("\t")[0])
    raise SystemExit(f"report header has no line with {text!r}")


def wetter_lesen():
    with open(WETTER_CPP, encoding="ascii") as datei:
        text = re.sub(r"//[^\n]*", "", datei.read())
    rumpf = text[text.index("{", text.index("EingebauteWetterTabelle")) + 1:]
    werte = [float(t) for t in rumpf[:rumpf.index("}")].replace(",", " ").split()]
    if len(werte) != 8761:
        raise SystemExit(f"{WETTER_CPP}: {len(werte)} values instead of 8761")
    return werte


# ---------------------------------------------------------------------------------------------
# the document


def zahl(wert, stellen=1, vorzeichen=False):
    text = f"{wert:+.{stellen}f}" if vorzeichen else f"{wert:.{stellen}f}"
    if re.fullmatch(r"[+-]0[.,]?0*", text):
        text = text[1:] if not vorzeichen else "±" + text[1:]
    return text.replace("-", "−").replace(".", ",")


def kwh(wert):
    return f"{wert:,.0f}".replace(",", " ") + " kWh"


def prozent(kov, ref):
    return (kov / ref - 1) * 100


def tabelle(kopf, zeilen, ausrichtung=None):
    ausrichtung = ausrichtung or ["---"] + ["---:"] * (len(kopf) - 1)
    text = ["| " + " | ".join(kopf) + " |", "|" + "|".join(ausrichtung) + "|"]
    text += ["| " + " | ".join(str(z) for z in zeile) + " |" for zeile in zeilen]
    return "\n".join(text)


def zahl_e(wert):
    mantisse, exponent = f"{wert:.1e}".split("e")
    return f"{mantisse.replace('.', ',')}·10^{int(exponent)}"


VERGLEICH_TEXT = """
## 1 Was verglichen wird

Dasselbe physikalische Problem in zwei unabhängigen Rechnungen: ein repräsentatives Rohr des
Registers mit Wand und Erdreich bis zum Simulationsradius, derselbe luftseitige
Wärmeübergang α (Petukhov), dieselbe monatliche ungestörte Erdtemperatur am äußeren Rand,
dasselbe Auslegungsjahr, kein Fahrplan, Register in jeder Stunde in Betrieb (Freigabe 12/12 °C).
Verglichen werden die Heiz- und die Kühlenergie des ganzen Registers (Stunden 2 bis 8760,
jede Stunde nach dem Vorzeichen ihrer Leistung, wie KOV zählt) und der tiefste stündliche
Austritt, für KOVs Rechengitter n = 3 bis 10 und 1, 2, 5 und 20 Sub-Schritte je Stunde, in fünf
Entwürfen.

| | KOV | Referenz (`tools/referenz/feingitter_referenz.cpp`) |
|---|---|---|
| Rohrwand | ein Knoten in Wandmitte | {Wandringe} Ringe |
| Erdreich | n − 1 Ringe bis r1 + SimRadius, Rand über G(n+1) = G(n) | {Erdringe} Ringe bis r1 + SimRadius, Rand genau dort |
| Luft längs des Rohrs | n Zellen, implizite Zellbilanz | {Zellen} Zellen, exakte Exponentialfunktion je Zelle |
| Zeit | Crank–Nicolson je Sub-Schritt, Luft mit der Wand vom Anfang des Sub-Schritts | Euler implizit, {Schritt} s, Luft implizit gekoppelt |
| Stundenwert des Austritts | Austritt des letzten Sub-Schritts | Mittel über die Stunde |
| Wetter, Rand, α | eingebautes Auslegungsjahr, Monatswerte, Korrelation | dieselben Zahlen, eigener Code |

Die Referenz teilt mit KOV keinen Code; sie übersetzt nur die Zahlen des eingebauten
Auslegungsjahrs (`src/files/wetter_tabelle.cpp`) mit.
"""

TESTS_TEXT = """
## 6 Die Tests hinter den exakten Aussagen

Jeder Test nennt Sollwert, Herkunft und Toleranz an der Stelle, an der er prüft.

| Test | Aussage |
|---|---|
| `KonstanteWand.OutletIsTheClosedFormOfTheImplicitCellBalance` | Bei fester Wand und festem Erdreich ist jeder Stundenaustritt Tg + (Tin − Tg)·(1 + NTU/n)^−n mit NTU = n·Keff/W, auf 1e-7 der Temperaturänderung; NTU und die Lücke zu e^−NTU gegen die Handrechnung |
| `Linearitaet.ShiftingEveryTemperatureBy5KShiftsEveryResultBy5K` | Alle vorgegebenen Temperaturen und die Freigabegrenzen +5 K: jeder Austritt, Monitor- und Gitterwert +5 K (auf 1e-10 K), die Energien unverändert (auf 1e-6 kWh) |
| `Ueberschwingen.OutletStaysBetweenInletAndTheWallNodesOfTheHour` | In jedem Sub-Schritt und jeder Betriebsstunde liegt der Austritt zwischen Eintritt und kältestem bzw. wärmstem Wandknoten |
| `EnergieAudit.HeatOfTheAirIsAccountedForByBoundariesStorageAndCoupling` | Jahresbilanz Sub-Schritt für Sub-Schritt: Erdreich allein exakt (1e-9), Luft = Rand + Stillstandsfläche − Speicherzunahme − Kopplungsterm (1e-9); ohne die beiden letzten Terme geht sie nur bei durchgehendem Betrieb auf (1e-6) |
| `RadialeLeitung.SteadyColumnCarriesTheFluxOfItsSeriesConductance` | Stationärer Fluss einer Säule = Reihenleitwert ihrer Ringe (1e-9), gleich dem Verbundzylinder bis r_eff = rm(n)²/rm(n−1) |
| `Einschwingen.OneSettlingYearMakesTheTotalsPeriodicAtTheDesignsOfTheStudy` | Einschwingjahre 1 und 2 geben dieselben Summen auf 1e-8, 0 nicht; bei SimRadius 3 m reicht ein Jahr nicht |
| `LaufNachbau.HourLoopRebuiltFromItsPiecesIsTheRun` | Der Stundenablauf, durch den Audit und Überschwingtest schauen, ist Bit für Bit der des Programms |
| `Referenz.MeetsItsClosedFormLimits` | Die Referenz selbst gegen geschlossene Lösungen und ihre Energiebilanz |
"""

NACHRECHNEN_TEXT = """
## 7 Nachrechnen

    cmake -S . -B build -DKOV_GUI=OFF && cmake --build build -j2
    python3 tools/validierung.py --pruefen           # KOVs Seite gegen dieses Dokument
    python3 tools/validierung.py                     # dieses Dokument neu schreiben
    python3 tools/validierung.py --referenz          # Referenz neu rechnen (einige Minuten)
    build/kov-referenz --ringe 80 Rohrlaenge=25      # eine Referenzrechnung
"""


def referenz_numerik():
    """The reference's default resolution, from its source."""
    with open(REFERENZ_CPP, encoding="utf-8") as datei:
        text = datei.read()
    werte = {}
    for name in ("Erdringe", "Wandringe", "Zellen", "Schritt", "Periode"):
        treffer = re.search(rf"\b(?:int|double) {name} = ([0-9.e+-]+);", text)
        if not treffer:
            raise SystemExit(f"{REFERENZ_CPP}: no default for {name}")
        werte[name] = treffer.group(1).removesuffix(".0")
    return werte


def konstante_wand(n):
    return ["RhoRohr=1e20", "RhoErde=1e20", "SpezielleRandbedingung=true", "Einschwingjahre=0",
            f"AnzahlGitter={n}"]


def rand_lauf(n, extra=()):
    return list(extra) + [f"AnzahlGitter={n}", "MonitorSektor=1", f"MonitorRadial={n}",
                          "Einschwingjahre=0"]


SONNE = [["Sonnenerwaermung=0"], [], ["Sonnenerwaermung=5"]]  # [] is the default 0.8 K
EINSCHWINGEN = [("Standardwerte", []), ("Simulationsradius 3 m", ["SimRadius=3"])]
BILANZ = [("Standardwerte, Register läuft jede Stunde", []),
          ("Freigabe 5/20 °C", ["Heizgrenze=5", "Kuehlgrenze=20"]),
          ("Freigabe 5/20 °C, Keller 0,3, adiabat 0,2, Stillstand 5 W/m²K",
           ["Heizgrenze=5", "Kuehlgrenze=20", "AnteilKeller=0.3", "AnteilAdiabat=0.2",
            "AlphaStillstand=5"])]


def merkmale_auswerten(kov):
    randfaelle = [(n, []) for n in GITTER] + [(6, ["SimRadius=0.6"])]
    kov.rechnen(SONNE + [konstante_wand(n) for n in GITTER]
                + [rand_lauf(n, e) for n, e in randfaelle]
                + [rand_lauf(n - 1, e)[:-2] + [f"AnzahlGitter={n}", f"MonitorRadial={n - 1}",
                                               "Einschwingjahre=0"] for n, e in randfaelle]
                + [e + [f"Einschwingjahre={j}"] for _, e in EINSCHWINGEN for j in (0, 1, 2)]
                + [e for _, e in BILANZ])
    text, kurz = [], []

    # 5.1 solar warming
    text.append("### 5.1 `Sonnenerwaermung` wirkt auf kein Ergebnis\n")
    text.append("Die Sonnenerwärmung wird zu den Monatsmitteln der Luft addiert; die Amplitude "
                "der Erdtemperatur ist deren halbe Spannweite, in der sich der Zuschlag "
                "aufhebt, und der Mittelwert der Randtemperatur ist das reine Jahresmittel der "
                "Luft. Drei Läufe:\n")
    zeilen, basis = [], kov[[]]
    groesste = 0.0
    for e in SONNE:
        w = kov[e]
        wert = kopf_wert(w["Kopf"], "mittlere Bodenerwaermung durch Sonne")
        for g in ("Heizenergie", "Kuehlenergie", "WaermeentzugErde"):
            groesste = max(groesste, abs(w[g] / basis[g] - 1))
        zeilen.append([zahl(wert, 1) + " K", f"{w['Heizenergie']:.6f}".replace(".", ","),
                       f"{w['Kuehlenergie']:.6f}".replace(".", ","),
                       f"{w['WaermeentzugErde']:.6f}".replace(".", ","),
                       "`" + w["Stundenteil"][:12] + "`"])
    gleich = len({kov[e]["Stundenteil"] for e in SONNE}) == 1
    text.append(tabelle(["Sonnenerwaermung", "Heizenergie kWh", "Kühlenergie kWh",
                         "Wärmeentzug Erde kWh", "MD5 des Stundenteils"], zeilen) + "\n")
    text.append(f"Die Stundenteile der Berichte sind {'Byte für Byte gleich' if gleich else 'verschieden'}; "
                f"die Jahressummen unterscheiden sich höchstens um {zahl_e(groesste)} "
                f"(Rundung der Amplitude).\n")
    kurz.append(f"`Sonnenerwaermung` ändert kein Ergebnis (Stundenteil "
                f"{'gleich' if gleich else 'verschieden'}, Summen bis auf {zahl_e(groesste)}).")

    # 5.2 the outer boundary
    text.append("### 5.2 Der äußere Rand liegt jenseits des Simulationsradius\n")
    text.append("Der letzte Erdring koppelt an den Randknoten mit dem Leitwert des letzten "
                "Ringpaares, G(n+1) = G(n) = 2πλ·dx/ln(rm(n)/rm(n−1)). Das ist ein weiterer "
                "logarithmischer Schritt nach außen: die Säule leitet wie ein Zylinder bis "
                "r_eff = rm(n)²/rm(n−1), nicht bis r1 + SimRadius. Die Mittelradien rm stammen "
                "aus dem Berichtskopf der Läufe (Achsabstand des Monitorpunkts in Ring n − 1 und "
                "n, Sektor 1); das Leitwertverhältnis ist das des Verbundzylinders bis "
                "r1 + SimRadius zu dem bis r_eff.\n")
    zeilen = []
    for n, extra in randfaelle:
        aussen = kov[rand_lauf(n, extra)]
        innen = kov[rand_lauf(n - 1, extra)[:-2] + [f"AnzahlGitter={n}", f"MonitorRadial={n - 1}",
                                                    "Einschwingjahre=0"]]
        kopf = aussen["Kopf"]
        rm_n = kopf_wert(kopf, "Achs-Abstand des Monitor-Punktes")
        rm_v = kopf_wert(innen["Kopf"], "Achs-Abstand des Monitor-Punktes")
        r0 = kopf_wert(kopf, "Rohrdurchmesser innen") / 2
        r1 = r0 + kopf_wert(kopf, "Wandstaerke der Rohre")
        rs = kopf_wert(kopf, "Simulationsradius um Rohre")
        l_r = kopf_wert(kopf, "Waermeleitfaehigkeit lambda der Rohre")
        l_e = kopf_wert(kopf, "Waermeleitfaehigkeit lambda der Erde")
        r_eff = rm_n * rm_n / rm_v
        verhaeltnis = ((math.log(r1 / r0) / l_r + math.log((r1 + rs) / r1) / l_e)
                       / (math.log(r1 / r0) / l_r + math.log(r_eff / r1) / l_e))
        zeilen.append([f"n = {n}" + (", SimRadius " + zahl(rs, 1) + " m" if extra else ""),
                       zahl(rm_v, 4), zahl(rm_n, 4), zahl(r1 + rs, 2), zahl(r_eff, 2),
                       zahl(verhaeltnis, 3)])
        if n == STANDARD_GITTER and not extra:
            kurz.append(f"Der äußere Rand wirkt bei n = {n} wie bei r_eff = {zahl(r_eff, 2)} m "
                        f"statt {zahl(r1 + rs, 2)} m; die stationäre Leitung der Säule ist "
                        f"{zahl(verhaeltnis, 3)} der des Zylinders bis r1 + SimRadius.")
    text.append(tabelle(["Lauf", "rm(n−1) m", "rm(n) m", "r1 + SimRadius m", "r_eff m",
                         "Leitwert Modell / Zylinder"], zeilen) + "\n")

    # 5.3 the implicit cell balance
    text.append("### 5.3 Die Zellbilanz der Luft ist implizit im Zellaustritt\n")
    text.append("Jede Zelle gibt so viel Wärme ab, wie bei ihrer Austrittstemperatur über Keff "
                "fließt: Ti = a·T(i−1) + (1 − a)·Tg mit a = W/(W + Keff). Über n Zellen wird das "
                "(1 + NTU/n)^−n statt e^−NTU des stetigen Rohrs; die Wirksamkeit des Rohrs ist "
                "kleiner, am meisten bei wenigen Zellen. Die Läufe halten Wand und Erdreich "
                "fest (Rohr- und Erddichte 1e20 kg/m³, spezielle Randbedingung 10 °C); die "
                "Wirksamkeit ε ist (Heiz- + Kühlenergie) / (Leistungsfaktor · Σ|Tin − 10 °C|) "
                "über die Stunden 2 bis 8760, NTU = n·((1 − ε)^(−1/n) − 1) aus ihr "
                "zurückgerechnet.\n")
    tein = wetter_lesen()
    zeilen, luecken = [], {}
    for n in GITTER:
        w = kov[konstante_wand(n)]
        kopf = w["Kopf"]
        tg = kopf_wert(kopf, "(wenn spezielle Randbed.) Erdtemperatur Januar")
        faktor = (kopf_wert(kopf, "cp-Wert der Luft") * kopf_wert(kopf, "Dichte der Luft")
                  * kopf_wert(kopf, "Nenn-Volumenstrom") / 3600 / 1000)
        summe = sum(abs(t - tg) for t in tein[2:8761])
        eps = (w["Heizenergie"] + w["Kuehlenergie"]) / (faktor * summe)
        ntu = n * ((1 - eps) ** (-1 / n) - 1)
        stetig = 1 - math.exp(-ntu)
        luecke = (eps / stetig - 1) * 100
        luecken[n] = luecke
        zeilen.append([f"n = {n}", zahl(eps, 5), zahl(ntu, 4), zahl(stetig, 5),
                       zahl(luecke, 2, True)])
        if n == STANDARD_GITTER:
            kurz.append(f"Die implizite Zellbilanz gibt bei n = {n} eine um "
                        f"{zahl(-luecke, 1)} % kleinere Temperaturänderung der Luft als das "
                        f"stetige Rohr mit demselben NTU = {zahl(ntu, 3)}.")
    text.append(tabelle(["Gitter", "ε aus dem Lauf", "NTU", "1 − e^−NTU",
                         "Lücke der Temperaturänderung %"], zeilen) + "\n")
    text.append("NTU ist für jedes n dasselbe (K und Kw wachsen beide mit der Zellenlänge); die "
                "Lücke ist allein die der Zellbilanz.\n")

    # 5.4 settling
    text.append("### 5.4 Einschwingen\n")
    text.append("Läufe mit 0, 1 und 2 Einschwingjahren: die größere relative Änderung von "
                "Heiz- und Kühlenergie von einem zum nächsten, und der Wärmeentzug aus der Erde, "
                "eine kleine Differenz großer Flüsse, in kWh.\n")
    zeilen = []
    for name, e in EINSCHWINGEN:
        null, eins, zwei = (kov[e + [f"Einschwingjahre={j}"]] for j in (0, 1, 2))

        def aenderung(a, b):
            return max(abs(a[g] - b[g]) / max(abs(a[g]), abs(b[g]))
                       for g in ("Heizenergie", "Kuehlenergie"))
        zeilen.append([name, zahl_e(aenderung(null, eins)),
                       zahl_e(aenderung(eins, zwei)) if aenderung(eins, zwei) > 0
                       else "0 (bitgleich)",
                       " / ".join(zahl(w["WaermeentzugErde"], 1) for w in (null, eins, zwei))])
    text.append(tabelle(["Entwurf", "0 → 1 Jahr", "1 → 2 Jahre", "Entzug Erde kWh bei 0 / 1 / 2"],
                        zeilen) + "\n")
    text.append("Ein Einschwingjahr genügt bei den Entwürfen dieser Studie; der Einschwingvorgang "
                "des Erdreichs bis 1,3 m klingt in Tagen bis wenigen Wochen ab. Ein großer "
                "Simulationsradius speichert über Monate und braucht mehr Einschwingjahre.\n")

    # 5.5 yearly totals against the heat drawn from the ground
    text.append("### 5.5 Jahressummen und Wärmeentzug\n")
    text.append("Über ein periodisches Jahr muss Heiz- minus Kühlenergie gleich dem Wärmeentzug "
                "aus Erde und Keller sein. Der Rest als Anteil des Bruttoaustauschs "
                "(Heiz- + Kühlenergie):\n")
    zeilen = []
    for name, e in BILANZ:
        w = kov[e]
        netto = w["Heizenergie"] - w["Kuehlenergie"]
        entzug = w["WaermeentzugErde"] + w["WaermeentzugKeller"]
        anteil = (netto - entzug) / (w["Heizenergie"] + w["Kuehlenergie"]) * 100
        zeilen.append([name, kwh(netto), kwh(entzug), zahl(anteil, 2, True) + " %"])
        if e == BILANZ[1][1]:
            kurz.append(f"Mit Freigabe 5/20 °C fehlen der Luft {zahl(-anteil, 1)} % des "
                        f"Bruttoaustauschs gegenüber dem Wärmeentzug: jedes Umschalten der "
                        f"Bypass-Klappe lässt den Kopplungsterm der Luftseite stehen (5.5).")
    text.append(tabelle(["Lauf", "Heiz- − Kühlenergie", "Entzug Erde + Keller",
                         "Rest / brutto"], zeilen, ["---", "---:", "---:", "---:"]) + "\n")
    text.append("Bei durchgehendem Betrieb ist der Rest klein: die Leistung einer Stunde stammt "
                "aus ihrem letzten Sub-Schritt, der Randfluss aus dem Gitter am Stundenende, und "
                "Stunde 1 mit dem Sprung des Randes von Dezember auf Januar fehlt in beiden "
                "Summen. Die Luftseite rechnet mit der Wand vom Anfang des Sub-Schritts, der "
                "Crank–Nicolson-Schritt mit dem Mittel aus Anfang und Ende; der Unterschied "
                "Kw·dt·(T1neu − T1alt)/2 hebt sich auf, solange das Register ohne Pause läuft, "
                "und bleibt bei jedem Ein- und Ausschalten stehen. Mit einem Wärmeübergang bei "
                "Stillstand (`AlphaStillstand` > 0,01) hält die Innenfläche in Stillstandsstunden "
                "ihren letzten Wert und wirkt über den Stillstands-Leitwert wie ein Wärmereservoir fester Temperatur. Der Test "
                "`EnergieAudit` rechnet beide Terme Sub-Schritt für Sub-Schritt nach.\n")
    return {"text": "\n".join(text), "kurz": kurz, "luecken": luecken}


def bereiche(werte):
    """[3, 4, 5, 8, 9] -> "3–5, 8–9"."""
    teile, anfang = [], None
    for i, w in enumerate(werte):
        if anfang is None:
            anfang = w
        if i + 1 == len(werte) or werte[i + 1] != w + 1:
            teile.append(str(anfang) if anfang == w else f"{anfang}–{w}")
            anfang = None
    return ", ".join(teile)


def auslegung_text(abw, innerhalb, alle_gut, luecken):
    namen = [name for name, _ in ENTWUERFE]
    text = []
    text.append(f"Welche Einstellungen bleiben bei Heiz- und Kühlenergie innerhalb von "
                f"{zahl(GRENZE, 0)} % der Referenz (Rechengitter n je Zahl der Sub-Schritte):\n")
    zeilen = []
    for name in namen:
        zeile = [name]
        for s in SUBSCHRITTE:
            gut = [n for n in GITTER if innerhalb(name, n, s)]
            zeile.append("n = " + bereiche(gut) if gut else "–")
        h, k, t = abw[(name, STANDARD_GITTER, STANDARD_SUB)]
        zeile.append(f"{zahl(h, 1, True)} / {zahl(k, 1, True)} / {zahl(t, 1, True)}")
        zeilen.append(zeile)
    text.append(tabelle(["Entwurf"] + [f"{s} Sub-Schritt" + ("e" if s > 1 else "")
                                       for s in SUBSCHRITTE]
                        + [f"n = {STANDARD_GITTER}, {STANDARD_SUB} Sub-Schritte"], zeilen,
                        ["---"] + ["---"] * len(SUBSCHRITTE) + ["---:"]) + "\n")

    punkte = []
    sinkt = all(abw[(name, n, SUBSCHRITTE[i + 1])][0] < abw[(name, n, SUBSCHRITTE[i])][0]
                for name in namen for n in GITTER for i in range(len(SUBSCHRITTE) - 1))
    if sinkt:
        d = [abw[(name, n, SUBSCHRITTE[-1])][0] - abw[(name, n, SUBSCHRITTE[0])][0]
             for name in namen for n in GITTER]
        punkte.append(
            f"Mehr Sub-Schritte machen KOVs Energien in jedem Entwurf und bei jedem n kleiner, "
            f"von {SUBSCHRITTE[0]} auf {SUBSCHRITTE[-1]} Sub-Schritte um {zahl(-max(d), 1)} bis "
            f"{zahl(-min(d), 1)} Prozentpunkte; genauer werden sie dadurch nur, wo KOV mit "
            f"wenigen Sub-Schritten über der Referenz liegt. Mit feinerer Zeit nähert sich KOV "
            f"seinem eigenen Grenzwert, in dem die Fehler der Zellbilanz (5.3) und des äußeren "
            f"Randes (5.2) bleiben; der Fehler des groben Zeitschritts hebt einen Teil davon auf.")
    if luecken:
        name = ENTWUERFE[0][0]
        punkte.append(
            f"{name} mit {SUBSCHRITTE[-1]} Sub-Schritten gegen die Lücke der Zellbilanz bei "
            f"fester Wand (5.3): "
            + ", ".join(f"n = {n}: {zahl(abw[(name, n, SUBSCHRITTE[-1])][0], 1, True)} % gegen "
                        f"{zahl(luecken[n], 1, True)} %" for n in (GITTER[0], STANDARD_GITTER,
                                                                  GITTER[-1]))
            + ": die Abweichung, die bei feiner Zeit bleibt, hat die Größe dieser Lücke.")
    bei_standard = [name for name in namen if innerhalb(name, STANDARD_GITTER, STANDARD_SUB)]
    erst_spaeter = [name for name in namen if name not in bei_standard]
    if erst_spaeter:
        punkte.append(
            f"Mit dem Standard von {STANDARD_SUB} Sub-Schritten genügt n = {STANDARD_GITTER} für "
            + ", ".join(bei_standard) + "; " + ", ".join(
                f"{name} erst ab n = {min(n for n in GITTER if innerhalb(name, n, STANDARD_SUB))}"
                if any(innerhalb(name, n, STANDARD_SUB) for n in GITTER)
                else f"{name} bei keinem n" for name in erst_spaeter)
            + ".")
    steigt = all(abw[(name, GITTER[i + 1], s)][0] > abw[(name, GITTER[i], s)][0]
                 for name in namen for s in SUBSCHRITTE for i in range(len(GITTER) - 1))
    if steigt:
        punkte.append("Mehr Rechengitter machen KOVs Energien in jedem Entwurf und bei jeder "
                      "Zahl von Sub-Schritten größer.")
    spanne = {name: [abw[(name, n, s)][0] for n in GITTER for s in SUBSCHRITTE] for name in namen}
    ausserhalb = [name for name in namen if min(abs(x) for x in spanne[name]) > GRENZE]
    for name in namen:
        werte = spanne[name]
        punkte.append(f"{name}: Heizenergie zwischen {zahl(min(werte), 1, True)} % und "
                      f"{zahl(max(werte), 1, True)} % neben der Referenz.")
    if ausserhalb:
        punkte.append("Ohne eine Einstellung innerhalb von " + zahl(GRENZE, 0) + " %: "
                      + ", ".join(ausserhalb) + ". Für solche Entwürfe ist KOVs Ergebnis eine "
                      "Abschätzung, deren Fehler in der Tabelle von Abschnitt 3 steht.")
    tmin = [abw[(name, STANDARD_GITTER, STANDARD_SUB)][2] for name in namen]
    punkte.append(f"Der tiefste stündliche Austritt liegt mit n = {STANDARD_GITTER} und "
                  f"{STANDARD_SUB} Sub-Schritten zwischen {zahl(min(tmin), 1, True)} K und "
                  f"{zahl(max(tmin), 1, True)} K neben dem der Referenz"
                  + (" (KOV kälter, für den Frostschutz auf der sicheren Seite)."
                     if max(tmin) < 0 else "."))
    if alle_gut:
        punkte.append("Für alle fünf Entwürfe zugleich innerhalb von " + zahl(GRENZE, 0)
                      + " %: " + ", ".join(f"n = {n} mit {s} Sub-Schritt" + ("en" if s > 1 else "")
                                           for n, s in alle_gut) + ".")
    text.append("\n".join("- " + p for p in punkte) + "\n")
    return "\n".join(text)


def dokument(kov, referenz):
    ref = {name: referenz[(name, "Basis")] for name, _ in ENTWUERFE}
    abw = {}  # (design, n, s) -> (heating %, cooling %, lowest outlet K)
    for name, entwurf in ENTWUERFE:
        for n in GITTER:
            for s in SUBSCHRITTE:
                w = kov[studie_einstellungen(entwurf, n, s)]
                r = ref[name]
                abw[(name, n, s)] = (prozent(w["Heizenergie"], r["Heizenergie"]),
                                     prozent(w["Kuehlenergie"], r["Kuehlenergie"]),
                                     w["MinAustritt"] - r["MinAustritt"])

    def innerhalb(name, n, s):
        h, k, _ = abw[(name, n, s)]
        return abs(h) <= GRENZE and abs(k) <= GRENZE

    aus = []
    schreibe = aus.append
    std = abw[(ENTWUERFE[0][0], STANDARD_GITTER, STANDARD_SUB)]
    alle_gut = [(n, s) for n in GITTER for s in SUBSCHRITTE
                if all(innerhalb(name, n, s) for name, _ in ENTWUERFE)]

    schreibe("# Validierung des Rechenmodells\n")
    schreibe("Erzeugt von `tools/validierung.py` aus Läufen von `kov-run` und den gespeicherten "
             "Ergebnissen der unabhängigen Referenz `kov-referenz`; jede Ergebniszahl stammt "
             "aus diesen Läufen, keine ist von Hand eingetragen. Der CTest-Test `Validierung.DocumentMatchesTheProgram` rechnet KOVs "
             "Seite bei jedem Testlauf nach und schlägt fehl, sobald dieses Dokument nicht mehr "
             "zum Programm passt. Die physikalischen Eigenschaften, die sich exakt prüfen lassen, "
             "stehen mit Sollwert, Herkunft und Toleranz in den Tests unter `tests/validierung/` "
             "(Abschnitt 6).\n")

    schreibe("## Kurz gesagt\n")
    punkte = [
        f"Mit den Standardwerten (n = {STANDARD_GITTER}, {STANDARD_SUB} Sub-Schritte) liegt KOV "
        f"bei der Heizenergie {zahl(std[0], 1, True)} % und bei der Kühlenergie "
        f"{zahl(std[1], 1, True)} % neben der Referenz; der tiefste stündliche Austritt ist "
        f"{zahl(std[2], 1, True)} K davon entfernt.",
    ]
    if alle_gut:
        punkte.append(
            f"Innerhalb von {zahl(GRENZE, 0)} % bei Heiz- und Kühlenergie für alle fünf Entwürfe: "
            + ", ".join(f"n = {n}/{s}" for n, s in alle_gut) + " (Rechengitter/Sub-Schritte).")
    else:
        punkte.append(f"Keine Einstellung bleibt für alle fünf Entwürfe innerhalb von "
                      f"{zahl(GRENZE, 0)} %.")
    anzahl = {s: sum(innerhalb(name, n, s) for name, _ in ENTWUERFE for n in GITTER)
              for s in SUBSCHRITTE}
    punkte.append(f"Von den {len(ENTWUERFE) * len(GITTER)} Paaren aus Entwurf und Rechengitter "
                  f"bleiben innerhalb von {zahl(GRENZE, 0)} %: "
                  + ", ".join(f"{anzahl[s]} mit {s} Sub-Schritt" + ("en" if s > 1 else "")
                              for s in SUBSCHRITTE) + " (Abschnitt 4).")
    merkmale = merkmale_auswerten(kov)
    schreibe("\n".join("- " + p for p in punkte + merkmale["kurz"]) + "\n")

    numerik = referenz_numerik()
    schreibe(VERGLEICH_TEXT.format(**numerik))
    jahre = sorted({int(ref[name]["Jahre"]) for name, _ in ENTWUERFE})
    schreibe(f"Die Referenz rechnet jedes Jahr erneut, bis sich Heiz- und Kühlenergie von einem "
             f"Jahr zum nächsten um weniger als {numerik['Periode']} ändern (hier nach "
             f"{' bzw. '.join(str(j) for j in jahre)} Jahren); KOV rechnet mit seinem Standard, "
             f"einem Einschwingjahr, das nach Abschnitt 5.4 für diese Entwürfe schon periodisch "
             f"ist.\n")

    schreibe("## 2 Die Referenz und ihre Verfeinerung\n")
    schreibe("Jede Auflösung der Referenz wurde einzeln verdoppelt (Zeitschritt halbiert); die "
             "Tabelle zeigt die Änderung gegenüber der Basis, für die Standardwerte zusätzlich "
             "mit allem zugleich verfeinert. Heiz- und Kühlenergie in %, tiefster Austritt in K.\n")
    zeilen = []
    for variante, _ in REFERENZ_VARIANTEN[1:] + [REFERENZ_ALLES]:
        zeile = [variante]
        for name, _ in ENTWUERFE:
            v = referenz.get((name, variante))
            if v is None:
                zeile.append("–")
                continue
            b0 = ref[name]
            zeile.append(f"{zahl(prozent(v['Heizenergie'], b0['Heizenergie']), 3, True)} / "
                         f"{zahl(prozent(v['Kuehlenergie'], b0['Kuehlenergie']), 3, True)} / "
                         f"{zahl(v['MinAustritt'] - b0['MinAustritt'], 3, True)}")
        zeilen.append(zeile)
    schreibe(tabelle(["Verfeinerung"] + [name for name, _ in ENTWUERFE], zeilen) + "\n")
    groesste = max(abs(prozent(v[g], ref[v["Entwurf"]][g])) for (name, variante), v in
                   referenz.items() if variante != "Basis"
                   for g in ("Heizenergie", "Kuehlenergie"))
    bilanz = max(abs(v["Bilanzfehler"]) / (v["Heizenergie"] + v["Kuehlenergie"])
                 for v in referenz.values())
    schreibe(f"Die größte Änderung einer Energie durch eine Verfeinerung ist "
             f"{zahl(groesste, 3)} %, unter der geforderten Schwelle von 0,05 %: die Basis ist "
             f"als Referenz fein genug. Die Energiebilanz jedes Referenzjahres (Wärme an die Luft "
             f"= Wärme über den äußeren Rand − Zunahme der gespeicherten Wärme) geht bis auf "
             f"höchstens {zahl_e(bilanz)} des Bruttoaustauschs auf. Dazu prüft der CTest-Test "
             f"`Referenz.MeetsItsClosedFormLimits` (`kov-referenz --pruefen`) die Referenz gegen "
             f"geschlossene Lösungen: den stationären Fluss des Verbundzylinders "
             f"2π·L·ΔT/Σ(ln(r_a/r_i)/λ) und den Austritt Tg + (Tin − Tg)·e^(−NTU) bei fester "
             f"Wand.\n")
    schreibe("Werte der Referenz (Basis):\n")
    schreibe(tabelle(["Entwurf", "Heizenergie", "Kühlenergie", "tiefster Austritt",
                      "α W/m²K", "NTU Luftfilm"],
                     [[name, kwh(ref[name]["Heizenergie"]), kwh(ref[name]["Kuehlenergie"]),
                       zahl(ref[name]["MinAustritt"], 2) + " °C (Stunde "
                       + str(int(ref[name]["MinStunde"])) + ")",
                       zahl(ref[name]["Alpha"], 3), zahl(ref[name]["NTUFilm"], 3)]
                      for name, _ in ENTWUERFE]) + "\n")

    schreibe("## 3 KOV gegen die Referenz\n")
    schreibe(f"Jede Zelle: Abweichung der Heizenergie in %, der Kühlenergie in %, des tiefsten "
             f"stündlichen Austritts in K (KOV − Referenz; KOVs Bericht gibt den Austritt auf "
             f"0,1 K). Fett: beide Energien innerhalb von {zahl(GRENZE, 0)} %. Spalten: "
             f"Sub-Schritte je Stunde, Zeilen: Rechengitter n.\n")
    for name, entwurf in ENTWUERFE:
        r = ref[name]
        schreibe(f"### {name}" + (f" (`{' '.join(entwurf)}`)" if entwurf else "") + "\n")
        schreibe(f"Referenz: Heizenergie {kwh(r['Heizenergie'])}, Kühlenergie "
                 f"{kwh(r['Kuehlenergie'])}, tiefster Austritt {zahl(r['MinAustritt'], 2)} °C.\n")
        zeilen = []
        for n in GITTER:
            zeile = [f"n = {n}"]
            for s in SUBSCHRITTE:
                h, k, t = abw[(name, n, s)]
                zelle = f"{zahl(h, 1, True)} / {zahl(k, 1, True)} / {zahl(t, 1, True)}"
                zeile.append(f"**{zelle}**" if innerhalb(name, n, s) else zelle)
            zeilen.append(zeile)
        schreibe(tabelle(["Gitter"] + [f"{s} Sub-Schritt" + ("e" if s > 1 else "")
                                       for s in SUBSCHRITTE], zeilen) + "\n")

    schreibe("## 4 Was das für die Auslegung heißt\n")
    schreibe(auslegung_text(abw, innerhalb, alle_gut, merkmale["luecken"]))

    schreibe("## 5 Bekannte Eigenschaften des Modells\n")
    schreibe("Festgestellt, nicht geändert: das Modell bleibt, wie es ist; die Zahlen stammen aus "
             "Läufen von `kov-run`.\n")
    schreibe(merkmale["text"])

    schreibe(TESTS_TEXT)
    schreibe(NACHRECHNEN_TEXT)
    return "\n".join(aus)


def register_kapitel(build):
    """Chapter 8: the register model, its figures from kov-register-validierung."""
    programm = os.path.join(build, "kov-register-validierung")
    if not os.access(programm, os.X_OK):
        raise SystemExit(f"kov-register-validierung not found in {build}")
    zeilen = [json.loads(z) for z in
              ausfuehren([programm, os.path.join(WURZEL, "tests", "daten")]).splitlines()]
    art = lambda name: [z for z in zeilen if z["art"] == name]
    aus = []
    schreibe = aus.append
    schreibe("## 8 Das Registermodell (`Modell=register`)\n")
    schreibe("Das zweite Erdreichmodell rechnet alle Rohre des Registers nebeneinander im "
             "Halbraum unter der Erdoberfläche. Es überlagert zwei lineare, zeitinvariante "
             "Teile: das ungestörte Erdreich als Säule unter der Oberfläche (Wärmeübergang "
             "`AlphaOberflaeche` zur Außenluft plus `Sonnenerwaermung`, adiabater Boden acht "
             "Dämpfungstiefen der Jahreswelle unter den Rohren, periodischer Zustand des Jahres "
             "exakt aus den Moden) und die Störung durch ein Rohr im Halbraum, deren Oberfläche "
             "über denselben Übergang bei Störung 0 liegt. Der Querschnitt eines Rohrs ist in "
             "bipolaren Koordinaten vernetzt, in denen Oberfläche und Rohrwand Koordinatenlinien "
             "sind; die Wand ist eine Isotherme. Die Gittermoden werden durch eine "
             "Galerkin-Projektion auf die Antworten bei logarithmisch gestuften Zeitkonstanten "
             "(eine Viertelstunde bis 30 Jahre, dazu die stationäre) reduziert; der stationäre "
             "Zustand bleibt dabei exakt. Jede Stunde schreitet jede Mode exakt fort. Die Rohre "
             "wirken über die Antwort eines Rohrs am Ort der Nachbarachsen aufeinander "
             "(Überlagerung; die Löcher der Nachbarn zählen als Erdreich, ein Fehler der "
             "Ordnung (r_a/s)², wie in den analytischen Reihenformeln). Wegen der Spiegelebene "
             "in der Mitte der Reihe führen die Rohre n und N+1−n dieselbe Luft im selben "
             "Erdreich: gerechnet werden ⌈N/2⌉ Rohre. Je Axialzelle ist die stündliche "
             "Wandtemperatur eine affine Funktion der Wandflüsse; die Luft wird mit ihrem "
             "exponentiellen Verlauf über die Zelle implizit mit der Wand gekoppelt und exakt "
             "gelöst, Energien und Austritt aus dem Stundenmittel. Feuchte Luft: Feuchtegehalt "
             "aus dem Taupunkt des Wetters, Kondensation an der Wand unter dem Taupunkt nach der "
             "Lewis-Analogie, die latente Wärme geht in die Wand, die Luft verlässt die Zelle "
             "höchstens gesättigt. Ohne Feuchtedaten (eingebautes Jahr) kein Kondensat. Die "
             "Dichte folgt Temperatur und Druck der Ansaugluft (1013,25 hPa auf der Höhe des "
             "Standorts; das Wetterjahr trägt keinen Druck). Einschwingjahre laufen, bis sich "
             "Heiz- und Kühlenergie um weniger als 0,1 % ändern (höchstens 10); nach jedem Jahr "
             "wird jede Mode auf ihren periodischen Zustand vorgezogen.\n")

    schreibe("### 8.1 Grenzfälle\n")
    schreibe("Stationär, Wand 1 K über der isothermen Oberfläche, λ = 1,5 W/mK, Wärmestrom je "
             "Meter Rohr. Einzelrohr: q = 2πλΔT/arcosh(d/r_a); Reihe ohne Ende: "
             "q = 2πλΔT/ln[(s/(π·r_a))·sinh(2πd/s)] (Linienquellen mit Spiegelbildern, jedes "
             "Rohr mit demselben q, 4000 Nachbarn je Seite). Toleranz der Tests 1 %.\n")
    tab = []
    for z in art("einzelrohr"):
        tab.append([f"Einzelrohr d = {zahl(z['tiefe'], 1)} m, r_a = {zahl(z['radius'], 2)} m",
                    zahl(z["modell"], 4), zahl(z["analytisch"], 4),
                    zahl(prozent(z["modell"], z["analytisch"]), 3, True)])
    for z in art("reihe"):
        tab.append([f"Reihe d = {zahl(z['tiefe'], 1)} m, r_a = {zahl(z['radius'], 2)} m, "
                    f"s = {zahl(z['abstand'], 1)} m", zahl(z["modell"], 4),
                    zahl(z["analytisch"], 4), zahl(prozent(z["modell"], z["analytisch"]), 3, True)])
    schreibe(tabelle(["Fall", "Modell W/m", "analytisch W/m", "Abweichung %"], tab) + "\n")
    schreibe("Ungestörtes Erdreich unter einer Oberfläche mit der Lufttemperatur "
             "10 + 10·sin(ωt), Jahreswelle: Dämpfung e^(−z/δ) und Verzug z/δ, "
             "δ = √(2a/ω). Toleranz der Tests 1 % und 0,5 Tag.\n")
    schreibe(tabelle(["Tiefe", "Dämpfung", "e^(−z/δ)", "Verzug Tage", "z/δ in Tagen"],
                     [[f"{zahl(z['tiefe'], 1)} m", zahl(z["daempfung"], 4),
                       zahl(z["analytisch"], 4), zahl(z["verzug"], 2),
                       zahl(z["verzugAnalytisch"], 2)] for z in art("welle")]) + "\n")

    schreibe("### 8.2 Konvergenz\n")
    schreibe("Jede Auflösung einzeln verfeinert (Querschnitt: Zellen in beiden Richtungen "
             "verdoppelt; Zeitkonstanten der Reduktion verdoppelt; Säule: oberste Schicht "
             "halbiert; Axialzellen verdoppelt; Zeitschritte: vier statt einem je Stunde) und "
             "alles zugleich (Zeitschritte verdoppelt). Änderung gegen die Standardauflösung: "
             "Heizenergie %, Kühlenergie %, tiefster stündlicher Austritt K. Eingebautes Jahr. "
             "Grenze: 0,5 % und 0,15 K.\n")
    konv = {tuple(z["name"].split("|")): z for z in art("konvergenz")}
    entwuerfe = list(dict.fromkeys(n for n, _ in konv))
    varianten = list(dict.fromkeys(v for _, v in konv))
    tab = []
    groesste_e, groesste_t = 0.0, 0.0
    for v in varianten[1:]:
        zeile = [v]
        for e in entwuerfe:
            b, w = konv[(e, "Basis")], konv[(e, v)]
            h, k = prozent(w["heiz"], b["heiz"]), prozent(w["kuehl"], b["kuehl"])
            t = w["tmin"] - b["tmin"]
            groesste_e = max(groesste_e, abs(h), abs(k))
            groesste_t = max(groesste_t, abs(t))
            zeile.append(f"{zahl(h, 3, True)} / {zahl(k, 3, True)} / {zahl(t, 3, True)}")
        tab.append(zeile)
    schreibe(tabelle(["Verfeinerung"] + entwuerfe, tab) + "\n")
    schreibe("Entwürfe: Standardwerte (15 Rohre, 1 m tief, 1 m Abstand); tief und eng (4 m, "
             "0,3 m Abstand, DN 100, 30 Rohre, 2 m/s); flach und weit (1 m, 5 m Abstand, "
             "Ø 0,5 m, 100 m lang, 2 Rohre, 2 m/s); kurzes Einzelrohr (2 m, 10 m lang, "
             "Ø 0,2 m, 20 % von 2 m/s). Einschwingjahre mit der Standardauflösung: "
             + ", ".join(f"{e} {int(konv[(e, 'Basis')]['jahre'])}" for e in entwuerfe) + ". "
             f"Größte Änderung einer Energie: {zahl(groesste_e, 3)} %, des tiefsten Austritts: "
             f"{zahl(groesste_t, 3)} K.\n")

    schreibe("### 8.3 Das klassische Problem mit den Mitteln des Registermodells\n")
    schreibe("Jedes Rohr allein in Erdreich, das auf dem Kreis mit dem Radius r_a + `SimRadius` "
             "um die Achse die ungestörte Monatstemperatur des klassischen Modells hält, trockene "
             "Luft mit fester Dichte `RhoLuft`: das Problem des klassischen Modells, gerechnet "
             "mit dem Querschnitt (radiale Zellen gleich breit in ln r, reduziert wie der "
             "Halbraum), den Axialzellen und dem Zeitschritt des Registermodells, eingeschwungen "
             "auf 1e-6. Das Erdreich im Ring ohne den Wärmestrom des Rohrs folgt dem monatlich "
             "springenden Rand mit der Verzögerung des Erdreichs dazwischen (alle Moden der "
             "Ringe); setzte man es dem Rand gleich, läge das Ergebnis rund 3 % zu tief. "
             "Verglichen mit der Feingitter-Referenz `tools/referenz` (Abschnitt 2; "
             "Standardwerte: alles verfeinert, sonst die Basis), Stunden 2 bis 8760. Grenze: "
             "0,5 %.\n")
    ref = referenz_lesen()
    tab = []
    groesste = 0.0
    for z in art("ring"):
        r = ref.get((z["name"], "alles verfeinert")) or ref[(z["name"], "Basis")]
        h, k = prozent(z["heiz"], r["Heizenergie"]), prozent(z["kuehl"], r["Kuehlenergie"])
        groesste = max(groesste, abs(h), abs(k))
        tab.append([z["name"], f"{zahl(z['ring'], 4)} m", kwh(r["Heizenergie"]), kwh(z["heiz"]),
                    zahl(h, 3, True), kwh(r["Kuehlenergie"]), kwh(z["kuehl"]), zahl(k, 3, True),
                    str(int(z["jahre"]))])
    schreibe(tabelle(["Entwurf", "Ring", "Heizen Referenz", "Heizen Register", "%",
                      "Kühlen Referenz", "Kühlen Register", "%", "Einschwingjahre"], tab) + "\n")
    schreibe(f"Größte Abweichung: {zahl(groesste, 3)} %.\n")

    schreibe("### 8.4 Gegen das klassische Modell, mit und ohne Feuchte\n")
    schreibe("Heiz- und Kühlenergie des klassischen Modells und des Registermodells (fühlbar), "
             "Kondensat und seine latente Wärme; eingebautes Auslegungsjahr (ohne Feuchtedaten) "
             "und das Testreferenzjahr `tests/daten/wetter/TRY2015_494414066370_Jahr.dat`.\n")
    tab = []
    for z in art("vergleich"):
        jahr, fall = z["name"].split("|")
        feucht = z["feuchte"] > 0
        tab.append([("eingebautes Jahr" if jahr == "eingebaut" else "TRY 2015") + ", " + fall,
                    kwh(z["heizKlassisch"]), kwh(z["heiz"]),
                    zahl(prozent(z["heiz"], z["heizKlassisch"]), 1, True),
                    kwh(z["kuehlKlassisch"]), kwh(z["kuehl"]),
                    zahl(prozent(z["kuehl"], z["kuehlKlassisch"]), 1, True),
                    f"{zahl(z['kondensat'], 0)} kg / {kwh(z['latent'])}" if feucht
                    else "keine Feuchtedaten", str(int(z["jahre"]))])
    schreibe(tabelle(["Lauf", "Heizen klassisch", "Heizen Register", "%", "Kühlen klassisch",
                      "Kühlen Register", "%", "Kondensat / latent", "Einschwingjahre"], tab)
             + "\n")
    schreibe("Ein Teil der Unterschiede ist gewollt: im Registermodell wirkt `Sonnenerwaermung` "
             "(0,8 K wärmeres ungestörtes Erdreich, im klassischen Modell ohne Wirkung, "
             "Abschnitt 5.1) und die Dichte der Ansaugluft (kalte Luft ist dichter: mehr "
             "Heizen, weniger Kühlen als mit festen 1,2 kg/m³); dazu kommen die Nachbarrohre, "
             "die Oberfläche über den Rohren und der Wegfall des festen Rands. Die latente Wärme "
             "des Kondensats geht in die Wand und ist in der fühlbaren Kühlenergie nicht "
             "enthalten.\n")
    schreibe("Die Tests dazu: `RegisterErdreich.*` (Grenzfälle), `RegisterRing.*` (das "
             "klassische Problem gegen die Referenz auf 0,5 %, der gehaltene Ring gegen den "
             "Verbundzylinder), `RegisterKonvergenz.*` "
             "(Verfeinerung, 0,5 % und 0,15 K), `RegisterLauf.*` (Kondensat nur unter dem "
             "Taupunkt, latente Wärme = Kondensat × Verdampfungsenthalpie auf 1e-6, Jahresbilanz "
             "Wand = Enthalpieabgabe der Luft auf 1e-6, 20 m Abstand wie Einzelrohre auf 0,5 %, "
             "Einschwingen auf den periodischen Zustand auf 0,1 %).\n")
    return "\n".join(aus)


def main():
    argumente = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    argumente.add_argument("--build", default=os.path.join(WURZEL, "build"))
    argumente.add_argument("--pruefen", action="store_true")
    argumente.add_argument("--referenz", action="store_true")
    a = argumente.parse_args()
    if a.referenz:
        referenz_rechnen(a.build)
        return 0
    kov = TKov(a.build)
    kov.rechnen([studie_einstellungen(e, n, s) for _, e in ENTWUERFE for n in GITTER
                 for s in SUBSCHRITTE])
    text = dokument(kov, referenz_lesen()) + "\n" + register_kapitel(a.build)
    if a.pruefen:
        with open(DOKUMENT, encoding="utf-8") as datei:
            bisher = datei.read()
        if bisher != text:
            sys.stdout.writelines(difflib.unified_diff(
                bisher.splitlines(True), text.splitlines(True), "docs/validierung.md",
                "neu berechnet"))
            print("docs/validierung.md no longer matches the program; regenerate it with "
                  "python3 tools/validierung.py", file=sys.stderr)
            return 1
        print("docs/validierung.md matches the program")
        return 0
    with open(DOKUMENT + ".neu", "w", encoding="utf-8", newline="\n") as datei:
        datei.write(text)
    os.replace(DOKUMENT + ".neu", DOKUMENT)
    return 0


if __name__ == "__main__":
    sys.exit(main())
