#include "ui/pdf_bericht.h"

#include "ablauf/auslegungsbericht.h"
#include "files/klima.h"
#include "files/text_datei.h"
#include "model/bodenarten.h"
#include "model/fehler.h"
#include "model/klima_regionen.h"
#include "model/version.h"
#include "register/kennwerte_text.h"
#include "register/kosten_text.h"
#include "register/register_text.h"
#include "ui/anlage_diagramme.h"
#include "ui/ansicht_export.h"
#include "ui/bericht_format.h"
#include "ui/katalog_texte.h"
#include "ui/kern_texte.h"
#include "ui/seiten_satz.h"
#include "ui/wetter_texte.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>

#include <algorithm>
#include <utility>

namespace kov {

namespace {

constexpr double Grundschrift = 9;    // pt, running text and tables
constexpr double Tabellenschrift = 8; // pt
constexpr int Aufloesung = 600;       // dpi of the page coordinates

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}
QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// fields that name a file: printed relative to the project
bool IstDateiFeld(const std::string& name) {
    return name == "WetterFile" || name == "WetterDatei" || name == "OutputFile" ||
           name == "FahrplanFile";
}

enum class TWetterArt { Klima, Standortdatei, Auslegungsjahr, VorigerBericht };

// the weather the run read, in the order the run looks for it
TWetterArt WetterArt(const TRegisterParameter& p) {
    if (!p.EingebautesWetter) return TWetterArt::VorigerBericht;
    if (!p.Klima.empty()) return TWetterArt::Klima;
    if (!p.WetterDatei.empty()) return TWetterArt::Standortdatei;
    return TWetterArt::Auslegungsjahr;
}

class TBerichtSatz {
    Q_DECLARE_TR_FUNCTIONS(PdfBericht)

public:
    TBerichtSatz(const TAuswertung& a, const TBerichtKopf& kopf, QString projektname, QString datum,
                 const std::vector<TKlimaCheckJahr>& klimaCheck)
        : A(a), P(a.Modell->Parameter), Kopf(kopf), KlimaJahre(klimaCheck), Ort(kopf.Zahlenformat),
          Projektname(std::move(projektname)), Datum(std::move(datum)),
          ProjektOrdner(kopf.Projektdatei.isEmpty() ? QString()
                                                    : QFileInfo(kopf.Projektdatei).absolutePath()) {
    }

    const QString& Name() const { return Projektname; }

    void Setzen(TSeitenSatz& s) const {
        int nummer = 0;
        Uebersicht(s);
        s.Seitenumbruch();
        Pruefung(s, ++nummer);
        Kennwerte(s, ++nummer);
        Kosten(s, ++nummer);
        if (P.WRG) Lueftungsanlage(s, ++nummer);
        Verfahren(s, ++nummer);
        Wetter(s, ++nummer);
        KlimaCheck(s, ++nummer);
        Diagramme(s, ++nummer);
        if (!Kopf.Variantenbegruendung.isEmpty()) Variante(s, ++nummer);
        Anhang(s);
    }

private:
    const TAuswertung& A;
    const TRegisterParameter& P;
    const TBerichtKopf& Kopf;
    const std::vector<TKlimaCheckJahr>& KlimaJahre;
    QLocale Ort;
    QString Projektname;
    QString Datum;
    QString ProjektOrdner;

    QString Zahl(double wert, int dezimalen) const { return BerichtZahl(Ort, wert, dezimalen); }
    QString Oertlich(const std::string& text) const { return ZahlenOertlich(Ort, Text(text)); }
    // a sentence or label of the core in the report's language, its numbers in the report's form
    QString Kern(const std::string& text) const { return KernText(text, Ort); }
    static QString Katalog(const std::string& text) { return KatalogText(text); }
    QString Datei(const std::string& pfad) const {
        return BerichtDateiName(Text(pfad), ProjektOrdner);
    }
    static QString Nummeriert(int nummer, const QString& titel) {
        return QStringLiteral("%1  %2").arg(nummer).arg(titel);
    }
    static QString UrteilName(TUrteil urteil) {
        switch (urteil) {
        case TUrteil::Erfuellt:
            return tr("erfüllt");
        case TUrteil::Hinweis:
            return tr("Hinweis");
        case TUrteil::NichtErfuellt:
            return tr("nicht erfüllt");
        }
        return {};
    }

    // the weather of the run, named once the way it was read
    QString WetterName() const {
        switch (WetterArt(P)) {
        case TWetterArt::Klima:
            // the climate's name carries "Datenbasis: Deutscher Wetterdienst"
            return KlimaBezeichnungText(P.Klima);
        case TWetterArt::Standortdatei:
            return WetterBezeichnungText(A.Wetter.Bezeichnung)
                .replace(Text(P.WetterDatei), Datei(P.WetterDatei));
        case TWetterArt::Auslegungsjahr:
            return tr("Eingebautes Auslegungsjahr (%1)").arg(Datei(P.WetterFile));
        case TWetterArt::VorigerBericht:
            return tr("Stundenwerte des vorigen Berichts %1").arg(Datei(P.OutputFile));
        }
        return {};
    }

