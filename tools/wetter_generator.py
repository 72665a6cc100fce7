#!/usr/bin/env python3
# Run: python3 tools/wetter_generator.py > src/files/wetter_tabelle.cpp
"""Synthesizes the built-in design year of hourly outdoor air temperatures.

A Central European lowland site: a smooth seasonal level, synoptic swings of several days, a
daily cycle with its minimum near sunrise and its maximum in the afternoon whose amplitude grows
from winter to summer, and one cold and one warm event per month that sets the month's extremes.
The series is rounded to tenths of a kelvin and then repaired by single 0.1 K steps so that the
monthly sums, the monthly extremes, the fixed first day, the last hour and the number of hours
below 0 °C come out exactly. Every characteristic is checked at the end; the program stops with
exit code 1 and writes nothing when one is missed. Fixed seed, standard library only.

The table goes to standard output, the measured characteristics to standard error.
"""

import math
import random
import sys

BEFEHL = "python3 tools/wetter_generator.py > src/files/wetter_tabelle.cpp"
SAAT = 19610426

STUNDEN = 8760
TAGE = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
ERSTE_STUNDE = [1 + 24 * sum(TAGE[:m]) for m in range(12)]

# Targets in tenths of a kelvin.
MONATS_SUMME = [-835, 2801, 34717, 58565, 93286, 111159, 137260, 130173, 103999, 75380, 29616,
                14320]
MONATS_MIN = [-193, -140, -99, -38, 10, 48, 90, 73, 44, 6, -79, -108]
MONATS_MAX = [116, 167, 218, 225, 261, 294, 341, 310, 274, 236, 186, 143]
ERSTER_TAG = [32, 29, 24, 23, 18, 15, 12, 14, 14, 18, 25, 28, 27, 54, 68, 61, 45, 21, -4, -8, -9,
              -10, -15, -19]
LETZTE_STUNDE = 36
KAELTESTE_STUNDE = 607
WAERMSTE_STUNDE = 5008
STUNDEN_UNTER_NULL = 1134
GROESSTER_SPRUNG = 40

TAGE_IM_JAHR = 365
ZWEI_PI = 2 * math.pi


def monat_der_stunde(h):
    for m in range(11, -1, -1):
        if h >= ERSTE_STUNDE[m]:
            return m
    raise ValueError(h)


MONAT = [0] + [monat_der_stunde(h) for h in range(1, STUNDEN + 1)]


def tag_und_uhrzeit(h):
    """0-based day of the year and hour of the day (0 = 00-01 o'clock) of hour h."""
    return (h - 1) // 24, (h - 1) % 24


def jahreswelle(tag, phasentag):
    return math.cos(ZWEI_PI * (tag - phasentag) / TAGE_IM_JAHR)


def zeit_minimum(tag):
    """Time of the daily minimum in hours, shortly before sunrise: about 7 in winter, 4 in June."""
    return 5.6 + 1.6 * jahreswelle(tag, -10)


def zeit_maximum(tag):
    return 14.9 + 0.6 * jahreswelle(tag, 190)


def tagesgang_form(tag, zeit):
    """Daily cycle between -1 (minimum) and +1 (maximum), smooth at both turning points."""
    t_min = zeit_minimum(tag)
    t_max = zeit_maximum(tag)
    if zeit < t_min:
        zeit += 24
    if zeit <= t_max:
        return -math.cos(math.pi * (zeit - t_min) / (t_max - t_min))
    return math.cos(math.pi * (zeit - t_max) / (t_min + 24 - t_max))


def catmull_rom(p0, p1, p2, p3, s):
    return 0.5 * (2 * p1 + (p2 - p0) * s + (2 * p0 - 5 * p1 + 4 * p2 - p3) * s * s
                  + (3 * p1 - p0 - 3 * p2 + p3) * s * s * s)


