#!/usr/bin/env python3
"""Independent recalculation of a complete KOV run, as a cross-check of the C++ program.

Rebuilds one run from the model description alone: weather step, ground grid set-up with the
six Crank-Nicolson step matrices, the hour loop over the settling passes and the recorded year
(air side, bypass control, conduction step, energy balance) and the whole report file. Python
floats are IEEE doubles and math.exp/log/log10/sqrt/cos call the C library, so every formula is
written in the program's evaluation order (left to right, squares as x * x, sums in ascending
index order starting from 0.0) and the results must agree bit for bit.

Only the built-in design-year table is shared with the program: its numbers are read from
src/files/wetter_tabelle.cpp as data.

Usage:
    python3 tools/nachrechnung.py [-C DIR] [NAME=VALUE ...]
writes the report (OutputFile, default kov.txt) into DIR and prints the four yearly totals at
full precision. Comparison with the program for one set of values:
    build/kov-run -C a --json NAME=VALUE ...
    python3 tools/nachrechnung.py -C b NAME=VALUE ...
    cmp a/kov.txt b/kov.txt
tools/nachrechnung_vergleich.sh runs this for a list of cases.

Not covered: ventilation schedule files and the weather read-back from an earlier report
(FahrplanGelesen=true, EingebautesWetter=false).
"""

import math
import os
import re
import sys
from decimal import ROUND_HALF_UP, Context, Decimal
from functools import reduce
from operator import add, mul

WURZEL = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TABELLE_CPP = os.path.join(WURZEL, "src", "files", "wetter_tabelle.cpp")

TAGE_IM_MONAT = (0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31)
MONATSNAMEN = ("", "Januar", "Februar", "Maerz", "April", "Mai", "Juni", "Juli", "August",
               "September", "Oktober", "November", "Dezember")
GRAD = "\xf8"  # degree sign of the DOS code pages, one byte in the report


def ErsteStundeImMonat(m):
    return 24 * sum(TAGE_IM_MONAT[1:m]) + 1


def LetzteStundeImMonat(m):
    return ErsteStundeImMonat(m) - 1 + 24 * TAGE_IM_MONAT[m]


def Hoch(basis, exponent):
    """Power of the magnitude of the base, exp(exponent * ln|basis|)."""
    return math.exp(exponent * math.log(abs(basis)))


def WetterTabelleLesen():
    with open(TABELLE_CPP, encoding="ascii") as f:
        text = f.read()
    text = re.sub(r"//[^\n]*", "", text)
    rumpf = text[text.index("{", text.index("EingebauteWetterTabelle")) + 1:]
    rumpf = rumpf[:rumpf.index("}")]
    werte = [float(t) for t in rumpf.replace(",", " ").split()]
    if len(werte) != 8761:
        raise SystemExit(f"{TABELLE_CPP}: {len(werte)} values instead of 8761")
    return werte


class Parameter:
    """The parameter set with its defaults; field names as in the program."""

    def __init__(self):
        self.Projektname = "Testlauf1"
        self.DRohr = 0.1922
        self.Rohrlaenge = 50.0
        self.WandstaerkeRohr = 0.0039
        self.AnzahlRohre = 15
        self.Volumenstrom = 3700.0
        self.Stroemungsgeschwindigkeit = 0.0
        self.Tiefe = 1.0
        self.SimRadius = 1.2
        self.LambdaErde = 1.5
        self.RhoErde = 1400.0
        self.CpErde = 1400.0
        self.LambdaRohr = 0.35
        self.RhoRohr = 1100.0
        self.CpRohr = 800.0
        self.LambdaLuft = 0.024
        self.RhoLuft = 1.2
        self.CpLuft = 1005.0
        self.ViskositaetLuft = 0.0000145
        self.AlphaStillstand = 0.0
        self.Geregelt = True
        self.Kuehlgrenze = 12.0
        self.Heizgrenze = 12.0
        self.HystereseEin = 0.0
        self.HystereseAus = 0.0
        self.AnteilAdiabat = 0.0
        self.AnteilKeller = 0.0
        self.AnteilErde = 1.0
        self.KellerTemperatur = [10.0] * 13
        self.KWertKeller = 0.4
        self.LambdaPlatte = 1.0
        self.CpPlatte = 1400.0
        self.RhoPlatte = 1400.0
        self.TiefeKeller = 1.0
        self.Sonnenerwaermung = 0.8
        self.SpezielleRandbedingung = False
        self.ErdTemperaturSpeziell = [10.0] * 13
        self.AnzahlGitter = 6
        self.Gitterfaktor = 0.0
        self.Radiusteiler = 12.0
        self.Zeitschritt = 3600.0
        self.AnzahlSubSchritte = 2
        self.Einschwingjahre = 1
        self.MonitorAxial = 1
        self.MonitorRadial = 2
        self.MonitorSektor = 3
        self.MonitorAchsAbstand = 0.0
        self.MonitorAbstandEinlass = 0.0
        self.EingebautesWetter = True
        self.WetterFile = "zurihour.dat"
        self.OutputFile = "kov.txt"
        self.FahrplanGelesen = False
        self.FahrplanFile = "wplaufz1.txt"
        self.Land = "CH"

    def Setzen(self, name, text):
        if name.startswith("_") or not hasattr(self, name):
            raise SystemExit(f"unknown parameter {name}")
        alt = getattr(self, name)
        if isinstance(alt, bool):
            if text.lower() not in ("true", "false", "1", "0"):
                raise SystemExit(f"{name}: not a truth value: {text}")
            wert = text.lower() in ("true", "1")
        elif isinstance(alt, int):
            wert = int(text)
        elif isinstance(alt, float):
            wert = float(text)
        elif isinstance(alt, list):
            wert = [float(text)] * 13
        else:
            wert = text
        setattr(self, name, wert)

    def AnteilErdeBerechnen(self):
        self.AnteilErde = 1.0 - self.AnteilAdiabat - self.AnteilKeller
        if self.AnteilErde < 0:
            self.AnteilErde = 0.0

    def GeschwindigkeitBerechnen(self):
        self.Stroemungsgeschwindigkeit = (
            self.Volumenstrom / 3600 / 3.14159 / (self.DRohr * self.DRohr) * 4 / self.AnzahlRohre)