    QString Bodenart() const {
        for (const TBodenart& b : Bodenarten()) {
            const QString name = Text(b.Text).trimmed();
            if (name.isEmpty()) continue;
            if (Text(b.Lambda).toDouble() == P.LambdaErde && Text(b.Rho).toDouble() == P.RhoErde &&
                Text(b.Cp).toDouble() == P.CpErde)
                return tr("%1 (λ %2 W/mK, ρ %3 kg/m³, c %4 J/kgK)")
                    .arg(name, Zahl(P.LambdaErde, 2), Zahl(P.RhoErde, 0), Zahl(P.CpErde, 0));
        }
        return tr("λ %1 W/mK, ρ %2 kg/m³, c %3 J/kgK")
            .arg(Zahl(P.LambdaErde, 2), Zahl(P.RhoErde, 0), Zahl(P.CpErde, 0));
    }

    QString ModellName() const {
        return P.Modell == "register"
                   ? tr("Register: die Rohrreihe im Erdreich unter der Oberfläche, mit Feuchte")
                   : tr("Klassisch: ein repräsentatives Rohr in radialen Erdringen");
    }

    // the statement of the design check in one paragraph, what fails named with its figure
    QString Aussage() const {
        QStringList verletzt, hinweise;
        for (const TPruefRegel& r : A.Bewertung.Pruefung) {
            if (r.Urteil == TUrteil::Erfuellt) continue;
            const QString regel =
                r.HatWert
                    ? tr("%1 (%2 %3, Grenze %4 %5 %6)")
                          .arg(Kern(r.Bezeichnung), Zahl(r.Wert, r.Dezimalen), Text(r.Einheit),
                               Vergleich(r.Vergleich), Zahl(r.Grenze, r.Dezimalen), Text(r.Einheit))
                    : Kern(r.Bezeichnung);
            (r.Urteil == TUrteil::NichtErfuellt ? verletzt : hinweise).append(regel.simplified());
        }
        QString aussage =
            verletzt.isEmpty()
                ? tr("Die Auslegung erfüllt alle Prüfungen.")
                : tr("Die Auslegung erfüllt nicht: %1.").arg(verletzt.join(QStringLiteral("; ")));
        if (!hinweise.isEmpty())
            aussage +=
                QLatin1Char(' ') + tr("Hinweise: %1.").arg(hinweise.join(QStringLiteral("; ")));
        return aussage;
    }

    static QString Vergleich(std::string_view vergleich) {
        if (vergleich == "<=") return QStringLiteral("≤");
        if (vergleich == ">=") return QStringLiteral("≥");
        return Text(vergleich);
    }