def tageswerte_auf_stunden(werte):
    """Smooth hourly curve through one value per day, placed at noon of each day."""
    n = len(werte)
    kurve = [0.0] * (STUNDEN + 1)
    for h in range(1, STUNDEN + 1):
        lage = (h - 0.5) / 24 - 0.5
        i = math.floor(lage)
        s = lage - i
        p = [werte[min(max(j, 0), n - 1)] for j in (i - 1, i, i + 1, i + 2)]
        kurve[h] = catmull_rom(p[0], p[1], p[2], p[3], s)
    return kurve


MONATS_MITTE = [ERSTE_STUNDE[m] - 0.5 + 12 * TAGE[m] for m in range(12)]


def monatswerte_auf_stunden(werte):
    """Smooth hourly curve through one value per month at mid-month, closed over the year."""
    kurve = [0.0] * (STUNDEN + 1)
    for h in range(1, STUNDEN + 1):
        m = MONAT[h]
        if h < MONATS_MITTE[m]:
            m -= 1
        a = MONATS_MITTE[m % 12] if m >= 0 else MONATS_MITTE[11] - STUNDEN
        b = MONATS_MITTE[(m + 1) % 12] if m + 1 <= 11 else MONATS_MITTE[0] + STUNDEN
        s = (h - a) / (b - a)
        kurve[h] = catmull_rom(werte[(m - 1) % 12], werte[m % 12], werte[(m + 1) % 12],
                               werte[(m + 2) % 12], s)
    return kurve


class Zufall:
    """The random ingredients; they do not depend on the tuning of the winter variance."""

    def __init__(self):
        zufall = random.Random(SAAT)
        # synoptic anomaly, standardized: AR(1) from day to day, about four days memory
        self.synoptisch = [0.0] * TAGE_IM_JAHR
        z = 0.0
        for _ in range(30):
            z = 0.78 * z + math.sqrt(1 - 0.78 ** 2) * zufall.gauss(0, 1)
        for d in range(TAGE_IM_JAHR):
            z = 0.78 * z + math.sqrt(1 - 0.78 ** 2) * zufall.gauss(0, 1)
            self.synoptisch[d] = z
        # the days of the year's coldest and warmest hour lie in a cold and a warm spell: the
        # path is bent to pass through them as the AR(1) process would, given those values
        for stunde, wert in ((KAELTESTE_STUNDE, -2.6), (WAERMSTE_STUNDE, 2.4)):
            tag = (stunde - 1) // 24
            abstand = wert - self.synoptisch[tag]
            for d in range(TAGE_IM_JAHR):
                self.synoptisch[d] += abstand * 0.78 ** abs(d - tag)
        # cloudiness, standardized, short memory: scales the daily cycle
        self.bewoelkung = [0.0] * TAGE_IM_JAHR
        z = 0.0
        for d in range(TAGE_IM_JAHR):
            z = 0.5 * z + math.sqrt(1 - 0.25) * zufall.gauss(0, 1)
            self.bewoelkung[d] = z
        # hour-to-hour texture
        self.rauschen = [0.0] * (STUNDEN + 1)
        z = 0.0
        for h in range(1, STUNDEN + 1):
            z = 0.93 * z + math.sqrt(1 - 0.93 ** 2) * zufall.gauss(0, 1)
            self.rauschen[h] = 0.25 * z
        self.reihenfolge = list(range(1, STUNDEN + 1))
        zufall.shuffle(self.reihenfolge)


def winteranteil(tag):
    """1 in mid-January, 0 in mid-July."""
    return 0.5 * (1 + jahreswelle(tag, 15))


def extremstunden(zufall):
    """Per month the hour of the cold event (at the daily minimum) and of the warm event (at the
    daily maximum), on the days of the lowest and highest synoptic anomaly."""
    kalt = []
    warm = []
    for m in range(12):
        erster_tag = (ERSTE_STUNDE[m] - 1) // 24
        tage = list(range(erster_tag + 3, erster_tag + TAGE[m] - 3))
        if m == 0:
            kalt_tag = (KAELTESTE_STUNDE - 1) // 24
        else:
            kalt_tag = min(tage, key=lambda d: zufall.synoptisch[d])
        if m == 6:
            warm_tag = (WAERMSTE_STUNDE - 1) // 24
        else:
            warm_tag = max((d for d in tage if abs(d - kalt_tag) >= 5),
                           key=lambda d: zufall.synoptisch[d])
        if m == 0:
            kalt.append(KAELTESTE_STUNDE)
        else:
            kalt.append(naechste_stunde(kalt_tag, zeit_minimum(kalt_tag)))
        if m == 6:
            warm.append(WAERMSTE_STUNDE)
        else:
            warm.append(naechste_stunde(warm_tag, zeit_maximum(warm_tag)))
    return kalt, warm