class Wetter:
    """Weather step: hourly outdoor air and the monthly undisturbed ground temperatures."""

    def __init__(self, p, tabelle):
        self.Tein = list(tabelle)
        self.RelFeuchte = [10.0] * 8761
        self.TTaupunkt = [0.0] * 8761
        self.JahresMittelTemperatur = 0.0
        for h in range(1, 8761):
            self.JahresMittelTemperatur += self.Tein[h] / 8760
        self.MittelTemperaturMonat = [0.0] * 13
        for m in range(1, 13):
            mittel = 0.0
            for h in range(ErsteStundeImMonat(m), LetzteStundeImMonat(m) + 1):
                mittel += self.Tein[h] / 24 / TAGE_IM_MONAT[m]
            self.MittelTemperaturMonat[m] = mittel
        hoechst, tiefst = -100.0, 100.0
        for m in range(1, 13):
            self.MittelTemperaturMonat[m] += p.Sonnenerwaermung
            if self.MittelTemperaturMonat[m] > hoechst:
                hoechst = self.MittelTemperaturMonat[m]
            if self.MittelTemperaturMonat[m] < tiefst:
                tiefst = self.MittelTemperaturMonat[m]
        amplitude = (hoechst - tiefst) / 2
        temperaturleitfaehigkeit = p.LambdaErde / p.RhoErde / p.CpErde  # m2/s
        daempfung = math.sqrt(3.14159 / temperaturleitfaehigkeit / 365 / 24 / 3600)  # 1/m
        self.ErdTemperaturMonat = [0.0] * 13
        for m in range(1, 13):
            tag = (ErsteStundeImMonat(m) - 1) // 24 + TAGE_IM_MONAT[m] // 2
            self.ErdTemperaturMonat[m] = (
                amplitude * math.exp(-daempfung * p.Tiefe)
                * math.cos((tag - 196) * 6.28318 / 365 - daempfung * p.Tiefe)
                + self.JahresMittelTemperatur)
        if p.SpezielleRandbedingung:
            self.ErdTemperaturMonat = list(p.ErdTemperaturSpeziell)
        self.StartTemperatur = self.ErdTemperaturMonat[1]


def MatrixLeer():
    return [[0.0] * 12 for _ in range(12)]


def LinksMatrixAufbauen(g, c, dt, m):
    """2C + dt*K; rows 0 and m+1 hold the surface and boundary node."""
    a = MatrixLeer()
    a[0][0] = 1.0
    a[m + 1][m + 1] = 1.0
    for i in range(1, m + 1):
        a[i][i] = 2 * c[i] + dt * g[i] + dt * g[i + 1]
        a[i][i - 1] = -dt * g[i]
        a[i][i + 1] = -dt * g[i + 1]
    return a