    void Uebersicht(TSeitenSatz& s) const {
        s.Ueberschrift(tr("Auslegungsbericht Luft-Erdregister"), 18);
        const QString projektdatei = Kopf.Projektdatei.isEmpty()
                                         ? tr("– (Eingaben ohne Projektdatei)")
                                         : QFileInfo(Kopf.Projektdatei).fileName();
        s.Tabelle({{QString(), 0.24}, {QString(), 0.76}},
                  {{{tr("Projekt"), Projektname}},
                   {{tr("Projektdatei"), projektdatei}},
                   {{tr("Erstellt"), tr("%1 mit %2").arg(Datum, Text(VersionText("KOV")))}},
                   {{tr("Standort und Klima"), WetterName()}}},
                  BerichtSchrift(Grundschrift), s.Millimeter(3));

        const TArbeitswerte& w = A.Modell->Werte;
        s.Ueberschrift(tr("Auslegung"), 12);
        s.Tabelle(
            {{QString(), 0.24}, {QString(), 0.76}},
            {{{tr("Rohre"),
               tr("%1 parallele Rohre, je %2 m lang (zusammen %3 m)")
                   .arg(P.AnzahlRohre)
                   .arg(Zahl(P.Rohrlaenge, 1), Zahl(P.AnzahlRohre * P.Rohrlaenge, 1))}},
             {{tr("Durchmesser"),
               tr("innen %1 mm, Wandstärke %2 mm")
                   .arg(Zahl(P.DRohr * 1000, 1), Zahl(P.WandstaerkeRohr * 1000, 1))}},
             {{tr("Verlegetiefe"), tr("%1 m").arg(Zahl(P.Tiefe, 2))}},
             {{tr("Rohrabstand"), tr("%1 m zwischen den Achsen").arg(Zahl(P.Rohrabstand, 2))}},
             {{tr("Luftvolumenstrom"),
               tr("%1 m³/h, %2 m/s im Rohr")
                   .arg(Zahl(P.Volumenstrom, 0), Zahl(w.Stroemungsgeschwindigkeit, 2))}},
             {{tr("Erdreich"), Bodenart()}},
             {{tr("Rechenmodell"), ModellName()}}},
            BerichtSchrift(Grundschrift), s.Millimeter(3));

        s.Ueberschrift(tr("Ergebnis der Auslegungsprüfung"), 12);
        s.Absatz(Aussage(), BerichtSchrift(Grundschrift + 1, true), s.Millimeter(3));

        const TKennwerte& kw = A.Kennwerte;
        const QVector<TSpalte> spalten{
            {QString(), 0.62}, {QString(), 0.20, Qt::AlignRight}, {QString(), 0.18}};
        s.Ueberschrift(tr("Kennwerte"), 12);
        s.Tabelle(spalten,
                  {{{tr("Nutzbare Heizenergie"), Zahl(kw.HeizenergieNutzbar, 0), tr("kWh/a")}},
                   {{tr("Nutzbare Kühlenergie"), Zahl(kw.KuehlenergieNutzbar, 0), tr("kWh/a")}},
                   {{tr("Höchste Heizleistung / Kühlleistung"),
                     tr("%1 / %2").arg(Zahl(kw.HeizleistungMax, 1), Zahl(kw.KuehlleistungMax, 1)),
                     tr("kW")}},
                   {{tr("Tiefste Austrittstemperatur"), Zahl(kw.TausMin, 1), tr("°C")}},
                   {{tr("Druckverlust bei Nenn-Volumenstrom"), Zahl(kw.DruckverlustNenn.Gesamt, 1),
                     tr("Pa")}},
                   {{tr("Ventilator-Stromverbrauch"), Zahl(kw.Ventilatorenergie, 0), tr("kWh/a")}},
                   {{tr("Leistungszahl (nutzbare Energie / Ventilatorstrom)"),
                     Zahl(kw.Leistungszahl, 1), QStringLiteral("–")}}},
                  BerichtSchrift(Grundschrift), s.Millimeter(3));

        const TWirtschaftlichkeit& k = A.Bewertung.Kosten;
        s.Ueberschrift(tr("Kosten (VDI 2067 Blatt 1)"), 12);
        s.Tabelle(
            spalten,
            {{{tr("Investition"), Zahl(k.Investition, 0), tr("EUR")}},
             {{tr("Annuität der Kosten (Kapital, Wartung, Ventilatorstrom)"), Zahl(k.Annuitaet, 0),
               tr("EUR/a")}},
             {{tr("Annuität der Erlöse (eingesparte Wärme und Kälte)"), Zahl(k.AnnuitaetErloese, 0),
               tr("EUR/a")}},
             {{tr("Jährlicher Nettonutzen"), Zahl(k.Nettonutzen, 0), tr("EUR/a")}, true},
             {{tr("Dynamische Amortisationszeit"),
               k.Amortisiert ? Zahl(k.Amortisationszeit, 1) : tr("über %1").arg(MaxAmortisation),
               tr("a")}},
             {{tr("Kosten je kWh nutzbarer Wärme und Kälte"),
               k.JeKwhDefiniert ? Zahl(k.KostenJeKwh, 3) : QStringLiteral("–"), tr("EUR/kWh")}},
             {{tr("CO₂-Einsparung abzüglich Ventilatorstrom"), Zahl(k.CO2Einsparung, 0),
               tr("kg/a")}}},
            BerichtSchrift(Grundschrift), s.Millimeter(2));
        const int annahmen = Annahmen();
        if (annahmen > 0)
            s.Absatz(tr("%1 Kostenansätze stehen auf ihrem Standardwert: Annahmen, die zu prüfen "
                        "sind (Abschnitt 3).")
                         .arg(annahmen),
                     BerichtSchrift(Grundschrift), s.Millimeter(2));
    }

    // the cost inputs that still hold their default
    int Annahmen() const {
        int zahl = 0;
        for (const TEingabeZeile& z : EingabeZeilen(P))
            if (z.Gruppe == GruppenName(TParameterGruppe::Wirtschaftlichkeit) && !z.Abweichend)
                ++zahl;
        return zahl;
    }

    void Pruefung(TSeitenSatz& s, int nummer) const {
        s.Ueberschrift(Nummeriert(nummer, tr("Auslegungsprüfung")), 13);
        s.Absatz(Aussage(), BerichtSchrift(Grundschrift, true), s.Millimeter(2));
        QVector<TTabellenZeile> zeilen;
        for (const TPruefRegel& r : A.Bewertung.Pruefung) {
            TTabellenZeile z;
            z.Zellen = {Kern(r.Bezeichnung),
                        r.HatWert ? Zahl(r.Wert, r.Dezimalen) + QLatin1Char(' ') + Text(r.Einheit)
                                  : QStringLiteral("–"),
                        r.HatWert && !r.Vergleich.empty()
                            ? Vergleich(r.Vergleich) + QLatin1Char(' ') +
                                  Zahl(r.Grenze, r.Dezimalen) + QLatin1Char(' ') + Text(r.Einheit)
                            : QString(),
                        UrteilName(r.Urteil), Kern(r.Erlaeuterung)};
            z.Hinterlegt = r.Urteil == TUrteil::NichtErfuellt;
            zeilen.append(z);
        }
        s.Tabelle({{tr("Regel"), 0.22},
                   {tr("Wert"), 0.13, Qt::AlignRight},
                   {tr("Grenze"), 0.13, Qt::AlignRight},
                   {tr("Urteil"), 0.12},
                   {tr("Erläuterung"), 0.40}},
                  zeilen, BerichtSchrift(Tabellenschrift), s.Millimeter(2));
        s.Absatz(tr("Die Grenzen sind Werte aus der Praxis und als Parameter einstellbar "
                    "(Anhang A, Gruppe „Auslegungsprüfung“). Grau hinterlegt: nicht erfüllt."),
                 BerichtSchrift(Tabellenschrift), s.Millimeter(4));
    }