def naechste_stunde(tag, zeit):
    """Hour of the year on day `tag` whose middle lies nearest to the time of day `zeit`."""
    return tag * 24 + int(math.floor(zeit)) + 1


EREIGNIS_BREITE = 30.0  # hours
EREIGNIS_REICHWEITE = 150
EREIGNIS_NACHT = 0.4


def ereignis_form(h0, warm):
    """Weights of an event around hour h0: a spell of a few days that shows most at the time of
    day of its extreme (clear hot afternoons, clear cold nights)."""
    form = []
    for h in range(max(1, h0 - EREIGNIS_REICHWEITE), min(STUNDEN, h0 + EREIGNIS_REICHWEITE) + 1):
        tag, uhrzeit = tag_und_uhrzeit(h)
        tagesgang = tagesgang_form(tag, uhrzeit + 0.5)
        anteil = (1 + tagesgang) / 2 if warm else (1 - tagesgang) / 2
        gewicht = EREIGNIS_NACHT + (1 - EREIGNIS_NACHT) * anteil
        form.append((h, gewicht * math.exp(-0.5 * ((h - h0) / EREIGNIS_BREITE) ** 2)))
    return form


def grundreihe(zufall, winter_streuung):
    """Synoptic anomaly plus daily cycle plus texture, without level and events, °C."""
    streuung = [2.1 + (winter_streuung - 2.1) * winteranteil(d) for d in range(TAGE_IM_JAHR)]
    anomalie = tageswerte_auf_stunden(
        [streuung[d] * zufall.synoptisch[d] for d in range(TAGE_IM_JAHR)])
    # half daily range: clear days swing more; in winter the clear days are the cold ones
    halbe_spanne = []
    for d in range(TAGE_IM_JAHR):
        basis = 3.0 + 1.55 * jahreswelle(d, 185)
        klar = -0.3 * zufall.bewoelkung[d] - 0.15 * winteranteil(d) * zufall.synoptisch[d] \
            + 0.15 * (1 - winteranteil(d)) * zufall.synoptisch[d]
        halbe_spanne.append(basis * min(max(1 + klar, 0.45), 1.6))
    spanne = tageswerte_auf_stunden(halbe_spanne)
    reihe = [0.0] * (STUNDEN + 1)
    for h in range(1, STUNDEN + 1):
        tag, uhrzeit = tag_und_uhrzeit(h)
        reihe[h] = anomalie[h] + spanne[h] * tagesgang_form(tag, uhrzeit + 0.5) + zufall.rauschen[h]
    return reihe


RAND = 0.6  # K below a month's extreme where the soft limit starts


def begrenzen(wert, grenze, rand):
    """Soft limit: values beyond grenze - rand are compressed into the open band below grenze."""
    schwelle = grenze - rand
    if wert <= schwelle:
        return wert
    return schwelle + rand * math.tanh((wert - schwelle) / rand)