def RechtsMatrixAufbauen(g, c, dt, m):
    """2C - dt*K."""
    a = MatrixLeer()
    a[0][0] = 1.0
    a[m + 1][m + 1] = 1.0
    for i in range(1, m + 1):
        a[i][i] = 2 * c[i] - dt * g[i] - dt * g[i + 1]
        a[i][i - 1] = dt * g[i]
        a[i][i + 1] = dt * g[i + 1]
    return a


def MatrixInvertieren(a, m):
    """Gauss-Jordan exchange steps on the diagonal, no pivot search, no row exchange."""
    b = [list(zeile) for zeile in a]
    bereich = range(m + 2)
    for k in bereich:
        p = b[k][k]
        for j in bereich:
            b[k][j] = -b[k][j] / p
        for i in bereich:
            if i != k:
                for j in bereich:
                    if j != k:
                        b[i][j] = b[i][j] + b[k][j] * b[i][k]
            b[i][k] = b[i][k] / p
        b[k][k] = 1 / p
    return b


def MatrixMultiplizieren(a, b, m):
    d = MatrixLeer()
    bereich = range(m + 2)
    for i in bereich:
        for j in bereich:
            s = 0.0
            for k in bereich:
                s = s + a[i][k] * b[k][j]
            d[i][j] = s
    return d


def SchrittMatrix(g, c, dt, m):
    """Crank-Nicolson step P = (2C + dt*K)^-1 (2C - dt*K)."""
    links = LinksMatrixAufbauen(g, c, dt, m)
    rechts = RechtsMatrixAufbauen(g, c, dt, m)
    return MatrixMultiplizieren(MatrixInvertieren(links, m), rechts, m)