    void Kennwerte(TSeitenSatz& s, int nummer) const {
        QVector<TTabellenZeile> zeilen;
        for (const TKennwertZeile& z : KennwerteZeilen(A.Kennwerte, P))
            zeilen.append(
                {{Kern(z.Bezeichnung), Oertlich(z.Wert), Text(z.Einheit), Kern(z.Zeitpunkt)}});
        const QVector<TSpalte> spalten{{tr("Kennwert"), 0.50},
                                       {tr("Wert"), 0.10, Qt::AlignRight},
                                       {tr("Einheit"), 0.09},
                                       {tr("Zeitpunkt"), 0.31}};
        const QFont schrift = BerichtSchrift(Tabellenschrift);
        // the figures on one page with their heading where they fit on one
        s.Freihalten(s.TabellenHoehe(spalten, zeilen, schrift) + s.Millimeter(10));
        s.Ueberschrift(Nummeriert(nummer, tr("Kennwerte")), 13);
        s.Tabelle(spalten, zeilen, schrift, s.Millimeter(4));
        QVector<TTabellenZeile> monate;
        for (const TKennwertMonat& m : KennwerteMonatsZeilen(A.Kennwerte, A.Modell->Ergebnis))
            monate.append(
                {{m.Monat == "Jahr" ? tr("Jahr")
                                    : QCoreApplication::translate("kov::Monate", m.Monat.c_str()),
                  Oertlich(m.Heizenergie), Oertlich(m.Kuehlenergie), Oertlich(m.Kondensat)},
                 m.Monat == "Jahr"});
        s.Tabelle({{tr("Monat"), 0.25},
                   {tr("Heizenergie kWh"), 0.25, Qt::AlignRight},
                   {tr("Kühlenergie kWh"), 0.25, Qt::AlignRight},
                   {tr("Kondensat kg"), 0.25, Qt::AlignRight}},
                  monate, BerichtSchrift(Tabellenschrift), s.Millimeter(4));
    }

    void Kosten(TSeitenSatz& s, int nummer) const {
        QVector<TTabellenZeile> zeilen;
        for (const TKennwertZeile& z : KostenZeilen(A.Bewertung.Kosten))
            zeilen.append({{Kern(z.Bezeichnung), Kern(z.Wert), Text(z.Einheit)}});
        const QVector<TSpalte> spalten{
            {tr("Kosten"), 0.66}, {tr("Wert"), 0.18, Qt::AlignRight}, {tr("Einheit"), 0.16}};
        const QFont schrift = BerichtSchrift(Tabellenschrift);
        s.Freihalten(s.TabellenHoehe(spalten, zeilen, schrift) + s.Millimeter(10));
        s.Ueberschrift(Nummeriert(nummer, tr("Kosten und Annahmen")), 13);
        s.Absatz(tr("Annuitätenverfahren nach VDI 2067 Blatt 1 mit Ersatzbeschaffungen und "
                    "Restwert im Betrachtungszeitraum."),
                 BerichtSchrift(Grundschrift), s.Millimeter(2));
        s.Tabelle(spalten, zeilen, schrift, s.Millimeter(3));

        QVector<TTabellenZeile> ansaetze;
        for (const TEingabeZeile& z : EingabeZeilen(P)) {
            if (z.Gruppe != GruppenName(TParameterGruppe::Wirtschaftlichkeit)) continue;
            TTabellenZeile zeile;
            zeile.Zellen = {
                Katalog(z.Bezeichnung),
                z.Name == "Rohrpreise" ? Rohrpreise(z.Wert) : Oertlich(z.Wert), Text(z.Einheit),
                z.Abweichend ? tr("vom Planer gesetzt") : tr("Annahme (Standardwert), zu prüfen")};
            zeile.Hinterlegt = !z.Abweichend;
            ansaetze.append(zeile);
        }
        s.Tabelle({{tr("Kostenansatz"), 0.34},
                   {tr("Wert"), 0.28, Qt::AlignRight},
                   {tr("Einheit"), 0.12},
                   {tr("Herkunft"), 0.26}},
                  ansaetze, schrift, s.Millimeter(2));
        s.Absatz(tr("Rohrpreise: Innendurchmesser: Preis je Meter verlegtes Rohr. Grau "
                    "hinterlegt: Annahmen, die vor einer Entscheidung mit Angeboten zu prüfen "
                    "sind."),
                 BerichtSchrift(Tabellenschrift), s.Millimeter(4));
    }