def gleitende_reihe(zufall, winter_streuung, kalt, warm):
    """Real-valued series in °C with the level fitted to the monthly sums and the events to the
    monthly extremes; first day, last hour and a soft limit at the extremes included."""
    grund = grundreihe(zufall, winter_streuung)
    ereignisse = [(h, MONATS_MIN[m] / 10, ereignis_form(h, False)) for m, h in enumerate(kalt)] + \
        [(h, MONATS_MAX[m] / 10, ereignis_form(h, True)) for m, h in enumerate(warm)]
    hoehe = [0.0] * len(ereignisse)
    niveau = [s / 10 / (24 * t) for s, t in zip(MONATS_SUMME, TAGE)]
    extrem_stunde = set(kalt) | set(warm)
    for _ in range(400):
        reihe = [g + n for g, n in zip(grund, monatswerte_auf_stunden(niveau))]
        for (_, _, form), b in zip(ereignisse, hoehe):
            for h, gewicht in form:
                reihe[h] += b * gewicht
        # the fixed first day, fading into the second; the fixed last hour, fading in over a day
        versatz = ERSTER_TAG[-1] / 10 - reihe[24]
        for h in range(1, 25):
            reihe[h] = ERSTER_TAG[h - 1] / 10
        for k in range(24):
            reihe[25 + k] += versatz * (1 - (k + 1) / 25)
        versatz = LETZTE_STUNDE / 10 - reihe[STUNDEN]
        for k in range(24):
            reihe[STUNDEN - k] += versatz * (1 - k / 24)
        for h in range(25, STUNDEN):
            if h in extrem_stunde:
                continue
            m = MONAT[h]
            reihe[h] = begrenzen(reihe[h], MONATS_MAX[m] / 10, RAND)
            reihe[h] = -begrenzen(-reihe[h], -MONATS_MIN[m] / 10, RAND)
        abweichung = 0.0
        for m in range(12):
            summe = sum(reihe[ERSTE_STUNDE[m]:ERSTE_STUNDE[m] + 24 * TAGE[m]])
            fehler = MONATS_SUMME[m] / 10 - summe
            niveau[m] += fehler / (24 * TAGE[m])
            abweichung = max(abweichung, abs(fehler) / (24 * TAGE[m]))
        for i, (h0, ziel, _) in enumerate(ereignisse):
            fehler = ziel - reihe[h0]
            hoehe[i] += fehler
            abweichung = max(abweichung, abs(fehler))
        if abweichung < 1e-6:
            break
    return reihe


def zehntel(wert):
    return int(math.floor(wert * 10 + 0.5))


def unter_null(reihe):
    return sum(1 for h in range(1, STUNDEN + 1) if reihe[h] < 0)


def ganzzahlige_reihe(zufall, kalt, warm):
    """Tunes the winter variance until the rounded series has about the required number of
    hours below 0 °C."""
    unten, oben = 1.5, 6.0
    beste = None
    for _ in range(24):
        mitte = 0.5 * (unten + oben)
        reihe = [zehntel(x) for x in gleitende_reihe(zufall, mitte, kalt, warm)]
        anzahl = unter_null(reihe)
        if beste is None or abs(anzahl - STUNDEN_UNTER_NULL) < abs(beste[0] - STUNDEN_UNTER_NULL):
            beste = (anzahl, mitte, reihe)
        if anzahl == STUNDEN_UNTER_NULL:
            break
        if anzahl < STUNDEN_UNTER_NULL:
            unten = mitte
        else:
            oben = mitte
    print(f"Winterstreuung {beste[1]:.4f} K: {beste[0]} Stunden unter 0 vor der Korrektur",
          file=sys.stderr)
    return beste[2]