class Erdreich:
    """The three sector grids around the representative pipe with their step matrices."""

    def __init__(self, p, dt, dx, start_temperatur):
        n = p.AnzahlGitter
        self.n = n
        # [axial cell a][radial node i]: 0 inner surface, 1 pipe wall, 2..n rings, n+1 boundary
        self.GitterErde = [[start_temperatur] * 12 for _ in range(12)]
        self.GitterAdiabat = [[start_temperatur] * 12 for _ in range(12)]
        self.GitterKeller = [[start_temperatur] * 12 for _ in range(12)]

        r0 = p.DRohr / 2
        r1 = r0 + p.WandstaerkeRohr
        q = 5.0
        while True:
            q_alt = q
            x = 1 - (p.SimRadius / p.Radiusteiler / (r1 - r0)) * (1 - q)
            q = Hoch(x, 1 / (n - 1))
            if not abs(q_alt - q) >= 0.001:
                break
        p.Gitterfaktor = q
        h_erde = (1 - q) * p.SimRadius / (1 - Hoch(q, n - 1))
        h_keller = (1 - q) * p.TiefeKeller / (1 - Hoch(q, n - 1))
        re = [0.0] * 12
        rk = [0.0] * 12
        re[0] = rk[0] = r0
        re[1] = rk[1] = r1
        for i in range(2, n + 1):
            re[i] = re[i - 1] + Hoch(q, i - 2) * h_erde
            rk[i] = rk[i - 1] + Hoch(q, i - 2) * h_keller
        rme = [0.0] * 12
        rmk = [0.0] * 12
        for i in range(1, n + 1):
            rme[i] = math.sqrt((re[i - 1] * re[i - 1] + re[i] * re[i]) / 2)
            rmk[i] = math.sqrt((rk[i - 1] * rk[i - 1] + rk[i] * rk[i]) / 2)
        self.RadienErde, self.RadienKeller = re, rk
        self.MittelradienErde, self.MittelradienKeller = rme, rmk

        w = p.Stroemungsgeschwindigkeit
        self.KapazitaetsstromLuft = r0 * r0 * 3.14159 * w * p.RhoLuft * p.CpLuft  # W/K
        # inner surface to the middle of the wall cell, W/K per axial cell
        self.LeitwertWand = 6.28318 * p.LambdaRohr * dx / math.log(rme[1] / r0)
        if p.AlphaStillstand <= 0.01:
            self.LeitwertStillstand = 0.0
        else:
            self.LeitwertStillstand = 1 / (math.log(rme[1] / r0) / (6.28318 * p.LambdaRohr * dx)
                                           + 1 / (6.28318 * p.AlphaStillstand * r0 * dx))

        ge = [0.0] * 12
        gk = [0.0] * 12
        ge[0] = gk[0] = self.KapazitaetsstromLuft
        ge[1] = gk[1] = self.LeitwertWand
        ge[2] = 6.28318 * dx / (math.log(r1 / rme[1]) / p.LambdaRohr
                                + math.log(rme[2] / r1) / p.LambdaErde)
        gk[2] = 6.28318 * dx / (math.log(r1 / rmk[1]) / p.LambdaRohr
                                + math.log(rmk[2] / r1) / p.LambdaPlatte)
        for i in range(3, n + 1):
            ge[i] = 2 * 3.14159 * p.LambdaErde * dx / math.log(rme[i] / rme[i - 1])
            gk[i] = 2 * 3.14159 * p.LambdaPlatte * dx / math.log(rmk[i] / rmk[i - 1])
        ge[n + 1] = ge[n]
        if p.KWertKeller < 1e-7:
            gk[n + 1] = 0.0
        else:
            # the cellar coupling uses the outer radii of the earth geometry
            gk[n + 1] = 1 / (math.log(re[n] / rme[n]) / (2 * 3.14159 * p.LambdaPlatte * dx)
                             + 1 / (2 * 3.14159 * p.KWertKeller * re[n] * dx))
        self.LeitwertErde, self.LeitwertKeller = ge, gk

        ce = [0.0] * 12
        ck = [0.0] * 12
        ce[1] = ck[1] = (r1 * r1 - r0 * r0) * p.CpRohr * p.RhoRohr * 3.14159 * dx
        for i in range(2, n + 1):
            ce[i] = (re[i] * re[i] - re[i - 1] * re[i - 1]) * p.CpErde * p.RhoErde * 3.14159 * dx
            ck[i] = (rk[i] * rk[i] - rk[i - 1] * rk[i - 1]) * p.CpPlatte * p.RhoPlatte * 3.14159 * dx
        self.KapazitaetErde, self.KapazitaetKeller = ce, ck

        def leitwerte(g1, innen, aussen):
            g = list(innen)
            g[1] = g1
            g[n + 1] = aussen
            return g

        kw, ks = self.LeitwertWand, self.LeitwertStillstand
        matrizen = {
            "ErdeBetrieb": SchrittMatrix(leitwerte(kw, ge, ge[n]), ce, dt, n),
            "ErdeStillstand": SchrittMatrix(leitwerte(ks, ge, ge[n]), ce, dt, n),
            "AdiabatBetrieb": SchrittMatrix(leitwerte(kw, ge, 0.0), ce, dt, n),
            "KellerBetrieb": SchrittMatrix(leitwerte(kw, gk, gk[n + 1]), ck, dt, n),
            "AdiabatStillstand": SchrittMatrix(leitwerte(ks, ge, 0.0), ce, dt, n),
            "KellerStillstand": SchrittMatrix(leitwerte(ks, gk, gk[n + 1]), ck, dt, n),
        }
        # rows 1..n over columns 0..n+1: what the slice step multiplies
        self.Matrix = {name: [tuple(P[i][:n + 2]) for i in range(1, n + 1)]
                       for name, P in matrizen.items()}

        rm = rmk if p.MonitorSektor == 3 else rme
        p.MonitorAchsAbstand = rm[p.MonitorRadial] if 0 <= p.MonitorRadial < 12 else 0.0
        p.MonitorAbstandEinlass = (p.MonitorAxial - 1) * dx + dx / 2


def Waermeuebergang(w, d, nu, rho, cp, lam, r):
    """Heat transfer coefficient air to inner pipe surface, W/m2K."""
    re = r * w * d / nu
    pr = nu * rho * cp / lam
    pr13 = Hoch(pr, 1.0 / 3)
    pr23 = Hoch(pr, 2.0 / 3)
    if re <= 2300:
        nu_zahl = 4.36
    elif re >= 10000:
        t = 1.82 * math.log10(re) - 1.64
        xi = 1 / (t * t)
        k1 = 1 + 27.2 * xi / 8
        k2 = 11.7 + 1.8 / pr13
        nu_zahl = (xi / 8) * re * pr / (k1 + k2 * math.sqrt(xi / 8) * (pr23 - 1))
    else:
        k2 = 11.7 + 1.8 / pr13
        nu10000 = ((0.031437 / 8) * 10000 * pr
                   / (1.106886 + k2 * math.sqrt(0.031437 / 8) * (pr23 - 1)))
        nu_zahl = 4.36 * Hoch(nu10000 / 4.36, math.log(re / 2300) / math.log(4.3478260869565215))
    return nu_zahl * lam / d