    void Lueftungsanlage(TSeitenSatz& s, int nummer) const {
        const TAnlagenKennwerte& an = A.Kennwerte.Anlage;
        s.Ueberschrift(Nummeriert(nummer, tr("Lüftungsgerät mit Wärmerückgewinnung")), 13);
        s.Absatz(tr("Wärmerückgewinnung %1, Frostgrenze des Geräts %2 °C, Zuluft-Soll %3 °C.")
                     .arg(Zahl(P.WRGWirkungsgrad * 100, 0) + QStringLiteral(" %"),
                          Zahl(P.WRGFrostgrenze, 1), Zahl(P.ZuluftSoll, 1)),
                 BerichtSchrift(Grundschrift), s.Millimeter(2));
        s.Tabelle(
            {{tr("Kennwert"), 0.52},
             {tr("ohne Register"), 0.17, Qt::AlignRight},
             {tr("mit Register"), 0.17, Qt::AlignRight},
             {tr("Einheit"), 0.14}},
            {{{tr("Frostschutzstunden"), QString::number(an.OhneRegister.FrostschutzStunden),
               QString::number(an.MitRegister.FrostschutzStunden), tr("h")}},
             {{tr("Vorheizenergie (Frostschutz)"), Zahl(an.OhneRegister.Vorheizenergie, 0),
               Zahl(an.MitRegister.Vorheizenergie, 0), tr("kWh/a")}},
             {{tr("Nachheizenergie bis Zuluft-Soll"), Zahl(an.OhneRegister.Nachheizenergie, 0),
               Zahl(an.MitRegister.Nachheizenergie, 0), tr("kWh/a")}},
             {{tr("Tiefste Zuluft nach WRG"), Zahl(an.OhneRegister.ZuluftNachWRGMin, 1),
               Zahl(an.MitRegister.ZuluftNachWRGMin, 1), tr("°C")}},
             {{tr("Stunden über der Komfortgrenze"),
               QString::number(an.OhneRegister.StundenUeberKomfort),
               QString::number(an.MitRegister.StundenUeberKomfort), tr("h")}}},
            BerichtSchrift(Tabellenschrift), s.Millimeter(2));
        s.Tabelle({{tr("Einsparung durch das Register"), 0.69},
                   {tr("Wert"), 0.17, Qt::AlignRight},
                   {tr("Einheit"), 0.14}},
                  {{{tr("Frostschutzstunden weniger"),
                     QString::number(an.FrostschutzStundenGespart), tr("h")}},
                   {{tr("Vorheizenergie gespart"), Zahl(an.VorheizenergieGespart, 0), tr("kWh/a")}},
                   {{tr("Heizwärme des Gebäudes gespart (nach WRG)"),
                     Zahl(an.WaermeErspartGebaeude, 0), tr("kWh/a")}},
                   {{tr("Kühlung über der Komfortgrenze"), Zahl(an.KuehlungUeberKomfort, 0),
                     tr("kWh/a")}}},
                  BerichtSchrift(Tabellenschrift), s.Millimeter(4));
    }

    void Verfahren(TSeitenSatz& s, int nummer) const {
        s.Ueberschrift(Nummeriert(nummer, tr("Rechenmodell")), 13);
        const QFont schrift = BerichtSchrift(Grundschrift);
        if (A.RegisterAngaben.Gerechnet) {
            const TRegisterModellText t = RegisterModellBeschreiben(P, A.RegisterAngaben);
            for (const std::string* absatz : {&t.Modell, &t.Aufloesung, &t.Konvergenz})
                s.Absatz(Kern(*absatz), schrift, s.Millimeter(2));
        } else {
            for (const std::string& absatz : MethodenAbsaetze(*A.Modell, A.Kennwerte))
                s.Absatz(Kern(absatz), schrift, s.Millimeter(2));
        }
        for (const std::string& hinweis : A.Hinweise)
            s.Absatz(tr("Hinweis: %1").arg(Oertlich(hinweis)), schrift, s.Millimeter(2));
        s.Abstand(s.Millimeter(2));
    }

    void Wetter(TSeitenSatz& s, int nummer) const {
        s.Ueberschrift(Nummeriert(nummer, tr("Wetter")), 13);
        s.Absatz(WetterName(), BerichtSchrift(Grundschrift, true), s.Millimeter(2));
        // "Name: Wert" lines as a table, indented lines continue the value above them
        QString text = Text(A.Wetter.Text);
        if (!P.WetterDatei.empty()) text.replace(Text(P.WetterDatei), Datei(P.WetterDatei));
        // the core's summary in the report's language and number form
        text = WetterText(text.toStdString(), Ort);
        QVector<TTabellenZeile> zeilen;
        for (const QString& zeile : text.split(QLatin1Char('\n'))) {
            if (zeile.trimmed().isEmpty()) continue;
            const qsizetype doppelpunkt = zeile.indexOf(QLatin1Char(':'));
            const QString wert = zeile.mid(doppelpunkt + 1).trimmed();
            if (zeile.startsWith(QLatin1Char(' ')) && !zeilen.isEmpty()) {
                QString& vorher = zeilen.back().Zellen.back();
                vorher += (vorher.isEmpty() ? QString() : QStringLiteral("\n")) + zeile.trimmed();
            } else if (doppelpunkt > 0) {
                const QString name = zeile.left(doppelpunkt);
                // the file the run read, as the project names it
                zeilen.append({{name, name == WetterAngabeName("Datei")
                                          ? BerichtDateiName(zeile.mid(doppelpunkt + 1).trimmed(),
                                                             ProjektOrdner)
                                          : wert}});
            } else {
                zeilen.append({{zeile.trimmed(), QString()}});
            }
        }
        s.Tabelle({{tr("Angabe"), 0.25}, {tr("Wert"), 0.75}}, zeilen,
                  BerichtSchrift(Tabellenschrift), s.Millimeter(4));
    }