class Reparatur:
    """Single 0.1 K steps that keep the jump limit, the month's extremes and the sign."""

    def __init__(self, reihe, fest, reihenfolge):
        self.v = reihe
        self.fest = fest
        self.reihenfolge = reihenfolge

    def sprung_ok(self, h, neu):
        if h > 1 and abs(neu - self.v[h - 1]) > GROESSTER_SPRUNG:
            return False
        if h < STUNDEN and abs(neu - self.v[h + 1]) > GROESSTER_SPRUNG:
            return False
        return True

    def erlaubt(self, h, neu):
        m = MONAT[h]
        return (h not in self.fest and MONATS_MIN[m] < neu < MONATS_MAX[m]
                and self.sprung_ok(h, neu))

    def extreme_setzen(self, kalt, warm):
        v = self.v
        for h in range(1, 25):
            v[h] = ERSTER_TAG[h - 1]
        v[STUNDEN] = LETZTE_STUNDE
        for m in range(12):
            v[kalt[m]] = MONATS_MIN[m]
            v[warm[m]] = MONATS_MAX[m]
        # every other hour strictly inside its month's range, so the extremes stay unique
        for h in range(1, STUNDEN + 1):
            if h in self.fest:
                continue
            m = MONAT[h]
            v[h] = min(max(v[h], MONATS_MIN[m] + 1), MONATS_MAX[m] - 1)

    def unter_null_angleichen(self):
        fehlend = STUNDEN_UNTER_NULL - unter_null(self.v)
        alt, neu = (0, -1) if fehlend > 0 else (-1, 0)
        for h in self.reihenfolge:
            if fehlend == 0:
                break
            if self.v[h] == alt and self.erlaubt(h, neu):
                self.v[h] = neu
                fehlend -= 1 if fehlend > 0 else -1
        if fehlend != 0:
            raise SystemExit(f"Anzahl der Stunden unter 0 nicht erreichbar, Rest {fehlend}")

    def summen_angleichen(self):
        for m in range(12):
            erste = ERSTE_STUNDE[m]
            letzte = erste + 24 * TAGE[m] - 1
            rest = MONATS_SUMME[m] - sum(self.v[erste:letzte + 1])
            while rest != 0:
                schritt = 1 if rest > 0 else -1
                vorher = rest
                for h in self.reihenfolge:
                    if rest == 0:
                        break
                    if not erste <= h <= letzte:
                        continue
                    neu = self.v[h] + schritt
                    if (neu < 0) == (self.v[h] < 0) and self.erlaubt(h, neu):
                        self.v[h] = neu
                        rest -= schritt
                if rest == vorher:
                    raise SystemExit(f"Monatssumme {m + 1} nicht erreichbar, Rest {rest}")

    def spruenge_glaetten(self):
        """Splits a too large step between two hours over its neighbours."""
        for _ in range(20):
            geaendert = False
            for h in range(2, STUNDEN + 1):
                while self.v[h] - self.v[h - 1] > GROESSTER_SPRUNG:
                    if self.erlaubt(h - 1, self.v[h - 1] + 1):
                        self.v[h - 1] += 1
                    elif self.erlaubt(h, self.v[h] - 1):
                        self.v[h] -= 1
                    else:
                        break
                    geaendert = True
                while self.v[h - 1] - self.v[h] > GROESSTER_SPRUNG:
                    if self.erlaubt(h - 1, self.v[h - 1] - 1):
                        self.v[h - 1] -= 1
                    elif self.erlaubt(h, self.v[h] + 1):
                        self.v[h] += 1
                    else:
                        break
                    geaendert = True
            if not geaendert:
                return


