<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de_DE">
<context>
    <name>PdfBericht</name>
    <message>
        <source>erfüllt</source>
        <translation>met</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>note</translation>
    </message>
    <message>
        <source>nicht erfüllt</source>
        <translation>not met</translation>
    </message>
    <message>
        <source>Eingebautes Auslegungsjahr (%1)</source>
        <translation>Built-in design year (%1)</translation>
    </message>
    <message>
        <source>Stundenwerte des vorigen Berichts %1</source>
        <translation>Hourly values of the previous report %1</translation>
    </message>
    <message>
        <source>%1 (λ %2 W/mK, ρ %3 kg/m³, c %4 J/kgK)</source>
        <translation>%1 (λ %2 W/mK, ρ %3 kg/m³, c %4 J/kgK)</translation>
    </message>
    <message>
        <source>λ %1 W/mK, ρ %2 kg/m³, c %3 J/kgK</source>
        <translation>λ %1 W/mK, ρ %2 kg/m³, c %3 J/kgK</translation>
    </message>
    <message>
        <source>Register: die Rohrreihe im Erdreich unter der Oberfläche, mit Feuchte</source>
        <translation>Register: the row of pipes in the ground below the surface, with humidity</translation>
    </message>
    <message>
        <source>Klassisch: ein repräsentatives Rohr in radialen Erdringen</source>
        <translation>Classic: one representative pipe in radial rings of soil</translation>
    </message>
    <message>
        <source>%1 (%2 %3, Grenze %4 %5 %6)</source>
        <translation>%1 (%2 %3, limit %4 %5 %6)</translation>
    </message>
    <message>
        <source>Die Auslegung erfüllt alle Prüfungen.</source>
        <translation>The design passes every check.</translation>
    </message>
    <message>
        <source>Die Auslegung erfüllt nicht: %1.</source>
        <translation>The design fails: %1.</translation>
    </message>
    <message>
        <source>Hinweise: %1.</source>
        <translation>Notes: %1.</translation>
    </message>
    <message>
        <source>Auslegungsbericht Luft-Erdregister</source>
        <translation>Design report earth-air heat exchanger</translation>
    </message>
    <message>
        <source>– (Eingaben ohne Projektdatei)</source>
        <translation>– (inputs without a project file)</translation>
    </message>
    <message>
        <source>Projekt</source>
        <translation>Project</translation>
    </message>
    <message>
        <source>Projektdatei</source>
        <translation>Project file</translation>
    </message>
    <message>
        <source>Erstellt</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>%1 mit %2</source>
        <translation>%1 with %2</translation>
    </message>
    <message>
        <source>Standort und Klima</source>
        <translation>Site and climate</translation>
    </message>
    <message>
        <source>Auslegung</source>
        <translation>Design</translation>
    </message>
    <message>
        <source>Rohre</source>
        <translation>Pipes</translation>
    </message>
    <message>
        <source>%1 parallele Rohre, je %2 m lang (zusammen %3 m)</source>
        <translation>%1 parallel pipes, each %2 m long (%3 m in total)</translation>
    </message>
    <message>
        <source>Durchmesser</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>innen %1 mm, Wandstärke %2 mm</source>
        <translation>inner %1 mm, wall thickness %2 mm</translation>
    </message>
    <message>
        <source>Verlegetiefe</source>
        <translation>Laying depth</translation>
    </message>
    <message>
        <source>%1 m</source>
        <translation>%1 m</translation>
    </message>
    <message>
        <source>Rohrabstand</source>
        <translation>Pipe spacing</translation>
    </message>
    <message>
        <source>%1 m zwischen den Achsen</source>
        <translation>%1 m between the axes</translation>
    </message>
    <message>
        <source>Luftvolumenstrom</source>
        <translation>Air volume flow</translation>
    </message>
    <message>
        <source>%1 m³/h, %2 m/s im Rohr</source>
        <translation>%1 m³/h, %2 m/s in the pipe</translation>
    </message>
    <message>
        <source>Erdreich</source>
        <translation>Soil</translation>
    </message>
    <message>
        <source>Rechenmodell</source>
        <translation>Calculation model</translation>
    </message>
    <message>
        <source>Ergebnis der Auslegungsprüfung</source>
        <translation>Result of the design check</translation>
    </message>
    <message>
        <source>Kennwerte</source>
        <translation>Key figures</translation>
    </message>
    <message>
        <source>Nutzbare Heizenergie</source>
        <translation>Useful heating energy</translation>
    </message>
    <message>
        <source>kWh/a</source>
        <translation>kWh/a</translation>
    </message>
    <message>
        <source>Nutzbare Kühlenergie</source>
        <translation>Useful cooling energy</translation>
    </message>
    <message>
        <source>Höchste Heizleistung / Kühlleistung</source>
        <translation>Peak heating / cooling capacity</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>kW</source>
        <translation>kW</translation>
    </message>
    <message>
        <source>Tiefste Austrittstemperatur</source>
        <translation>Lowest outlet temperature</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Druckverlust bei Nenn-Volumenstrom</source>
        <translation>Pressure drop at nominal volume flow</translation>
    </message>
    <message>
        <source>Pa</source>
        <translation>Pa</translation>
    </message>
    <message>
        <source>Ventilator-Stromverbrauch</source>
        <translation>Fan electricity consumption</translation>
    </message>
    <message>
        <source>Leistungszahl (nutzbare Energie / Ventilatorstrom)</source>
        <translation>Coefficient of performance (useful energy / fan electricity)</translation>
    </message>
    <message>
        <source>Kosten (VDI 2067 Blatt 1)</source>
        <translation>Costs (VDI 2067 Part 1)</translation>
    </message>
    <message>
        <source>Investition</source>
        <translation>Investment</translation>
    </message>
    <message>
        <source>EUR</source>
        <translation>EUR</translation>
    </message>
    <message>
        <source>Annuität der Kosten (Kapital, Wartung, Ventilatorstrom)</source>
        <translation>Annuity of the costs (capital, maintenance, fan electricity)</translation>
    </message>
    <message>
        <source>EUR/a</source>
        <translation>EUR/a</translation>
    </message>
    <message>
        <source>Annuität der Erlöse (eingesparte Wärme und Kälte)</source>
        <translation>Annuity of the revenues (heating and cooling saved)</translation>
    </message>
    <message>
        <source>Jährlicher Nettonutzen</source>
        <translation>Annual net benefit</translation>
    </message>
    <message>
        <source>Dynamische Amortisationszeit</source>
        <translation>Dynamic payback period</translation>
    </message>
    <message>
        <source>über %1</source>
        <translation>over %1</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Kosten je kWh nutzbarer Wärme und Kälte</source>
        <translation>Cost per kWh of useful heating and cooling</translation>
    </message>
    <message>
        <source>EUR/kWh</source>
        <translation>EUR/kWh</translation>
    </message>
    <message>
        <source>CO₂-Einsparung abzüglich Ventilatorstrom</source>
        <translation>CO₂ saving less fan electricity</translation>
    </message>
    <message>
        <source>kg/a</source>
        <translation>kg/a</translation>
    </message>
    <message>
        <source>%1 Kostenansätze stehen auf ihrem Standardwert: Annahmen, die zu prüfen sind (Abschnitt 3).</source>
        <translation>%1 cost assumptions are at their default value: assumptions to be verified (section 3).</translation>
    </message>
    <message>
        <source>Auslegungsprüfung</source>
        <translation>Design check</translation>
    </message>
    <message>
        <source>Regel</source>
        <translation>Rule</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Grenze</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Urteil</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Erläuterung</source>
        <translation>Explanation</translation>
    </message>
    <message>
        <source>Die Grenzen sind Werte aus der Praxis und als Parameter einstellbar (Anhang A, Gruppe „Auslegungsprüfung“). Grau hinterlegt: nicht erfüllt.</source>
        <translation>The limits are values from practice and can be set as parameters (appendix A, group “Design check”). Shaded grey: not met.</translation>
    </message>
    <message>
        <source>Kennwert</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Zeitpunkt</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Monat</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Heizenergie kWh</source>
        <translation>Heating energy kWh</translation>
    </message>
    <message>
        <source>Kühlenergie kWh</source>
        <translation>Cooling energy kWh</translation>
    </message>
    <message>
        <source>Kondensat kg</source>
        <translation>Condensate kg</translation>
    </message>
    <message>
        <source>Kosten</source>
        <translation>Costs</translation>
    </message>
    <message>
        <source>Kosten und Annahmen</source>
        <translation>Costs and assumptions</translation>
    </message>
    <message>
        <source>Annuitätenverfahren nach VDI 2067 Blatt 1 mit Ersatzbeschaffungen und Restwert im Betrachtungszeitraum.</source>
        <translation>Annuity method according to VDI 2067 Part 1 with replacements and residual value within the period under consideration.</translation>
    </message>
    <message>
        <source>vom Planer gesetzt</source>
        <translation>set by the designer</translation>
    </message>
    <message>
        <source>Annahme (Standardwert), zu prüfen</source>
        <translation>assumption (default value), to be verified</translation>
    </message>
    <message>
        <source>Kostenansatz</source>
        <translation>Cost item</translation>
    </message>
    <message>
        <source>Herkunft</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Rohrpreise: Innendurchmesser: Preis je Meter verlegtes Rohr. Grau hinterlegt: Annahmen, die vor einer Entscheidung mit Angeboten zu prüfen sind.</source>
        <translation>Pipe prices: inner diameter: price per metre of laid pipe. Shaded grey: assumptions to be verified against quotations before a decision.</translation>
    </message>
    <message>
        <source>Lüftungsgerät mit Wärmerückgewinnung</source>
        <translation>Ventilation unit with heat recovery</translation>
    </message>
    <message>
        <source>Wärmerückgewinnung %1, Frostgrenze des Geräts %2 °C, Zuluft-Soll %3 °C.</source>
        <translation>Heat recovery %1, frost limit of the unit %2 °C, supply air set point %3 °C.</translation>
    </message>
    <message>
        <source>ohne Register</source>
        <translation>without heat exchanger</translation>
    </message>
    <message>
        <source>mit Register</source>
        <translation>with heat exchanger</translation>
    </message>
    <message>
        <source>Frostschutzstunden</source>
        <translation>Frost protection hours</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>Vorheizenergie (Frostschutz)</source>
        <translation>Preheating energy (frost protection)</translation>
    </message>
    <message>
        <source>Nachheizenergie bis Zuluft-Soll</source>
        <translation>Reheating energy up to the supply air set point</translation>
    </message>
    <message>
        <source>Tiefste Zuluft nach WRG</source>
        <translation>Lowest supply air after heat recovery</translation>
    </message>
    <message>
        <source>Stunden über der Komfortgrenze</source>
        <translation>Hours above the comfort limit</translation>
    </message>
    <message>
        <source>Einsparung durch das Register</source>
        <translation>Savings from the heat exchanger</translation>
    </message>
    <message>
        <source>Frostschutzstunden weniger</source>
        <translation>Fewer frost protection hours</translation>
    </message>
    <message>
        <source>Vorheizenergie gespart</source>
        <translation>Preheating energy saved</translation>
    </message>
    <message>
        <source>Heizwärme des Gebäudes gespart (nach WRG)</source>
        <translation>Building heating energy saved (after heat recovery)</translation>
    </message>
    <message>
        <source>Kühlung über der Komfortgrenze</source>
        <translation>Cooling above the comfort limit</translation>
    </message>
    <message>
        <source>Hinweis: %1</source>
        <translation>Note: %1</translation>
    </message>
    <message>
        <source>Wetter</source>
        <translation>Weather</translation>
    </message>
    <message>
        <source>Angabe</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Diagramme</source>
        <translation>Charts</translation>
    </message>
    <message>
        <source>Gewählte Variante der Studie</source>
        <translation>Chosen variant of the study</translation>
    </message>
    <message>
        <source>%1 m: %2 EUR/m</source>
        <translation>%1 m: %2 EUR/m</translation>
    </message>
    <message>
        <source>gerechnet mit dem eingebauten Klima</source>
        <translation>calculated with the built-in climate</translation>
    </message>
    <message>
        <source>gerechnet mit der Wetterdatei</source>
        <translation>calculated with the weather file</translation>
    </message>
    <message>
        <source>nicht verwendet</source>
        <translation>not used</translation>
    </message>
    <message>
        <source>Anhang A  Eingaben</source>
        <translation>Appendix A  Inputs</translation>
    </message>
    <message>
        <source>Zuerst die Werte, die vom Standardwert abweichen (mit * markiert), dann alle übrigen nach Gruppen. „berechnet“: vom Programm aus den Eingaben ermittelt.</source>
        <translation>First the values that differ from their default (marked with *), then all others by group. “calculated”: derived by the program from the inputs.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>berechnet</source>
        <translation>calculated</translation>
    </message>
    <message>
        <source>Eingabe</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Default</translation>
    </message>
    <message>
        <source>Alle Eingaben stehen auf ihrem Standardwert.</source>
        <translation>All inputs are at their default value.</translation>
    </message>
    <message>
        <source>Vom Standardwert abweichend</source>
        <translation>Differing from the default</translation>
    </message>
    <message>
        <source>Auslegungsbericht Luft-Erdregister: %1</source>
        <translation>Design report earth-air heat exchanger: %1</translation>
    </message>
    <message>
        <source>Seite %1 von %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>KOV – Auslegungsbericht %1</source>
        <translation>KOV – design report %1</translation>
    </message>
    <message>
        <source>Variante %1 von %2 der Studie: %3.</source>
        <translation>Variant %1 of %2 of the study: %3.</translation>
    </message>
    <message>
        <source>Rang %1 von %2 nach nutzbarer Energie (%3 kWh/a) unter den Varianten, die alle Bedingungen einhalten.</source>
        <translation>Rank %1 of %2 by useful energy (%3 kWh/a) among the variants that meet every condition.</translation>
    </message>
    <message>
        <source>Die Variante hält nicht jede Bedingung ein: %1.</source>
        <translation>The variant does not meet every condition: %1.</translation>
    </message>
    <message>
        <source>nutzbare Energie gegen %1</source>
        <translation>useful energy against %1</translation>
    </message>
    <message>
        <source>Sie liegt auf keiner Pareto-Front der Studie.</source>
        <translation>It lies on none of the study&apos;s Pareto fronts.</translation>
    </message>
    <message>
        <source>Sie liegt auf der Pareto-Front: %1.</source>
        <translation>It lies on the Pareto front: %1.</translation>
    </message>
    <message>
        <source>Bedingung %1 %2 %3 %4: %5 mit %6 %4.</source>
        <translation>Condition %1 %2 %3 %4: %5 with %6 %4.</translation>
    </message>
    <message>
        <source>Klimacheck</source>
        <translation>Climate check</translation>
    </message>
    <message>
        <source>Der Klimacheck rechnet die Auslegung mit den sechs Testreferenzjahren einer Region und braucht dafür ein eingebautes Klima (Eingabe Klima).</source>
        <translation>The climate check computes the design with the six test reference years of a region and needs a built-in climate for this (input Klima).</translation>
    </message>
    <message>
        <source>Die Auslegung unter den Testreferenzjahren der Region %1 %2 (%3): das mittlere Jahr, ein extremer Sommer und ein extremer Winter, heute und 2045. %4</source>
        <translation>The design under the test reference years of region %1 %2 (%3): the mean year, an extreme summer and an extreme winter, today and 2045. %4</translation>
    </message>
    <message>
        <source>Die Woche um die kälteste Stunde des Jahres.</source>
        <translation>The week around the coldest hour of the year.</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>alle Monate %1</source>
        <translation>all months %1</translation>
    </message>
    <message>
        <source>Jahre</source>
        <translation>years</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Die Geschwindigkeit ist mit diesem Rohrdurchmesser und Volumenstrom keine endliche Zahl.</source>
        <translation>With this pipe diameter and volume flow the velocity is not a finite number.</translation>
    </message>
</context>
<context>
    <name>TModellWahl</name>
    <message>
        <source>klassisch</source>
        <translation>classic</translation>
    </message>
    <message>
        <source>Ein repräsentatives Rohr in radialen Erdringen, deren äußerer Rand die ungestörte Erdtemperatur des Monats hält; Nachbarrohre, Oberfläche und Luftfeuchte wirken nicht.</source>
        <translation>One representative pipe in radial rings of soil whose outer edge holds the month&apos;s undisturbed ground temperature; neighbouring pipes, the surface and air humidity have no effect.</translation>
    </message>
    <message>
        <source>Register</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Alle Rohre nebeneinander im Erdreich unter der Oberfläche, die stündlich mit der Außenluft Wärme tauscht, mit dem Kondensat der feuchten Luft; die Gitterparameter des klassischen Modells gelten hier nicht.</source>
        <translation>All pipes side by side in the ground below the surface, which exchanges heat with the outdoor air every hour, with the condensate of the humid air; the grid parameters of the classic model do not apply here.</translation>
    </message>
</context>
<context>
    <name>kov::AusgabePruefung</name>
    <message>
        <source>Nichts geschrieben:

%1</source>
        <translation>Nothing written:

%1</translation>
    </message>
</context>
<context>
    <name>kov::Bodenarten</name>
    <message>
        <source>Erde trocken  (lambda 0.35 W/mK)</source>
        <translation>Soil, dry  (lambda 0.35 W/mK)</translation>
    </message>
    <message>
        <source>Erde feucht     (lambda 1.5 W/mK)</source>
        <translation>Soil, moist  (lambda 1.5 W/mK)</translation>
    </message>
    <message>
        <source>Erde nass       (lambda 2.5 W/mK)</source>
        <translation>Soil, wet  (lambda 2.5 W/mK)</translation>
    </message>
    <message>
        <source>Erde tonig       (lambda 1.5 W/mK)</source>
        <translation>Soil, clayey  (lambda 1.5 W/mK)</translation>
    </message>
    <message>
        <source>Lehm trocken (lambda 0.4 W/mK)</source>
        <translation>Loam, dry  (lambda 0.4 W/mK)</translation>
    </message>
    <message>
        <source>Lehm nass      (lambda 1.6 W/mK)</source>
        <translation>Loam, wet  (lambda 1.6 W/mK)</translation>
    </message>
    <message>
        <source>Magerbeton   (lambda 0.93 W/mK)</source>
        <translation>Lean concrete  (lambda 0.93 W/mK)</translation>
    </message>
    <message>
        <source>Sand, trocken (lambda 0.4 W/mK)</source>
        <translation>Sand, dry  (lambda 0.4 W/mK)</translation>
    </message>
    <message>
        <source>Sand feucht    (lambda 1.0 W/mK)</source>
        <translation>Sand, moist  (lambda 1.0 W/mK)</translation>
    </message>
    <message>
        <source>Sand feucht, gewalzt  (lambda 1.2 W/mK)</source>
        <translation>Sand, moist, compacted  (lambda 1.2 W/mK)</translation>
    </message>
    <message>
        <source>Stahlbeton      (lambda 1.8 W/mK)</source>
        <translation>Reinforced concrete  (lambda 1.8 W/mK)</translation>
    </message>