    void KlimaCheck(TSeitenSatz& s, int nummer) const {
        s.Ueberschrift(Nummeriert(nummer, tr("Klimacheck")), 13);
        if (KlimaJahre.empty()) {
            s.Absatz(tr("Der Klimacheck rechnet die Auslegung mit den sechs Testreferenzjahren "
                        "einer Region und braucht dafür ein eingebautes Klima (Eingabe Klima)."),
                     BerichtSchrift(Grundschrift), s.Millimeter(4));
            return;
        }
        const TKlimaRegion& region = KlimaRegion(KlimaJahre.front().Wahl.Region);
        s.Absatz(tr("Die Auslegung unter den Testreferenzjahren der Region %1 %2 (%3): das "
                    "mittlere Jahr, ein extremer Sommer und ein extremer Winter, heute und "
                    "2045. %4")
                     .arg(region.Nummer)
                     .arg(Text(region.Station), Text(region.Region), Text(KlimaQuellenHinweis)),
                 BerichtSchrift(Grundschrift), s.Millimeter(2));
        QVector<TSpalte> spalten{{tr("Kennwert"), 0.25}};
        // the kinds of year as the climate dialog names them
        for (const TKlimaCheckJahr& j : KlimaJahre)
            spalten.append(
                {QCoreApplication::translate("kov::TKlimaDialog", KlimaArtText(j.Wahl.Art).data()) +
                     QLatin1Char(' ') + Text(KlimaPeriodenText(j.Wahl.Periode)),
                 0.65 / static_cast<double>(KlimaJahre.size()), Qt::AlignRight});
        spalten.append({tr("Einheit"), 0.10});
        QVector<TTabellenZeile> zeilen;
        for (const TKlimaCheckZeile& z : KlimaCheckZeilen(KlimaJahre)) {
            TTabellenZeile zeile;
            zeile.Zellen.append(Kern(z.Name));
            for (const double wert : z.Werte)
                zeile.Zellen.append(Zahl(wert, z.Dezimalen));
            zeile.Zellen.append(Text(z.Einheit));
            zeilen.append(zeile);
        }
        s.Tabelle(spalten, zeilen, BerichtSchrift(Tabellenschrift), s.Millimeter(4));
    }

    void Diagramme(TSeitenSatz& s, int nummer) const {
        s.Seitenumbruch();
        s.Ueberschrift(Nummeriert(nummer, tr("Diagramme")), 13);
        const double hoehe = s.Breite() * 0.62;
        for (const TAnsicht ansicht : {TAnsicht::Jahr, TAnsicht::Dauerlinie, TAnsicht::Energie})
            s.Block(
                hoehe,
                [&](QPainter& maler, const QRectF& rahmen) {
                    AnsichtZeichnen(ansicht, A, maler, rahmen, 1.0 / 62);
                },
                s.Millimeter(6));
        if (!P.WRG) return;
        s.Block(
            s.Breite() * 0.8,
            [&](QPainter& maler, const QRectF& rahmen) {
                // the monthly charts are half as wide: a smaller font keeps their months whole
                AnlageZeichnen(A, maler, rahmen, 1.0 / 85);
            },
            s.Millimeter(6));
        const auto [von, bis] = KaeltesteWoche(A);
        s.Block(
            hoehe,
            [&](QPainter& maler, const QRectF& rahmen) {
                StundenZeichnen(A, von, bis, maler, rahmen, 1.0 / 62);
            },
            s.Millimeter(2));
        s.Absatz(tr("Die Woche um die kälteste Stunde des Jahres."),
                 BerichtSchrift(Tabellenschrift), s.Millimeter(6));
    }

    void Variante(TSeitenSatz& s, int nummer) const {
        s.Seitenumbruch();
        s.Ueberschrift(Nummeriert(nummer, tr("Gewählte Variante der Studie")), 13);
        for (const QString& zeile : Kopf.Variantenbegruendung)
            s.Absatz(ZahlenOertlich(Ort, zeile), BerichtSchrift(Grundschrift), s.Millimeter(2));
    }