def kennwerte(v):
    """Measured characteristics of the integer series v[0..8760] (tenths of a kelvin)."""
    k = {}
    k["summen"] = [sum(v[e:e + 24 * t]) for e, t in zip(ERSTE_STUNDE, TAGE)]
    k["minima"] = [min(v[e:e + 24 * t]) for e, t in zip(ERSTE_STUNDE, TAGE)]
    k["maxima"] = [max(v[e:e + 24 * t]) for e, t in zip(ERSTE_STUNDE, TAGE)]
    jahr = v[1:]
    k["jahres_min"] = min(jahr)
    k["jahres_max"] = max(jahr)
    k["kaelteste"] = [h for h in range(1, STUNDEN + 1) if v[h] == k["jahres_min"]]
    k["waermste"] = [h for h in range(1, STUNDEN + 1) if v[h] == k["jahres_max"]]
    k["unter_null"] = unter_null(v)
    k["sprung"] = max(abs(v[h] - v[h - 1]) for h in range(1, STUNDEN + 1))
    # mean daily range per month and the mean daily course over the year
    spannen = [[] for _ in range(12)]
    verlauf = [0.0] * 24
    for tag in range(TAGE_IM_JAHR):
        stunden = v[tag * 24 + 1:tag * 24 + 25]
        spannen[MONAT[tag * 24 + 1]].append(max(stunden) - min(stunden))
        mittel = sum(stunden) / 24
        for i, x in enumerate(stunden):
            verlauf[i] += (x - mittel) / TAGE_IM_JAHR
    k["tagesspanne"] = [sum(s) / len(s) / 10 for s in spannen]
    k["stunde_min"] = min(range(24), key=lambda i: verlauf[i])
    k["stunde_max"] = max(range(24), key=lambda i: verlauf[i])
    # persistence of the day-to-day weather: lag correlation of daily means about a 31-day mean
    tagesmittel = [sum(v[d * 24 + 1:d * 24 + 25]) / 240 for d in range(TAGE_IM_JAHR)]
    abweichung = []
    for d in range(TAGE_IM_JAHR):
        fenster = tagesmittel[max(0, d - 15):d + 16]
        abweichung.append(tagesmittel[d] - sum(fenster) / len(fenster))
    k["korrelation"] = [lag_korrelation(abweichung, lag) for lag in (1, 10)]
    k["wetterlagen_spanne"] = max(abweichung) - min(abweichung)
    # time of day of every hour at a month's extreme
    def uhrzeiten(m, wert):
        erste = ERSTE_STUNDE[m]
        return sorted({(h - 1) % 24 for h in range(erste, erste + 24 * TAGE[m]) if v[h] == wert})
    k["uhrzeit_min"] = [uhrzeiten(m, k["minima"][m]) for m in range(12)]
    k["uhrzeit_max"] = [uhrzeiten(m, k["maxima"][m]) for m in range(12)]
    return k


def lag_korrelation(x, lag):
    n = len(x) - lag
    mx = sum(x) / len(x)
    zaehler = sum((x[i] - mx) * (x[i + lag] - mx) for i in range(n))
    nenner = sum((a - mx) ** 2 for a in x)
    return zaehler / nenner


def pruefen(v):
    k = kennwerte(v)
    fehler = []
    if v[0] != v[1]:
        fehler.append("Index 0 wiederholt Stunde 1 nicht")
    if v[1:25] != ERSTER_TAG:
        fehler.append("erster Tag weicht ab")
    if v[STUNDEN] != LETZTE_STUNDE:
        fehler.append("Stunde 8760 weicht ab")
    for m in range(12):
        for name, ist, soll in (("Summe", k["summen"], MONATS_SUMME),
                                ("Minimum", k["minima"], MONATS_MIN),
                                ("Maximum", k["maxima"], MONATS_MAX)):
            if ist[m] != soll[m]:
                fehler.append(f"Monat {m + 1}: {name} {ist[m]} statt {soll[m]}")
    if k["kaelteste"] != [KAELTESTE_STUNDE]:
        fehler.append(f"kaelteste Stunden {k['kaelteste']}")
    if k["waermste"] != [WAERMSTE_STUNDE]:
        fehler.append(f"waermste Stunden {k['waermste']}")
    if k["unter_null"] != STUNDEN_UNTER_NULL:
        fehler.append(f"{k['unter_null']} Stunden unter 0")
    if k["sprung"] > GROESSTER_SPRUNG:
        fehler.append(f"groesster Sprung {k['sprung'] / 10} K")
    if not k["tagesspanne"][6] > 1.5 * k["tagesspanne"][0]:
        fehler.append("Tagesgang im Juli nicht deutlich groesser als im Januar")
    if not k["tagesspanne"][5] > 1.5 * k["tagesspanne"][11]:
        fehler.append("Tagesgang im Juni nicht deutlich groesser als im Dezember")
    for m in range(12):
        if any(9 < u < 21 for u in k["uhrzeit_min"][m]):
            fehler.append(f"Monat {m + 1}: Minimum um {k['uhrzeit_min'][m]} Uhr")
        if any(not 11 <= u <= 18 for u in k["uhrzeit_max"][m]):
            fehler.append(f"Monat {m + 1}: Maximum um {k['uhrzeit_max'][m]} Uhr")
    if not 3 <= k["stunde_min"] <= 8 or not 12 <= k["stunde_max"] <= 16:
        fehler.append(f"Tagesgang: Minimum {k['stunde_min']} Uhr, Maximum {k['stunde_max']} Uhr")
    if not (k["korrelation"][0] > 0.5 and k["korrelation"][1] < 0.3):
        fehler.append(f"Wetterlagen ohne Bestand: Korrelation {k['korrelation']}")
    if not k["wetterlagen_spanne"] > 10:
        fehler.append(f"Wetterlagen zu flach: {k['wetterlagen_spanne']:.1f} K")
    return k, fehler