def Simulieren(p, wetter, erde, dx):
    """All passes over the design year: the hourly series of the last pass, the four totals and
    whether the run is still settling (no recorded pass)."""
    n = erde.n
    tein = wetter.Tein
    taus = [0.0] * 8761
    relvol = [0.0] * 8761
    tmonitor = [0.0] * 8761
    betrieb = [0.0] * 8761
    summen = {"WaermeentzugKeller": 0.0, "WaermeentzugErde": 0.0,
              "Kuehlenergie": 0.0, "Heizenergie": 0.0}
    ge, ga, gk = erde.GitterErde, erde.GitterAdiabat, erde.GitterKeller
    W = erde.KapazitaetsstromLuft
    Kw = erde.LeitwertWand
    g_erde_rand = erde.LeitwertErde[n + 1]
    g_keller_rand = erde.LeitwertKeller[n + 1]
    wE, wA, wK = p.AnteilErde, p.AnteilAdiabat, p.AnteilKeller
    M = erde.Matrix
    betrieb_matrizen = (M["ErdeBetrieb"], M["KellerBetrieb"], M["AdiabatBetrieb"])
    stillstand_matrizen = (M["ErdeStillstand"], M["KellerStillstand"], M["AdiabatStillstand"])
    monitor_gitter = {1: ge, 2: ga, 3: gk}.get(p.MonitorSektor)
    ma, mr = p.MonitorAxial, p.MonitorRadial
    zeilen = range(1, n + 1)
    r0 = p.DRohr / 2
    R = 1.0  # no ventilation schedule: nominal flow whenever the register runs
    einschwingen = True
    taus_aktuell = wetter.StartTemperatur
    durchlaeufe = p.Einschwingjahre + 1

    for durchlauf in range(1, durchlaeufe + 1):
        for monat in range(1, 13):
            erste = ErsteStundeImMonat(monat)
            for stunde in range(erste, LetzteStundeImMonat(monat) + 1):
                if stunde == erste:
                    rand = wetter.ErdTemperaturMonat[monat]
                    if p.SpezielleRandbedingung:
                        rand = p.ErdTemperaturSpeziell[monat]
                    for a in zeilen:
                        ge[a][n + 1] = rand
                        gk[a][n + 1] = p.KellerTemperatur[monat]
                tein_aktuell = tein[stunde]
                # without a schedule every hour starts with the register running
                in_betrieb = True
                alpha = Waermeuebergang(p.Stroemungsgeschwindigkeit, p.DRohr, p.ViskositaetLuft,
                                        p.RhoLuft, p.CpLuft, p.LambdaLuft, R)
                kzelle = 2 * 3.14159 * r0 * dx * alpha
                for _ in range(p.AnzahlSubSchritte):
                    if p.Geregelt and p.Heizgrenze < tein_aktuell < p.Kuehlgrenze:
                        in_betrieb = False
                    if in_betrieb:
                        taus_aktuell = LuftDurchlauf(kzelle, R, tein_aktuell, W, Kw,
                                                     wE, wA, wK, ge, ga, gk, n)
                    else:
                        taus_aktuell = tein_aktuell
                    PE, PK, PA = betrieb_matrizen if in_betrieb else stillstand_matrizen
                    for a in zeilen:
                        # all three copies are taken before any grid row changes
                        zeile_e, zeile_k, zeile_a = ge[a], gk[a], ga[a]
                        ve, vk, va = zeile_e[:n + 2], zeile_k[:n + 2], zeile_a[:n + 2]
                        zeile_e[1:n + 1] = [reduce(add, map(mul, P, ve), 0.0) for P in PE]
                        zeile_k[1:n + 1] = [reduce(add, map(mul, P, vk), 0.0) for P in PK]
                        zeile_a[1:n + 1] = [reduce(add, map(mul, P, va), 0.0) for P in PA]

                # energy balance of the hour
                if in_betrieb:
                    leistung = ((taus_aktuell - tein_aktuell) * p.CpLuft * p.RhoLuft
                                * p.Volumenstrom * R / 3600 / 1000)  # kW
                else:
                    leistung = 0.0
                if not einschwingen:
                    if in_betrieb:
                        if leistung > 0:
                            summen["Heizenergie"] += leistung * p.Zeitschritt / 3600
                        if leistung < 0:
                            summen["Kuehlenergie"] -= leistung * p.Zeitschritt / 3600
                    for a in zeilen:
                        summen["WaermeentzugKeller"] += (
                            p.AnteilKeller * p.Zeitschritt
                            * (p.AnzahlRohre * g_keller_rand * (gk[a][n + 1] - gk[a][n]) / 1000)
                            / 3600)
                        summen["WaermeentzugErde"] += (
                            p.AnteilErde * p.Zeitschritt
                            * (p.AnzahlRohre * g_erde_rand * (ge[a][n + 1] - ge[a][n]) / 1000)
                            / 3600)

                taus[stunde] = taus_aktuell
                if monitor_gitter is not None:
                    tmonitor[stunde] = monitor_gitter[ma][mr]
                betrieb[stunde] = 1.0 if in_betrieb else 0.0
                relvol[stunde] = 1.0 if in_betrieb else 0.0
                if durchlauf > p.Einschwingjahre:
                    einschwingen = False

    reihen = {"Taus": taus, "RelVolumenstrom": relvol, "TMonitor": tmonitor, "Betrieb": betrieb}
    return reihen, summen, einschwingen