    // "0.1:25;0.15:35" as "0,1 m: 25 EUR/m; 0,15 m: 35 EUR/m"; a table that does not read
    // as it is
    QString Rohrpreise(const std::string& text) const {
        try {
            QStringList punkte;
            for (const TRohrpreis& r : RohrpreiseLesen(text))
                punkte.append(tr("%1 m: %2 EUR/m")
                                  .arg(ZahlenOertlich(Ort, QString::number(r.Durchmesser, 'g', 10)),
                                       ZahlenOertlich(Ort, QString::number(r.Preis, 'g', 10))));
            return punkte.join(QStringLiteral("; "));
        } catch (const std::exception&) {
            return Text(text);
        }
    }

    // the value of an input as the appendix prints it
    QString EingabeWert(const TEingabeZeile& z, const std::string& wert) const {
        if (z.Name == "Rohrpreise") return Rohrpreise(wert);
        if (IstDateiFeld(z.Name)) return wert == "–" ? Text(wert) : Datei(wert);
        if (z.IstText) return Text(wert);
        if (wert == "ja") return tr("ja");
        if (wert == "nein") return tr("nein");
        return MonateWert(Oertlich(wert));
    }

    // "alle Monate 10" or "Jan 1; Feb 2; Mär 3..." with the month names of the report's language
    static QString MonateWert(const QString& wert) {
        static const QString alle = QStringLiteral("alle Monate ");
        if (wert.startsWith(alle)) return tr("alle Monate %1").arg(wert.mid(alle.size()));
        if (!wert.contains(QStringLiteral("; "))) return wert;
        QStringList monate = wert.split(QStringLiteral("; "));
        for (QString& m : monate) {
            const qsizetype leer = m.indexOf(QLatin1Char(' '));
            if (leer > 0)
                m = QCoreApplication::translate("kov::Monate", m.left(leer).toUtf8().constData()) +
                    m.mid(leer);
        }
        return monate.join(QStringLiteral("; "));
    }

    // the catalogue's units are symbols, but for the years of settling
    static QString Einheit(const std::string& einheit) {
        return einheit == "Jahre" ? tr("Jahre") : Text(einheit);
    }

    // which of the weather inputs gave the run its weather; the others are marked unused
    QString WetterVermerk(const std::string& name) const {
        const TWetterArt art = WetterArt(P);
        if (name == "EingebautesWetter" && art == TWetterArt::Klima)
            return tr("gerechnet mit dem eingebauten Klima");
        if (name == "EingebautesWetter" && art == TWetterArt::Standortdatei)
            return tr("gerechnet mit der Wetterdatei");
        const bool unbenutzt =
            (name == "WetterFile" && art != TWetterArt::Auslegungsjahr) ||
            (name == "WetterDatei" && art != TWetterArt::Standortdatei && !P.WetterDatei.empty()) ||
            (name == "Klima" && art != TWetterArt::Klima && !P.Klima.empty());
        return unbenutzt ? tr("nicht verwendet") : QString();
    }

    void Anhang(TSeitenSatz& s) const {
        s.Seitenumbruch();
        s.Ueberschrift(tr("Anhang A  Eingaben"), 13);
        s.Absatz(tr("Zuerst die Werte, die vom Standardwert abweichen (mit * markiert), dann alle "
                    "übrigen nach Gruppen. „berechnet“: vom Programm aus den Eingaben ermittelt."),
                 BerichtSchrift(Grundschrift), s.Millimeter(2));
        const std::vector<TEingabeZeile> alle = EingabeZeilen(P, &A.Modell->Werte);
        const auto zeile = [&](const TEingabeZeile& z) {
            TTabellenZeile t;
            QString wert = EingabeWert(z, z.Wert);
            const QString vermerk = WetterVermerk(z.Name);
            if (!vermerk.isEmpty()) wert = tr("%1 (%2)").arg(wert, vermerk);
            t.Zellen = {Katalog(z.Bezeichnung), Text(z.Name),
                        (z.Abweichend ? QStringLiteral("* ") : QString()) + wert,
                        Einheit(z.Einheit),
                        z.Abgeleitet ? tr("berechnet") : EingabeWert(z, z.Standard)};
            t.Hinterlegt = z.Abweichend;
            return t;
        };
        const QVector<TSpalte> spalten{{tr("Eingabe"), 0.27},
                                       {tr("Name"), 0.23},
                                       {tr("Wert"), 0.21, Qt::AlignRight},
                                       {tr("Einheit"), 0.09},
                                       {tr("Standard"), 0.20, Qt::AlignRight}};
        QVector<TTabellenZeile> geaendert;
        for (const TEingabeZeile& z : alle)
            if (z.Abweichend) geaendert.append(zeile(z));
        if (geaendert.isEmpty()) {
            s.Absatz(tr("Alle Eingaben stehen auf ihrem Standardwert."),
                     BerichtSchrift(Grundschrift, true), s.Millimeter(3));
        } else {
            TTabellenZeile titel;
            titel.Zellen = {tr("Vom Standardwert abweichend")};
            titel.Zwischentitel = true;
            geaendert.prepend(titel);
            s.Tabelle(spalten, geaendert, BerichtSchrift(Tabellenschrift), s.Millimeter(4));
        }
        QVector<TTabellenZeile> zeilen;
        std::string gruppe;
        for (const TEingabeZeile& z : alle) {
            if (z.Abweichend) continue;
            if (z.Gruppe != gruppe) {
                gruppe = z.Gruppe;
                TTabellenZeile titel;
                titel.Zellen = {Katalog(gruppe)};
                titel.Zwischentitel = true;
                zeilen.append(titel);
            }
            zeilen.append(zeile(z));
        }
        s.Tabelle(spalten, zeilen, BerichtSchrift(Tabellenschrift), s.Millimeter(4));
    }
};

} // namespace