def bericht(k):
    aus = sys.stderr
    print("Monat   Summe    Mittel   Min    Max  Tagesspanne", file=aus)
    for m in range(12):
        mittel = k["summen"][m] / 10 / (24 * TAGE[m])
        print(f"{m + 1:5d} {k['summen'][m]:7d} {mittel:9.5f} {k['minima'][m] / 10:5.1f} "
              f"{k['maxima'][m] / 10:6.1f} {k['tagesspanne'][m]:8.2f}", file=aus)
    gesamt = sum(k["summen"])
    print(f"Jahr: Summe {gesamt}, Mittel {gesamt / 10 / STUNDEN:.5f} °C", file=aus)
    print(f"kaelteste Stunde {k['kaelteste']} {k['jahres_min'] / 10} °C, "
          f"waermste Stunde {k['waermste']} {k['jahres_max'] / 10} °C", file=aus)
    print(f"Stunden unter 0 °C: {k['unter_null']}; groesster Sprung: {k['sprung'] / 10} K",
          file=aus)
    print(f"mittlerer Tagesgang: Minimum {k['stunde_min']}-{k['stunde_min'] + 1} Uhr, "
          f"Maximum {k['stunde_max']}-{k['stunde_max'] + 1} Uhr", file=aus)
    print(f"Korrelation der Tagesmittel: 1 Tag {k['korrelation'][0]:.3f}, "
          f"10 Tage {k['korrelation'][1]:.3f}; Spanne der Wetterlagen "
          f"{k['wetterlagen_spanne']:.1f} K", file=aus)
    print("Uhrzeit der Monatsminima: " + " ".join(str(u[0]) for u in k["uhrzeit_min"]) +
          "; der Monatsmaxima: " + " ".join(str(u[0]) for u in k["uhrzeit_max"]), file=aus)


def quelltext(v):
    zeilen = [f"// generated by `{BEFEHL}`; do not edit",
              "// clang-format off",
              '#include "files/wetter_tabelle.h"',
              "",
              "namespace kov {",
              "",
              "const std::array<double, 8761> EingebauteWetterTabelle{",
              f"    {v[0] / 10:.1f}, // index 0 repeats hour 1; then half a day per line"]
    for anfang in range(1, len(v), 12):
        teil = v[anfang:anfang + 12]
        zeilen.append("    " + ", ".join(f"{x / 10:.1f}" for x in teil) + ",")
    zeilen += ["};", "", "} // namespace kov", "// clang-format on", ""]
    return "\n".join(zeilen)


def main():
    zufall = Zufall()
    kalt, warm = extremstunden(zufall)
    reihe = ganzzahlige_reihe(zufall, kalt, warm)
    fest = set(range(1, 25)) | {STUNDEN} | set(kalt) | set(warm)
    reparatur = Reparatur(reihe, fest, zufall.reihenfolge)
    reparatur.extreme_setzen(kalt, warm)
    reparatur.spruenge_glaetten()
    reparatur.unter_null_angleichen()
    reparatur.summen_angleichen()
    reihe[0] = reihe[1]
    k, fehler = pruefen(reihe)
    bericht(k)
    if fehler:
        for f in fehler:
            print("FEHLER: " + f, file=sys.stderr)
        sys.exit(1)
    sys.stdout.write(quelltext(reihe))


if __name__ == "__main__":
    main()