def LuftDurchlauf(K, R, t_ein, W, Kw, wE, wA, wK, ge, ga, gk, n):
    """Air pass from the inlet through the n cells; writes the inner surface node of each cell."""
    keff = K * Kw / (K + Kw)  # convection and inner half of the wall in series
    a_luft = R * W / (R * W + keff)
    b_boden = keff / (R * W + keff)
    t = t_ein
    for i in range(1, n + 1):
        zeile_e, zeile_a, zeile_k = ge[i], ga[i], gk[i]
        t_boden = wE * zeile_e[1] + wA * zeile_a[1] + wK * zeile_k[1]
        t = a_luft * t + b_boden * t_boden
        zeile_e[0] = (zeile_e[1] * Kw + t * K) / (K + Kw)
        zeile_a[0] = (zeile_a[1] * Kw + t * K) / (K + Kw)
        zeile_k[0] = (zeile_k[1] * Kw + t * K) / (K + Kw)
    return t


_KONTEXT_18 = Context(prec=18, rounding=ROUND_HALF_UP)
_KONTEXT_WEIT = Context(prec=1000, rounding=ROUND_HALF_UP)


def Feld(x, w, d):
    """Real at w:d: 18 significant digits, then d decimals, both rounded half up in magnitude."""
    betrag = _KONTEXT_18.plus(abs(Decimal(x)))
    betrag = betrag.quantize(Decimal(1).scaleb(-d), rounding=ROUND_HALF_UP, context=_KONTEXT_WEIT)
    text = format(betrag, "f")
    if x < 0:
        text = "-" + text
    return text.rjust(w)


def Wahr(b):
    return "TRUE" if b else "FALSE"