</context>
<context>
    <name>kov::Dateifehler</name>
    <message>
        <source>Keine gewöhnliche Datei, sondern ein Ordner</source>
        <translation>Not a regular file but a folder</translation>
    </message>
    <message>
        <source>Keine gewöhnliche Datei, sondern eine FIFO (benannte Pipe)</source>
        <translation>Not a regular file but a FIFO (named pipe)</translation>
    </message>
    <message>
        <source>Keine gewöhnliche Datei, sondern ein Gerät</source>
        <translation>Not a regular file but a device</translation>
    </message>
    <message>
        <source>Keine gewöhnliche Datei, sondern ein Socket</source>
        <translation>Not a regular file but a socket</translation>
    </message>
    <message>
        <source>Keine gewöhnliche Datei, sondern etwas anderes</source>
        <translation>Not a regular file but something else</translation>
    </message>
    <message>
        <source>Datei größer als 64 MiB</source>
        <translation>File larger than 64 MiB</translation>
    </message>
    <message>
        <source>Steuerzeichen mit Code %1 an der Zahl %2</source>
        <translation>control character with code %1 at the number %2</translation>
    </message>
    <message>
        <source>der Bericht ist mit Dezimalkomma geschrieben (Land=D oder A); sein Wetter lässt sich nur aus einem Bericht mit Dezimalpunkt lesen</source>
        <translation>the report is written with a decimal comma (Land=D or A); its weather can only be read from a report with a decimal point</translation>
    </message>
    <message>
        <source>Spalte %1 ist leer</source>
        <translation>column %1 is empty</translation>
    </message>
    <message>
        <source>Der Bericht endet nach Stunde %1 von %2</source>
        <translation>The report ends after hour %1 of %2</translation>
    </message>
    <message>
        <source>Keine Textdatei: Nullbyte (eine Wetterdatei in UTF-16 wird nicht gelesen)</source>
        <translation>Not a text file: null byte (a weather file in UTF-16 is not read)</translation>
    </message>
    <message>
        <source>Keine Textdatei, sondern Binärdaten (Nullbyte); eine Wetterdatei ist Text (EPW, DWD-TRY oder eine Tabelle)</source>
        <translation>Not a text file but binary data (null byte); a weather file is text (EPW, DWD TRY or a table)</translation>
    </message>
    <message>
        <source>Die Datei enthält keine Daten</source>
        <translation>The file holds no data</translation>
    </message>
    <message>
        <source>%1 ist leer</source>
        <translation>%1 is empty</translation>
    </message>
    <message>
        <source>%1 ist keine Zahl: %2</source>
        <translation>%1 is not a number: %2</translation>
    </message>
    <message>
        <source>%1 ist keine ganze Zahl: %2</source>
        <translation>%1 is not a whole number: %2</translation>
    </message>
    <message>
        <source>%1 liegt mit %2 außerhalb von %3 bis %4</source>
        <translation>%1 is %2, outside %3 to %4</translation>
    </message>
    <message>
        <source>Mehr als 8760 Stunden: Datenzeile nach der letzten Stunde des Jahres</source>
        <translation>More than 8760 hours: a data row after the last hour of the year</translation>
    </message>
    <message>
        <source>Ungültige Zeitangabe: Monat %1, Tag %2, Stunde %3</source>
        <translation>Invalid time: month %1, day %2, hour %3</translation>
    </message>
    <message>
        <source>Zeitfolge unterbrochen: erwartet %1, gelesen %2, davor fehlt %3 Stunde</source>
        <translation>Hours out of sequence: expected %1, read %2; %3 hour is missing before it</translation>
    </message>
    <message>
        <source>Zeitfolge unterbrochen: erwartet %1, gelesen %2, davor fehlen %3 Stunden</source>
        <translation>Hours out of sequence: expected %1, read %2; %3 hours are missing before it</translation>
    </message>
    <message>
        <source>Zeitfolge unterbrochen: erwartet %1, gelesen %2, Stunde wiederholt oder außer der Reihe</source>
        <translation>Hours out of sequence: expected %1, read %2; an hour is repeated or out of order</translation>
    </message>
    <message>
        <source>Nur %1 Stunden, ein Jahr hat %2 Stunden</source>
        <translation>Only %1 hours; a year has %2 hours</translation>
    </message>
    <message>
        <source>Nur %1 Stunden, ein Jahr hat %2 Stunden (ohne die %3 Zeilen vom %4. Februar)</source>
        <translation>Only %1 hours; a year has %2 hours (not counting the %3 rows of %4 February)</translation>
    </message>
    <message>
        <source>Kein gültiger Wert der Lufttemperatur</source>
        <translation>No valid value of the air temperature</translation>
    </message>
    <message>
        <source>Kein gültiger Wert der Luftdruck</source>
        <translation>No valid value of the air pressure</translation>
    </message>
    <message>
        <source>Kein gültiger Wert der Mischungsverhältnis</source>
        <translation>No valid value of the mixing ratio</translation>
    </message>
    <message>
        <source>Kein gültiger Wert der relativen Feuchte</source>
        <translation>No valid value of the relative humidity</translation>
    </message>
    <message>
        <source>Kein gültiger Wert der Taupunkttemperatur</source>
        <translation>No valid value of the dew point temperature</translation>
    </message>
    <message>
        <source>Fehlwert der Lufttemperatur in %1 aufeinanderfolgenden Stunden ab dieser Zeile, höchstens %2 werden überbrückt</source>
        <translation>Air temperature missing in %1 consecutive hours from this line on; at most %2 are bridged</translation>
    </message>
    <message>
        <source>Fehlwert der Luftdruck in %1 aufeinanderfolgenden Stunden ab dieser Zeile, höchstens %2 werden überbrückt</source>
        <translation>Air pressure missing in %1 consecutive hours from this line on; at most %2 are bridged</translation>
    </message>
    <message>
        <source>Fehlwert der Mischungsverhältnis in %1 aufeinanderfolgenden Stunden ab dieser Zeile, höchstens %2 werden überbrückt</source>
        <translation>Mixing ratio missing in %1 consecutive hours from this line on; at most %2 are bridged</translation>
    </message>
    <message>
        <source>Fehlwert der relativen Feuchte in %1 aufeinanderfolgenden Stunden ab dieser Zeile, höchstens %2 werden überbrückt</source>
        <translation>Relative humidity missing in %1 consecutive hours from this line on; at most %2 are bridged</translation>
    </message>
    <message>
        <source>Fehlwert der Taupunkttemperatur in %1 aufeinanderfolgenden Stunden ab dieser Zeile, höchstens %2 werden überbrückt</source>
        <translation>Dew point temperature missing in %1 consecutive hours from this line on; at most %2 are bridged</translation>
    </message>
    <message>
        <source>Spaltenkopf des Testreferenzjahrs nicht erkannt: erwartet &quot;RG IS MM DD HH ...&quot; (Ausgabe 2011) oder &quot;RW HW MM DD HH ...&quot; (Ausgabe 2015/2017)</source>
        <translation>Column heading of the test reference year not recognised: expected &quot;RG IS MM DD HH ...&quot; (2011 edition) or &quot;RW HW MM DD HH ...&quot; (2015/2017 edition)</translation>
    </message>
    <message>
        <source>Spaltenkopf hat %1 Spalten, höchstens %2 werden gelesen</source>
        <translation>The column heading has %1 columns; at most %2 are read</translation>
    </message>
    <message>
        <source>Spalte %1 (Lufttemperatur) fehlt im Spaltenkopf</source>
        <translation>Column %1 (air temperature) is missing from the column heading</translation>
    </message>
    <message>
        <source>Spalte %1 (Luftdruck) fehlt im Spaltenkopf</source>
        <translation>Column %1 (air pressure) is missing from the column heading</translation>
    </message>
    <message>
        <source>Spalte %1 (Mischungsverhältnis) fehlt im Spaltenkopf</source>
        <translation>Column %1 (mixing ratio) is missing from the column heading</translation>
    </message>
    <message>
        <source>Spalte %1 (relative Feuchte) fehlt im Spaltenkopf</source>
        <translation>Column %1 (relative humidity) is missing from the column heading</translation>
    </message>
    <message>
        <source>Datenzeile hat %1 Felder, der Spaltenkopf %2</source>
        <translation>The data row has %1 fields, the column heading %2</translation>
    </message>
    <message>
        <source>%1 ist %2, der Taupunkt braucht einen Wert über %3</source>
        <translation>%1 is %2; the dew point needs a value above %3</translation>
    </message>
    <message>
        <source>Die erste Datenzeile ist 31.12. Stunde 24, aber keine Kopie der letzten Stunde; das Jahr beginnt mit 01.01. Stunde 1</source>
        <translation>The first data row is 12-31 hour 24 but no copy of the last hour; the year begins with 01-01 hour 1</translation>
    </message>
    <message>
        <source>Format nicht erkannt: weder EPW (erste Zeile LOCATION) noch DWD-Testreferenzjahr (Spaltenkopf und ***) noch Stundentabelle (eine Zeile je Stunde, erste Spalte Lufttemperatur)</source>
        <translation>Format not recognised: neither EPW (first line LOCATION) nor DWD test reference year (column heading and ***) nor hourly table (one row per hour, first column air temperature)</translation>
    </message>
    <message>
        <source>Zeile hat %1 Spalten, eine Stundentabelle hat %2 (Lufttemperatur) oder %3 (Lufttemperatur, relative Feuchte)</source>
        <translation>The row has %1 columns; an hourly table has %2 (air temperature) or %3 (air temperature, relative humidity)</translation>
    </message>
    <message>
        <source>Zeile hat %1 Spalte, die erste Datenzeile %2</source>
        <translation>The row has %1 column, the first data row %2</translation>
    </message>
    <message>
        <source>Zeile hat %1 Spalten, die erste Datenzeile %2</source>
        <translation>The row has %1 columns, the first data row %2</translation>
    </message>
    <message>
        <source>LOCATION hat %1 Felder, erwartet %2</source>
        <translation>LOCATION has %1 fields, expected %2</translation>
    </message>
    <message>
        <source>DATA PERIODS nennt %1 Datenabschnitte, gelesen wird eine Datei mit genau einem</source>
        <translation>DATA PERIODS names %1 data periods; only a file with exactly one is read</translation>
    </message>
    <message>
        <source>DATA PERIODS nennt %1 Werte je Stunde, gelesen werden Stundenwerte</source>
        <translation>DATA PERIODS names %1 values per hour; hourly values are read</translation>
    </message>
    <message>
        <source>LOCATION steht nicht in der ersten Zeile</source>
        <translation>LOCATION is not on the first line</translation>
    </message>
    <message>
        <source>DATA PERIODS fehlt vor der ersten Datenzeile</source>
        <translation>DATA PERIODS is missing before the first data row</translation>
    </message>
    <message>
        <source>Unbekannte Kopfzeile %1 vor DATA PERIODS</source>
        <translation>Unknown header line %1 before DATA PERIODS</translation>
    </message>
    <message>
        <source>Kopfzeile DATA PERIODS fehlt (erwartet in den ersten %1 Zeilen)</source>
        <translation>Header line DATA PERIODS is missing (expected within the first %1 lines)</translation>
    </message>
    <message>
        <source>Datenzeile hat %1 Felder, erwartet mindestens %2</source>
        <translation>The data row has %1 fields, expected at least %2</translation>
    </message>
    <message>
        <source>%1 ist %2, Stundenwerte tragen %3 oder %4</source>
        <translation>%1 is %2; hourly values carry %3 or %4</translation>
    </message>
    <message>
        <source>Kein gültiges JSON in Spalte %1 (die Datei endet mitten im JSON)</source>
        <translation>No valid JSON in column %1 (the file ends in the middle of the JSON)</translation>
    </message>
    <message>
        <source>Kein gültiges JSON in Spalte %1 (unerwartetes Zeichen)</source>
        <translation>No valid JSON in column %1 (unexpected character)</translation>
    </message>
    <message>
        <source>Die Zahl %1 liegt ausserhalb des Zahlenbereichs</source>
        <translation>The number %1 is out of range</translation>
    </message>
    <message>
        <source>Der Schlüssel %1 steht mehr als einmal in der Datei</source>
        <translation>The key %1 appears more than once in the file</translation>
    </message>
    <message>
        <source>Keine KOV-Projektdatei: die Datei ist kein JSON-Objekt</source>
        <translation>Not a KOV project file: the file is no JSON object</translation>
    </message>
    <message>
        <source>Keine KOV-Projektdatei: der Schlüssel &quot;Format&quot; fehlt</source>
        <translation>Not a KOV project file: the key &quot;Format&quot; is missing</translation>
    </message>
    <message>
        <source>Keine KOV-Projektdatei: &quot;Format&quot; muss &quot;KOV-Projekt&quot; sein</source>
        <translation>Not a KOV project file: &quot;Format&quot; must be &quot;KOV-Projekt&quot;</translation>
    </message>
    <message>
        <source>Die Version ist eine zu lange Zahl; dieses Programm liest Projektdateien bis Version %1</source>
        <translation>The version is too long a number; this program reads project files up to version %1</translation>
    </message>
    <message>
        <source>Der Schlüssel &quot;Version&quot; fehlt oder ist keine ganze Zahl</source>
        <translation>The key &quot;Version&quot; is missing or not a whole number</translation>
    </message>
    <message>
        <source>Die Projektdatei hat die Version %1 eines neueren Programms; dieses liest Projektdateien bis Version %2</source>
        <translation>The project file has version %1 of a newer program; this one reads project files up to version %2</translation>
    </message>
    <message>
        <source>Die Version %1 gibt es nicht</source>
        <translation>There is no version %1</translation>
    </message>
    <message>
        <source>Der Wert von %1 muss eine Zahl sein</source>
        <translation>The value of %1 must be a number</translation>
    </message>
    <message>
        <source>Der Wert von %1 im Monat %2 muss eine Zahl sein</source>
        <translation>The value of %1 in month %2 must be a number</translation>
    </message>
    <message>
        <source>Der Wert von %1 liegt ausserhalb des Zahlenbereichs ganzer Zahlen (%2 bis %3)</source>
        <translation>The value of %1 is outside the range of whole numbers (%2 to %3)</translation>
    </message>
    <message>
        <source>Der Wert von %1 muss eine ganze Zahl sein</source>
        <translation>The value of %1 must be a whole number</translation>
    </message>
    <message>
        <source>Der Wert von %1 muss true oder false sein</source>
        <translation>The value of %1 must be true or false</translation>
    </message>
    <message>
        <source>Der Wert von %1 muss ein Text in Anführungszeichen sein</source>
        <translation>The value of %1 must be a text in quotation marks</translation>
    </message>
    <message>
        <source>Der Wert von %1 muss eine Liste von %2 Zahlen sein (Januar bis Dezember)</source>
        <translation>The value of %1 must be a list of %2 numbers (January to December)</translation>
    </message>
    <message>
        <source>Unbekannter Schlüssel %1</source>
        <translation>Unknown key %1</translation>
    </message>
    <message>
        <source>Der Schlüssel %1 wird vom Programm berechnet und gehört nicht in ein Projekt</source>
        <translation>The key %1 is computed by the program and does not belong in a project</translation>
    </message>
    <message>
        <source>Eingebautes Klima nicht lesbar (Eintrag fehlt)</source>
        <translation>Built-in climate not readable (entry missing)</translation>
    </message>
    <message>
        <source>Bilder werden als PNG oder SVG gespeichert (Endung .png oder .svg)</source>
        <translation>Pictures are saved as PNG or SVG (suffix .png or .svg)</translation>
    </message>
    <message>
        <source>Die Bildgröße muss mindestens 1 × 1 Pixel sein</source>
        <translation>The picture size must be at least 1 × 1 pixels</translation>
    </message>
    <message>
        <source>Monat</source>
        <translation>month</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>day</translation>
    </message>
    <message>
        <source>Stunde</source>
        <translation>hour</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>minute</translation>
    </message>
    <message>
        <source>Lufttemperatur</source>
        <translation>air temperature</translation>
    </message>
    <message>
        <source>Taupunkt</source>
        <translation>dew point</translation>
    </message>
    <message>
        <source>relative Feuchte</source>
        <translation>relative humidity</translation>
    </message>
    <message>
        <source>Luftdruck</source>
        <translation>air pressure</translation>
    </message>
    <message>
        <source>Mischungsverhältnis</source>
        <translation>mixing ratio</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>latitude</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>longitude</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>elevation</translation>
    </message>
    <message>
        <source>Anzahl der Datenabschnitte</source>
        <translation>number of data periods</translation>
    </message>
    <message>
        <source>Werte je Stunde</source>
        <translation>values per hour</translation>
    </message>
    <message>
        <source>Feld %1 (%2)</source>
        <translation>Field %1 (%2)</translation>
    </message>
    <message>
        <source>%1.%2. Stunde %3</source>
        <translation>%2-%1 hour %3</translation>
    </message>
    <message>
        <source>Zeile %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>Klima-Archiv %1</source>
        <translation>climate archive %1</translation>
    </message>
    <message>
        <source>(temporäre Datei der Studie)</source>
        <translation>(temporary file of the study)</translation>
    </message>
    <message>
        <source>Der Wert von %1 (%2) %3</source>
        <translation>The value of %1 (%2) %3</translation>
    </message>
    <message>
        <source>Der Wert von %1 im Monat %2 (%3) %4</source>
        <translation>The value of %1 in month %2 (%3) %4</translation>
    </message>
    <message>
        <source>Das Projekt lässt sich nicht speichern: %1 (%2) ist keine endliche Zahl</source>
        <translation>The project cannot be saved: %1 (%2) is not a finite number</translation>
    </message>
    <message>
        <source>Das Projekt lässt sich nicht speichern: %1 (%2) ist kein gültiger UTF-8-Text</source>
        <translation>The project cannot be saved: %1 (%2) is not valid UTF-8 text</translation>
    </message>