std::pair<int, int> KaeltesteWoche(const TAuswertung& a) {
    const TStundenFeld& t = a.Modell->Reihen.Tein;
    int kaelteste = 1;
    for (int h = 2; h <= StundenImJahr; ++h)
        if (t[h] < t[kaelteste]) kaelteste = h;
    const int von = std::clamp(kaelteste - 84, 1, StundenImJahr - 167);
    return {von, von + 167};
}

int PdfBerichtSchreiben(const TAuswertung& auswertung, const TBerichtKopf& kopf,
                        const QString& datei) {
    const std::string name = QDir::toNativeSeparators(datei).toStdString();
    SchreibbarPruefen(name);
    // set in memory, then written like every other file of KOV (atomically, a link replaced
    // rather than written through)
    QByteArray inhalt;
    QBuffer ausgabe(&inhalt);
    ausgabe.open(QIODevice::WriteOnly);

    const TRegisterParameter& p = auswertung.Modell->Parameter;
    std::vector<TKlimaCheckJahr> gerechnet;
    TKlimaWahl klima;
    if (kopf.KlimaCheck.empty() && WetterArt(p) == TWetterArt::Klima &&
        KlimaWahlLesen(p.Klima, klima))
        // the run's own relative flow is its schedule file, read once already
        gerechnet = KlimaCheckRechnen(p, klima.Region,
                                      p.FahrplanGelesen ? &auswertung.Modell->Reihen.RelVolumenstrom
                                                        : nullptr);
    const TBerichtSatz bericht(auswertung, kopf,
                               kopf.Projektname.isEmpty()
                                   ? Text(auswertung.Modell->Parameter.Projektname)
                                   : kopf.Projektname,
                               (kopf.Datum.isValid() ? kopf.Datum : QDate::currentDate())
                                   .toString(QStringLiteral("dd.MM.yyyy")),
                               kopf.KlimaCheck.empty() ? gerechnet : kopf.KlimaCheck);

    QPdfWriter pdf(&ausgabe);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    pdf.setResolution(Aufloesung);
    pdf.setTitle(QCoreApplication::translate("PdfBericht", "Auslegungsbericht Luft-Erdregister: %1")
                     .arg(bericht.Name()));
    pdf.setCreator(Text(VersionText("KOV")));
    QPainter maler;
    if (!maler.begin(&pdf)) throw TDateiFehler(MeldungZugriffVerweigert, name);

    const auto mm = [](double wert) { return wert / 25.4 * Aufloesung; };
    const QRectF spiegel(mm(20), mm(18), mm(170), mm(297 - 18 - 22));
    const QRectF fuss(mm(20), mm(297 - 16), mm(170), mm(8));

    // the first pass counts the pages, the second draws them with "Seite i von n"
    TSeitenSatz zaehlen(maler, spiegel, false, {}, {});
    bericht.Setzen(zaehlen);
    const int seiten = zaehlen.Abschliessen();

    const QFont fussSchrift = BerichtSchrift(7.5);
    TSeitenSatz satz(
        maler, spiegel, true, [&pdf] { pdf.newPage(); },
        [&](int nummer) {
            maler.save();
            maler.setPen(QPen(QColor(120, 120, 120), mm(0.2)));
            maler.drawLine(QPointF(fuss.left(), fuss.top()), QPointF(fuss.right(), fuss.top()));
            maler.setPen(Qt::black);
            const QRectF innen = fuss.adjusted(0, mm(1.5), 0, 0);
            const QFontMetricsF masse(fussSchrift, &pdf);
            const QString rechts = QCoreApplication::translate("PdfBericht", "Seite %1 von %2")
                                       .arg(nummer)
                                       .arg(seiten);
            const double rechtsBreite = masse.horizontalAdvance(rechts) + mm(4);
            // the full name is on the title page; the foot shortens it to its one line
            const QString links = masse.elidedText(
                QCoreApplication::translate("PdfBericht", "KOV – Auslegungsbericht %1")
                    .arg(bericht.Name()),
                Qt::ElideRight, innen.width() - rechtsBreite);
            TextZeichnen(maler, fussSchrift, innen.adjusted(0, 0, -rechtsBreite, 0), links);
            TextZeichnen(maler, fussSchrift, innen, rechts, Qt::AlignRight);
            maler.restore();
        });
    bericht.Setzen(satz);
    satz.Abschliessen();
    maler.end();
    DateiSchreiben(name,
                   std::string_view(inhalt.constData(), static_cast<std::size_t>(inhalt.size())));
    return seiten;
}

} // namespace kov