def KopfZeilen(p):
    def z(wert, einheit, text):
        return f"{wert}\t{einheit}\t{text}"

    grad_c = " " + GRAD + "C"
    k = ["Ausgabefile zum Programm KOV, Berechnung von Erdregistern", "",
         p.Projektname + "\t\t", "",
         z(Feld(p.DRohr, 6, 4), " m", " Rohrdurchmesser innen;"),
         z(Feld(p.Rohrlaenge, 6, 2), " m", " Rohrlaenge"),
         z(Feld(p.WandstaerkeRohr, 6, 4), " m", " Wandstaerke der Rohre"),
         z(p.AnzahlRohre, "", " Anzahl Register-Rohre"),
         z(Feld(p.Volumenstrom, 8, 1), " m3/h", " Nenn-Volumenstrom"),
         z(Feld(p.Stroemungsgeschwindigkeit, 6, 3), " m/s",
           " Stroemungsgeschwindigkeit, nicht veraenderbar"),
         z(Feld(p.LambdaErde, 6, 3), " W/mK", " Waermeleitfaehigkeit lambda der Erde"),
         z(Feld(p.RhoErde, 6, 1), " kg/m3", " Dichte der Erde"),
         z(Feld(p.CpErde, 6, 1), " J/kgK", " cp-Wert der Erde"),
         z(Feld(p.LambdaRohr, 6, 3), " W/mK", " Waermeleitfaehigkeit lambda der Rohre"),
         z(Feld(p.RhoRohr, 6, 1), " kg/m3", " Dichte der Rohre"),
         z(Feld(p.CpRohr, 6, 1), " J/kgK", " cp-Wert der Rohre"),
         z(Feld(p.LambdaLuft, 6, 3), " W/mK", " Waermeleitfaehigkeit lambda der Luft"),
         z(Feld(p.RhoLuft, 6, 1), " kg/m3", " Dichte der Luft"),
         z(Feld(p.CpLuft, 6, 1), " J/kgK", " cp-Wert der Luft"),
         z(Feld(p.ViskositaetLuft, 10, 8), " m2/s", " kinem. Viskositaet der Luft"),
         z(Feld(p.AlphaStillstand, 6, 2), " W/m2K", " Waermeuebergang Luft-Rohr bei Stillstand"),
         z(Feld(p.Tiefe, 6, 3), " m", " Verlegetiefe der Rohre zu Aussenluft"),
         z(Feld(p.SimRadius, 6, 3), " m",
           " Simulationsradius um Rohre, aktiver Speicher, ohne Kelleranteil"),
         z(Feld(p.Sonnenerwaermung, 6, 2), grad_c, " mittlere Bodenerwaermung durch Sonne"),
         z(Wahr(p.Geregelt), "", " Geregelter Betrieb mit Bypass-Klappe, Freigabe aktiv"),
         z(Feld(p.Kuehlgrenze, 6, 2), grad_c, " Freigabe Sommer"),
         z(Feld(p.Heizgrenze, 6, 2), grad_c, " Freigabe Winter"),
         z(Feld(p.HystereseEin, 6, 2), grad_c, " Einschalthysterese Erdregister-Regelung, inaktiv"),
         z(Feld(p.HystereseAus, 6, 2), grad_c, " Ausschalthysterese Erdregister-Regelung, inaktiv"),
         z(Feld(p.AnteilAdiabat, 6, 4), "",
           " adiabater Anteil (Einfluss nebenliegende Rohre und nach unten)"),
         z(Feld(p.AnteilKeller, 6, 4), "", " Anteil des Kellers"),
         z(Feld(p.AnteilErde, 6, 4), "", " Anteil der Erde (unten), Differenz zu 1.0")]
    for m in range(1, 13):
        k.append(z(Feld(p.KellerTemperatur[m], 6, 2), grad_c, " Kellertemperatur " + MONATSNAMEN[m]))
    k += [z(Feld(p.KWertKeller, 6, 2), " W/m2K", " k-Wert Keller-Boden"),
          z(Feld(p.LambdaPlatte, 6, 2), " W/mK", " lambda-Wert Bodenplatte unter Keller bis Rohr"),
          z(Feld(p.CpPlatte, 6, 1), " J/kgK", " cp-Wert Bodenplatte unter Keller"),
          z(Feld(p.RhoPlatte, 6, 1), " kg/m3", " Dichte Bodenplatte unter Keller"),
          z(Feld(p.TiefeKeller, 6, 3), " m", " Verlegetiefe unter Keller"),
          "", "", "", "", "",
          z(p.WetterFile, "", " Name des Eingabe-Wetter-Files"),
          z(p.OutputFile, "", " Name des Output-Files"),
          z(Wahr(p.FahrplanGelesen), "", " Eingelesener Lueftungsfahrplan"),
          z(p.FahrplanFile, "", " Name des Lueftungs-Fahplan-Files"),
          z(p.AnzahlGitter, "", " Anzahl Rechengitter, axial und radial, 3..10"),
          z(Feld(p.Gitterfaktor, 6, 2), "", " Gitterfaktor, nicht veraenderbar"),
          z(Feld(p.Zeitschritt, 6, 1), " s", " Simulationszeitschritt, nicht veraenderbar"),
          z(p.AnzahlSubSchritte, "",
            " Anzahl Sub-Unterteilungen fuer dt pro Simulationszeitschritt, 1..20"),
          z(p.Einschwingjahre, " Jahre", " Einschwing-Dauer vor Simulationsbeginn, 1..10"),
          z(p.MonitorAxial, "", " Monitorpunkt, axial, Zelle vom Einlass her gezaehlt"),
          z(p.MonitorRadial, "", " Monitorpunkt, radial, Zelle von Achse her gezaehlt"),
          z(p.MonitorSektor, "",
            " Ueberwachte Temperatur:  1:gegen Erde; 2:adiabat;  3:gegen Keller"),
          z(Feld(p.MonitorAchsAbstand, 8, 4), " m",
            " Achs-Abstand des Monitor-Punktes, nicht veraenderbar"),
          z(Feld(p.MonitorAbstandEinlass, 8, 4), " m",
            " Abstand des Monitorpunktes, vom Einlass her gemessen"),
          "",
          z(Wahr(p.SpezielleRandbedingung), "", " Spezielle Randbedinungen im Erdreich")]
    for m in range(1, 13):
        k.append(z(Feld(p.ErdTemperaturSpeziell[m], 6, 2), grad_c,
                   " (wenn spezielle Randbed.) Erdtemperatur " + MONATSNAMEN[m]))
    k += [""] * 16
    k.append("\t".join(["Tein " + GRAD + "C ", "Taus " + GRAD + "C", "rel. Volumenstrom",
                        "rel. Feuchte", "Taupunkt-Temp", "T Monitor " + GRAD + "C",
                        "Betrieb Erdregister", "Kondenswassermenge"]))
    k.append("")
    assert len(k) == 100
    return k