</context>
<context>
    <name>kov::Diagramme</name>
    <message>
        <source>Kennwert</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Zeitpunkt</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Monat</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Heizenergie kWh</source>
        <translation>Heating energy kWh</translation>
    </message>
    <message>
        <source>Kühlenergie kWh</source>
        <translation>Cooling energy kWh</translation>
    </message>
    <message>
        <source>Kondensat kg</source>
        <translation>Condensate kg</translation>
    </message>
    <message>
        <source>Tag im Jahr [d], Monate beschriftet</source>
        <translation>Day of the year [d], months labelled</translation>
    </message>
    <message>
        <source>%1 Tagesmittel</source>
        <translation>%1 daily mean</translation>
    </message>
    <message>
        <source>%1 Tag min–max</source>
        <translation>%1 daily min–max</translation>
    </message>
    <message>
        <source>Ein- und Austrittstemperatur: Tagesminimum, -mittel, -maximum</source>
        <translation>Inlet and outlet temperature: daily minimum, mean, maximum</translation>
    </message>
    <message>
        <source>Temperatur [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Eintritt</source>
        <translation>Inlet</translation>
    </message>
    <message>
        <source>Austritt</source>
        <translation>Outlet</translation>
    </message>
    <message>
        <source>Erdreich am Rand, vorgegeben</source>
        <translation>Ground at the boundary, prescribed</translation>
    </message>
    <message>
        <source>Erdreich in Rohrtiefe</source>
        <translation>Undisturbed ground at pipe depth</translation>
    </message>
    <message>
        <source>Dauerlinien der Ein- und Austrittstemperatur (nach Temperatur sortiert)</source>
        <translation>Duration curves of inlet and outlet temperature (sorted by temperature)</translation>
    </message>
    <message>
        <source>Stunden im Jahr mit mindestens dieser Temperatur [h]</source>
        <translation>Hours of the year with at least this temperature [h]</translation>
    </message>
    <message>
        <source>Eintritt (Aussenluft)</source>
        <translation>Inlet (outdoor air)</translation>
    </message>
    <message>
        <source>Frostgrenze %1 °C</source>
        <translation>Frost limit %1 °C</translation>
    </message>
    <message>
        <source>Heiz- und Kühlenergie je Monat, Strom des Ventilators</source>
        <translation>Heating and cooling energy per month, fan electricity</translation>
    </message>
    <message>
        <source>Heizenergie</source>
        <translation>Heating energy</translation>
    </message>
    <message>
        <source>Kühlenergie</source>
        <translation>Cooling energy</translation>
    </message>
    <message>
        <source>Energie [kWh]</source>
        <translation>Energy [kWh]</translation>
    </message>
    <message>
        <source>Ventilatorstrom [kWh]</source>
        <translation>Fan electricity [kWh]</translation>
    </message>
    <message>
        <source>Ventilatorstrom (rechte Achse)</source>
        <translation>Fan electricity (right axis)</translation>
    </message>
    <message>
        <source>Kondensat je Monat: ohne Feuchtedaten im Wetter nicht berechnet</source>
        <translation>Condensate per month: not computed, the weather has no humidity data</translation>
    </message>
    <message>
        <source>Kondensat je Monat (Jahr %1 kg)</source>
        <translation>Condensate per month (year %1 kg)</translation>
    </message>
    <message>
        <source>Kondensat je Monat: kein Kondensat im Jahr</source>
        <translation>Condensate per month: no condensate in the year</translation>
    </message>
    <message>
        <source>Kondensat</source>
        <translation>Condensate</translation>
    </message>
    <message>
        <source>Kondensat [kg]</source>
        <translation>Condensate [kg]</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Dauerlinie</source>
        <translation>Duration curve</translation>
    </message>
    <message>
        <source>Energie</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>Kennwerte</source>
        <translation>Key figures</translation>
    </message>
    <message>
        <source>Tag %1 (%2. %3): Eintritt %4 / %5 / %6 °C, Austritt %7 / %8 / %9 °C (Minimum / Mittel / Maximum), Erdreich %10 °C</source>
        <translation>Day %1 (%3 %2): inlet %4 / %5 / %6 °C, outlet %7 / %8 / %9 °C (minimum / mean / maximum), ground %10 °C</translation>
    </message>
    <message>
        <source>%1 h im Jahr mit mindestens: Eintritt %2 °C, Austritt %3 °C</source>
        <translation>%1 h of the year with at least: inlet %2 °C, outlet %3 °C</translation>
    </message>
    <message>
        <source>%1: Heizenergie %2 kWh, Kühlenergie %3 kWh, Ventilatorstrom %4 kWh</source>
        <translation>%1: heating energy %2 kWh, cooling energy %3 kWh, fan electricity %4 kWh</translation>
    </message>
    <message>
        <source>%1: Kondensat %2 kg</source>
        <translation>%1: condensate %2 kg</translation>
    </message>
</context>
<context>
    <name>kov::Katalog</name>
    <message>
        <source>Rohre und Luftstrom</source>
        <translation>Pipes and air flow</translation>
    </message>
    <message>
        <source>Stoffwerte</source>
        <translation>Material properties</translation>
    </message>
    <message>
        <source>Regelung</source>
        <translation>Control</translation>
    </message>
    <message>
        <source>Umgebung und Keller</source>
        <translation>Surroundings and cellar</translation>
    </message>
    <message>
        <source>Numerik und Monitorpunkt</source>
        <translation>Numerics and monitor point</translation>
    </message>
    <message>
        <source>Daten und Ausgabe</source>
        <translation>Data and output</translation>
    </message>
    <message>
        <source>Lüftungsanlage und Betrieb</source>
        <translation>Ventilation unit and operation</translation>
    </message>
    <message>
        <source>Wirtschaftlichkeit</source>
        <translation>Economics</translation>
    </message>
    <message>
        <source>Auslegungsprüfung</source>
        <translation>Design check</translation>
    </message>
    <message>
        <source>Projektname</source>
        <translation>Project name</translation>
    </message>
    <message>
        <source>Name des Projekts, steht im Bericht.</source>
        <translation>Name of the project, printed in the report.</translation>
    </message>
    <message>
        <source>Rohrdurchmesser</source>
        <translation>Pipe diameter</translation>
    </message>
    <message>
        <source>Innendurchmesser eines Rohrs.</source>
        <translation>Inner diameter of one pipe.</translation>
    </message>
    <message>
        <source>Rohrlänge</source>
        <translation>Pipe length</translation>
    </message>
    <message>
        <source>Länge jedes Rohrs.</source>
        <translation>Length of each pipe.</translation>
    </message>
    <message>
        <source>Rohrwandstärke</source>
        <translation>Pipe wall thickness</translation>
    </message>
    <message>
        <source>Wandstärke der Rohre.</source>
        <translation>Wall thickness of the pipes.</translation>
    </message>
    <message>
        <source>Anzahl Rohre</source>
        <translation>Number of pipes</translation>
    </message>
    <message>
        <source>Anzahl der parallelen Rohre des Registers.</source>
        <translation>Number of parallel pipes of the heat exchanger.</translation>
    </message>
    <message>
        <source>Luftvolumenstrom</source>
        <translation>Air volume flow</translation>
    </message>
    <message>
        <source>Nenn-Volumenstrom des ganzen Registers.</source>
        <translation>Nominal volume flow of the whole heat exchanger.</translation>
    </message>
    <message>
        <source>Luftgeschwindigkeit</source>
        <translation>Air velocity</translation>
    </message>
    <message>
        <source>Mittlere Luftgeschwindigkeit in einem Rohr bei Nenn-Volumenstrom.</source>
        <translation>Mean air velocity in one pipe at the nominal volume flow.</translation>
    </message>
    <message>
        <source>Lambda Erde</source>
        <translation>Lambda soil</translation>
    </message>
    <message>
        <source>Wärmeleitfähigkeit des Erdreichs.</source>
        <translation>Thermal conductivity of the soil.</translation>
    </message>
    <message>
        <source>rho Erde</source>
        <translation>rho soil</translation>
    </message>
    <message>
        <source>Dichte des Erdreichs.</source>
        <translation>Density of the soil.</translation>
    </message>
    <message>
        <source>cp Erde</source>
        <translation>cp soil</translation>
    </message>
    <message>
        <source>Spezifische Wärmekapazität des Erdreichs.</source>
        <translation>Specific heat capacity of the soil.</translation>
    </message>
    <message>
        <source>Lambda Rohr</source>
        <translation>Lambda pipe</translation>
    </message>
    <message>
        <source>Wärmeleitfähigkeit der Rohrwand.</source>
        <translation>Thermal conductivity of the pipe wall.</translation>
    </message>
    <message>
        <source>rho Rohr</source>
        <translation>rho pipe</translation>
    </message>
    <message>
        <source>Dichte der Rohrwand.</source>
        <translation>Density of the pipe wall.</translation>
    </message>
    <message>
        <source>cp Rohr</source>
        <translation>cp pipe</translation>
    </message>
    <message>
        <source>Spezifische Wärmekapazität der Rohrwand.</source>
        <translation>Specific heat capacity of the pipe wall.</translation>
    </message>
    <message>
        <source>Lambda Luft</source>
        <translation>Lambda air</translation>
    </message>
    <message>
        <source>Wärmeleitfähigkeit der Luft.</source>
        <translation>Thermal conductivity of the air.</translation>
    </message>
    <message>
        <source>rho Luft</source>
        <translation>rho air</translation>
    </message>
    <message>
        <source>Dichte der Luft.</source>
        <translation>Density of the air.</translation>
    </message>
    <message>
        <source>cp Luft</source>
        <translation>cp air</translation>
    </message>
    <message>
        <source>Spezifische Wärmekapazität der Luft.</source>
        <translation>Specific heat capacity of the air.</translation>
    </message>
    <message>
        <source>Viskosität Luft</source>
        <translation>Viscosity of air</translation>
    </message>
    <message>
        <source>Kinematische Viskosität der Luft.</source>
        <translation>Kinematic viscosity of the air.</translation>
    </message>
    <message>
        <source>Wärmeübergang bei Stillstand</source>
        <translation>Heat transfer at standstill</translation>
    </message>
    <message>
        <source>Wärmeübergang Luft–Rohr bei stehender Luft (bis 0.01 adiabat).</source>
        <translation>Air-to-pipe heat transfer coefficient with still air (up to 0.01 adiabatic).</translation>
    </message>
    <message>
        <source>Verlegetiefe Rohre</source>
        <translation>Pipe laying depth</translation>
    </message>
    <message>
        <source>Verlegetiefe der Rohre unter der offenen Geländeoberfläche.</source>
        <translation>Laying depth of the pipes below the open ground surface.</translation>
    </message>
    <message>
        <source>Simulationsradius</source>
        <translation>Simulation radius</translation>
    </message>
    <message>
        <source>Simulationsradius um die Rohre (aktiver Speicher, ohne Kelleranteil).</source>
        <translation>Simulated radius around the pipes (active storage, without the cellar share).</translation>
    </message>
    <message>
        <source>Einzelwiderstände Rohrstrang</source>
        <translation>Local losses of a pipe run</translation>
    </message>
    <message>
        <source>Summe der Einzelwiderstandsbeiwerte eines Rohrstrangs (Einlass, Auslass, Bögen).</source>
        <translation>Sum of the local loss coefficients of one pipe run (inlet, outlet, bends).</translation>
    </message>
    <message>
        <source>Zusätzlicher Druckverlust</source>
        <translation>Additional pressure drop</translation>
    </message>
    <message>
        <source>Weiterer Druckverlust des Registers bei Nenn-Volumenstrom (Ansaugung, Filter, Verteiler).</source>
        <translation>Further pressure drop of the heat exchanger at the nominal volume flow (air intake, filter, manifold).</translation>
    </message>
    <message>
        <source>Wirkungsgrad Ventilator</source>
        <translation>Fan efficiency</translation>
    </message>
    <message>
        <source>Gesamtwirkungsgrad von Ventilator und Motor, größer als 0 bis 1.</source>
        <translation>Overall efficiency of fan and motor, greater than 0 up to 1.</translation>
    </message>
    <message>
        <source>Sonnenerwärmung</source>
        <translation>Solar warming</translation>
    </message>
    <message>
        <source>Mittlere Erwärmung des Bodens durch die Sonne; nur das Registermodell rechnet mit ihr (zur Aussenluft über dem Erdreich addiert), das klassische nicht.</source>
        <translation>Mean warming of the ground by the sun; only the register model uses it (added to the outdoor air above the ground), the classic model does not.</translation>
    </message>
    <message>
        <source>Geregelter Betrieb</source>
        <translation>Controlled operation</translation>
    </message>
    <message>
        <source>Geregelter Betrieb mit Bypass-Klappe: die Freigabegrenzen sind aktiv.</source>
        <translation>Controlled operation with a bypass damper: the release limits are active.</translation>
    </message>
    <message>
        <source>Kühlgrenze</source>
        <translation>Cooling limit</translation>
    </message>
    <message>
        <source>Freigabe Sommer: ab dieser Aussentemperatur läuft das Register.</source>
        <translation>Summer release: from this outdoor temperature on the heat exchanger runs.</translation>
    </message>
    <message>
        <source>Heizgrenze</source>
        <translation>Heating limit</translation>
    </message>
    <message>
        <source>Freigabe Winter: bis zu dieser Aussentemperatur läuft das Register.</source>
        <translation>Winter release: up to this outdoor temperature the heat exchanger runs.</translation>
    </message>
    <message>
        <source>Einschalthysterese</source>
        <translation>Switch-on hysteresis</translation>
    </message>
    <message>
        <source>Einschalthysterese der Regelung (wird nur berichtet).</source>
        <translation>Switch-on hysteresis of the control (only reported).</translation>
    </message>
    <message>
        <source>Ausschalthysterese</source>
        <translation>Switch-off hysteresis</translation>
    </message>
    <message>
        <source>Ausschalthysterese der Regelung (wird nur berichtet).</source>
        <translation>Switch-off hysteresis of the control (only reported).</translation>
    </message>
    <message>
        <source>Frostgrenze</source>
        <translation>Frost limit</translation>
    </message>
    <message>
        <source>Austrittstemperatur, unter der die Luft das Gerät hinter dem Register durch Frost gefährdet.</source>
        <translation>Outlet temperature below which the air puts the unit behind the heat exchanger at risk of frost.</translation>
    </message>
    <message>
        <source>Adiabater Anteil</source>
        <translation>Adiabatic share</translation>
    </message>
    <message>
        <source>Adiabater Anteil des Rohrumfangs (Nachbarrohre und nach unten), 0..1.</source>
        <translation>Adiabatic share of the pipe circumference (neighbouring pipes and downwards), 0..1.</translation>
    </message>
    <message>
        <source>Kelleranteil</source>
        <translation>Cellar share</translation>
    </message>
    <message>
        <source>Anteil des Rohrumfangs gegen einen Keller, 0..1.</source>
        <translation>Share of the pipe circumference facing a cellar, 0..1.</translation>
    </message>
    <message>
        <source>Anteil Erde</source>
        <translation>Soil share</translation>
    </message>
    <message>
        <source>Anteil des Rohrumfangs gegen das Erdreich: 1 − adiabater Anteil − Kelleranteil.</source>
        <translation>Share of the pipe circumference facing the soil: 1 − adiabatic share − cellar share.</translation>
    </message>
    <message>
        <source>Kellertemperatur</source>
        <translation>Cellar temperature</translation>
    </message>
    <message>
        <source>Kellertemperatur je Monat.</source>
        <translation>Cellar temperature per month.</translation>
    </message>
    <message>
        <source>k-Wert Kellerboden</source>
        <translation>U-value of the cellar floor</translation>
    </message>
    <message>
        <source>Wärmedurchgangskoeffizient des Kellerbodens.</source>
        <translation>Thermal transmittance of the cellar floor.</translation>
    </message>
    <message>
        <source>Lambda Bodenplatte</source>
        <translation>Lambda floor slab</translation>
    </message>
    <message>
        <source>Wärmeleitfähigkeit von Bodenplatte und Erdreich zwischen Keller und Rohr.</source>
        <translation>Thermal conductivity of the floor slab and the soil between cellar and pipe.</translation>
    </message>
    <message>
        <source>cp Bodenplatte</source>
        <translation>cp floor slab</translation>
    </message>
    <message>
        <source>Spezifische Wärmekapazität der Schicht unter dem Keller.</source>
        <translation>Specific heat capacity of the layer under the cellar.</translation>
    </message>
    <message>
        <source>rho Bodenplatte</source>
        <translation>rho floor slab</translation>
    </message>
    <message>
        <source>Dichte der Schicht unter dem Keller.</source>
        <translation>Density of the layer under the cellar.</translation>
    </message>
    <message>
        <source>Verlegetiefe unter Keller</source>
        <translation>Laying depth under the cellar</translation>
    </message>
    <message>
        <source>Verlegetiefe der Rohre unter dem Keller.</source>
        <translation>Laying depth of the pipes under the cellar.</translation>
    </message>
    <message>
        <source>Eingebautes Wetterjahr</source>
        <translation>Built-in weather year</translation>
    </message>
    <message>
        <source>Eingebautes Auslegungsjahr; sonst das Wetter aus dem letzten Bericht.</source>
        <translation>Built-in design year; otherwise the weather from the last report.</translation>
    </message>
    <message>
        <source>Wetterdatensatz</source>
        <translation>Weather data set</translation>
    </message>
    <message>
        <source>Name des Wetterdatensatzes, steht im Bericht.</source>
        <translation>Name of the weather data set, printed in the report.</translation>
    </message>
    <message>
        <source>Wetterdatei</source>
        <translation>Weather file</translation>
    </message>
    <message>
        <source>Wetterdatei des Standorts (EPW, DWD-Testreferenzjahr oder Stundentabelle); leer: das eingebaute Auslegungsjahr.</source>
        <translation>Weather file of the site (EPW, DWD test reference year or hourly table); empty: the built-in design year.</translation>
    </message>
    <message>
        <source>Ausgabedatei</source>
        <translation>Output file</translation>
    </message>
    <message>
        <source>Name des Berichts.</source>
        <translation>Name of the report.</translation>
    </message>
    <message>
        <source>Lüftungsfahrplan</source>
        <translation>Ventilation schedule</translation>
    </message>
    <message>
        <source>Einen Lüftungsfahrplan einlesen.</source>
        <translation>Read a ventilation schedule.</translation>
    </message>
    <message>
        <source>Fahrplandatei</source>
        <translation>Schedule file</translation>
    </message>
    <message>
        <source>Name der Datei des Lüftungsfahrplans.</source>
        <translation>Name of the ventilation schedule file.</translation>
    </message>
    <message>
        <source>Anzahl Rechengitter</source>
        <translation>Number of grid cells</translation>
    </message>
    <message>
        <source>Anzahl der Rechenzellen, axial und radial.</source>
        <translation>Number of computational cells, axial and radial.</translation>
    </message>
    <message>
        <source>Gitterfaktor</source>
        <translation>Grid factor</translation>
    </message>
    <message>
        <source>Wachstumsfaktor der Ringbreiten des radialen Gitters.</source>
        <translation>Growth factor of the ring widths of the radial grid.</translation>
    </message>
    <message>
        <source>Radiusteiler</source>
        <translation>Radius divider</translation>
    </message>
    <message>
        <source>Breite des ersten Erdrings in Wandstärken.</source>
        <translation>Width of the first ground ring in wall thicknesses.</translation>
    </message>
    <message>
        <source>Simulationszeitschritt</source>
        <translation>Simulation time step</translation>
    </message>
    <message>
        <source>Simulationszeitschritt.</source>
        <translation>Simulation time step.</translation>
    </message>
    <message>
        <source>Anzahl Sub-Schritte</source>
        <translation>Number of sub-steps</translation>
    </message>
    <message>
        <source>Unterteilungen eines Zeitschritts.</source>
        <translation>Subdivisions of one time step.</translation>
    </message>
    <message>
        <source>Einschwingjahre</source>
        <translation>Settling years</translation>
    </message>
    <message>
        <source>Gerechnete Jahre vor dem ausgewerteten Jahr.</source>
        <translation>Years computed before the evaluated year.</translation>
    </message>
    <message>
        <source>Monitorpunkt axial</source>
        <translation>Monitor point, axial</translation>
    </message>
    <message>
        <source>Axiale Zelle des Monitorpunkts, vom Einlass her.</source>
        <translation>Axial cell of the monitor point, counted from the inlet.</translation>
    </message>
    <message>
        <source>Monitorpunkt radial</source>
        <translation>Monitor point, radial</translation>
    </message>
    <message>
        <source>Radiale Zelle des Monitorpunkts, von der Achse her.</source>
        <translation>Radial cell of the monitor point, counted from the axis.</translation>
    </message>
    <message>
        <source>Monitorsektor</source>
        <translation>Monitor sector</translation>
    </message>
    <message>
        <source>Sektor des Monitorpunkts: 1 Erde, 2 adiabat, 3 Keller.</source>
        <translation>Sector of the monitor point: 1 soil, 2 adiabatic, 3 cellar.</translation>
    </message>
    <message>
        <source>Achsabstand Monitorpunkt</source>
        <translation>Monitor point distance from the axis</translation>
    </message>
    <message>
        <source>Abstand des Monitorpunkts von der Rohrachse.</source>
        <translation>Distance of the monitor point from the pipe axis.</translation>
    </message>
    <message>
        <source>Abstand Monitorpunkt vom Einlass</source>
        <translation>Monitor point distance from the inlet</translation>
    </message>
    <message>
        <source>Abstand des Monitorpunkts vom Einlass.</source>
        <translation>Distance of the monitor point from the inlet.</translation>
    </message>
    <message>
        <source>Spezielle Randbedingung</source>
        <translation>Special boundary condition</translation>
    </message>
    <message>
        <source>Erdtemperaturen am Rand aus den vorgegebenen Monatswerten statt berechnet.</source>
        <translation>Ground temperatures at the boundary from the prescribed monthly values instead of computed ones.</translation>
    </message>
    <message>
        <source>Erdtemperatur</source>
        <translation>Ground temperature</translation>
    </message>
    <message>
        <source>Vorgegebene Erdtemperatur je Monat (spezielle Randbedingung).</source>
        <translation>Prescribed ground temperature per month (special boundary condition).</translation>
    </message>
    <message>
        <source>Länderkennung</source>
        <translation>Country code</translation>
    </message>
    <message>
        <source>Länderkennung; D, d, A und a schreiben den Stundenteil mit Dezimalkomma.</source>
        <translation>Country code; D, d, A and a write the hourly part with a decimal comma.</translation>
    </message>
    <message>
        <source>Lüftungsgerät mit WRG</source>
        <translation>Ventilation unit with heat recovery</translation>
    </message>
    <message>
        <source>Hinter dem Register steht ein Lüftungsgerät mit Wärmerückgewinnung; seine Kennwerte werden mit und ohne Register gerechnet.</source>
        <translation>A ventilation unit with heat recovery follows the heat exchanger; its figures are computed with and without the heat exchanger.</translation>
    </message>
    <message>
        <source>Wirkungsgrad WRG</source>
        <translation>Heat recovery efficiency</translation>
    </message>
    <message>
        <source>Temperaturänderungsgrad der Wärmerückgewinnung auf der Zuluftseite.</source>
        <translation>Temperature efficiency of the heat recovery on the supply air side.</translation>
    </message>
    <message>
        <source>Frostgrenze WRG</source>
        <translation>Heat recovery frost limit</translation>
    </message>
    <message>
        <source>Ansaugtemperatur, unter der das Lüftungsgerät Frostschutz braucht; ein Vorheizregister hebt die Luft bis auf sie an.</source>
        <translation>Intake temperature below which the ventilation unit needs frost protection; a pre-heater raises the air to it.</translation>
    </message>
    <message>
        <source>Ablufttemperatur</source>
        <translation>Extract air temperature</translation>
    </message>
    <message>
        <source>Temperatur der Abluft, die in die Wärmerückgewinnung eintritt.</source>
        <translation>Temperature of the extract air entering the heat recovery.</translation>
    </message>
    <message>
        <source>Zuluft-Solltemperatur</source>
        <translation>Supply air set temperature</translation>
    </message>
    <message>
        <source>Zulufttemperatur, die das Gebäude in der Heizperiode verlangt; darunter heizt ein Nachheizregister nach.</source>
        <translation>Supply air temperature the building requires in the heating season; below it a re-heater heats up.</translation>
    </message>
    <message>
        <source>Komfortgrenze</source>
        <translation>Comfort limit</translation>
    </message>
    <message>
        <source>Zulufttemperatur, über der die Luft für die Räume zu warm ist; Kühlung zählt mit Lüftungsgerät nur darüber.</source>
        <translation>Supply air temperature above which the air is too warm for the rooms; with a ventilation unit cooling counts only above it.</translation>
    </message>
    <message>
        <source>Sommer-Bypass WRG</source>
        <translation>Heat recovery summer bypass</translation>
    </message>
    <message>
        <source>Außerhalb der Heizperiode umgeht die Zuluft die Wärmerückgewinnung, sobald die Ansaugluft ZuluftSoll erreicht; kühlere Luft hebt sie nur bis ZuluftSoll.</source>
        <translation>Outside the heating season the supply air bypasses the heat recovery as soon as the intake air reaches ZuluftSoll; cooler air is raised only up to ZuluftSoll.</translation>
    </message>
    <message>
        <source>Betriebszeiten</source>
        <translation>Operating times</translation>
    </message>
    <message>
        <source>Wochenplan der Lüftung, z. B. &quot;Mo-Fr 7-18; Sa 8-12 50%; Nacht 22-6&quot;; leer: immer Nenn-Volumenstrom (oder die Fahrplandatei).</source>
        <translation>Weekly ventilation schedule, e.g. &quot;Mo-Fr 7-18; Sa 8-12 50%; Nacht 22-6&quot; (German day names); empty: always the nominal volume flow (or the schedule file).</translation>
    </message>
    <message>
        <source>Regelungsart</source>
        <translation>Control mode</translation>
    </message>
    <message>
        <source>klassisch: Freigabegrenzen Heizgrenze/Kuehlgrenze; bedarf: das Register läuft nur, wenn es die Ansaugluft dorthin bringt, wohin das Gebäude sie braucht.</source>
        <translation>klassisch: release limits Heizgrenze/Kuehlgrenze; bedarf: the heat exchanger runs only when it brings the intake air where the building needs it.</translation>
    </message>
    <message>
        <source>Eingebautes Klima</source>
        <translation>Built-in climate</translation>
    </message>
    <message>
        <source>Testreferenzjahr des DWD einer der 15 Regionen (z. B. TRY2015-05-Jahr, 5 oder 5:Wint:2045); leer: kein eingebautes Klima.</source>
        <translation>DWD test reference year of one of the 15 regions (e.g. TRY2015-05-Jahr, 5 or 5:Wint:2045); empty: no built-in climate.</translation>
    </message>
    <message>
        <source>Rechenmodell</source>
        <translation>Calculation model</translation>
    </message>
    <message>
        <source>klassisch: ein Rohr in radialen Erdringen; register: alle Rohre nebeneinander im Erdreich unter der Oberfläche, mit der Feuchte der Luft.</source>
        <translation>klassisch: one pipe in radial ground rings; register: all pipes side by side in the ground below the surface, with the humidity of the air.</translation>
    </message>
    <message>
        <source>Rohrabstand</source>
        <translation>Pipe spacing</translation>
    </message>
    <message>
        <source>Abstand der Achsen benachbarter Rohre (0,2 bis 20 m), nur im Registermodell.</source>
        <translation>Distance between the axes of neighbouring pipes (0.2 to 20 m), register model only.</translation>
    </message>
    <message>
        <source>Wärmeübergang Oberfläche</source>
        <translation>Surface heat transfer</translation>
    </message>
    <message>
        <source>Wärmeübergangskoeffizient der Erdoberfläche zur Aussenluft, nur im Registermodell.</source>
        <translation>Heat transfer coefficient from the ground surface to the outdoor air, register model only.</translation>
    </message>
    <message>
        <source>Rohrpreistabelle</source>
        <translation>Pipe price table</translation>
    </message>
    <message>
        <source>Preis je Meter verlegtes Rohr nach Innendurchmesser als Paare Durchmesser m:Preis EUR/m, durch Semikolon getrennt und nach Durchmesser steigend; Annahme, zu prüfen: 0.1:25;0.15:35;0.2:50;0.3:90;0.4:140, dazwischen linear.</source>
        <translation>Price per metre of laid pipe by inner diameter as pairs diameter m:price EUR/m, separated by semicolons and rising in diameter; assumption, to be checked: 0.1:25;0.15:35;0.2:50;0.3:90;0.4:140, linear in between.</translation>
    </message>
    <message>
        <source>Preis Graben</source>
        <translation>Trench price</translation>
    </message>
    <message>
        <source>Preis je m3 Graben für Aushub, Bettung und Verfüllung; der Graben ist so lang wie ein Rohr, Anzahl Rohre mal Rohrabstand breit und reicht bis unter die Rohre; Annahme, zu prüfen: 40 EUR/m3.</source>
        <translation>Price per m3 of trench for excavation, bedding and backfill; the trench is as long as one pipe, number of pipes times pipe spacing wide and reaches below the pipes; assumption, to be checked: 40 EUR/m3.</translation>
    </message>
    <message>
        <source>Fixkosten</source>
        <translation>Fixed costs</translation>
    </message>
    <message>
        <source>Kosten unabhängig von der Rohrlänge: Verteiler und Sammler, Ansaugturm, Kondensatablauf; Annahme, zu prüfen: 8000 EUR.</source>
        <translation>Costs independent of the pipe length: manifolds, air intake tower, condensate drain; assumption, to be checked: 8000 EUR.</translation>
    </message>
    <message>
        <source>Wartung und Instandsetzung</source>
        <translation>Maintenance and repair</translation>
    </message>
    <message>
        <source>Jährliche Kosten für Wartung, Inspektion und Instandsetzung als Anteil der Investition; Annahme, zu prüfen: 0.015.</source>
        <translation>Yearly costs of maintenance, inspection and repair as a share of the investment; assumption, to be checked: 0.015.</translation>
    </message>
    <message>
        <source>Nutzungsdauer</source>
        <translation>Service life</translation>
    </message>
    <message>
        <source>Rechnerische Nutzungsdauer des Registers, nach ihr wird es ersetzt; Annahme, zu prüfen: 50 Jahre.</source>
        <translation>Calculated service life of the heat exchanger, after which it is replaced; assumption, to be checked: 50 years.</translation>
    </message>
    <message>
        <source>Zinssatz</source>
        <translation>Interest rate</translation>
    </message>
    <message>
        <source>Kalkulationszinssatz der Annuitätenrechnung; Annahme, zu prüfen: 0.03.</source>
        <translation>Calculation interest rate of the annuity method; assumption, to be checked: 0.03.</translation>
    </message>
    <message>
        <source>Betrachtungszeitraum</source>
        <translation>Period under consideration</translation>
    </message>
    <message>
        <source>Zeitraum der Annuitätenrechnung; Annahme, zu prüfen: 20 Jahre.</source>
        <translation>Period of the annuity calculation; assumption, to be checked: 20 years.</translation>
    </message>
    <message>
        <source>Preisänderung Investition</source>
        <translation>Price change, investment</translation>
    </message>
    <message>
        <source>Preisänderungsfaktor je Jahr für Ersatzbeschaffungen; Annahme, zu prüfen: 1.02.</source>
        <translation>Price change factor per year for replacements; assumption, to be checked: 1.02.</translation>
    </message>
    <message>
        <source>Preisänderung Betrieb</source>
        <translation>Price change, operation</translation>
    </message>
    <message>
        <source>Preisänderungsfaktor je Jahr für Wartung und Instandsetzung; Annahme, zu prüfen: 1.02.</source>
        <translation>Price change factor per year for maintenance and repair; assumption, to be checked: 1.02.</translation>
    </message>
    <message>
        <source>Preisänderung Energie</source>
        <translation>Price change, energy</translation>
    </message>
    <message>
        <source>Preisänderungsfaktor je Jahr für Wärme, Kälte und Strom; Annahme, zu prüfen: 1.03.</source>
        <translation>Price change factor per year for heat, cooling and electricity; assumption, to be checked: 1.03.</translation>
    </message>
    <message>
        <source>Wärmepreis</source>
        <translation>Heat price</translation>
    </message>
    <message>
        <source>Preis der Wärme, die das Register dem Wärmeerzeuger erspart; Annahme, zu prüfen: 0.10 EUR/kWh.</source>
        <translation>Price of the heat the heat exchanger saves the heat generator; assumption, to be checked: 0.10 EUR/kWh.</translation>
    </message>
    <message>
        <source>Strompreis</source>
        <translation>Electricity price</translation>
    </message>
    <message>
        <source>Preis des Stroms für den Ventilator; Annahme, zu prüfen: 0.30 EUR/kWh.</source>
        <translation>Price of the electricity for the fan; assumption, to be checked: 0.30 EUR/kWh.</translation>
    </message>
    <message>
        <source>Kältepreis</source>
        <translation>Cooling price</translation>
    </message>
    <message>
        <source>Preis der Kälte, die das Register der Kühlung erspart; Annahme, zu prüfen: 0.10 EUR/kWh.</source>
        <translation>Price of the cooling the heat exchanger saves the chiller; assumption, to be checked: 0.10 EUR/kWh.</translation>
    </message>
    <message>
        <source>CO2-Faktor Wärme</source>
        <translation>CO2 factor, heat</translation>
    </message>
    <message>
        <source>CO2-Ausstoß des Wärmeerzeugers je kWh Wärme; Annahme, zu prüfen: 0.24 kg/kWh (Gas-Brennwertkessel).</source>
        <translation>CO2 emission of the heat generator per kWh of heat; assumption, to be checked: 0.24 kg/kWh (gas condensing boiler).</translation>
    </message>
    <message>
        <source>CO2-Faktor Strom</source>
        <translation>CO2 factor, electricity</translation>
    </message>
    <message>
        <source>CO2-Ausstoß je kWh Strom; Annahme, zu prüfen: 0.38 kg/kWh (Strommix).</source>
        <translation>CO2 emission per kWh of electricity; assumption, to be checked: 0.38 kg/kWh (electricity mix).</translation>
    </message>
    <message>
        <source>Höchste Luftgeschwindigkeit</source>
        <translation>Highest air velocity</translation>
    </message>
    <message>
        <source>Grenze der Luftgeschwindigkeit im Rohr bei Nenn-Volumenstrom; übliche Praxis: 3 m/s.</source>
        <translation>Limit of the air velocity in the pipe at the nominal volume flow; common practice: 3 m/s.</translation>
    </message>
    <message>
        <source>Druckverlust-Budget</source>
        <translation>Pressure drop budget</translation>
    </message>
    <message>
        <source>Druckverlust, den das Register bei Nenn-Volumenstrom höchstens haben soll; übliche Praxis: 50 Pa.</source>
        <translation>Highest pressure drop the heat exchanger should have at the nominal volume flow; common practice: 50 Pa.</translation>
    </message>
    <message>
        <source>Frostfreie Tiefe</source>
        <translation>Frost-free depth</translation>
    </message>
    <message>
        <source>Verlegetiefe, unter der der Boden nicht gefriert; übliche Praxis: 0.8 m.</source>
        <translation>Laying depth below which the ground does not freeze; common practice: 0.8 m.</translation>
    </message>
    <message>
        <source>Mindest-Rohrabstand</source>
        <translation>Minimum pipe spacing</translation>
    </message>
    <message>
        <source>Kleinster Achsabstand der Rohre; übliche Praxis: 1 m.</source>
        <translation>Smallest distance between the pipe axes; common practice: 1 m.</translation>
    </message>
    <message>
        <source>Mindest-Reynoldszahl</source>
        <translation>Minimum Reynolds number</translation>
    </message>
    <message>
        <source>Kleinste Reynoldszahl beim kleinsten Volumenstrom des Fahrplans; übliche Praxis: 2300, darunter strömt die Luft laminar.</source>
        <translation>Smallest Reynolds number at the smallest volume flow of the schedule; common practice: 2300, below it the air flows laminar.</translation>
    </message>
</context>
<context>
    <name>kov::Kennwerte</name>
    <message>
        <source>Reynoldszahl bei Nenn-Volumenstrom</source>
        <translation>Reynolds number at nominal volume flow</translation>
    </message>
    <message>
        <source>Rohrreibungszahl</source>
        <translation>Pipe friction factor</translation>
    </message>
    <message>
        <source>Druckverlust Rohrreibung</source>
        <translation>Pressure drop, pipe friction</translation>
    </message>
    <message>
        <source>Druckverlust Einzelwiderstände</source>
        <translation>Pressure drop, local losses</translation>
    </message>
    <message>
        <source>Zusätzlicher Druckverlust</source>
        <translation>Additional pressure drop</translation>
    </message>
    <message>
        <source>Druckverlust gesamt</source>
        <translation>Total pressure drop</translation>
    </message>
    <message>
        <source>Ventilatorleistung bei Nenn-Volumenstrom</source>
        <translation>Fan power at nominal volume flow</translation>
    </message>
    <message>
        <source>Ventilator-Stromverbrauch im Jahr</source>
        <translation>Fan electricity per year</translation>
    </message>
    <message>
        <source>Leistungszahl (nutzbare Energie / Ventilatorstrom)</source>
        <translation>Coefficient of performance (useful energy / fan electricity)</translation>
    </message>
    <message>
        <source>Leistungszahl brutto (alle Energie / Ventilatorstrom)</source>
        <translation>Gross coefficient of performance (all energy / fan electricity)</translation>
    </message>
    <message>
        <source>Tiefste Austrittstemperatur</source>
        <translation>Lowest outlet temperature</translation>
    </message>
    <message>
        <source>Höchste Austrittstemperatur</source>
        <translation>Highest outlet temperature</translation>
    </message>
    <message>
        <source>Tiefste Eintrittstemperatur</source>
        <translation>Lowest inlet temperature</translation>
    </message>
    <message>
        <source>Höchste Eintrittstemperatur</source>
        <translation>Highest inlet temperature</translation>
    </message>
    <message>
        <source>Stunden mit Aussenluft unter Frostgrenze</source>
        <translation>Hours with outdoor air below the frost limit</translation>
    </message>
    <message>
        <source>Betriebsstunden mit Austritt unter Frostgrenze</source>
        <translation>Operating hours with the outlet below the frost limit</translation>
    </message>
    <message>
        <source>Größte Heizleistung</source>
        <translation>Highest heating power</translation>
    </message>
    <message>
        <source>Größte Kühlleistung</source>
        <translation>Highest cooling power</translation>
    </message>
    <message>
        <source>Nutzbare Heizenergie (Aussenluft bis Heizgrenze)</source>
        <translation>Useful heating energy (outdoor air up to the heating limit)</translation>
    </message>
    <message>
        <source>Nutzbare Kühlenergie (Aussenluft ab Kühlgrenze)</source>
        <translation>Useful cooling energy (outdoor air from the cooling limit)</translation>
    </message>
    <message>
        <source>Nutzbare Kühlenergie (Aussenluft ab Komfortgrenze)</source>
        <translation>Useful cooling energy (outdoor air from the comfort limit)</translation>
    </message>
    <message>
        <source>Unerwünschte Heizenergie (Aussenluft über Heizgrenze)</source>
        <translation>Unwanted heating energy (outdoor air above the heating limit)</translation>
    </message>
    <message>
        <source>Unerwünschte Kühlenergie (Aussenluft unter Kühlgrenze)</source>
        <translation>Unwanted cooling energy (outdoor air below the cooling limit)</translation>
    </message>
    <message>
        <source>Unerwünschte Kühlenergie (Aussenluft unter Komfortgrenze)</source>
        <translation>Unwanted cooling energy (outdoor air below the comfort limit)</translation>
    </message>
    <message>
        <source>Nutzbarer Ertrag je m² Rohrinnenfläche</source>
        <translation>Useful yield per m² of inner pipe surface</translation>
    </message>
    <message>
        <source>Nutzbarer Ertrag je m Rohr</source>
        <translation>Useful yield per m of pipe</translation>
    </message>
    <message>
        <source>Stunden der Heizperiode (Aussenluft bis Heizgrenze)</source>
        <translation>Hours of the heating season (outdoor air up to the heating limit)</translation>
    </message>
    <message>
        <source>Wirkungsgrad η gegen ungestörtes Erdreich, Heizperiode</source>
        <translation>Efficiency η against the undisturbed ground, heating season</translation>
    </message>
    <message>
        <source>Mittlere Ansaugtemperatur nach Register, Heizperiode</source>
        <translation>Mean intake temperature after the heat exchanger, heating season</translation>
    </message>
    <message>
        <source>Mittlere Aussentemperatur, Heizperiode</source>
        <translation>Mean outdoor temperature, heating season</translation>
    </message>
    <message>
        <source>Kondensat im Jahr</source>
        <translation>Condensate per year</translation>
    </message>
    <message>
        <source>Stunden mit Kondensat</source>
        <translation>Hours with condensate</translation>
    </message>
    <message>
        <source>Größte Kondensatmenge</source>
        <translation>Largest condensate flow</translation>
    </message>
    <message>
        <source>Änderung Heizenergie gegen letztes Einschwingjahr</source>
        <translation>Change of heating energy against the last settling year</translation>
    </message>
    <message>
        <source>Änderung Kühlenergie gegen letztes Einschwingjahr</source>
        <translation>Change of cooling energy against the last settling year</translation>
    </message>
    <message>
        <source>mit dem Volumenstrom gewichtet</source>
        <translation>weighted with the volume flow</translation>
    </message>
    <message>
        <source>Wetter ohne Feuchtedaten</source>
        <translation>weather without humidity data</translation>
    </message>
    <message>
        <source>Amortisationszeit</source>
        <translation>Payback time</translation>
    </message>
    <message>
        <source>Annuität Kapital</source>
        <translation>Annuity, capital</translation>
    </message>
    <message>
        <source>Annuität Ventilatorstrom</source>
        <translation>Annuity, fan electricity</translation>
    </message>
    <message>
        <source>Annuität Wartung</source>
        <translation>Annuity, maintenance</translation>
    </message>
    <message>
        <source>Annuität der Erlöse</source>
        <translation>Annuity of the revenues</translation>
    </message>
    <message>
        <source>Annuität der Kosten</source>
        <translation>Annuity of the costs</translation>
    </message>
    <message>
        <source>Investition</source>
        <translation>Investment</translation>
    </message>
    <message>
        <source>Kosten je kWh</source>
        <translation>Costs per kWh</translation>
    </message>
    <message>
        <source>Nettonutzen</source>
        <translation>Net benefit</translation>
    </message>
    <message>
        <source>CO₂-Einsparung</source>
        <translation>CO₂ saving</translation>
    </message>
    <message>
        <source>Achsabstand der Rohre</source>
        <translation>Distance between the pipe axes</translation>
    </message>
    <message>
        <source>Druckverlust bei Nenn-Volumenstrom</source>
        <translation>Pressure drop at nominal volume flow</translation>
    </message>
    <message>
        <source>Luftgeschwindigkeit bei Nenn-Volumenstrom</source>
        <translation>Air velocity at nominal volume flow</translation>
    </message>
    <message>
        <source>Reynoldszahl beim kleinsten Volumenstrom</source>
        <translation>Reynolds number at the smallest volume flow</translation>
    </message>
    <message>
        <source>Rohrlänge gegen nützliche Länge</source>
        <translation>Pipe length against useful length</translation>
    </message>
    <message>
        <source>Tiefste Austrittstemperatur im Betrieb</source>
        <translation>Lowest outlet temperature in operation</translation>
    </message>
    <message>
        <source>Verlegetiefe</source>
        <translation>Laying depth</translation>
    </message>
    <message>
        <source>Wetter des Standorts</source>
        <translation>Weather of the site</translation>
    </message>
    <message>
        <source>erfüllt</source>
        <translation>met</translation>
    </message>
    <message>
        <source>nicht erfüllt</source>
        <translation>not met</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>note</translation>
    </message>
    <message>
        <source>Die Auslegung erfüllt alle Prüfungen.</source>
        <translation>The design passes every check.</translation>
    </message>
    <message>
        <source>%1. %2, %3–%4 Uhr (Stunde %5)</source>
        <translation>%2 %1, %3:00–%4:00 (hour %5)</translation>
    </message>
    <message>
        <source>%1 (%2 °C)</source>
        <translation>%1 (%2 °C)</translation>
    </message>
    <message>
        <source>Die Auslegung erfüllt nicht: %1.</source>
        <translation>The design fails: %1.</translation>
    </message>
    <message>
        <source>Hinweise: %1.</source>
        <translation>Notes: %1.</translation>
    </message>
    <message>
        <source>Heizenergie</source>
        <translation>Heating energy</translation>
    </message>
    <message>
        <source>Kühlenergie</source>
        <translation>Cooling energy</translation>
    </message>
    <message>
        <source>nutzbare Heizenergie</source>
        <translation>useful heating energy</translation>
    </message>
    <message>
        <source>nutzbare Kühlenergie</source>
        <translation>useful cooling energy</translation>
    </message>
    <message>
        <source>nutzbare Energie (Heizen + Kühlen)</source>
        <translation>useful energy (heating + cooling)</translation>
    </message>
    <message>
        <source>Ventilatorstrom</source>
        <translation>fan electricity</translation>
    </message>
    <message>
        <source>Leistungszahl</source>
        <translation>coefficient of performance</translation>
    </message>
    <message>
        <source>tiefste Austrittstemperatur</source>
        <translation>lowest outlet temperature</translation>
    </message>
    <message>
        <source>höchste Austrittstemperatur</source>
        <translation>highest outlet temperature</translation>
    </message>
    <message>
        <source>Froststunden nach dem Register</source>
        <translation>frost hours after the heat exchanger</translation>
    </message>
    <message>
        <source>Luftgeschwindigkeit</source>
        <translation>air velocity</translation>
    </message>
    <message>
        <source>Druckverlust</source>
        <translation>pressure drop</translation>
    </message>
    <message>
        <source>Rohrlänge aller Rohre</source>
        <translation>pipe length of all pipes</translation>
    </message>
    <message>
        <source>Leistungszahl brutto</source>
        <translation>gross coefficient of performance</translation>
    </message>
    <message>
        <source>Wirkungsgrad Heizperiode</source>
        <translation>efficiency, heating season</translation>
    </message>
    <message>
        <source>mittlere Ansaugtemperatur Heizperiode</source>
        <translation>mean intake temperature, heating season</translation>
    </message>
    <message>
        <source>Frostschutzstunden des Lüftungsgeräts</source>
        <translation>frost protection hours of the ventilation unit</translation>
    </message>
    <message>
        <source>Vorheizenergie des Lüftungsgeräts</source>
        <translation>pre-heating energy of the ventilation unit</translation>
    </message>
    <message>
        <source>Wärmeersparnis im Gebäude nach WRG</source>
        <translation>heat saved in the building after heat recovery</translation>
    </message>
    <message>
        <source>tiefste Zuluft nach WRG</source>
        <translation>lowest supply air after heat recovery</translation>
    </message>
    <message>
        <source>jährlicher Nettonutzen</source>
        <translation>yearly net benefit</translation>
    </message>
    <message>
        <source>dynamische Amortisationszeit</source>
        <translation>dynamic payback time</translation>
    </message>
    <message>
        <source>Lüftungsgerät: Frostschutzstunden mit Register (Ansaug unter %1 °C)</source>
        <translation>Ventilation unit: frost protection hours with heat exchanger (intake below %1 °C)</translation>
    </message>
    <message>
        <source>Lüftungsgerät: Vorheizenergie Frostschutz mit Register</source>
        <translation>Ventilation unit: frost protection preheating energy with heat exchanger</translation>
    </message>
    <message>
        <source>Lüftungsgerät: eingesparte Vorheizenergie</source>
        <translation>Ventilation unit: preheating energy saved</translation>
    </message>
    <message>
        <source>Lüftungsgerät: Nachheizenergie bis Zuluft %1 °C mit Register</source>
        <translation>Ventilation unit: reheating energy up to supply air %1 °C with heat exchanger</translation>
    </message>
    <message>
        <source>Lüftungsgerät: Wärmeersparnis im Gebäude nach WRG</source>
        <translation>Ventilation unit: heat saved in the building after heat recovery</translation>
    </message>
    <message>
        <source>Lüftungsgerät: tiefste Zuluft nach WRG mit Register</source>
        <translation>Ventilation unit: lowest supply air after heat recovery with heat exchanger</translation>
    </message>
    <message>
        <source>Lüftungsgerät: höchste Zuluft außerhalb der Heizperiode mit Register</source>
        <translation>Ventilation unit: highest supply air outside the heating season with heat exchanger</translation>
    </message>
    <message>
        <source>Lüftungsgerät: Stunden mit Zuluft über Komfortgrenze (%1 °C) mit Register</source>
        <translation>Ventilation unit: hours with supply air above the comfort limit (%1 °C) with heat exchanger</translation>
    </message>
    <message>
        <source>Lüftungsgerät: Kühlung in Stunden über Komfortgrenze</source>
        <translation>Ventilation unit: cooling in hours above the comfort limit</translation>
    </message>
    <message>
        <source>ohne Register: %1 h</source>
        <translation>without heat exchanger: %1 h</translation>
    </message>
    <message>
        <source>ohne Register: %1 kWh</source>
        <translation>without heat exchanger: %1 kWh</translation>
    </message>
    <message>
        <source>ohne Register: %1 °C</source>
        <translation>without heat exchanger: %1 °C</translation>
    </message>
    <message>
        <source>Vor- + Nachheizung ohne Register minus mit Register</source>
        <translation>Preheating + reheating without heat exchanger minus with heat exchanger</translation>
    </message>
    <message>
        <source>WRG %1 %, Abluft %2 °C</source>
        <translation>heat recovery %1 %, extract air %2 °C</translation>
    </message>
    <message>
        <source>Zuluft ohne minus mit Register, Stunden mit Zuluft ohne Register über %1 °C</source>
        <translation>Supply air without minus with heat exchanger, hours with supply air without heat exchanger above %1 °C</translation>
    </message>
    <message>
        <source>Tiefste Außentemperatur</source>
        <translation>Lowest outdoor temperature</translation>
    </message>
    <message>
        <source>Froststunden außen</source>
        <translation>Frost hours outdoors</translation>
    </message>
    <message>
        <source>Froststunden nach Register</source>
        <translation>Frost hours after the heat exchanger</translation>
    </message>
    <message>
        <source>Heizenergie nutzbar</source>
        <translation>Useful heating energy</translation>
    </message>
    <message>
        <source>Kühlenergie nutzbar</source>
        <translation>Useful cooling energy</translation>
    </message>
    <message>
        <source>Die Luft strömt langsam genug.</source>
        <translation>The air flows slowly enough.</translation>
    </message>
    <message>
        <source>Zu schnell: Druckverlust, Geräusch und Ventilatorstrom steigen; mehr oder größere Rohre wählen.</source>
        <translation>Too fast: pressure drop, noise and fan electricity rise; choose more or larger pipes.</translation>
    </message>
    <message>
        <source>Das Register lief in keiner Stunde.</source>
        <translation>The heat exchanger did not run in any hour.</translation>
    </message>
    <message>
        <source>Die Luft hinter dem Register bleibt über der Frostgrenze.</source>
        <translation>The air after the heat exchanger stays above the frost limit.</translation>
    </message>
    <message>
        <source>Die Luft hinter dem Register fällt unter die Frostgrenze: Vorwärmung, längere oder tiefer liegende Rohre vorsehen.</source>
        <translation>The air after the heat exchanger falls below the frost limit: provide preheating, longer or deeper pipes.</translation>
    </message>
    <message>
        <source>Der Druckverlust bleibt im Budget.</source>
        <translation>The pressure drop stays within the budget.</translation>
    </message>
    <message>
        <source>Der Druckverlust übersteigt das Budget: langsamere Strömung oder kürzere Rohre.</source>
        <translation>The pressure drop exceeds the budget: slower flow or shorter pipes.</translation>
    </message>
    <message>
        <source>Die Rohre liegen frostfrei.</source>
        <translation>The pipes lie below the frost line.</translation>
    </message>
    <message>
        <source>Die Rohre liegen im Frostbereich: Kondensat kann gefrieren, der Boden ist im Winter kalt.</source>
        <translation>The pipes lie within the frost zone: condensate can freeze, the ground is cold in winter.</translation>
    </message>
    <message>
        <source>Die Rohre liegen zu eng: sie entziehen einander den Boden.</source>
        <translation>The pipes are too close together: they draw heat from the same ground.</translation>
    </message>
    <message>
        <source>Der Abstand ist kleiner als der gerechnete Erdbereich zweier Rohre (%1 cm): die Rechnung mit einem Rohr überschätzt den Ertrag.</source>
        <translation>The spacing is smaller than the calculated ground zone of two pipes (%1 cm): the one-pipe calculation overestimates the yield.</translation>
    </message>
    <message>
        <source>Jedes Rohr hat seinen gerechneten Erdbereich für sich.</source>
        <translation>Every pipe has its calculated ground zone to itself.</translation>
    </message>
    <message>
        <source>Die Strömung ist beim kleinsten Volumenstrom laminar: der Wärmeübergang bricht ein.</source>
        <translation>The flow is laminar at the smallest volume flow: the heat transfer collapses.</translation>
    </message>
    <message>
        <source>Die Strömung ist beim kleinsten Volumenstrom im Übergangsbereich (unter %1).</source>
        <translation>The flow is in the transition range at the smallest volume flow (below %1).</translation>
    </message>
    <message>
        <source>Die Strömung ist auch beim kleinsten Volumenstrom turbulent.</source>
        <translation>The flow is turbulent even at the smallest volume flow.</translation>
    </message>
    <message>
        <source>Es fällt Kondensat an: Rohre mit Gefälle (üblich %1 bis %2 %) und einen Kondensatablauf vorsehen.</source>
        <translation>Condensate forms: lay the pipes with a gradient (usually %1 to %2 %) and provide a condensate drain.</translation>
    </message>
    <message>
        <source>Es fällt kein Kondensat an.</source>
        <translation>No condensate forms.</translation>
    </message>
    <message>
        <source>Jeder Teil des Rohrs trägt merklich bei.</source>
        <translation>Every part of the pipe contributes noticeably.</translation>
    </message>
    <message>
        <source>Das Rohr ist länger als nützlich: die letzten %1 % bringen weniger als %2 % der Energie; mehr kürzere Rohre wären wirksamer.</source>
        <translation>The pipe is longer than useful: the last %1 % add less than %2 % of the energy; more, shorter pipes would be more effective.</translation>
    </message>
    <message>
        <source>Gerechnet mit dem Wetter aus dem vorigen Bericht, nicht mit einer Wetterdatei des Standorts.</source>
        <translation>Calculated with the weather from the previous report, not with a weather file of the site.</translation>
    </message>
    <message>
        <source>Gerechnet mit dem Testreferenzjahr der Region des Standorts (eingebautes Klima).</source>
        <translation>Calculated with the test reference year of the site&apos;s region (built-in climate).</translation>
    </message>
    <message>
        <source>Gerechnet mit dem Wetter des Standorts.</source>
        <translation>Calculated with the weather of the site.</translation>
    </message>
    <message>
        <source>Gerechnet mit dem eingebauten Schweizer Auslegungsjahr, nicht mit dem Wetter des Standorts.</source>
        <translation>Calculated with the built-in Swiss design year, not with the weather of the site.</translation>
    </message>
    <message>
        <source>Rechenmodell klassisch: ein repräsentatives Rohr in radialen Erdringen bis zum Simulationsradius.</source>
        <translation>Calculation model classic: one representative pipe in radial rings of ground out to the simulation radius.</translation>
    </message>
    <message>
        <source>Rechenmodell Register: alle %1 Rohre nebeneinander (Abstand %2 m, %3 verschieden gerechnet) im Erdreich unter der Oberfläche, mit der Feuchte der Luft und ihrem Kondensat.</source>
        <translation>Calculation model register: all %1 pipes side by side (spacing %2 m, %3 calculated separately) in the ground below the surface, with the humidity of the air and its condensate.</translation>
    </message>
    <message>
        <source>Rechenmodell Register: alle %1 Rohre nebeneinander (Abstand %2 m, %3 verschieden gerechnet) im Erdreich unter der Oberfläche, mit der Feuchte der Luft und ihrem Kondensat (keine Feuchtedaten: kein Kondensat).</source>
        <translation>Calculation model register: all %1 pipes side by side (spacing %2 m, %3 calculated separately) in the ground below the surface, with the humidity of the air and its condensate (no humidity data: no condensate).</translation>
    </message>
    <message>
        <source>Auflösung: Querschnitt %1 × %2 Zellen (im Winkel × radial, oberste Zellschicht %3 m), %4 Zeitkonstanten der Reduktion, %5 Axialzellen je Rohr, %6 Zeitschritt je Stunde.</source>
        <translation>Resolution: cross-section %1 × %2 cells (angular × radial, top cell layer %3 m), %4 time constants of the reduction, %5 axial cells per pipe, %6 time step per hour.</translation>
    </message>
    <message>
        <source>Auflösung: Querschnitt %1 × %2 Zellen (im Winkel × radial, oberste Zellschicht %3 m), %4 Zeitkonstanten der Reduktion, %5 Axialzellen je Rohr, %6 Zeitschritte je Stunde.</source>
        <translation>Resolution: cross-section %1 × %2 cells (angular × radial, top cell layer %3 m), %4 time constants of the reduction, %5 axial cells per pipe, %6 time steps per hour.</translation>
    </message>
    <message>
        <source>Konvergenz: jede Verfeinerung ändert die Jahresenergien um höchstens %1 % und den tiefsten Austritt um höchstens %2 K (geprüft über den Auslegungsbereich); eingeschwungen nach %3 Jahr, letzte Änderung der Jahresenergien %4 % unter der Grenze von %5 %.</source>
        <translation>Convergence: every refinement changes the annual energies by at most %1 % and the lowest outlet temperature by at most %2 K (tested over the design range); settled after %3 year, last change of the annual energies %4 %, below the limit of %5 %.</translation>
    </message>
    <message>
        <source>Konvergenz: jede Verfeinerung ändert die Jahresenergien um höchstens %1 % und den tiefsten Austritt um höchstens %2 K (geprüft über den Auslegungsbereich); eingeschwungen nach %3 Jahren, letzte Änderung der Jahresenergien %4 % unter der Grenze von %5 %.</source>
        <translation>Convergence: every refinement changes the annual energies by at most %1 % and the lowest outlet temperature by at most %2 K (tested over the design range); settled after %3 years, last change of the annual energies %4 %, below the limit of %5 %.</translation>
    </message>
    <message>
        <source>Konvergenz: jede Verfeinerung ändert die Jahresenergien um höchstens %1 % und den tiefsten Austritt um höchstens %2 K (geprüft über den Auslegungsbereich); nach %3 Jahr ändern sich die Jahresenergien noch um %4 %, über der Grenze von %5 %: das Ergebnis hängt noch vom Startzustand ab.</source>
        <translation>Convergence: every refinement changes the annual energies by at most %1 % and the lowest outlet temperature by at most %2 K (tested over the design range); after %3 year the annual energies still change by %4 %, above the limit of %5 %: the result still depends on the initial state.</translation>
    </message>
    <message>
        <source>Konvergenz: jede Verfeinerung ändert die Jahresenergien um höchstens %1 % und den tiefsten Austritt um höchstens %2 K (geprüft über den Auslegungsbereich); nach %3 Jahren ändern sich die Jahresenergien noch um %4 %, über der Grenze von %5 %: das Ergebnis hängt noch vom Startzustand ab.</source>
        <translation>Convergence: every refinement changes the annual energies by at most %1 % and the lowest outlet temperature by at most %2 K (tested over the design range); after %3 years the annual energies still change by %4 %, above the limit of %5 %: the result still depends on the initial state.</translation>
    </message>
    <message>
        <source>Rohre, %1 m zu %2 EUR/m</source>
        <translation>Pipes, %1 m at %2 EUR/m</translation>
    </message>
    <message>
        <source>Rohre, %1 m zu %2 EUR/m (Durchmesser außerhalb der Preistabelle: Randpreis)</source>
        <translation>Pipes, %1 m at %2 EUR/m (diameter outside the price table: price at its edge)</translation>
    </message>
    <message>
        <source>Graben, %1 m breit, %2 m tief: %3 m³</source>
        <translation>Trench, %1 m wide, %2 m deep: %3 m³</translation>
    </message>
    <message>
        <source>Fixkosten</source>
        <translation>Fixed costs</translation>
    </message>
    <message>
        <source>Annuitätsfaktor</source>
        <translation>Annuity factor</translation>
    </message>
    <message>
        <source>Ersatzbeschaffungen im Betrachtungszeitraum</source>
        <translation>Replacements within the period under consideration</translation>
    </message>
    <message>
        <source>Barwert der Ersatzbeschaffungen</source>
        <translation>Present value of the replacements</translation>
    </message>
    <message>
        <source>Barwert des Restwerts</source>
        <translation>Present value of the residual value</translation>
    </message>
    <message>
        <source>Kapitalgebundene Annuität</source>
        <translation>Capital-related annuity</translation>
    </message>
    <message>
        <source>Betriebsgebundene Annuität (Wartung)</source>
        <translation>Operation-related annuity (maintenance)</translation>
    </message>
    <message>
        <source>Bedarfsgebundene Annuität (Ventilatorstrom)</source>
        <translation>Demand-related annuity (fan electricity)</translation>
    </message>
    <message>
        <source>Annuität der Erlöse (eingesparte Wärme und Kälte)</source>
        <translation>Annuity of the revenues (heating and cooling saved)</translation>
    </message>
    <message>
        <source>Jährlicher Nettonutzen</source>
        <translation>Annual net benefit</translation>
    </message>
    <message>
        <source>Dynamische Amortisationszeit</source>
        <translation>Dynamic payback period</translation>
    </message>
    <message>
        <source>Kosten je kWh nutzbarer Wärme und Kälte</source>
        <translation>Cost per kWh of useful heating and cooling</translation>
    </message>
    <message>
        <source>CO₂-Einsparung abzüglich Ventilatorstrom</source>
        <translation>CO₂ saving less fan electricity</translation>
    </message>
    <message>
        <source>über %1</source>
        <translation>over %1</translation>
    </message>
    <message>
        <source>Modell: KOV rechnet ein repräsentatives Rohr des Registers (%1 parallele Rohre, je %2 m lang, Innendurchmesser %3 m) Stunde für Stunde. Die Luft durchströmt %4 axiale Zellen von je %5 m und tauscht Wärme mit der Rohrwand über einen Wärmeübergangskoeffizienten aus laminarer, Übergangs- oder turbulenter Strömung (Luftgeschwindigkeit %6 m/s bei Nenn-Volumenstrom).</source>
        <translation>Model: KOV calculates one representative pipe of the heat exchanger (%1 parallel pipes, each %2 m long, inner diameter %3 m) hour by hour. The air flows through %4 axial cells of %5 m each and exchanges heat with the pipe wall through a heat transfer coefficient for laminar, transitional or turbulent flow (air velocity %6 m/s at nominal volume flow).</translation>
    </message>
    <message>
        <source>Erdreich: Um jede axiale Zelle liegt eine radiale Säule aus der Rohrwand und %1 Erdringen bis zum Simulationsradius %2 m; der erste Ring ist %3 Wandstärken breit, jeder weitere um den Gitterfaktor %4 breiter. Die Wärmeleitung wird implizit nach Crank–Nicolson gerechnet, getrennt in drei Sektoren des Rohrumfangs: ungestörtes Erdreich %5 %, adiabate Nachbarschaft %6 %, Kellerboden %7 %. Am äusseren Rand des Erdsektors steht Monat für Monat die vorgegebene Erdtemperatur.</source>
        <translation>Ground: around each axial cell lies a radial column of the pipe wall and %1 rings of ground out to the simulation radius of %2 m; the first ring is %3 wall thicknesses wide, each further one wider by the grid factor %4. Heat conduction is calculated implicitly by Crank–Nicolson, separately in three sectors of the pipe&apos;s circumference: undisturbed ground %5 %, adiabatic neighbourhood %6 %, basement floor %7 %. At the outer edge of the ground sector the given ground temperature holds, month by month.</translation>
    </message>
    <message>
        <source>Erdreich: Um jede axiale Zelle liegt eine radiale Säule aus der Rohrwand und %1 Erdringen bis zum Simulationsradius %2 m; der erste Ring ist %3 Wandstärken breit, jeder weitere um den Gitterfaktor %4 breiter. Die Wärmeleitung wird implizit nach Crank–Nicolson gerechnet, getrennt in drei Sektoren des Rohrumfangs: ungestörtes Erdreich %5 %, adiabate Nachbarschaft %6 %, Kellerboden %7 %. Am äusseren Rand des Erdsektors steht die ungestörte Erdtemperatur in Rohrtiefe %8 m, Monat für Monat aus dem Wetterjahr.</source>
        <translation>Ground: around each axial cell lies a radial column of the pipe wall and %1 rings of ground out to the simulation radius of %2 m; the first ring is %3 wall thicknesses wide, each further one wider by the grid factor %4. Heat conduction is calculated implicitly by Crank–Nicolson, separately in three sectors of the pipe&apos;s circumference: undisturbed ground %5 %, adiabatic neighbourhood %6 %, basement floor %7 %. At the outer edge of the ground sector the undisturbed ground temperature at pipe depth %8 m holds, month by month from the weather year.</translation>
    </message>
    <message>
        <source>Zeit: Zeitschritte von %1 s in %2 Sub-Schritten von je %3 s. Die Regelung entscheidet jede Stunde zwischen Betrieb und Bypass (Heizgrenze %4 °C, Kühlgrenze %5 °C).</source>
        <translation>Time: time steps of %1 s in %2 sub-steps of %3 s each. The control decides every hour between operation and bypass (heating limit %4 °C, cooling limit %5 °C).</translation>
    </message>
    <message>
        <source>Zeit: Zeitschritte von %1 s in %2 Sub-Schritten von je %3 s. Die Regelung entscheidet jede Stunde zwischen Betrieb und Bypass (ungeregelt: das Register läuft immer).</source>
        <translation>Time: time steps of %1 s in %2 sub-steps of %3 s each. The control decides every hour between operation and bypass (uncontrolled: the heat exchanger always runs).</translation>
    </message>
    <message>
        <source>Einschwingen: %1 Einschwingjahr vor dem ausgewerteten Jahr, Start des Erdreichs bei %2 °C. Änderung gegen das letzte Einschwingjahr: Heizenergie %3 %, Kühlenergie %4 %; unter %5 %, das Erdreich ist eingeschwungen.</source>
        <translation>Settling: %1 settling year before the evaluated year, ground starting at %2 °C. Change against the last settling year: heating energy %3 %, cooling energy %4 %; below %5 %, the ground has settled.</translation>
    </message>
    <message>
        <source>Einschwingen: %1 Einschwingjahre vor dem ausgewerteten Jahr, Start des Erdreichs bei %2 °C. Änderung gegen das letzte Einschwingjahr: Heizenergie %3 %, Kühlenergie %4 %; unter %5 %, das Erdreich ist eingeschwungen.</source>
        <translation>Settling: %1 settling years before the evaluated year, ground starting at %2 °C. Change against the last settling year: heating energy %3 %, cooling energy %4 %; below %5 %, the ground has settled.</translation>
    </message>
    <message>
        <source>Einschwingen: %1 Einschwingjahr vor dem ausgewerteten Jahr, Start des Erdreichs bei %2 °C. Änderung gegen das letzte Einschwingjahr: Heizenergie %3 %, Kühlenergie %4 %; %5 % oder mehr, ein weiteres Einschwingjahr ändert das Ergebnis noch merklich.</source>
        <translation>Settling: %1 settling year before the evaluated year, ground starting at %2 °C. Change against the last settling year: heating energy %3 %, cooling energy %4 %; %5 % or more, a further settling year still changes the result noticeably.</translation>
    </message>
    <message>
        <source>Einschwingen: %1 Einschwingjahre vor dem ausgewerteten Jahr, Start des Erdreichs bei %2 °C. Änderung gegen das letzte Einschwingjahr: Heizenergie %3 %, Kühlenergie %4 %; %5 % oder mehr, ein weiteres Einschwingjahr ändert das Ergebnis noch merklich.</source>
        <translation>Settling: %1 settling years before the evaluated year, ground starting at %2 °C. Change against the last settling year: heating energy %3 %, cooling energy %4 %; %5 % or more, a further settling year still changes the result noticeably.</translation>
    </message>
    <message>
        <source>Einschwingen: keines; das ausgewertete Jahr beginnt mit dem Erdreich bei %1 °C und ist mit keinem Vorjahr verglichen, die Ergebnisse hängen noch vom Startzustand ab.</source>
        <translation>Settling: none; the evaluated year starts with the ground at %1 °C and is compared with no previous year, the results still depend on the initial state.</translation>
    </message>
    <message>
        <source>Energien und Ventilatorstrom sind über die Stunden %1 bis %2 des ausgewerteten Jahres summiert wie die Jahressummen des Berichts; Extremwerte, Stundenzahlen und Kondensat über alle %3 Stunden.</source>
        <translation>Energies and fan electricity are summed over the hours %1 to %2 of the evaluated year like the annual totals of the report; extremes, hour counts and condensate over all %3 hours.</translation>
    </message>
</context>
<context>
    <name>kov::Meldungen</name>
    <message>
        <source>muss eine endliche Zahl sein.</source>
        <translation>must be a finite number.</translation>
    </message>
    <message>
        <source>muss größer als 0%3 sein.</source>
        <translation>must be greater than 0%3.</translation>
    </message>
    <message>
        <source>darf nicht negativ sein.</source>
        <translation>must not be negative.</translation>
    </message>
    <message>
        <source>muss größer als 0 und höchstens 1 sein.</source>
        <translation>must be greater than 0 and at most 1.</translation>
    </message>
    <message>
        <source>muss zwischen %1 und %2%3 liegen.</source>
        <translation>must lie between %1 and %2%3.</translation>
    </message>
    <message>
        <source>dürfen zusammen höchstens 1 sein.</source>
        <translation>must not add up to more than 1.</translation>
    </message>
    <message>
        <source>darf nicht leer sein.</source>
        <translation>must not be empty.</translation>
    </message>
    <message>
        <source>%1 lässt sich mit diesen Parametern nicht berechnen; zu prüfen: %2.</source>
        <translation>%1 cannot be calculated with these parameters; to check: %2.</translation>
    </message>
    <message>
        <source>Adiabater Anteil und Kelleranteil</source>
        <translation>Adiabatic share and cellar share</translation>
    </message>
    <message>
        <source>Ausgabedatei</source>
        <translation>Output file</translation>
    </message>
    <message>
        <source>Fahrplandatei</source>
        <translation>Schedule file</translation>
    </message>
    <message>
        <source>Wetterdatei</source>
        <translation>Weather file</translation>
    </message>
    <message>
        <source>Eingebautes Klima</source>
        <translation>Built-in climate</translation>
    </message>
    <message>
        <source>Rohrpreistabelle</source>
        <translation>Pipe price table</translation>
    </message>
    <message>
        <source>Die Luftgeschwindigkeit</source>
        <translation>The air velocity</translation>
    </message>
    <message>
        <source>Die Erdtemperatur am Rand</source>
        <translation>The ground temperature at the edge</translation>
    </message>
    <message>
        <source>Das radiale Gitter</source>
        <translation>The radial grid</translation>
    </message>
    <message>
        <source>Das Gitter unter dem Keller</source>
        <translation>The grid below the cellar</translation>
    </message>
    <message>
        <source>Die Wärmekapazität der Rohrwand</source>
        <translation>The heat capacity of the pipe wall</translation>
    </message>
    <message>
        <source>Die Wärmekapazität des Erdreichs</source>
        <translation>The heat capacity of the ground</translation>
    </message>
    <message>
        <source>Die Wärmekapazität der Schicht unter dem Keller</source>
        <translation>The heat capacity of the layer below the cellar</translation>
    </message>
    <message>
        <source>Der Wärmekapazitätsstrom der Luft</source>
        <translation>The heat capacity flow of the air</translation>
    </message>
    <message>
        <source>Die Wärmeleitung von Rohrwand und Erdreich</source>
        <translation>The heat conduction of pipe wall and ground</translation>
    </message>
    <message>
        <source>Die Wärmeleitung zum Keller</source>
        <translation>The heat conduction to the cellar</translation>
    </message>
    <message>
        <source>Der Wärmeübergang bei Stillstand</source>
        <translation>The heat transfer at standstill</translation>
    </message>
    <message>
        <source>Der Zeitschritt des Erdreichs</source>
        <translation>The time step of the ground</translation>
    </message>
    <message>
        <source>Die erste Stunde</source>
        <translation>The first hour</translation>
    </message>
    <message>
        <source>Variante %1: %2</source>
        <translation>Variant %1: %2</translation>
    </message>
    <message>
        <source>%1 ist keine Zahl (Dezimalpunkt verwenden).</source>
        <translation>%1 is not a number (use a decimal point).</translation>
    </message>
    <message>
        <source>ein Bereich hat die Form von:bis:schritt.</source>
        <translation>a range has the form from:to:step.</translation>
    </message>
    <message>
        <source>der Schritt eines Bereichs muss größer als %1 sein.</source>
        <translation>the step of a range must be greater than %1.</translation>
    </message>
    <message>
        <source>der Bereich endet vor seinem Anfang.</source>
        <translation>the range ends before it begins.</translation>
    </message>
    <message>
        <source>der Bereich hat mehr als %1 Werte.</source>
        <translation>the range has more than %1 values.</translation>
    </message>
    <message>
        <source>ist eine ganze Zahl; %1 passt nicht.</source>
        <translation>is a whole number; %1 does not fit.</translation>
    </message>
    <message>
        <source>nimmt nur %1 (nein) und %2 (ja).</source>
        <translation>takes only %1 (no) and %2 (yes).</translation>
    </message>
    <message>
        <source>die Liste der Werte ist leer.</source>
        <translation>the list of values is empty.</translation>
    </message>
    <message>
        <source>die Bodenart %1 gibt es nicht (%2..%3 oder alle).</source>
        <translation>there is no soil type %1 (%2..%3 or all).</translation>
    </message>
    <message>
        <source>ein Wert der Liste ist leer.</source>
        <translation>a value of the list is empty.</translation>
    </message>
    <message>
        <source>%1 steht zweimal in der Liste.</source>
        <translation>%1 is in the list twice.</translation>
    </message>
    <message>
        <source>unbekannter Parameter.</source>
        <translation>unknown parameter.</translation>
    </message>
    <message>
        <source>wird vom Programm berechnet und kann nicht variiert werden.</source>
        <translation>is calculated by the program and cannot be varied.</translation>
    </message>
    <message>
        <source>ist ein Text und kann nicht variiert werden.</source>
        <translation>is a text and cannot be varied.</translation>
    </message>
    <message>
        <source>die Wetterjahre der Klimas sind nicht gelesen.</source>
        <translation>the weather years of the climates have not been read.</translation>
    </message>
    <message>
        <source>%1: eine Bedingung hat die Form KENNWERT&lt;=WERT oder KENNWERT&gt;=WERT.</source>
        <translation>%1: a condition has the form FIGURE&lt;=VALUE or FIGURE&gt;=VALUE.</translation>
    </message>
    <message>
        <source>unbekannter Kennwert einer Bedingung.</source>
        <translation>unknown figure in a condition.</translation>
    </message>
    <message>
        <source>wird zweimal variiert.</source>
        <translation>is varied twice.</translation>
    </message>
    <message>
        <source>Höchstens %1 Parameter (und die Bodenart) lassen sich zugleich variieren.</source>
        <translation>At most %1 parameters (and the soil type) can be varied at the same time.</translation>
    </message>
    <message>
        <source>Die Studie hätte mehr als %1 Varianten; bitte weniger Werte wählen.</source>
        <translation>The study would have more than %1 variants; please choose fewer values.</translation>
    </message>
    <message>
        <source>Es wird nichts variiert: bitte einen Parameter mit seinen Werten oder Bodenarten wählen.</source>
        <translation>Nothing is varied: please choose a parameter with its values or soil types.</translation>
    </message>
    <message>
        <source>Die Ergebnisse gehören nicht zu dieser Studie.</source>
        <translation>The results do not belong to this study.</translation>
    </message>
    <message>
        <source>muss mindestens %1 sein.</source>
        <translation>must be at least %1.</translation>
    </message>
    <message>
        <source>%1 (%2), Zeichen %3: %4</source>
        <translation>%1 (%2), character %3: %4</translation>
    </message>
    <message>
        <source>%1 erwartet, aber der Text ist zu Ende.</source>
        <translation>Expected %1, but the text ends here.</translation>
    </message>
    <message>
        <source>%1 erwartet, nicht %2.</source>
        <translation>Expected %1, not %2.</translation>
    </message>
    <message>
        <source>Ein Wochentag (Mo, Di, Mi, Do, Fr, Sa, So)</source>
        <translation>a weekday (Mo, Di, Mi, Do, Fr, Sa, So)</translation>
    </message>
    <message>
        <source>&quot;-&quot; zwischen Anfangs- und Endstunde</source>
        <translation>&quot;-&quot; between start and end hour</translation>
    </message>
    <message>
        <source>Ein Anteil in % oder &quot;;&quot;</source>
        <translation>a share in % or &quot;;&quot;</translation>
    </message>
    <message>
        <source>&quot;%&quot; nach dem Anteil</source>
        <translation>&quot;%&quot; after the share</translation>
    </message>
    <message>
        <source>&quot;;&quot; vor dem nächsten Eintrag</source>
        <translation>&quot;;&quot; before the next entry</translation>
    </message>
    <message>
        <source>Ein Eintrag wie &quot;Mo-Fr 7-18&quot;</source>
        <translation>an entry like &quot;Mo-Fr 7-18&quot;</translation>
    </message>
    <message>
        <source>Die Anfangsstunde</source>
        <translation>the start hour</translation>
    </message>
    <message>
        <source>Die Endstunde</source>
        <translation>the end hour</translation>
    </message>
    <message>
        <source>unbekannter Wochentag %1 (erwartet Mo, Di, Mi, Do, Fr, Sa, So).</source>
        <translation>unknown weekday %1 (expected Mo, Di, Mi, Do, Fr, Sa, So).</translation>
    </message>
    <message>
        <source>Die Anfangsstunde muss eine volle Stunde von 0 bis 24 sein.</source>
        <translation>The start hour must be a full hour from 0 to 24.</translation>
    </message>
    <message>
        <source>Die Endstunde muss eine volle Stunde von 0 bis 24 sein.</source>
        <translation>The end hour must be a full hour from 0 to 24.</translation>
    </message>
    <message>
        <source>die Endstunde muss nach der Anfangsstunde liegen (über Mitternacht nur bei &quot;Nacht&quot;).</source>
        <translation>the end hour must come after the start hour (past midnight only with &quot;Nacht&quot;).</translation>
    </message>
    <message>
        <source>der Anteil muss größer als 0 und höchstens 100 % sein.</source>
        <translation>the share must be greater than 0 and at most 100 %.</translation>
    </message>
    <message>
        <source>die Woche läuft von Mo bis So; %1 läuft rückwärts.</source>
        <translation>the week runs from Mo to So; %1 runs backwards.</translation>
    </message>
    <message>
        <source>muss mindestens ein Paar Durchmesser:Preis enthalten.</source>
        <translation>must hold at least one pair diameter:price.</translation>
    </message>
    <message>
        <source>muss aus Paaren Durchmesser:Preis bestehen, getrennt durch %1 (%2 ist keins).</source>
        <translation>must consist of pairs diameter:price separated by %1 (%2 is none).</translation>
    </message>
    <message>
        <source>braucht Durchmesser größer als 0 m.</source>
        <translation>needs diameters greater than 0 m.</translation>
    </message>
    <message>
        <source>darf keine negativen Preise enthalten.</source>
        <translation>must not hold negative prices.</translation>
    </message>
    <message>
        <source>muss nach steigendem Durchmesser geordnet sein, jeder Durchmesser einmal.</source>
        <translation>must be ordered by rising diameter, each diameter once.</translation>
    </message>
    <message>
        <source>Die Rohrpreistabelle</source>
        <translation>The pipe price table</translation>
    </message>
    <message>
        <source>Betriebszeiten (Betriebszeiten) und Lüftungsfahrplan (FahrplanGelesen) schließen einander aus: der Volumenstrom kommt aus dem Wochenplan oder aus der Fahrplandatei.</source>
        <translation>Operating times (Betriebszeiten) and ventilation schedule (FahrplanGelesen) exclude each other: the volume flow comes from the weekly plan or from the schedule file.</translation>
    </message>
    <message>
        <source>Adiabater Anteil und Kelleranteil (AnteilAdiabat, AnteilKeller) müssen im Registermodell 0 sein: es rechnet die Rohre im offenen Erdreich ohne Keller.</source>
        <translation>Adiabatic share and cellar share (AnteilAdiabat, AnteilKeller) must be 0 in the register model: it computes the pipes in open ground without a cellar.</translation>
    </message>
    <message>
        <source>muss %1 oder %2 sein.</source>
        <translation>must be %1 or %2.</translation>
    </message>
    <message>
        <source>muss %1 oder %2 sein, nicht %3.</source>
        <translation>must be %1 or %2, not %3.</translation>
    </message>
    <message>
        <source>muss im Registermodell größer als der Aussendurchmesser der Rohre sein.</source>
        <translation>must be greater than the pipes' outer diameter in the register model.</translation>
    </message>
    <message>
        <source>muss im Registermodell größer als der Aussenradius der Rohre sein.</source>
        <translation>must be greater than the pipes' outer radius in the register model.</translation>
    </message>
    <message>
        <source>darf im Registermodell höchstens 200 sein.</source>
        <translation>must not exceed 200 in the register model.</translation>
    </message>
</context>
<context>
    <name>kov::Monate</name>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mär</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>Mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Okt</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dez</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>Januar</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Februar</source>
        <translation>February</translation>
    </message>
    <message>
        <source>März</source>
        <translation>March</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Juni</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Juli</source>
        <translation>July</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation>October</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation>December</translation>
    </message>
</context>
<context>
    <name>kov::StundenCsv</name>
    <message>
        <source>Stunde</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Eintrittstemperatur Tein [°C]</source>
        <translation>Inlet temperature Tein [°C]</translation>
    </message>
    <message>
        <source>Austrittstemperatur Taus [°C]</source>
        <translation>Outlet temperature Taus [°C]</translation>
    </message>
    <message>
        <source>Relativer Volumenstrom [-]</source>
        <translation>Relative volume flow [-]</translation>
    </message>
    <message>
        <source>Relative Feuchte [%]</source>
        <translation>Relative humidity [%]</translation>
    </message>
    <message>
        <source>Taupunkt [°C]</source>
        <translation>Dew point [°C]</translation>
    </message>
    <message>
        <source>Monitortemperatur [°C]</source>
        <translation>Monitor temperature [°C]</translation>
    </message>
    <message>
        <source>Betrieb [-]</source>
        <translation>Operation [-]</translation>
    </message>
    <message>
        <source>Kondensat [kg/h]</source>
        <translation>Condensate [kg/h]</translation>
    </message>
</context>
<context>
    <name>kov::TAnlagenAnsicht</name>
    <message>
        <source>Anlage</source>
        <translation>System</translation>
    </message>
</context>
<context>
    <name>kov::TAnlagenText</name>
    <message>
        <source>ohne Register</source>
        <translation>without heat exchanger</translation>
    </message>
    <message>
        <source>mit Register</source>
        <translation>with heat exchanger</translation>
    </message>
    <message>
        <source>Monat</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Dauerlinien der Zuluft nach der Wärmerückgewinnung</source>
        <translation>Duration curves of the supply air after heat recovery</translation>
    </message>
    <message>
        <source>Betriebsstunden mit mindestens dieser Zulufttemperatur [h]</source>
        <translation>Operating hours with at least this supply air temperature [h]</translation>
    </message>
    <message>
        <source>Temperatur [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Zuluft ohne Register</source>
        <translation>Supply air without heat exchanger</translation>
    </message>
    <message>
        <source>Zuluft mit Register</source>
        <translation>Supply air with heat exchanger</translation>
    </message>
    <message>
        <source>Zuluft-Soll %1 °C</source>
        <translation>Supply air set point %1 °C</translation>
    </message>
    <message>
        <source>Frostschutzstunden je Monat</source>
        <translation>Frost protection hours per month</translation>
    </message>
    <message>
        <source>Stunden [h]</source>
        <translation>Hours [h]</translation>
    </message>
    <message>
        <source>Vorheizenergie je Monat</source>
        <translation>Preheating energy per month</translation>
    </message>
    <message>
        <source>Energie [kWh]</source>
        <translation>Energy [kWh]</translation>
    </message>
    <message>
        <source>%1 Betriebsstunden mit mindestens: Zuluft ohne Register %2 °C, mit Register %3 °C</source>
        <translation>%1 operating hours with at least: supply air without heat exchanger %2 °C, with heat exchanger %3 °C</translation>
    </message>
    <message>
        <source>%1: Frostschutz ohne Register %2 h, mit Register %3 h</source>
        <translation>%1: frost protection without heat exchanger %2 h, with heat exchanger %3 h</translation>
    </message>
    <message>
        <source>%1: Vorheizenergie ohne Register %2 kWh, mit Register %3 kWh</source>
        <translation>%1: preheating energy without heat exchanger %2 kWh, with heat exchanger %3 kWh</translation>
    </message>
    <message>
        <source>Diese Ansicht zeigt, was das Register in einem Lüftungsgerät mit Wärmerückgewinnung ändert: Zulufttemperatur, Frostschutzstunden und Vorheizenergie mit und ohne Register.

Der letzte Lauf rechnete ohne Lüftungsgerät. Schalten Sie unter „Weitere Parameter“ in der Gruppe des Lüftungsgeräts „WRG“ ein (kov-run: WRG=true) und rechnen Sie erneut.</source>
        <translation>This view shows what the earth-air heat exchanger changes in a ventilation unit with heat recovery: supply air temperature, frost protection hours and preheating energy with and without the heat exchanger.

The last run was calculated without a ventilation unit. Switch on “WRG” in the ventilation unit&apos;s group under “More parameters” (kov-run: WRG=true) and calculate again.</translation>
    </message>
    <message>
        <source>Stundenwerte %1</source>
        <translation>Hourly values %1</translation>
    </message>
    <message>
        <source>Aussenluft</source>
        <translation>Outdoor air</translation>
    </message>
    <message>
        <source>Austritt Register</source>
        <translation>Heat exchanger outlet</translation>
    </message>
    <message>
        <source>Stunde des Jahres [h], Striche um Mitternacht</source>
        <translation>Hour of the year [h], ticks at midnight</translation>
    </message>
    <message>
        <source>Zuluft nach Wärmerückgewinnung</source>
        <translation>Supply air after heat recovery</translation>
    </message>
    <message>
        <source>%1: Aussenluft %2 °C, Austritt Register %3 °C</source>
        <translation>%1: outdoor air %2 °C, heat exchanger outlet %3 °C</translation>
    </message>
    <message>
        <source>%1: Aussenluft %2 °C, Austritt Register %3 °C, Lüftungsgerät aus</source>
        <translation>%1: outdoor air %2 °C, heat exchanger outlet %3 °C, ventilation unit off</translation>
    </message>
    <message>
        <source>%1: Aussenluft %2 °C, Austritt Register %3 °C, Zuluft %4 °C (ohne Register %5 °C)</source>
        <translation>%1: outdoor air %2 °C, heat exchanger outlet %3 °C, supply air %4 °C (without heat exchanger %5 °C)</translation>
    </message>
    <message>
        <source>%1 bis %2 (%3 Stunden)</source>
        <translation>%1 to %2 (%3 hours)</translation>
    </message>
</context>
<context>
    <name>kov::TAuswertungsFenster</name>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG-Grafik (*.svg)</source>
        <translation>SVG graphic (*.svg)</translation>
    </message>
    <message>
        <source>CSV mit Dezimalpunkt, Komma getrennt (*.csv)</source>
        <translation>CSV with decimal point, comma separated (*.csv)</translation>
    </message>
    <message>
        <source>CSV mit Dezimalkomma, Semikolon getrennt (*.csv)</source>
        <translation>CSV with decimal comma, semicolon separated (*.csv)</translation>
    </message>
    <message>
        <source>Bildgröße</source>
        <translation>Image size</translation>
    </message>
    <message>
        <source> Pixel</source>
        <translation> pixels</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Breite:</source>
        <translation>Width:</translation>
    </message>
    <message>
        <source>Höhe:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>Programm KOV:  Auswertung des Erdregisters</source>
        <translation>KOV:  Evaluation of the earth-air heat exchanger</translation>
    </message>
    <message>
        <source>Mausrad: zoomen, linke Maustaste ziehen: Ausschnitt vergrössern, rechte Maustaste: einen Schritt zurück</source>
        <translation>Mouse wheel: zoom; drag with the left button: enlarge a section; right button: one step back</translation>
    </message>
    <message>
        <source>Ganzes Diagramm</source>
        <translation>Whole chart</translation>
    </message>
    <message>
        <source>Zoom zurücksetzen</source>
        <translation>Reset the zoom</translation>
    </message>
    <message>
        <source>Bild speichern…</source>
        <translation>Save image…</translation>
    </message>
    <message>
        <source>Die gezeigte Ansicht als PNG oder SVG</source>
        <translation>The view shown, as PNG or SVG</translation>
    </message>
    <message>
        <source>Stundenwerte (CSV)…</source>
        <translation>Hourly values (CSV)…</translation>
    </message>
    <message>
        <source>Alle Stundenwerte des Laufs mit Datum und Uhrzeit</source>
        <translation>All hourly values of the run with date and time</translation>
    </message>
    <message>
        <source>PDF-Bericht…</source>
        <translation>PDF report…</translation>
    </message>
    <message>
        <source>Auslegungsbericht mit Eingaben, Wetter, Kennwerten und Diagrammen</source>
        <translation>Design report with inputs, weather, key figures and charts</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Ansicht „%1“ speichern</source>
        <translation>Save view “%1”</translation>
    </message>
    <message>
        <source>Stundenwerte speichern</source>
        <translation>Save hourly values</translation>
    </message>
    <message>
        <source>Auslegungsbericht speichern</source>
        <translation>Save design report</translation>
    </message>
    <message>
        <source>PDF-Dokument (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>Querschnitt</source>
        <translation>Cross-section</translation>
    </message>
</context>
<context>
    <name>kov::TBetriebszeitenDialog</name>
    <message>
        <source>Montag</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Dienstag</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Mittwoch</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Donnerstag</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Freitag</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Samstag</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>Sonntag</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Betriebszeiten der Lüftung</source>
        <translation>Operating times of the ventilation</translation>
    </message>
    <message>
        <source>Lüftung nach Wochenplan (sonst immer Nenn-Volumenstrom)</source>
        <translation>Ventilation by weekly schedule (otherwise always nominal volume flow)</translation>
    </message>
    <message>
        <source>von Uhr</source>
        <translation>from hour</translation>
    </message>
    <message>
        <source>bis Uhr</source>
        <translation>to hour</translation>
    </message>
    <message>
        <source>Volumenstrom</source>
        <translation>Volume flow</translation>
    </message>
    <message>
        <source>Nachtspülung Juni bis August</source>
        <translation>Night flushing June to August</translation>
    </message>
    <message>
        <source>Einträge durch &quot;;&quot; getrennt: Tage (Mo-Fr, Sa, Mo,Mi), volle Stunden von-bis, wahlweise der Anteil in %; &quot;Nacht 22-6&quot; lüftet im Juni bis August nachts</source>
        <translation>Entries separated by &quot;;&quot;: days (Mo-Fr, Sa, Mo,Mi; German day abbreviations), full hours from-to, optionally the share in %; &quot;Nacht 22-6&quot; ventilates at night from June to August</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Kurzform (Parameter Betriebszeiten):</source>
        <translation>Short form (parameter Betriebszeiten):</translation>
    </message>
    <message>
        <source>Im Wochenplan läuft die Lüftung nie: wählen Sie mindestens einen Tag oder schalten Sie den Wochenplan aus.</source>
        <translation>The weekly schedule never runs the ventilation: choose at least one day or switch the weekly schedule off.</translation>
    </message>
    <message>
        <source>Dieser Plan hat mehr als einen Zeitraum an einem Tag oder wechselnde Anteile; er lässt sich nur als Kurzform bearbeiten.</source>
        <translation>This schedule has more than one period on a day or changing shares; it can only be edited in the short form.</translation>
    </message>
    <message>
        <source>Die Fahrplandatei ist eingeschaltet (FahrplanGelesen): Wochenplan und Fahrplandatei zugleich lehnt die Prüfung ab.</source>
        <translation>The schedule file is switched on (FahrplanGelesen): the check rejects a weekly schedule together with a schedule file.</translation>
    </message>
    <message>
        <source>Ohne Wochenplan: 168 Stunden je Woche mit Nenn-Volumenstrom.</source>
        <translation>Without a weekly schedule: 168 hours per week at nominal volume flow.</translation>
    </message>
    <message>
        <source>Lüftung %1 Stunden je Woche, entspricht %2 Stunden mit Nenn-Volumenstrom.</source>
        <translation>Ventilation %1 hours per week, equivalent to %2 hours at nominal volume flow.</translation>
    </message>
    <message>
        <source>Dazu Nachtspülung %1 Stunden je Nacht im Juni bis August.</source>
        <translation>Plus night flushing %1 hours per night from June to August.</translation>
    </message>
</context>
<context>
    <name>kov::TForm1</name>
    <message>
        <source>Berechnung</source>
        <translation>Calculation</translation>
    </message>
    <message>
        <source>Januar</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Februar</source>
        <translation>February</translation>
    </message>
    <message>
        <source>März</source>
        <translation>March</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Juni</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Juli</source>
        <translation>July</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation>October</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation>December</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Kennwerte</source>
        <translation>Key figures</translation>
    </message>
    <message>
        <source>Auswertung</source>
        <translation>Evaluation</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Programm KOV:  Ein- und Austrittstemperaturen des Erdregisters</source>
        <translation>KOV:  Inlet and outlet temperatures of the earth-air heat exchanger</translation>
    </message>
    <message>
        <source>Druckverlust, Ventilator, Extremwerte, Monatsenergien, Kondensat des letzten Laufs</source>
        <translation>Pressure drop, fan, extremes, monthly energies, condensate of the last run</translation>
    </message>
    <message>
        <source>Jahresverlauf, Dauerlinien, Energie, Kondensat und Kennwerte des letzten Laufs; Bilder, CSV, PDF-Bericht</source>
        <translation>Course of the year, duration curves, energy, condensate and key figures of the last run; images, CSV, PDF report</translation>
    </message>
    <message>
        <source>Den Lauf bei der nächsten Stunde beenden (Esc); die bisherigen Ergebnisse, Grafiken und der Bericht bleiben</source>
        <translation>Stop the run at the next hour (Esc); the results, charts and report so far are kept</translation>
    </message>
    <message>
        <source>Ein- und Austrittstemperaturen Erdregister</source>
        <translation>Inlet and outlet air temperatures</translation>
    </message>
    <message>
        <source>Tage</source>
        <translation>Days</translation>
    </message>
    <message>
        <source>Temperatur [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>KOV 1.2 - Erdregister, Stundenwerte des Auslegungsjahres</source>
        <translation>KOV 1.2 - earth-air heat exchanger, hourly values of the design year</translation>
    </message>
</context>
<context>
    <name>kov::TForm2</name>
    <message>
        <source>Rohrlänge:</source>
        <translation>Pipe length:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Rohrdurchmesser:</source>
        <translation>Pipe diameter:</translation>
    </message>
    <message>
        <source>Rohrwandstärke:</source>
        <translation>Pipe wall thickness:</translation>
    </message>
    <message>
        <source>Anzahl Rohre:</source>
        <translation>Number of pipes:</translation>
    </message>
    <message>
        <source>Verlegietiefe Rohre:</source>
        <translation>Pipe laying depth:</translation>
    </message>
    <message>
        <source>Lambda Erde</source>
        <translation>Lambda soil</translation>
    </message>
    <message>
        <source>W/mK</source>
        <translation>W/mK</translation>
    </message>
    <message>
        <source>rho Erde</source>
        <translation>rho soil</translation>
    </message>
    <message>
        <source>kg/m3</source>
        <translation>kg/m3</translation>
    </message>
    <message>
        <source>cp Erde</source>
        <translation>cp soil</translation>
    </message>
    <message>
        <source>J/kgK</source>
        <translation>J/kgK</translation>
    </message>
    <message>
        <source>Wetterdaten: </source>
        <translation>Weather data: </translation>
    </message>
    <message>
        <source>Luftvolumenstrom</source>
        <translation>Air volume flow</translation>
    </message>
    <message>
        <source>m3/h</source>
        <translation>m3/h</translation>
    </message>
    <message>
        <source>Luftgeschwindigkeit: </source>
        <translation>Air velocity: </translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>Heizgrenze</source>
        <translation>Heating limit</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Kühlgrenze</source>
        <translation>Cooling limit</translation>
    </message>
    <message>
        <source>KOV - Eingaben</source>
        <translation>KOV - Inputs</translation>
    </message>
    <message>
        <source>Eingabedaten für die Berechnung eines  Einzelrohres</source>
        <translation>Input data for the calculation of a single pipe</translation>
    </message>
    <message>
        <source>Erdregister - Rohre</source>
        <translation>Earth-air heat exchanger - pipes</translation>
    </message>
    <message>
        <source>Stoffwerte Erde und Klima</source>
        <translation>Soil properties and climate</translation>
    </message>
    <message>
        <source>Betrieb Erdregister</source>
        <translation>Operation of the heat exchanger</translation>
    </message>
    <message>
        <source>Wetterdatei eines Standorts wählen oder zum eingebauten Auslegungsjahr zurückkehren</source>
        <translation>Choose the weather file of a site or return to the built-in design year</translation>
    </message>
    <message>
        <source>Wetterdatei wählen…</source>
        <translation>Choose weather file…</translation>
    </message>
    <message>
        <source>Eingebautes Auslegungsjahr (%1)</source>
        <translation>Built-in design year (%1)</translation>
    </message>
    <message>
        <source>Eingebautes Klima (DWD-Testreferenzjahr)…</source>
        <translation>Built-in climate (DWD test reference year)…</translation>
    </message>
    <message>
        <source>KOV-Projekte (*.kov);;Alle Dateien (*)</source>
        <translation>KOV projects (*.kov);;All files (*)</translation>
    </message>
    <message>
        <source>Projekt speichern</source>
        <translation>Save project</translation>
    </message>
    <message>
        <source>Projekt öffnen</source>
        <translation>Open project</translation>
    </message>
    <message>
        <source>Wetterdatei wählen</source>
        <translation>Choose weather file</translation>
    </message>
    <message>
        <source>Wetterdaten (*.epw *.dat *.csv *.txt);;Alle Dateien (*)</source>
        <translation>Weather data (*.epw *.dat *.csv *.txt);;All files (*)</translation>
    </message>
    <message>
        <source>&amp;Projekt</source>
        <translation>&amp;Project</translation>
    </message>
    <message>
        <source>&amp;Neu</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Ö&amp;ffnen…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>&amp;Speichern</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Speichern &amp;unter…</source>
        <translation>Save &amp;as…</translation>
    </message>
    <message>
        <source>S&amp;chliessen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>P&amp;arameter</source>
        <translation>P&amp;arameters</translation>
    </message>
    <message>
        <source>&amp;Weitere Parameter…</source>
        <translation>&amp;More parameters…</translation>
    </message>
    <message>
        <source>&amp;Variantenvergleich…</source>
        <translation>&amp;Variant comparison…</translation>
    </message>
    <message>
        <source>Berechnen</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>KOV 1.2 - Erdregister: Luftvorwärmung und -kühlung im Erdreich</source>
        <translation>KOV 1.2 - earth-air heat exchanger: pre-heating and pre-cooling of air in the ground</translation>
    </message>
    <message>
        <source>Kennwerte der Eingaben</source>
        <translation>Key figures of the inputs</translation>
    </message>
    <message>
        <source>Tiefste Austrittstemperatur</source>
        <translation>Lowest outlet temperature</translation>
    </message>
    <message>
        <source>Nutzbare Heizenergie</source>
        <translation>Useful heating energy</translation>
    </message>
    <message>
        <source>kWh/a</source>
        <translation>kWh/a</translation>
    </message>
    <message>
        <source>Nutzbare Kühlenergie</source>
        <translation>Useful cooling energy</translation>
    </message>
    <message>
        <source>Druckverlust</source>
        <translation>Pressure drop</translation>
    </message>
    <message>
        <source>Pa</source>
        <translation>Pa</translation>
    </message>
    <message>
        <source>Luftgeschwindigkeit</source>
        <translation>Air velocity</translation>
    </message>
    <message>
        <source>Leistungszahl</source>
        <translation>Coefficient of performance</translation>
    </message>
    <message>
        <source>-00000</source>
        <translation>-00000</translation>
    </message>
    <message>
        <source>wird berechnet …</source>
        <translation>being computed …</translation>
    </message>
    <message>
        <source>für die Eingaben, ohne Bericht</source>
        <translation>for the inputs, without a report</translation>
    </message>
    <message>
        <source>„%1“ liegt ausserhalb des Bereichs %2</source>
        <translation>“%1” lies outside the range %2</translation>
    </message>
    <message>
        <source>das Feld ist leer</source>
        <translation>the field is empty</translation>
    </message>
    <message>
        <source>%1: %2 – erwartet wird %3.</source>
        <translation>%1: %2 – expected is %3.</translation>
    </message>
    <message>
        <source>eine ganze Zahl wie 15</source>
        <translation>a whole number such as 15</translation>
    </message>
    <message>
        <source>eine Dezimalzahl wie 12.5 oder 12,5</source>
        <translation>a decimal number such as 12.5</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Das Projekt wurde nicht geladen:

</source>
        <translation>The project was not loaded:

</translation>
    </message>
    <message>
        <source>Das Projekt wurde nicht gespeichert:</source>
        <translation>The project was not saved:</translation>
    </message>
    <message>
        <source>Das Projekt wurde nicht gespeichert:

</source>
        <translation>The project was not saved:

</translation>
    </message>
    <message>
        <source>KOV - Wetterdaten</source>
        <translation>KOV - Weather data</translation>
    </message>
    <message>
        <source>Die Wetterdatei wurde nicht übernommen:

</source>
        <translation>The weather file was not taken over:

</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Eingebautes Auslegungsjahr</source>
        <translation>Built-in design year</translation>
    </message>
    <message>
        <source>
Mit dieser Wetterdatei rechnen?</source>
        <translation>
Calculate with this weather file?</translation>
    </message>
    <message>
        <source>benutzerdefiniert</source>
        <translation>user-defined</translation>
    </message>
    <message>
        <source>„%1“ ist keine ganze Zahl</source>
        <translation>“%1” is not a whole number</translation>
    </message>
    <message>
        <source>„%1“ ist keine Zahl</source>
        <translation>“%1” is not a number</translation>
    </message>
    <message>
        <source>Das neue Projekt hat ungespeicherte Änderungen.

Sollen sie gespeichert werden?</source>
        <translation>The new project has unsaved changes.

Save them?</translation>
    </message>
    <message>
        <source>Das Projekt „%1“ hat ungespeicherte Änderungen.

Sollen sie gespeichert werden?</source>
        <translation>The project “%1” has unsaved changes.

Save them?</translation>
    </message>
    <message>
        <source>&amp;Betriebszeiten…</source>
        <translation>Operating &amp;times…</translation>
    </message>
</context>
<context>
    <name>kov::TForm3</name>
    <message>
        <source>Neues Projekt</source>
        <translation>New project</translation>
    </message>
    <message>
        <source>Projekt laden</source>
        <translation>Load project</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Lüftungs- und Gebäudetechnik</source>
        <translation>Ventilation and building services</translation>
    </message>
    <message>
        <source>Programm  KOV - LT</source>
        <translation>Program  KOV - LT</translation>
    </message>
    <message>
        <source>Berechnung von  Luft - Erdregistern</source>
        <translation>Design of  earth-air heat exchangers</translation>
    </message>
    <message>
        <source>Light - Version des Programms KOV</source>
        <translation>Light edition of the program KOV</translation>
    </message>
</context>
<context>
    <name>kov::TForm4</name>
    <message>
        <source>Klimadaten: Datenbasis: Deutscher Wetterdienst, CC BY 4.0</source>
        <translation>Climate data: Datenbasis: Deutscher Wetterdienst, CC BY 4.0</translation>
    </message>
    <message>
        <source>Programm  K O V</source>
        <translation>Program  K O V</translation>
    </message>
    <message>
        <source>Version 1.2,   Juli 2000</source>
        <translation>Version 1.2,   July 2000</translation>
    </message>
    <message>
        <source>Autoren:</source>
        <translation>Authors:</translation>
    </message>
    <message>
        <source>das Team der KOV Entwicklung</source>
        <translation>the team of KOV Entwicklung</translation>
    </message>
    <message>
        <source>Vertrieb:</source>
        <translation>Distribution:</translation>
    </message>
    <message>
        <source>Software für %1</source>
        <translation>Software for %1</translation>
    </message>
    <message>
        <source>Fax:   0123 / 45 67 89-9</source>
        <translation>Fax:   +49 123 45 67 89-9</translation>
    </message>
    <message>
        <source>Tel.:  0123 / 45 67 89-0</source>
        <translation>Phone: +49 123 45 67 89-0</translation>
    </message>
    <message>
        <source>Literatur:</source>
        <translation>Literature:</translation>
    </message>
    <message>
        <source>Luft-Erdregister: Auslegung und Betrieb.</source>
        <translation>Luft-Erdregister: Auslegung und Betrieb (earth-air heat exchangers: design and operation).</translation>
    </message>
    <message>
        <source>Bericht der KOV Entwicklung, Heft 3, 1999</source>
        <translation>Report of KOV Entwicklung, no. 3, 1999</translation>
    </message>
</context>
<context>
    <name>kov::TKennwerteFenster</name>
    <message>
        <source>Auslegungsprüfung: %1</source>
        <translation>Design check: %1</translation>
    </message>
    <message>
        <source>Programm KOV:  Kennwerte des Erdregisters</source>
        <translation>KOV:  Key figures of the earth-air heat exchanger</translation>
    </message>
    <message>
        <source>Energien und Ventilatorstrom über die Stunden 2 bis 8760 wie die Jahressummen,
Extremwerte, Stunden und Kondensat über alle 8760 Stunden des Berichts.</source>
        <translation>Energies and fan electricity over hours 2 to 8760 like the yearly totals,
extremes, hours and condensate over all 8760 hours of the report.</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Beide Tabellen als Text in die Zwischenablage</source>
        <translation>Both tables as text to the clipboard</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Kennwert</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Zeitpunkt</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Monat</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Heizenergie
kWh</source>
        <translation>Heating energy
kWh</translation>
    </message>
    <message>
        <source>Kühlenergie
kWh</source>
        <translation>Cooling energy
kWh</translation>
    </message>
    <message>
        <source>Kondensat
kg</source>
        <translation>Condensate
kg</translation>
    </message>
    <message>
        <source>Prüfung</source>
        <translation>Check</translation>
    </message>
    <message>
        <source>Grenze</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Urteil</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>Kosten</source>
        <translation>Costs</translation>
    </message>
</context>
<context>
    <name>kov::TKlimaCheckAnzeige</name>
    <message>
        <source>&lt;b&gt;Klimacheck&lt;/b&gt;</source>
        <translation>&lt;b&gt;Climate check&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Der Klimacheck rechnet die Auslegung mit den Testreferenzjahren ihrer Region; er braucht ein eingebautes Klima (Wetter: „Eingebautes Klima…“).</source>
        <translation>The climate check calculates the design with the test reference years of its region; it needs a built-in climate (weather: “Built-in climate…”).</translation>
    </message>
    <message>
        <source>Region %1 %2</source>
        <translation>Region %1 %2</translation>
    </message>
    <message>
        <source>%1: die sechs Testreferenzjahre werden gerechnet …</source>
        <translation>%1: the six test reference years are being calculated …</translation>
    </message>
    <message>
        <source>Klimacheck nicht gerechnet: %1</source>
        <translation>Climate check not calculated: %1</translation>
    </message>
    <message>
        <source>Region %1 %2 (%3). %4</source>
        <translation>Region %1 %2 (%3). %4</translation>
    </message>
    <message>
        <source>%1
%2</source>
        <translation>%1
%2</translation>
    </message>
    <message>
        <source>%1 [%2]</source>
        <translation>%1 [%2]</translation>
    </message>
</context>
<context>
    <name>kov::TKlimaDialog</name>
    <message>
        <source>KOV - Eingebautes Klima</source>
        <translation>KOV - Built-in climate</translation>
    </message>
    <message>
        <source>%1 – %2 (%3)</source>
        <translation>%1 – %2 (%3)</translation>
    </message>
    <message>
        <source>mittleres Jahr</source>
        <translation>mean year</translation>
    </message>
    <message>
        <source>extremer Sommer</source>
        <translation>extreme summer</translation>
    </message>
    <message>
        <source>extremer Winter</source>
        <translation>extreme winter</translation>
    </message>
    <message>
        <source>heute (1995–2012)</source>
        <translation>present (1995–2012)</translation>
    </message>
    <message>
        <source>Zukunft (2031–2060)</source>
        <translation>future (2031–2060)</translation>
    </message>
    <message>
        <source> ° N</source>
        <translation> ° N</translation>
    </message>
    <message>
        <source> ° O</source>
        <translation> ° E</translation>
    </message>
    <message>
        <source>Nächste Station</source>
        <translation>Nearest station</translation>
    </message>
    <message>
        <source>Region:</source>
        <translation>Region:</translation>
    </message>
    <message>
        <source>Art des Jahres:</source>
        <translation>Kind of year:</translation>
    </message>
    <message>
        <source>Zeitraum:</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>Standort:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Testreferenzjahre des DWD, CC BY 4.0. Datenbasis: Deutscher Wetterdienst.</source>
        <translation>Test reference years of the DWD, CC BY 4.0. Datenbasis: Deutscher Wetterdienst.</translation>
    </message>
    <message>
        <source>Nächste Station: %1, %2 km entfernt</source>
        <translation>Nearest station: %1, %2 km away</translation>
    </message>
    <message>
        <source>Nicht lesbar: %1</source>
        <translation>Not readable: %1</translation>
    </message>
</context>
<context>
    <name>kov::TKlimaKarte</name>
    <message>
        <source>Eine Station anklicken, um ihre Region zu wählen</source>
        <translation>Click a station to choose its region</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>kov::TParameterDialog</name>
    <message>
        <source>Bereich: %1</source>
        <translation>Range: %1</translation>
    </message>
    <message>
        <source>Einheit: %1</source>
        <translation>Unit: %1</translation>
    </message>
    <message>
        <source>Name: %1</source>
        <translation>Name: %1</translation>
    </message>
    <message>
        <source>Adiabater Anteil und Kelleranteil dürfen zusammen höchstens 1 sein.</source>
        <translation>The adiabatic share and the cellar share together must not exceed 1.</translation>
    </message>
    <message>
        <source>KOV - Weitere Parameter</source>
        <translation>KOV - More parameters</translation>
    </message>
    <message>
        <source>Datei wählen</source>
        <translation>Choose file</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>: liegt ausserhalb des Bereichs %1</source>
        <translation>: lies outside the range %1</translation>
    </message>
    <message>
        <source>: keine Zahl (Dezimalpunkt oder -komma, z. B. 0,25)</source>
        <translation>: not a number (decimal point or comma, e.g. 0.25)</translation>
    </message>
    <message>
        <source>: keine ganze Zahl</source>
        <translation>: not a whole number</translation>
    </message>
    <message>
        <source>Die Parameter wurden nicht übernommen:

%1</source>
        <translation>The parameters were not applied:

%1</translation>
    </message>
    <message>
        <source>größer als 0%1</source>
        <translation>greater than 0%1</translation>
    </message>
    <message>
        <source>mindestens 0%1</source>
        <translation>at least 0%1</translation>
    </message>
    <message>
        <source>0 bis 1</source>
        <translation>0 to 1</translation>
    </message>
    <message>
        <source>größer als 0 bis 1</source>
        <translation>greater than 0 up to 1</translation>
    </message>
    <message>
        <source>%1 bis %2%3</source>
        <translation>%1 to %2%3</translation>
    </message>
    <message>
        <source>ganze Zahl ab %1</source>
        <translation>whole number from %1</translation>
    </message>
    <message>
        <source>ganze Zahl %1 bis %2</source>
        <translation>whole number %1 to %2</translation>
    </message>
    <message>
        <source>ganze Zahl 1 bis Anzahl Rechengitter</source>
        <translation>whole number 1 to the number of grid cells</translation>
    </message>
    <message>
        <source>ganze Zahl 0 bis Anzahl Rechengitter + 1</source>
        <translation>whole number 0 to the number of grid cells + 1</translation>
    </message>
    <message>
        <source>Dateiname</source>
        <translation>file name</translation>
    </message>
</context>
<context>
    <name>kov::TPruefAnzeige</name>
    <message>
        <source>Auslegungsprüfung</source>
        <translation>Design check</translation>
    </message>
    <message>
        <source>Luftgeschwindigkeit</source>
        <translation>Air velocity</translation>
    </message>
    <message>
        <source>Frost am Austritt</source>
        <translation>Frost at the outlet</translation>
    </message>
    <message>
        <source>Druckverlust</source>
        <translation>Pressure drop</translation>
    </message>
    <message>
        <source>Verlegetiefe</source>
        <translation>Laying depth</translation>
    </message>
    <message>
        <source>Rohrabstand</source>
        <translation>Pipe spacing</translation>
    </message>
    <message>
        <source>Turbulente Strömung</source>
        <translation>Turbulent flow</translation>
    </message>
    <message>
        <source>Kondensat</source>
        <translation>Condensate</translation>
    </message>
    <message>
        <source>Nützliche Rohrlänge</source>
        <translation>Useful pipe length</translation>
    </message>
    <message>
        <source>Wetter des Standorts</source>
        <translation>Weather of the site</translation>
    </message>
    <message>
        <source>erfüllt</source>
        <translation>met</translation>
    </message>
    <message>
        <source>Hinweis</source>
        <translation>note</translation>
    </message>
    <message>
        <source>nicht erfüllt</source>
        <translation>not met</translation>
    </message>
    <message>
        <source>%1: %2. %3</source>
        <translation>%1: %2. %3</translation>
    </message>
    <message>
        <source>Erfüllt alle Prüfungen</source>
        <translation>Passes every check</translation>
    </message>
    <message>
        <source>Erfüllt; Hinweise: %1</source>
        <translation>Passes; notes: %1</translation>
    </message>
    <message>
        <source>Nicht erfüllt: %1</source>
        <translation>Fails: %1</translation>
    </message>
    <message>
        <source>Nicht erfüllt: %1; Hinweise: %2</source>
        <translation>Fails: %1; notes: %2</translation>
    </message>
</context>
<context>
    <name>kov::TQuerschnittAnsicht</name>
    <message>
        <source>Tag des Jahres, 1 = 1. Januar</source>
        <translation>Day of the year, 1 = 1 January</translation>
    </message>
    <message>
        <source>Stunde des Tages, 1 = 0 bis 1 Uhr; gezeigt wird ihr Ende</source>
        <translation>Hour of the day, 1 = 0:00 to 1:00; its end is shown</translation>
    </message>
    <message>
        <source>am Eintritt</source>
        <translation>at the inlet</translation>
    </message>
    <message>
        <source>in der Mitte</source>
        <translation>in the middle</translation>
    </message>
    <message>
        <source>am Austritt</source>
        <translation>at the outlet</translation>
    </message>
    <message>
        <source>Zeigen</source>
        <translation>Show</translation>
    </message>
    <message>
        <source>Rechnet das Jahr bis zu dieser Stunde erneut und zeigt das Erdreich</source>
        <translation>Calculates the year again up to this hour and shows the ground</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Stunde</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>Ort im Rohr</source>
        <translation>Position in the pipe</translation>
    </message>
    <message>
        <source>Die Temperatur des Erdreichs quer zu den Rohren am Ende der gewählten Stunde des aufgezeichneten Jahres.</source>
        <translation>The temperature of the ground across the pipes at the end of the chosen hour of the recorded year.</translation>
    </message>
    <message>
        <source>Den Querschnitt des Erdreichs gibt es nur für einen Lauf mit dem Rechenmodell „Register“.</source>
        <translation>The cross-section of the ground is only available for a run with the calculation model “Register”.</translation>
    </message>
    <message>
        <source>Das Jahr wird bis zur gewählten Stunde gerechnet …</source>
        <translation>The year is being calculated up to the chosen hour …</translation>
    </message>
    <message>
        <source>Tag %1, Ende der Stunde %2 (%3:00 Uhr), Axialzelle %4 von %5; Erdreich von %6 °C bis %7 °C, grau: die Rohre.</source>
        <translation>Day %1, end of hour %2 (%3:00), axial cell %4 of %5; ground from %6 °C to %7 °C, grey: the pipes.</translation>
    </message>
</context>
<context>
    <name>kov::TQuerschnittBild</name>
    <message>
        <source>Oberfläche, Außenluft %1 °C</source>
        <translation>Surface, outdoor air %1 °C</translation>
    </message>
    <message>
        <source>Breite %1 m, Tiefe %2 m</source>
        <translation>Width %1 m, depth %2 m</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
</context>
<context>
    <name>kov::TRegelungsVergleich</name>
    <message>
        <source>Nutzbare Heizenergie</source>
        <translation>Useful heating energy</translation>
    </message>
    <message>
        <source>Nutzbare Kühlenergie</source>
        <translation>Useful cooling energy</translation>
    </message>
    <message>
        <source>Unerwünschte Heizenergie</source>
        <translation>Unwanted heating energy</translation>
    </message>
    <message>
        <source>Unerwünschte Kühlenergie</source>
        <translation>Unwanted cooling energy</translation>
    </message>
    <message>
        <source>Ventilator-Stromverbrauch im Jahr</source>
        <translation>Fan electricity per year</translation>
    </message>
    <message>
        <source>Leistungszahl (nutzbare Energie / Ventilatorstrom)</source>
        <translation>Coefficient of performance (useful energy / fan electricity)</translation>
    </message>
    <message>
        <source>Leistungszahl brutto (alle Energie / Ventilatorstrom)</source>
        <translation>Gross coefficient of performance (all energy / fan electricity)</translation>
    </message>
    <message>
        <source>Wirkungsgrad η, Heizperiode</source>
        <translation>Efficiency η, heating season</translation>
    </message>
    <message>
        <source>Mittlere Ansaugtemperatur, Heizperiode</source>
        <translation>Mean intake temperature, heating season</translation>
    </message>
    <message>
        <source>Heizperiode: die Stunden mit Aussenluft bis zur Heizgrenze. Wirkungsgrad η des Registers gegen das ungestörte Erdreich in Rohrtiefe: η = Σ R·(Taus − Tein) / Σ R·(TErde − Tein) über die Betriebsstunden der Heizperiode mit TErde &gt; Tein, mit R dem relativen Volumenstrom der Stunde, Tein der Aussenluft, Taus dem Austritt des Registers und TErde der Monatstemperatur des Erdreichs am Rand des Modells: die Energie, die das Register gewinnt, geteilt durch die, die ein Register mit Austritt auf Erdreichtemperatur gewänne. Mittlere Ansaugtemperatur: Σ R·Taus / Σ R über die Stunden der Heizperiode mit Volumenstrom, die Temperatur, mit der das Lüftungsgerät im Mittel ansaugt.</source>
        <translation>Heating season: the hours with outdoor air up to the heating limit. Efficiency η of the heat exchanger against the undisturbed ground at pipe depth: η = Σ R·(Tout − Tin) / Σ R·(Tground − Tin) over the operating hours of the heating season with Tground &gt; Tin, where R is the hour&apos;s relative volume flow, Tin the outdoor air, Tout the heat exchanger outlet and Tground the month&apos;s ground temperature at the edge of the model: the energy the heat exchanger gains divided by the energy a heat exchanger with its outlet at ground temperature would gain. Mean intake temperature: Σ R·Tout / Σ R over the hours of the heating season with volume flow, the temperature at which the ventilation unit draws in air on average.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Regelung im Vergleich:&lt;/b&gt; klassische Freigabegrenzen und Regelung nach Bedarf</source>
        <translation>&lt;b&gt;Control compared:&lt;/b&gt; classic release limits and control on demand</translation>
    </message>
    <message>
        <source>Kennwert</source>
        <translation>Figure</translation>
    </message>
    <message>
        <source>Freigabegrenzen
(klassisch)</source>
        <translation>Release limits
(classic)</translation>
    </message>
    <message>
        <source>nach Bedarf
(Regelung=bedarf)</source>
        <translation>On demand
(Regelung=bedarf)</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Die Spalte der Freigabegrenzen wird gerechnet …</source>
        <translation>The release limits column is being calculated …</translation>
    </message>
    <message>
        <source>Die Spalte der Regelung nach Bedarf wird gerechnet …</source>
        <translation>The on-demand control column is being calculated …</translation>
    </message>
    <message>
        <source>Beide Spalten: dasselbe Projekt, nur die Regelung anders.</source>
        <translation>Both columns: the same project, only the control differs.</translation>
    </message>
    <message>
        <source>Die andere Regelung ließ sich nicht rechnen: %1</source>
        <translation>The other control could not be calculated: %1</translation>
    </message>
</context>
<context>
    <name>kov::TStundenAnsicht</name>
    <message>
        <source>Mausrad: Zeitraum verkürzen oder verlängern, Bildlaufleiste: durch das Jahr blättern</source>
        <translation>Mouse wheel: shorten or lengthen the period, scroll bar: move through the year</translation>
    </message>
    <message>
        <source> Tage</source>
        <translation> days</translation>
    </message>
    <message>
        <source>Zeitraum:</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>Stundenwerte</source>
        <translation>Hourly values</translation>
    </message>
</context>
<context>
    <name>kov::TVariantenFenster</name>
    <message>
        <source>Variierte Parameter</source>
        <translation>Varied parameters</translation>
    </message>
    <message>
        <source>Parameter</source>
        <translation>Parameter</translation>
    </message>
    <message>
        <source>Werte: Liste 10,12,15 · Bereich von:bis:schritt · mit Dezimalkomma 0,15; 0,2</source>
        <translation>Values: list 10,12,15 · range from:to:step · with decimal comma 0,15; 0,2</translation>
    </message>
    <message>
        <source>Bedingungen</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>≤ höchstens</source>
        <translation>≤ at most</translation>
    </message>
    <message>
        <source>≥ mindestens</source>
        <translation>≥ at least</translation>
    </message>
    <message>
        <source>Bodenarten</source>
        <translation>Soil types</translation>
    </message>
    <message>
        <source>Alle</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Keine</source>
        <translation>None</translation>
    </message>
    <message>
        <source>1 Wert</source>
        <translation>1 value</translation>
    </message>
    <message>
        <source>%1 Werte</source>
        <translation>%1 values</translation>
    </message>
    <message>
        <source>Keine gewählt: es gilt der Boden des Eingabefensters.</source>
        <translation>None chosen: the soil of the input window applies.</translation>
    </message>
    <message>
        <source>Alle %1 Bodenarten: jede Variante wird auf jedem Boden gerechnet, vom besten bis zum schlechtesten.</source>
        <translation>All %1 soil types: every variant is computed on every soil, from the best to the worst.</translation>
    </message>
    <message>
        <source>%1 Bodenart(en) gewählt.</source>
        <translation>%1 soil type(s) chosen.</translation>
    </message>
    <message>
        <source>1 Variante</source>
        <translation>1 variant</translation>
    </message>
    <message>
        <source>%1 Varianten</source>
        <translation>%1 variants</translation>
    </message>
    <message>
        <source>Eingaben prüfen</source>
        <translation>Check inputs</translation>
    </message>
    <message>
        <source>Bedingungen geändert: %1 von %2 berechneten Varianten zulässig, ohne neue Rechnung.</source>
        <translation>Conditions changed: %1 of %2 computed variants admissible, without a new calculation.</translation>
    </message>
    <message>
        <source>  (Frostgrenze des Projekts: %1 °C)</source>
        <translation>  (frost limit of the project: %1 °C)</translation>
    </message>
    <message>
        <source>meiste nutzbare Energie für wenig Rohrlänge</source>
        <translation>most useful energy for little pipe length</translation>
    </message>
    <message>
        <source>meiste nutzbare Energie für wenig Ventilatorstrom</source>
        <translation>most useful energy for little fan electricity</translation>
    </message>
    <message>
        <source>meiste nutzbare Energie für wenig Annuität</source>
        <translation>most useful energy for a low annuity</translation>
    </message>
    <message>
        <source>Pareto-optimal ist eine Variante, die alle Bedingungen erfüllt und die keine andere mit mindestens so viel nutzbarer Energie bei weniger Rohrlänge (bzw. Ventilatorstrom oder Annuität der Kosten) übertrifft.</source>
        <translation>A variant is Pareto-optimal when it meets every condition and no other variant with at least as much useful energy needs less pipe length (or fan electricity, or annuity of the costs).</translation>
    </message>
    <message>
        <source>x-Achse:</source>
        <translation>x axis:</translation>
    </message>
    <message>
        <source>y-Achse:</source>
        <translation>y axis:</translation>
    </message>
    <message>
        <source>Pareto-Front:</source>
        <translation>Pareto front:</translation>
    </message>
    <message>
        <source>verletzt eine Bedingung</source>
        <translation>violates a condition</translation>
    </message>
    <message>
        <source>zulässig</source>
        <translation>admissible</translation>
    </message>
    <message>
        <source>Pareto-Front</source>
        <translation>Pareto front</translation>
    </message>
    <message>
        <source>Pareto-optimal</source>
        <translation>Pareto-optimal</translation>
    </message>
    <message>
        <source>gewählt</source>
        <translation>chosen</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Die Werte der gewählten Variante in das Eingabefenster übernehmen</source>
        <translation>Take the values of the chosen variant into the input window</translation>
    </message>
    <message>
        <source>Dezimalkomma (Trenner „;“)</source>
        <translation>Decimal comma (separator “;”)</translation>
    </message>
    <message>
        <source>CSV exportieren…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>Schliessen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Tabelle der Varianten exportieren</source>
        <translation>Export the table of variants</translation>
    </message>
    <message>
        <source>CSV-Dateien (*.csv);;Alle Dateien (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Bitte zuerst eine berechnete Variante in der Tabelle wählen.</source>
        <translation>Please choose a computed variant in the table first.</translation>
    </message>
    <message>
        <source>Variante %1 ins Eingabefenster übernommen.</source>
        <translation>Variant %1 taken into the input window.</translation>
    </message>
    <message>
        <source>Die Tabelle wurde nicht exportiert:

</source>
        <translation>The table was not exported:

</translation>
    </message>
    <message>
        <source>Tabelle nach %1 exportiert.</source>
        <translation>Table exported to %1.</translation>
    </message>
    <message>
        <source>Noch keine Studie gerechnet</source>
        <translation>No study computed yet</translation>
    </message>
    <message>
        <source>Studie starten</source>
        <translation>Start study</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Threads:</source>
        <translation>Threads:</translation>
    </message>
    <message>
        <source>alle Kerne</source>
        <translation>all cores</translation>
    </message>
    <message>
        <source>Zahl der Threads, auf denen die Varianten gerechnet werden; „alle Kerne“: einer je Prozessorkern</source>
        <translation>Number of threads the variants are computed on; “all cores”: one per processor core</translation>
    </message>
    <message>
        <source>Die Studie wurde nicht gestartet:

</source>
        <translation>The study was not started:

</translation>
    </message>
    <message>
        <source>Die Studie wurde nicht gestartet:</source>
        <translation>The study was not started:</translation>
    </message>
    <message>
        <source>Eine Studie rechnet mit dem eingebauten Wetterjahr oder der Wetterdatei des Projekts, nicht mit dem Wetter eines früheren Berichts.</source>
        <translation>A study computes with the built-in weather year or the project&apos;s weather file, not with the weather of an earlier report.</translation>
    </message>
    <message>
        <source>Prüfe %v von %m Varianten</source>
        <translation>Checking %v of %m variants</translation>
    </message>
    <message>
        <source>Jede Variante wird vor dem ersten Lauf geprüft …</source>
        <translation>Every variant is checked before the first run …</translation>
    </message>
    <message>
        <source>Die Studie wird abgebrochen …</source>
        <translation>The study is being cancelled …</translation>
    </message>
    <message>
        <source>Die Restzeit wird geschätzt …</source>
        <translation>Estimating the remaining time …</translation>
    </message>
    <message>
        <source>Die Studie läuft, %1.</source>
        <translation>The study is running, %1.</translation>
    </message>
    <message>
        <source>%v von %m Varianten berechnet</source>
        <translation>%v of %m variants computed</translation>
    </message>
    <message>
        <source>%v von %m Varianten berechnet – %1</source>
        <translation>%v of %m variants computed – %1</translation>
    </message>
    <message>
        <source>Die Studie endete mit einem Fehler nach %1 von %2 Varianten: %3</source>
        <translation>The study ended with a fault after %1 of %2 variants: %3</translation>
    </message>
    <message>
        <source>Die Studie endete mit einem Fehler:

</source>
        <translation>The study ended with a fault:

</translation>
    </message>
    <message>
        <source>Die Studie wurde abgelehnt, nichts berechnet.</source>
        <translation>The study was refused, nothing computed.</translation>
    </message>
    <message>
        <source>Die Studie wurde nicht gestartet: nicht jede der %1 Varianten lässt sich berechnen.%2

</source>
        <translation>The study was not started: not every one of the %1 variants can be computed.%2

</translation>
    </message>
    <message>
        <source> Die ersten 20:</source>
        <translation> The first 20:</translation>
    </message>
    <message>
        <source>Abgebrochen: %1 von %2 Varianten berechnet (%3).</source>
        <translation>Cancelled: %1 of %2 variants computed (%3).</translation>
    </message>
    <message>
        <source>Fertig: %1 Varianten in %2, davon %3 zulässig.</source>
        <translation>Done: %1 variants in %2, %3 of them admissible.</translation>
    </message>
    <message>
        <source>%v von %m Varianten geprüft</source>
        <translation>%v of %m variants checked</translation>
    </message>
    <message>
        <source>Fortsetzen</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Rechnet die Varianten der abgebrochenen Studie, die noch fehlen; die fertigen bleiben.</source>
        <translation>Calculates the variants of the cancelled study that are still missing; the finished ones are kept.</translation>
    </message>
    <message>
        <source>Die Studie wird mit den %1 fehlenden Varianten fortgesetzt …</source>
        <translation>The study is resumed with the %1 missing variants …</translation>
    </message>
</context>
<context>
    <name>kov::TVariantenTabelle</name>
    <message>
        <source>Bodenart</source>
        <translation>Soil type</translation>
    </message>
    <message>
        <source>erfüllt</source>
        <translation>met</translation>
    </message>
    <message>
        <source>verletzt: %1</source>
        <translation>violated: %1</translation>
    </message>
    <message>
        <source>Rohrlänge</source>
        <translation>Pipe length</translation>
    </message>
    <message>
        <source>Ventilatorstrom</source>
        <translation>Fan electricity</translation>
    </message>
    <message>
        <source>Annuität</source>
        <translation>Annuity</translation>
    </message>
    <message>
        <source>Variante</source>
        <translation>Variant</translation>
    </message>
    <message>
        <source>Die Bedingungen, die eine Variante nicht einhält</source>
        <translation>The conditions a variant does not meet</translation>
    </message>
    <message>
        <source>Bedingungen</source>
        <translation>Conditions</translation>
    </message>
    <message>
        <source>Pareto-optimal: keine zulässige Variante gibt mehr nutzbare Energie für weniger Rohrlänge (bzw. Ventilatorstrom)</source>
        <translation>Pareto-optimal: no admissible variant gives more useful energy for less pipe length (or fan electricity)</translation>
    </message>
    <message>
        <source>Pareto-optimal</source>
        <translation>Pareto-optimal</translation>
    </message>
</context>
<context>
    <name>kov::Wetter</name>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Standort</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Lage</source>
        <translation>Location</translation>
    </message>
    <message>
        <source>Datenquelle</source>
        <translation>Data source</translation>
    </message>
    <message>
        <source>Datenzeilen</source>
        <translation>Data rows</translation>
    </message>
    <message>
        <source>Ergänzte Stunden</source>
        <translation>Filled hours</translation>
    </message>
    <message>
        <source>Feuchte</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Jahresmittel</source>
        <translation>Annual mean</translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Stunden unter 0 °C</source>
        <translation>Hours below 0 °C</translation>
    </message>
    <message>
        <source>Mittlerer Taupunkt</source>
        <translation>Mean dew point</translation>
    </message>
    <message>
        <source>Monatsmittel in °C</source>
        <translation>Monthly means in °C</translation>
    </message>
    <message>
        <source>Quelle</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>EnergyPlus-Wetterdatei (EPW)</source>
        <translation>EnergyPlus weather file (EPW)</translation>
    </message>
    <message>
        <source>DWD-Testreferenzjahr, Ausgabe 2011</source>
        <translation>DWD test reference year, 2011 edition</translation>
    </message>
    <message>
        <source>DWD-Testreferenzjahr, Ausgabe 2015/2017</source>
        <translation>DWD test reference year, 2015/2017 edition</translation>
    </message>
    <message>
        <source>Stundentabelle (CSV/Text)</source>
        <translation>Hourly table (CSV/text)</translation>
    </message>
    <message>
        <source>unbekanntes Format</source>
        <translation>unknown format</translation>
    </message>
    <message>
        <source>(Klimaregion %1)</source>
        <translation>(climate region %1)</translation>
    </message>
    <message>
        <source>mittleres Jahr</source>
        <translation>mean year</translation>
    </message>
    <message>
        <source>extremer Sommer</source>
        <translation>extreme summer</translation>
    </message>
    <message>
        <source>extremer Winter</source>
        <translation>extreme winter</translation>
    </message>
    <message>
        <source>Bezugszeitraum %1</source>
        <translation>reference period %1</translation>
    </message>
    <message>
        <source>%1° N</source>
        <translation>%1° N</translation>
    </message>
    <message>
        <source>%1° S</source>
        <translation>%1° S</translation>
    </message>
    <message>
        <source>%1° O</source>
        <translation>%1° E</translation>
    </message>
    <message>
        <source>%1° W</source>
        <translation>%1° W</translation>
    </message>
    <message>
        <source>%1 m ü. M.</source>
        <translation>%1 m above sea level</translation>
    </message>
    <message>
        <source>%1, nicht übernommen: %2</source>
        <translation>%1, not taken over: %2</translation>
    </message>
    <message>
        <source>%1 vom 29. Februar</source>
        <translation>%1 of 29 February</translation>
    </message>
    <message>
        <source>die Kopie von 31.12. Stunde 24 vor der ersten Stunde</source>
        <translation>the copy of 31 December, hour 24, in front of the first hour</translation>
    </message>
    <message>
        <source>keine</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1 (Fehlwerte, Lücken bis 6 Stunden linear überbrückt)</source>
        <translation>%1 (missing values; gaps of up to 6 hours bridged linearly)</translation>
    </message>
    <message>
        <source>keine Angaben in der Datei (relative Feuchte 10 %, Taupunkt 0 °C wie im eingebauten Jahr)</source>
        <translation>none in the file (relative humidity 10 %, dew point 0 °C as in the built-in year)</translation>
    </message>
    <message>
        <source>relative Feuchte aus der Datei, Taupunkt aus Mischungsverhältnis und Luftdruck berechnet (Magnus-Formel über Wasser)</source>
        <translation>relative humidity from the file, dew point computed from mixing ratio and air pressure (Magnus formula over water)</translation>
    </message>
    <message>
        <source>relative Feuchte aus der Datei, Taupunkt daraus berechnet (Magnus-Formel über Wasser)</source>
        <translation>relative humidity from the file, dew point computed from it (Magnus formula over water)</translation>
    </message>
    <message>
        <source>relative Feuchte und Taupunkt aus der Datei</source>
        <translation>relative humidity and dew point from the file</translation>
    </message>
    <message>
        <source>%1 °C am %2, Stunde %3 (%4 bis %5 Uhr)</source>
        <translation>%1 °C on %2, hour %3 (%4:00 to %5:00)</translation>
    </message>
    <message>
        <source>im Programm eingebautes Auslegungsjahr, 8760 Stunden der Aussenlufttemperatur; ohne Feuchte (relative Feuchte 10 %, Taupunkt 0 °C)</source>
        <translation>design year built into the program, 8760 hours of outdoor air temperature; without humidity (relative humidity 10 %, dew point 0 °C)</translation>
    </message>
    <message>
        <source>Aussentemperatur, relative Feuchte und Taupunkt der Stundenzeilen des vorigen Berichts %1</source>
        <translation>outdoor temperature, relative humidity and dew point of the hourly rows of the previous report %1</translation>
    </message>
    <message>
        <source>Wetterdatei %1</source>
        <translation>Weather file %1</translation>
    </message>
    <message>
        <source>Eingebautes Auslegungsjahr (%1)</source>
        <translation>Built-in design year (%1)</translation>
    </message>
    <message>
        <source>Stundenwerte des vorigen Berichts %1</source>
        <translation>Hourly values of the previous report %1</translation>
    </message>
    <message>
        <source>Eingebautes Klima %1: %2 (%3)</source>
        <translation>Built-in climate %1: %2 (%3)</translation>
    </message>
    <message>
        <source>Region %1 %2, %3 %4</source>
        <translation>Region %1 %2, %3 %4</translation>
    </message>
</context>
<context>
    <name>kov::ZahlEingabe</name>
    <message>
        <source>-2147483648 bis 2147483647</source>
        <translation>-2147483648 to 2147483647</translation>
    </message>
    <message>
        <source>-1.8e308 bis 1.8e308 (Beträge ab 4.9e-324)</source>
        <translation>-1.8e308 to 1.8e308 (magnitudes from 4.9e-324)</translation>
    </message>
</context>
</TS>