def Wassergehalt(t):
    """Water content of saturated air at t degC, kg per kg of total air at 100000 Pa."""
    return Hoch(t / 100 + 1.098, 8.02) * 0.0028868


def Kondensat(p, taus, ttau, betrieb, relvol):
    """Condensate of one hour in kg/h."""
    if not (taus < ttau and betrieb > 0):
        return 0.0
    x1 = Wassergehalt(ttau)
    x2 = Wassergehalt(taus)
    dx = (x1 / (1 - x1) - x2 / (1 - x2)) * 0.622
    return betrieb * relvol * dx * 1.2 * p.Volumenstrom


def StundenZeilen(p, wetter, reihen):
    taus, relvol = reihen["Taus"], reihen["RelVolumenstrom"]
    tmon, betr = reihen["TMonitor"], reihen["Betrieb"]
    zeilen = []
    for h in range(1, 8761):
        kond = Kondensat(p, taus[h], wetter.TTaupunkt[h], betr[h], relvol[h])
        zeilen.append("\t".join((Feld(wetter.Tein[h], 1, 1), Feld(taus[h], 1, 1),
                                 Feld(relvol[h], 1, 2), Feld(wetter.RelFeuchte[h], 1, 1),
                                 Feld(wetter.TTaupunkt[h], 1, 1), Feld(tmon[h], 1, 1),
                                 Feld(betr[h], 1, 1), Feld(kond, 1, 2))))
    return zeilen


def EnergieZeilen(summen):
    texte = (("WaermeentzugKeller", " Waermentzug aus Keller, nicht veraenderbar"),
             ("WaermeentzugErde", " Waermentzug aus Erde, nicht veraenderbar"),
             ("Kuehlenergie", " Kuehlenergie Erdregister, nicht veraenderbar"),
             ("Heizenergie", " Heizenergie Erdregister, nicht veraenderbar"))
    return [""] + [f"{Feld(summen[name], 8, 0)}\t kWh\t{text}" for name, text in texte]


def Schreiben(name, zeilen):
    with open(name, "wb") as f:
        f.write("".join(z + "\r\n" for z in zeilen).encode("latin-1"))


def DezimalKommaSetzen(p):
    """Hourly part and energy block with decimal commas; the header keeps its points."""
    with open(p.OutputFile, "rb") as f:
        inhalt = f.read()
    ende_kopf = 0
    for _ in range(100):
        ende_kopf = inhalt.index(b"\r\n", ende_kopf) + 2
    with open("dummy.txt", "wb") as f:
        f.write(inhalt[:ende_kopf] + inhalt[ende_kopf:].replace(b".", b","))
    with open("dummy.txt", "rb") as quelle, open(p.OutputFile, "wb") as ziel:
        ziel.write(quelle.read())


def main(argv):
    verzeichnis = None
    zuweisungen = []
    i = 0
    while i < len(argv):
        if argv[i] == "-C":
            verzeichnis = argv[i + 1]
            i += 2
            continue
        name, sep, wert = argv[i].partition("=")
        if not sep:
            raise SystemExit(f"expected NAME=VALUE or -C DIR, got {argv[i]}")
        zuweisungen.append((name, wert))
        i += 1

    tabelle = WetterTabelleLesen()
    p = Parameter()
    for name, wert in zuweisungen:
        p.Setzen(name, wert)
    if p.FahrplanGelesen or not p.EingebautesWetter:
        raise SystemExit("ventilation schedule and weather read-back are not recalculated")
    p.AnteilErdeBerechnen()
    if verzeichnis:
        os.chdir(verzeichnis)

    p.GeschwindigkeitBerechnen()
    wetter = Wetter(p, tabelle)
    dx = p.Rohrlaenge / p.AnzahlGitter
    dt = p.Zeitschritt / p.AnzahlSubSchritte
    erde = Erdreich(p, dt, dx, wetter.StartTemperatur)
    kopf = KopfZeilen(p)
    reihen, summen, einschwingen = Simulieren(p, wetter, erde, dx)

    zeilen = kopf
    if not einschwingen:
        zeilen = zeilen + StundenZeilen(p, wetter, reihen)
    Schreiben(p.OutputFile, zeilen + EnergieZeilen(summen))
    if p.Land in ("D", "d", "A", "a"):
        DezimalKommaSetzen(p)

    for name in ("WaermeentzugKeller", "WaermeentzugErde", "Kuehlenergie", "Heizenergie"):
        print(f"{name} {summen[name]!r}")


if __name__ == "__main__":
    main(sys.argv[1:])
