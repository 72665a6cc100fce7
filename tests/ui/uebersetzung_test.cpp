// The English interface beside the German one: the translation file, the language choice, the
// windows in both languages, German number format in the views and the report that stays German.

#include "ablauf/auslegungsbericht.h"
#include "ablauf/klima_check.h"
#include "auswertungs_hilfen.h"
#include "fenster_hilfen.h"
#include "model/betriebszeiten.h"
#include "model/bodenarten.h"
#include "model/parameter_katalog.h"
#include "pdf_text.h"
#include "register/anlage_text.h"
#include "register/auslegungs_pruefung.h"
#include "register/kennwerte_text.h"
#include "register/kosten_text.h"
#include "register/lueftungsanlage.h"
#include "register/parameter_pruefung.h"
#include "register/register_lauf.h"
#include "register/register_text.h"
#include "register/variantenstudie.h"
#include "register/wirtschaftlichkeit.h"
#include "sprach_umgebung.h"
#include "test_hilfen.h"
#include "ui/anlage_ansicht.h"
#include "ui/ansicht_export.h"
#include "ui/anwendung.h"
#include "ui/auswertungs_fenster.h"
#include "ui/bericht_format.h"
#include "ui/betriebszeiten_dialog.h"
#include "ui/eingabe_fenster.h"
#include "ui/grafik_fenster.h"
#include "ui/info_fenster.h"
#include "ui/katalog_texte.h"
#include "ui/kennwerte_fenster.h"
#include "ui/kern_texte.h"
#include "ui/meldung_texte.h"
#include "ui/parameter_dialog.h"
#include "ui/pruef_anzeige.h"
#include "ui/sprache.h"
#include "ui/start_fenster.h"
#include "ui/varianten_fenster.h"
#include "ui/varianten_tabelle.h"
#include "ui/zahl_format.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace kov {
namespace {

using test::TSprachUmgebung;

struct TTsEintrag {
    QString Kontext, Quelle, Uebersetzung;
    bool Unfertig = false;
};

std::vector<TTsEintrag> TsLesen(const QString& datei) {
    QFile f(datei);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << datei.toStdString();
    std::vector<TTsEintrag> eintraege;
    QXmlStreamReader xml(&f);
    QString kontext;
    TTsEintrag e;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"name") kontext = xml.readElementText();
        if (xml.name() == u"message") e = TTsEintrag{kontext, {}, {}, false};
        if (xml.name() == u"source") e.Quelle = xml.readElementText();
        if (xml.name() == u"translation") {
            const QString typ = xml.attributes().value(QStringLiteral("type")).toString();
            e.Unfertig = typ == u"unfinished" || typ == u"vanished" || typ == u"obsolete";
            e.Uebersetzung = xml.readElementText();
            eintraege.push_back(e);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return eintraege;
}

std::multiset<QString> Platzhalter(const QString& text) {
    static const QRegularExpression muster(QStringLiteral("%(\\d+|[vm])"));
    std::multiset<QString> gefunden;
    for (auto it = muster.globalMatch(text); it.hasNext();)
        gefunden.insert(it.next().captured(0));
    return gefunden;
}

// "&Speichern": the letter after a single & is the menu entry's mnemonic
bool HatKuerzel(const QString& text) {
    static const QRegularExpression kuerzel(QStringLiteral("&[^&\\s]"));
    return kuerzel.match(text).hasMatch();
}

TEST(Uebersetzung, JederEintragIstFertigUndPasstZurQuelle) {
    const std::vector<TTsEintrag> eintraege = TsLesen(QStringLiteral(KOV_TS_DATEIEN));
    // the interface has some 500 texts; a file that lost them would pass every check below
    ASSERT_GT(eintraege.size(), 500u);
    for (const TTsEintrag& e : eintraege) {
        const std::string fall = e.Kontext.toStdString() + " / \"" + e.Quelle.toStdString() + "\"";
        EXPECT_FALSE(e.Unfertig) << fall;
        EXPECT_FALSE(e.Uebersetzung.trimmed().isEmpty()) << fall;
        // every argument the code fills in must have its place in the English sentence
        EXPECT_EQ(Platzhalter(e.Quelle), Platzhalter(e.Uebersetzung)) << fall;
        EXPECT_EQ(HatKuerzel(e.Quelle), HatKuerzel(e.Uebersetzung)) << fall;
        // texts that are glued to a number or a unit keep their blanks and line breaks
        EXPECT_EQ(e.Quelle.startsWith(QLatin1Char(' ')),
                  e.Uebersetzung.startsWith(QLatin1Char(' ')))
            << fall;
        EXPECT_EQ(e.Quelle.endsWith(QLatin1Char('\n')), e.Uebersetzung.endsWith(QLatin1Char('\n')))
            << fall;
    }
}

TEST(Uebersetzung, EnglischUndDeutschMitQtsEigenenTexten) {
    {
        TSprachUmgebung englisch(QStringLiteral("en"));
        EXPECT_EQ(englisch.Uebersetzung.Sprache(), QStringLiteral("en"));
        EXPECT_EQ(QCoreApplication::translate("kov::TForm2", "Berechnen"),
                  QStringLiteral("Calculate"));
        EXPECT_EQ(QCoreApplication::translate("kov::TForm3", "Neues Projekt"),
                  QStringLiteral("New project"));
        EXPECT_EQ(QLocale().language(), QLocale::English);
        // Qt's own buttons stay in Qt's English
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                  QStringLiteral("Cancel"));
    }
    TUebersetzung deutsch;
    ASSERT_TRUE(deutsch.Laden(QStringLiteral("de")));
    EXPECT_EQ(QCoreApplication::translate("kov::TForm2", "Berechnen"), QStringLiteral("Berechnen"));
    EXPECT_EQ(QLocale().language(), QLocale::German);
    // Debian's qt6-translations-l10n: the buttons of file dialogs and message boxes in German
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
    EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("Suchen in:"));
}

TEST(Uebersetzung, JederKatalogTextHatSeineEnglischeFassung) {
    std::set<std::string> bekannt;
    for (const char* text : KatalogQuelltexte())
        bekannt.insert(text);
    TSprachUmgebung englisch(QStringLiteral("en"));
    const auto pruefen = [&](std::string_view text, std::string_view wo) {
        if (text.empty()) return;
        EXPECT_TRUE(bekannt.count(std::string(text)))
            << wo << ": \"" << text << "\" fehlt in KatalogQuelltexte (ui/katalog_texte.cpp)";
        EXPECT_NE(KatalogText(text).toStdString(), std::string(text))
            << wo << ": \"" << text << "\" ist nicht übersetzt";
    };
    for (const TKatalogEintrag& e : ParameterKatalog()) {
        pruefen(e.Bezeichnung, e.Name);
        pruefen(e.Beschreibung, e.Name);
    }
    for (int g = 0; g <= static_cast<int>(TParameterGruppe::Auslegungspruefung); ++g)
        pruefen(GruppenName(static_cast<TParameterGruppe>(g)), "Gruppe");
    // the soil list: every soil but the empty first item
    std::set<std::string> boeden;
    for (const char* text : BodenartQuelltexte())
        boeden.insert(text);
    for (const TBodenart& art : Bodenarten()) {
        if (art.Text.empty()) continue;
        EXPECT_TRUE(boeden.count(std::string(art.Text))) << art.Text;
        EXPECT_NE(BodenartText(art.Text).toStdString(), std::string(art.Text)) << art.Text;
    }
}

TEST(Uebersetzung, KennwerteUndPruefungDesKerns) {
    const TAuswertung& a = *test::StandardAuswertung();
    const std::vector<TKennwertZeile> zeilen = KennwerteZeilen(a.Kennwerte, a.Modell->Parameter);
    {
        TSprachUmgebung englisch(QStringLiteral("en"));
        // every label of the figures of a run without ventilation unit
        for (const TKennwertZeile& z : zeilen)
            EXPECT_NE(KernText(z.Bezeichnung).toStdString(), z.Bezeichnung) << "nicht übersetzt";
        const struct {
            const char* Kern;
            const char* Englisch;
        } faelle[] = {
            {"26. Januar, 08–09 Uhr (Stunde 609)", "January 26, 08:00–09:00 (hour 609)"},
            {"Stunden mit Aussenluft unter Frostgrenze (-2.5 °C)",
             "Hours with outdoor air below the frost limit (-2.5 °C)"},
            {"nicht erfüllt", "not met"},
            {"Tiefste Austrittstemperatur im Betrieb", "Lowest outlet temperature in operation"},
            {"ein Text, den niemand übersetzt", "ein Text, den niemand übersetzt"},
        };
        for (const auto& f : faelle)
            EXPECT_EQ(KernText(f.Kern).toStdString(), f.Englisch) << f.Kern;
    }
    // German keeps the core's words; the limit gets its decimal comma
    EXPECT_EQ(KernText("26. Januar, 08–09 Uhr (Stunde 609)").toStdString(),
              "26. Januar, 08–09 Uhr (Stunde 609)");
    EXPECT_EQ(KernText("Stunden mit Aussenluft unter Frostgrenze (-2.5 °C)").toStdString(),
              "Stunden mit Aussenluft unter Frostgrenze (-2,5 °C)");
}

// A sentence the English interface still shows in German: umlauts or German function words.
bool NochDeutsch(const QString& text) {
    static const QRegularExpression deutsch(
        QStringLiteral(
            "[äöüßÄÖÜ]|\\b(und|der|die|das|mit|ohne|nach|im|über|unter|muss|darf|nicht|sein)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return deutsch.match(text).hasMatch();
}

TEST(Uebersetzung, SaetzeDesKernsMitIhrenZahlen) {
    const TRegisterParameter basis = test::StandardAuswertung()->Modell->Parameter;
    TPruefDaten d0;
    d0.Geschwindigkeit = 2.0;
    d0.Gelaufen = true;
    d0.TausMinBetrieb = basis.Frostgrenze + 5;
    d0.NtuJeMeter = 0.01;
    // one change from the base per case; together they reach every branch of the check
    const struct {
        const char* Fall;
        void (*Aendern)(TRegisterParameter&, TPruefDaten&);
    } faelle[] = {
        {"Basis", [](TRegisterParameter&, TPruefDaten&) {}},
        {"zu schnell", [](TRegisterParameter& p,
                          TPruefDaten& d) { d.Geschwindigkeit = 10 * p.MaxGeschwindigkeit; }},
        {"nie gelaufen", [](TRegisterParameter&, TPruefDaten& d) { d.Gelaufen = false; }},
        {"Frost",
         [](TRegisterParameter& p, TPruefDaten& d) { d.TausMinBetrieb = p.Frostgrenze - 5; }},
        {"Druckverlust",
         [](TRegisterParameter& p, TPruefDaten& d) { d.Druckverlust = 10 * p.DruckverlustBudget; }},
        {"flach", [](TRegisterParameter& p, TPruefDaten&) { p.Tiefe = p.FrostfreieTiefe / 2; }},
        {"tief, weit",
         [](TRegisterParameter& p, TPruefDaten&) {
             p.Tiefe = p.FrostfreieTiefe + 1;
             p.Rohrabstand = 100;
         }},
        {"eng",
         [](TRegisterParameter& p, TPruefDaten&) { p.Rohrabstand = p.MindestRohrabstand / 2; }},
        {"enger als der Erdbereich",
         [](TRegisterParameter& p, TPruefDaten&) {
             p.MindestRohrabstand = 0.01;
             p.Rohrabstand = 0.5;
             p.SimRadius = 2;
         }},
        // Re = w R D / nu at the smallest flow share R
        {"laminar",
         [](TRegisterParameter& p, TPruefDaten& d) {
             d.RelVolumenstromMin = 1000 * p.ViskositaetLuft / (d.Geschwindigkeit * p.DRohr);
         }},
        {"Übergang",
         [](TRegisterParameter& p, TPruefDaten& d) {
             d.RelVolumenstromMin = 5000 * p.ViskositaetLuft / (d.Geschwindigkeit * p.DRohr);
         }},
        {"turbulent",
         [](TRegisterParameter& p, TPruefDaten& d) {
             d.RelVolumenstromMin = 50000 * p.ViskositaetLuft / (d.Geschwindigkeit * p.DRohr);
         }},
        {"Kondensat", [](TRegisterParameter&, TPruefDaten& d) { d.KondensatJahr = 12.5; }},
        {"zu lang", [](TRegisterParameter&, TPruefDaten& d) { d.NtuJeMeter = 100; }},
        {"Wetter des vorigen Berichts",
         [](TRegisterParameter& p, TPruefDaten&) { p.EingebautesWetter = false; }},
        {"Klima",
         [](TRegisterParameter& p, TPruefDaten&) {
             p.EingebautesWetter = true;
             p.Klima = "TRY2015-01-Jahr";
         }},
        {"Wetterdatei",
         [](TRegisterParameter& p, TPruefDaten&) {
             p.EingebautesWetter = true;
             p.Klima.clear();
             p.WetterDatei = "standort.wet";
         }},
        {"eingebautes Jahr",
         [](TRegisterParameter& p, TPruefDaten&) {
             p.EingebautesWetter = true;
             p.Klima.clear();
             p.WetterDatei.clear();
         }},
    };
    std::set<std::string> saetze;
    // the same sentence with another number is the same branch
    std::set<QString> muster;
    static const QRegularExpression ziffern(QStringLiteral("[0-9]"));
    std::vector<std::string> namen;
    for (const auto& f : faelle) {
        TRegisterParameter p = basis;
        TPruefDaten d = d0;
        f.Aendern(p, d);
        for (const TPruefRegel& r : AuslegungPruefen(p, d)) {
            saetze.insert(r.Erlaeuterung);
            muster.insert(QString::fromStdString(r.Erlaeuterung).remove(ziffern));
            namen.push_back(r.Bezeichnung);
        }
    }
    // the check has 23 verdicts with their explanation; fewer means a case above missed a branch
    EXPECT_EQ(muster.size(), 23u);
    // the ventilation unit's rows of the key figures, with hours for the dates beside them
    TAnlagenKennwerte anlage;
    anlage.MitRegister.ZuluftNachWRGMinStunde = 609;
    anlage.MitRegister.ZuluftSommerMaxStunde = 4800;
    std::vector<TKennwertZeile> anlagenZeilen;
    AnlagenZeilenAnfuegen(anlage, basis, anlagenZeilen);
    ASSERT_FALSE(anlagenZeilen.empty());
    const std::vector<TKlimaCheckZeile> klimaZeilen = KlimaCheckZeilen({});

    TSprachUmgebung englisch(QStringLiteral("en"));
    const auto englischPruefen = [](const std::string& kern, const char* wo) {
        if (kern.empty()) return;
        const QString text = KernText(kern);
        EXPECT_FALSE(NochDeutsch(text))
            << wo << ": \"" << kern << "\" -> \"" << text.toStdString() << "\"";
    };
    for (const std::string& s : saetze)
        englischPruefen(s, "Erläuterung der Prüfung");
    for (const std::string& s : namen)
        englischPruefen(s, "Regel der Prüfung");
    for (const TKennwertZeile& z : anlagenZeilen) {
        englischPruefen(z.Bezeichnung, "Kennwert des Lüftungsgeräts");
        englischPruefen(z.Zeitpunkt, "Zeitpunkt oder Vergleich des Lüftungsgeräts");
    }
    for (const TKlimaCheckZeile& z : klimaZeilen)
        englischPruefen(z.Name, "Zeile des Klimachecks");

    // numbers inside a sentence keep their value and take the interface's format
    const struct {
        const char* Kern;
        const char* Englisch;
    } zahlen[] = {
        {"Die Strömung ist beim kleinsten Volumenstrom im Übergangsbereich (unter 10000).",
         "The flow is in the transition range at the smallest volume flow (below 10000)."},
        {"Lüftungsgerät: Frostschutzstunden mit Register (Ansaug unter -3.5 °C)",
         "Ventilation unit: frost protection hours with heat exchanger (intake below -3.5 °C)"},
        {"26. Januar, 08–09 Uhr (Stunde 609); ohne Register: -3.0 °C",
         "January 26, 08:00–09:00 (hour 609); without heat exchanger: -3.0 °C"},
        {"Vor- + Nachheizung ohne Register minus mit Register; WRG 80 %, Abluft 21.0 °C",
         "Preheating + reheating without heat exchanger minus with heat exchanger; heat recovery "
         "80 %, extract air 21.0 °C"},
    };
    for (const auto& z : zahlen)
        EXPECT_EQ(KernText(z.Kern).toStdString(), z.Englisch) << z.Kern;
}

// The design report's sentences of the core in every branch the core can write them.
std::vector<std::string> BerichtsSaetze() {
    std::vector<std::string> saetze;
    const TAuswertung& a = *test::StandardAuswertung();
    // the classic model's method: control on and off, given or undisturbed ground, no, one and
    // two settling years, settled and not
    auto m = std::make_unique<TModell>(*a.Modell);
    TKennwerte kw = a.Kennwerte;
    for (const int jahre : {0, 1, 2})
        for (const bool geregelt : {true, false})
            for (const double aenderung : {0.001, 0.05}) {
                m->Parameter.Einschwingjahre = jahre;
                m->Parameter.Geregelt = geregelt;
                m->Parameter.SpezielleRandbedingung = !geregelt;
                kw.EinschwingAenderungHeizen = aenderung;
                kw.EinschwingAenderungKuehlen = -aenderung / 2;
                for (const std::string& s : MethodenAbsaetze(*m, kw))
                    saetze.push_back(s);
            }
    // the register model: with and without humidity data, one and several steps an hour and
    // settling years, settled and not
    TRegisterAngaben r;
    r.Gerechnet = true;
    r.VerschiedeneRohre = 8;
    r.Aufloesung.Erdreich.ZellenWinkel = 40;
    r.Aufloesung.Erdreich.ZellenRadial = 20;
    r.Aufloesung.Erdreich.ErsteSchicht = 0.02;
    r.Aufloesung.Erdreich.Zeitkonstanten = 8;
    r.Aufloesung.AxialZellen = 12;
    r.Aufloesung.EinschwingGrenze = 0.001;
    for (const int n : {1, 3})
        for (const bool feucht : {true, false})
            for (const double aenderung : {0.0002, 0.004}) {
                r.Aufloesung.SubSchritte = n;
                r.Einschwingjahre = n;
                r.Feuchtedaten = feucht;
                r.EinschwingAenderung = aenderung;
                const TRegisterModellText t = RegisterModellBeschreiben(m->Parameter, r);
                saetze.insert(saetze.end(), {t.Modell, t.Aufloesung, t.Konvergenz});
            }
    saetze.push_back(RegisterModellBeschreiben(m->Parameter, TRegisterAngaben{}).Modell);
    // the cost rows, the pipe's price inside and outside the table, paid back or not
    TWirtschaftlichkeit w = a.Bewertung.Kosten;
    for (const bool aussen : {false, true}) {
        w.RohrpreisAusserhalb = aussen;
        w.Amortisiert = aussen;
        for (const TKennwertZeile& z : KostenZeilen(w))
            saetze.insert(saetze.end(), {z.Bezeichnung, z.Wert});
    }
    return saetze;
}

TEST(Uebersetzung, BerichtsSaetzeInDerSpracheUndZahlformDesBerichts) {
    const std::vector<std::string> saetze = BerichtsSaetze();
    ASSERT_GT(saetze.size(), 60u);
    const QLocale deutsch(QLocale::German);
    // German: every sentence as the report printed it before, its numbers in the locale's form
    for (const std::string& s : saetze)
        EXPECT_EQ(KernText(s, deutsch), ZahlenOertlich(deutsch, QString::fromStdString(s))) << s;
    TSprachUmgebung englisch(QStringLiteral("en"));
    for (const std::string& s : saetze) {
        const QString text = KernText(s, QLocale::c());
        EXPECT_FALSE(NochDeutsch(text)) << "\"" << s << "\" -> \"" << text.toStdString() << "\"";
    }
    // the report's locale rules the numbers, not the interface's: an English sentence for a
    // German-formatted report, and the same in the machine form
    const struct {
        const char* Kern;
        QLocale Ort;
        const char* Text;
    } faelle[] = {
        {"Graben, 15.00 m breit, 1.100 m tief: 825.0 m³", deutsch,
         "Trench, 15,00 m wide, 1,100 m deep: 825,0 m³"},
        {"Graben, 15.00 m breit, 1.100 m tief: 825.0 m³", QLocale::c(),
         "Trench, 15.00 m wide, 1.100 m deep: 825.0 m³"},
        {"Energien und Ventilatorstrom sind über die Stunden 2 bis 8760 des ausgewerteten Jahres "
         "summiert wie die Jahressummen des Berichts; Extremwerte, Stundenzahlen und Kondensat "
         "über alle 8760 Stunden.",
         deutsch,
         "Energies and fan electricity are summed over the hours 2 to 8760 of the evaluated year "
         "like the annual totals of the report; extremes, hour counts and condensate over all "
         "8760 hours."},
        {"ohne Register: -3.0 °C", deutsch, "without heat exchanger: -3,0 °C"},
        {"ein Satz mit 12345.6 kWh, den niemand übersetzt", deutsch,
         "ein Satz mit 12\u202F345,6 kWh, den niemand übersetzt"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(KernText(f.Kern, f.Ort), QString::fromUtf8(f.Text)) << f.Kern;
}

TEST(Uebersetzung, SaetzeDesKernsBleibenDeutschMitDeutschenZahlen) {
    // German keeps the sentence and writes its numbers as the German views do
    const struct {
        const char* Kern;
        QString Deutsch;
    } faelle[] = {
        {"Die Strömung ist beim kleinsten Volumenstrom im Übergangsbereich (unter 10000).",
         QStringLiteral("Die Strömung ist beim kleinsten Volumenstrom im Übergangsbereich (unter "
                        "10\u202F000).")},
        {"ohne Register: -3.5 °C", QStringLiteral("ohne Register: -3,5 °C")},
        {"VDI 2067 ist kein Satz des Kerns", QStringLiteral("VDI 2067 ist kein Satz des Kerns")},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(KernText(f.Kern), f.Deutsch) << f.Kern;
}

TEST(Uebersetzung, MeldungenDesKernsUeberBereicheUndModellteile) {
    TRegisterParameter p = test::StandardAuswertung()->Modell->Parameter;
    // a value out of its range, one of a month, two shares that add up to more than 1, a name
    p.Rohrlaenge = -1;
    p.ErdTemperaturSpeziell[3] = std::numeric_limits<double>::quiet_NaN();
    p.AnteilAdiabat = 0.7;
    p.AnteilKeller = 0.6;
    p.OutputFile.clear();
    const std::vector<std::string> meldungen = ParameterPruefen(p, nullptr);
    ASSERT_GE(meldungen.size(), 4u);
    const std::string luft(KatalogEintrag("Volumenstrom")->Bezeichnung);
    const std::string probe = "Die Luftgeschwindigkeit lässt sich mit diesen Parametern nicht "
                              "berechnen; zu prüfen: " +
                              luft + " (Volumenstrom).";

    TSprachUmgebung englisch(QStringLiteral("en"));
    for (const char* text : MeldungQuelltexte())
        EXPECT_NE(QCoreApplication::translate("kov::Meldungen", text).toStdString(),
                  std::string(text))
            << text;
    for (const std::string& m : meldungen) {
        const QString text = MeldungText(m);
        EXPECT_FALSE(NochDeutsch(text)) << m << " -> " << text.toStdString();
    }
    // the parameter's name and the numbers stay as the core wrote them
    const QString alle = MeldungText(meldungen.front() + "\n" + meldungen.back());
    EXPECT_EQ(alle.count(QLatin1Char('\n')), 1) << alle.toStdString();
    const QString zusammen = MeldungText(
        "Adiabater Anteil und Kelleranteil (AnteilAdiabat + AnteilKeller) dürfen zusammen "
        "höchstens 1 sein.");
    EXPECT_EQ(zusammen.toStdString(), "Adiabatic share and cellar share (AnteilAdiabat + "
                                      "AnteilKeller) must not add up to more than 1.");
    const QString bereich = MeldungText("Erdtemperatur März (ErdTemperaturSpeziell[3]) muss "
                                        "zwischen -50 und 60 °C liegen.");
    EXPECT_TRUE(bereich.endsWith(
        QStringLiteral(" March (ErdTemperaturSpeziell[3]) must lie between -50 and 60 °C.")))
        << bereich.toStdString();
    const QString teil = MeldungText(probe);
    EXPECT_TRUE(teil.startsWith(
        QStringLiteral("The air velocity cannot be calculated with these parameters; to check: ")))
        << teil.toStdString();
    EXPECT_TRUE(teil.endsWith(QStringLiteral(" (Volumenstrom).")));
    EXPECT_FALSE(NochDeutsch(teil)) << teil.toStdString();
    // a line nobody translates comes back as it was
    EXPECT_EQ(MeldungText("Datei fehlt: a.txt"), QStringLiteral("Datei fehlt: a.txt"));
}

TEST(Uebersetzung, FehlerDesWochenplans) {
    // one text for every reason the schedule's parser gives, and where it gives it
    const char* const texte[] = {"",           "Mo 7",       "Mo 7x",        "Xx 7-18",
                                 " 7-18",      "Mo -18",     "Mo 7-",        "Mo 7-25",
                                 "Mo 7.5-18",  "Mo 18-7",    "Mo 7-18 x",    "Mo 7-18 50",
                                 "Mo 7-18 0%", "Fr-Mo 7-18", "Mo 7-18 50% x"};
    std::vector<std::string> meldungen;
    for (const char* t : texte) {
        meldungen.push_back(BetriebszeitenFehler(t));
        ASSERT_FALSE(meldungen.back().empty()) << t;
        // German: the parser's sentence as it stands
        EXPECT_EQ(MeldungText(meldungen.back()).toStdString(), meldungen.back()) << t;
    }
    TSprachUmgebung englisch(QStringLiteral("en"));
    for (const std::string& m : meldungen) {
        const QString text = MeldungText(m);
        EXPECT_FALSE(NochDeutsch(text)) << m << " -> " << text.toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("(Betriebszeiten), character ")))
            << text.toStdString();
    }
    EXPECT_TRUE(MeldungText(BetriebszeitenFehler("Mo 7-18 50"))
                    .endsWith(QStringLiteral("character 11: Expected \"%\" after the share, but "
                                             "the text ends here.")))
        << MeldungText(BetriebszeitenFehler("Mo 7-18 50")).toStdString();
    EXPECT_TRUE(MeldungText(BetriebszeitenFehler("Fr-Mo 7-18"))
                    .endsWith(QStringLiteral("the week runs from Mo to So; \"Fr-Mo\" runs "
                                             "backwards.")));
    // the weekly editor shows the reason in the interface's language
    TBetriebszeitenDialog dialog(nullptr, "Mo-Fr 7-18");
    dialog.Kurzform->setText(QStringLiteral("Mo-Fr 18-7"));
    EXPECT_TRUE(dialog.Fehler().contains(
        QStringLiteral("character 7: the end hour must come after the start hour")))
        << dialog.Fehler().toStdString();
}

TEST(Uebersetzung, AbsagenDesRegistermodellsDerAnlageUndDerPreistabelle) {
    TRegisterParameter p = test::StandardAuswertung()->Modell->Parameter;
    std::vector<std::string> meldungen;
    const auto sammeln = [&meldungen](const std::vector<std::string>& m) {
        meldungen.insert(meldungen.end(), m.begin(), m.end());
    };
    p.Modell = "regsiter";
    sammeln(RegisterParameterMeldungen(p));
    // the register model's geometry: shares, spacing, depth and number of pipes
    p.Modell = "register";
    p.AnteilAdiabat = 0.1;
    p.Rohrabstand = 0.1;
    p.Tiefe = 0.01;
    p.AnzahlRohre = 250;
    sammeln(RegisterParameterMeldungen(p));
    // a weekly plan beside a schedule file, an unknown control
    p.Betriebszeiten = "Mo-Fr 7-18";
    p.FahrplanGelesen = true;
    p.Regelung = "immer";
    sammeln(AnlagenParameterPruefen(p));
    for (const char* preise : {"0.1:25;0.1:30", "0.1:-5", "", "0.1-25"}) {
        try {
            RohrpreiseLesen(preise);
            ADD_FAILURE() << preise;
        } catch (const TParameterFehler& f) {
            meldungen.emplace_back(f.what());
        }
    }
    std::string alle;
    for (const std::string& m : meldungen)
        alle += m + "\n";
    ASSERT_EQ(meldungen.size(), 11u) << alle;
    for (const std::string& m : meldungen)
        EXPECT_EQ(MeldungText(m).toStdString(), m);
    TSprachUmgebung englisch(QStringLiteral("en"));
    for (const std::string& m : meldungen) {
        const QString text = MeldungText(m);
        EXPECT_FALSE(NochDeutsch(text)) << m << " -> " << text.toStdString();
    }
    EXPECT_EQ(MeldungText(meldungen.front()).toStdString(),
              "Calculation model (Modell) must be \"klassisch\" or \"register\".");
}

TEST(Uebersetzung, FehlerDesStudienentwurfs) {
    // what the study's parser throws for a bad list, range or condition
    const auto geworfen = [](auto lesen) -> std::string {
        try {
            lesen();
        } catch (const TStudienFehler& f) {
            return f.what();
        }
        return "nichts geworfen";
    };
    const struct {
        std::string Kern;
        const char* Englisch;
    } faelle[] = {
        {geworfen([] { VariationLesen("Rohrlaenge", "30,x"); }),
         "Rohrlaenge: \"x\" is not a number (use a decimal point)."},
        {geworfen([] { VariationLesen("Rohrlaenge", "60:30:10"); }),
         "Rohrlaenge: the range ends before it begins."},
        {geworfen([] { VariationLesen("Rohrlaenge", "30:60:0"); }),
         "Rohrlaenge: the step of a range must be greater than 0."},
        {geworfen([] { VariationLesen("Gibtsnicht", "1"); }), "Gibtsnicht: unknown parameter."},
        {geworfen([] { BedingungLesen("Druckverlust=5"); }),
         "\"Druckverlust=5\": a condition has the form FIGURE<=VALUE or FIGURE>=VALUE."},
        {"Variante 3: Rohrlänge (Rohrlaenge) darf nicht negativ sein.",
         "Variant 3: Pipe length (Rohrlaenge) must not be negative."},
    };
    TSprachUmgebung englisch(QStringLiteral("en"));
    for (const auto& f : faelle)
        EXPECT_EQ(MeldungText(f.Kern).toStdString(), f.Englisch) << f.Kern;
}

TEST(Sprache, FolgtDemGebietsschemaBisDerNutzerWaehlt) {
    static QTemporaryDir einstellungen;
    ASSERT_TRUE(einstellungen.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, einstellungen.path());
    SpracheMerken({});
    const struct {
        const char* Gebiet;
        const char* Sprache;
    } faelle[] = {{"de_DE", "de"}, {"de_AT", "de"}, {"de_CH", "de"}, {"en_US", "en"},
                  {"en_GB", "en"}, {"fr_FR", "en"}, {"C", "en"}};
    for (const auto& f : faelle)
        EXPECT_EQ(SpracheBestimmen(QLocale(QString::fromLatin1(f.Gebiet))).toStdString(), f.Sprache)
            << f.Gebiet;

    SpracheMerken(QStringLiteral("en"));
    EXPECT_EQ(SpracheBestimmen(QLocale(QStringLiteral("de_DE"))), QStringLiteral("en"));
    SpracheMerken(QStringLiteral("de"));
    EXPECT_EQ(SpracheBestimmen(QLocale(QStringLiteral("en_US"))), QStringLiteral("de"));
    SpracheMerken(QStringLiteral("xx")); // no language of the program: forgotten
    EXPECT_EQ(SpracheBestimmen(QLocale(QStringLiteral("en_US"))), QStringLiteral("en"));

    // the menu offers both, the one in use checked, and keeps a choice for the next start
    test::TArbeitsVerzeichnis arbeit;
    TAnwendung anwendung;
    QMenu* menue = anwendung.Form2().Menue->findChild<QMenu*>(QStringLiteral("SprachMenue"));
    ASSERT_NE(menue, nullptr);
    EXPECT_EQ(menue->title(), QStringLiteral("Sprache / Language"));
    auto* deutsch = menue->findChild<QAction*>(QStringLiteral("Sprache_de"));
    auto* englisch = menue->findChild<QAction*>(QStringLiteral("Sprache_en"));
    ASSERT_TRUE(deutsch && englisch);
    EXPECT_TRUE(englisch->isChecked()) << "en_US without a choice";
    const QStringList meldungen = test::MeldungenAbfangen([&] { deutsch->trigger(); });
    ASSERT_EQ(meldungen.size(), 1);
    EXPECT_TRUE(meldungen[0].contains(QStringLiteral("nächsten Start")));
    EXPECT_EQ(GemerkteSprache(), QStringLiteral("de"));
    SpracheMerken({});
}

// Every plain one-line label of the window shows its whole text at its width.
QStringList AbgeschnitteneTexte(const QWidget& fenster) {
    QStringList abgeschnitten;
    for (const QLabel* marke : fenster.findChildren<QLabel*>()) {
        if (!marke->isVisible() || marke->wordWrap() || marke->text().isEmpty()) continue;
        if (marke->textFormat() == Qt::RichText || marke->text().contains(QLatin1Char('<')))
            continue;
        for (const QString& zeile : marke->text().split(QLatin1Char('\n'))) {
            const int noetig = marke->fontMetrics().horizontalAdvance(zeile);
            if (noetig > marke->contentsRect().width())
                abgeschnitten << QStringLiteral("%1: \"%2\" braucht %3, hat %4")
                                     .arg(marke->objectName(), zeile)
                                     .arg(noetig)
                                     .arg(marke->contentsRect().width());
        }
    }
    // a push button does not elide: its text runs over its frame
    for (const QPushButton* knopf : fenster.findChildren<QPushButton*>()) {
        if (!knopf->isVisible() || knopf->text().isEmpty()) continue;
        const QString text = QString(knopf->text()).remove(QLatin1Char('&'));
        const int noetig = knopf->fontMetrics().horizontalAdvance(text) + 6;
        if (noetig > knopf->width())
            abgeschnitten << QStringLiteral("%1: \"%2\" braucht %3, hat %4")
                                 .arg(knopf->objectName(), text)
                                 .arg(noetig)
                                 .arg(knopf->width());
    }
    return abgeschnitten;
}

// The longest entry of a table's column fits the column.
QStringList AbgeschnitteneSpalten(const QTableWidget& tabelle) {
    QStringList abgeschnitten;
    const QFontMetrics metrik = tabelle.fontMetrics();
    for (int s = 0; s < tabelle.columnCount(); ++s)
        for (int z = 0; z < tabelle.rowCount(); ++z) {
            const QTableWidgetItem* zelle = tabelle.item(z, s);
            if (zelle == nullptr) continue;
            const QFontMetrics m(zelle->font());
            if (m.horizontalAdvance(zelle->text()) > tabelle.columnWidth(s))
                abgeschnitten << QStringLiteral("%1 [%2,%3] \"%4\"")
                                     .arg(tabelle.objectName())
                                     .arg(z)
                                     .arg(s)
                                     .arg(zelle->text());
        }
    return abgeschnitten;
}

TEST(Oberflaeche, FensterInBeidenSprachenOhneAbgeschnitteneTexte) {
    const struct {
        const char* Sprache;
        const char* Berechnen;
        const char* Titel;
        const char* Projekt;
        const char* Neu;
    } faelle[] = {{"de", "Berechnen", "KOV - Eingaben", "&Projekt", "Neues Projekt"},
                  {"en", "Calculate", "KOV - Inputs", "&Project", "New project"}};
    for (const auto& f : faelle) {
        const std::string sprache = f.Sprache;
        TSprachUmgebung umgebung(QString::fromLatin1(f.Sprache));
        test::TArbeitsVerzeichnis arbeit;
        TAnwendung anwendung;
        TForm2& eingabe = anwendung.Form2();
        EXPECT_EQ(anwendung.Form3()
                      .findChild<QPushButton*>(QStringLiteral("ButtonLaden"))
                      ->text()
                      .toStdString(),
                  f.Neu)
            << sprache;
        for (QWidget* fenster :
             std::initializer_list<QWidget*>{&anwendung.Form3(), &anwendung.Form4()}) {
            fenster->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster)) << sprache;
            EXPECT_EQ(AbgeschnitteneTexte(*fenster).join(QLatin1Char('\n')).toStdString(), "")
                << sprache << ": " << fenster->objectName().toStdString();
            fenster->hide();
        }

        eingabe.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&eingabe)) << sprache;
        EXPECT_EQ(eingabe.Berechnen->text().toStdString(), f.Berechnen) << sprache;
        EXPECT_EQ(eingabe.windowTitle().toStdString(), f.Titel) << sprache;
        EXPECT_EQ(eingabe.Menue->actions().front()->text().toStdString(), f.Projekt) << sprache;
        EXPECT_EQ(AbgeschnitteneTexte(eingabe).join(QLatin1Char('\n')).toStdString(), "")
            << sprache << ": Eingabefenster";

        // the run, then its figures and the evaluation
        ASSERT_TRUE(test::BerechnenUndAbwarten(eingabe, anwendung.Form1()).empty()) << sprache;
        EXPECT_EQ(AbgeschnitteneTexte(anwendung.Form1()).join(QLatin1Char('\n')).toStdString(), "")
            << sprache;
        anwendung.Form1().Button16->click();
        TKennwerteFenster& kennwerte = *anwendung.Form1().Kennwerte;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&kennwerte)) << sprache;
        EXPECT_EQ(AbgeschnitteneTexte(kennwerte).join(QLatin1Char('\n')).toStdString(), "")
            << sprache << ": Kennwerte";
        for (const QTableWidget* t : {kennwerte.Tabelle, kennwerte.Monatstabelle})
            EXPECT_EQ(AbgeschnitteneSpalten(*t).join(QLatin1Char('\n')).toStdString(), "")
                << sprache;
        kennwerte.hide();

        anwendung.Form1().Button17->click();
        TAuswertungsFenster& auswertung = *anwendung.Form1().Auswertung;
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&auswertung)) << sprache;
        EXPECT_EQ(AbgeschnitteneTexte(auswertung).join(QLatin1Char('\n')).toStdString(), "")
            << sprache << ": Auswertung";
        // the figures and the monthly table side by side at the window's first size, as far as
        // the screen has room (the offscreen screen is smaller than a desktop)
        const QSize tabellen(auswertung.Tabelle->width() + auswertung.Monatstabelle->width(),
                             auswertung.Tabelle->height());
        const QSize bildschirm = auswertung.screen()->availableGeometry().size();
        EXPECT_GE(auswertung.width(), std::min(tabellen.width(), bildschirm.width() - 40))
            << sprache;
        EXPECT_GE(auswertung.height(), std::min(tabellen.height(), bildschirm.height() - 80))
            << sprache;
        auswertung.hide();

        TVariantenFenster& varianten = anwendung.Variantenvergleich();
        varianten.Oeffnen();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&varianten)) << sprache;
        EXPECT_EQ(AbgeschnitteneTexte(varianten).join(QLatin1Char('\n')).toStdString(), "")
            << sprache << ": Varianten";
    }
}

TEST(Oberflaeche, VariantentabelleZeigtDieBedingungenGanz) {
    test::TArbeitsVerzeichnis arbeit;
    TAnwendung anwendung;
    TVariantenFenster& f = anwendung.Variantenvergleich();
    // 4 variants; 10 pipes at 3700 m3/h run at 3.54 m/s and break both limits below
    const auto waehlen = [](QComboBox* wahl, const char* name) {
        wahl->setCurrentIndex(std::max(0, wahl->findData(QString::fromLatin1(name))));
    };
    for (std::size_t i = 0; i < f.ParameterWahl.size(); ++i) {
        waehlen(f.ParameterWahl[i], "");
        f.WerteFeld[i]->clear();
    }
    waehlen(f.ParameterWahl[0], "AnzahlRohre");
    f.WerteFeld[0]->setText(QStringLiteral("10,20"));
    waehlen(f.ParameterWahl[1], "Rohrlaenge");
    f.WerteFeld[1]->setText(QStringLiteral("30,60"));
    for (int i = 0; i < f.BodenWahl->count(); ++i)
        f.BodenWahl->item(i)->setCheckState(Qt::Unchecked);
    waehlen(f.BedingungsWahl[0], "Stroemungsgeschwindigkeit");
    f.GrenzFeld[0]->setText(QStringLiteral("3"));
    waehlen(f.BedingungsWahl[2], "DruckverlustGesamt");
    f.GrenzFeld[2]->setText(QStringLiteral("5"));
    QSignalSpy ende(&f, &TVariantenFenster::LaufBeendet);
    ASSERT_TRUE(f.StartenClick());
    ASSERT_TRUE(ende.wait(60000));
    const int spalte =
        f.Modell->ErsteKennwertSpalte() + static_cast<int>(StudienKennwerte().size());
    int breitester = 0;
    for (int z = 0; z < f.Sortierung->rowCount(); ++z)
        breitester = std::max(breitester, f.Tabelle->fontMetrics().horizontalAdvance(
                                              f.Sortierung->index(z, spalte).data().toString()));
    EXPECT_GT(breitester, 0) << "no variant breaks a condition";
    EXPECT_GE(f.Tabelle->columnWidth(spalte), breitester);
}

TEST(Zahlformat, DeutscheAnsichtenMitDezimalkommaUndSchmalenTausendern) {
    const QString schmal(QChar(0x202F));
    const struct {
        double Wert;
        int Dezimalen;
        QString Deutsch, Englisch;
    } faelle[] = {
        {20.34, 1, QStringLiteral("20,3"), QStringLiteral("20.3")},
        {12345.67, 1, QStringLiteral("12") + schmal + QStringLiteral("345,7"),
         QStringLiteral("12345.7")},
        {-1234567.0, 0,
         QStringLiteral("-1") + schmal + QStringLiteral("234") + schmal + QStringLiteral("567"),
         QStringLiteral("-1234567")},
        {999.0, 0, QStringLiteral("999"), QStringLiteral("999")},
        {-0.04, 1, QStringLiteral("0,0"), QStringLiteral("0.0")}, // no minus before a zero
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(ZahlAnsicht(f.Wert, f.Dezimalen), f.Deutsch) << f.Wert;
        {
            TSprachUmgebung englisch(QStringLiteral("en"));
            EXPECT_EQ(ZahlAnsicht(f.Wert, f.Dezimalen), f.Englisch) << f.Wert;
        }
    }
    // text that is not a bare number stays as the core wrote it
    for (const char* text : {"–", "12.5 °C", "nicht berechnet", "1.2.3", "TRY2015"})
        EXPECT_EQ(ZahlTextAnsicht(QString::fromUtf8(text)), QString::fromUtf8(text)) << text;
    // groups from five digits on, as in the design report
    EXPECT_EQ(ZahlTextAnsicht(QStringLiteral("-4321.50")), QStringLiteral("-4321,50"));
    EXPECT_EQ(ZahlTextAnsicht(QStringLiteral("-54321.50")),
              QStringLiteral("-54") + schmal + QStringLiteral("321,50"));
    // the design check's quantities: comparison, number, unit
    const struct {
        const char* Kern;
        QString Deutsch;
    } groessen[] = {{"≤ 3.00 m/s", QStringLiteral("≤ 3,00 m/s")},
                    {"27.0 Pa", QStringLiteral("27,0 Pa")},
                    {"≥ 2300", QStringLiteral("≥ 2300")},
                    {"≥ 23000", QStringLiteral("≥ 23") + schmal + QStringLiteral("000")},
                    {"-2.1 °C", QStringLiteral("-2,1 °C")},
                    {"–", QStringLiteral("–")},
                    {"TRY2015-05-Jahr", QStringLiteral("TRY2015-05-Jahr")}};
    for (const auto& g : groessen)
        EXPECT_EQ(GroesseTextAnsicht(QString::fromUtf8(g.Kern)), g.Deutsch) << g.Kern;
}

// The live design check beside the inputs: 2.36 m/s at 3700 m3/h and Re 31 304 at the defaults
// (the preview's own test), in each language's number format.
TEST(Zahlformat, PruefungNebenDenEingabenInDerSpracheDerOberflaeche) {
    const struct {
        const char* Sprache;
        QString Geschwindigkeit, Reynolds, Name;
    } faelle[] = {
        {"de", QStringLiteral("2,36 m/s"), QStringLiteral("31\u202F304 "),
         QStringLiteral("Luftgeschwindigkeit")},
        {"en", QStringLiteral("2.36 m/s"), QStringLiteral("31304 "),
         QStringLiteral("Air velocity")},
    };
    for (const auto& f : faelle) {
        TSprachUmgebung umgebung(QString::fromLatin1(f.Sprache));
        test::TArbeitsVerzeichnis arbeit;
        TAnwendung anwendung;
        anwendung.Form2().show();
        const TPruefAnzeige& pruefung = *anwendung.Form2().Pruefung;
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return pruefung.Zeilen.size() > 5 && pruefung.Zeilen[0].Wert->text() != "–"; },
            20000))
            << f.Sprache;
        EXPECT_EQ(pruefung.Zeilen[0].Wert->text(), f.Geschwindigkeit) << f.Sprache;
        EXPECT_EQ(pruefung.Zeilen[0].Name->text(), f.Name) << f.Sprache;
        EXPECT_TRUE(pruefung.Zeilen[5].Wert->text().startsWith(f.Reynolds))
            << f.Sprache << ": " << pruefung.Zeilen[5].Wert->text().toStdString();
    }
}

TEST(Zahlformat, KennwerteFensterSchreibtDeutsch) {
    test::TArbeitsVerzeichnis arbeit;
    TAnwendung anwendung;
    anwendung.Form2().show();
    ASSERT_TRUE(test::BerechnenUndAbwarten(anwendung.Form2(), anwendung.Form1()).empty());
    anwendung.Form1().Button16->click();
    const TKennwerteFenster& kennwerte = *anwendung.Form1().Kennwerte;
    // the friction of the defaults, 20.34 Pa as kov-run --json gives it
    EXPECT_EQ(kennwerte.Tabelle->item(2, 1)->text(), QStringLiteral("20,3"));
    // the year's heating energy has five digits before the comma
    const QString jahr = kennwerte.Monatstabelle->item(12, 1)->text();
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral("^\\d{1,3}(\u202F\\d{3})*,\\d$")).match(jahr).hasMatch())
        << jahr.toStdString();
    EXPECT_EQ(kennwerte.Monatstabelle->item(12, 0)->text(), QStringLiteral("Jahr"));
}

// The PDF the evaluation window saves speaks the interface's language, numbers included.
TEST(Bericht, PdfInDerSpracheDerOberflaeche) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext fehlt";
    const auto text = [](const QString& datei) { return test::PdfText(datei).simplified(); };
    // the default design: 15 pipes of 50 m, lowest outlet -2.1 °C (the report's own test)
    const struct {
        const char* Sprache;
        QStringList Enthalten;
        QStringList Nicht;
    } faelle[] = {
        {"en",
         {QStringLiteral("Design report earth-air heat exchanger"), QStringLiteral("Key figures"),
          QStringLiteral("Design check"), QStringLiteral("each 50.0 m long (750.0 m in total)"),
          QStringLiteral("Lowest outlet temperature -2.1 °C"),
          // the tables' texts from the core and the catalogue: rules, figures, costs, inputs
          QStringLiteral("The air flows slowly enough."), QStringLiteral("Annuity factor"),
          QStringLiteral("Capital-related annuity"), QStringLiteral("January"),
          QStringLiteral("Pipe wall thickness"), QStringLiteral("Material properties"),
          QStringLiteral("Model: KOV calculates one representative pipe"),
          QStringLiteral("all months 10"), QStringLiteral("1 years"),
          // the weather section: the core's summary of the built-in year
          QStringLiteral("design year built into the program"), QStringLiteral("Annual mean"),
          QStringLiteral("Monthly means in °C"), QStringLiteral("Hours below 0 °C")},
         {QStringLiteral("Auslegungsbericht"),
          QStringLiteral("Kennwerte"),
          QStringLiteral("750,0"),
          QStringLiteral("Die Luft strömt"),
          QStringLiteral("Reynoldszahl"),
          QStringLiteral("Luftgeschwindigkeit"),
          QStringLiteral("Annuitätsfaktor"),
          QStringLiteral("Kapitalgebundene"),
          QStringLiteral("Rohrwandstärke"),
          QStringLiteral("Stoffwerte"),
          QStringLiteral("Einschwingjahr vor dem"),
          QStringLiteral("Modell: KOV rechnet"),
          QStringLiteral("alle Monate"),
          QStringLiteral(" nein "),
          QStringLiteral("1 Jahre"),
          QStringLiteral("Jahresmittel"),
          QStringLiteral("Monatsmittel"),
          QStringLiteral("Stunden unter 0"),
          QStringLiteral(" Uhr)"),
          QStringLiteral("Aussenlufttemperatur")}},
        {"de",
         {QStringLiteral("Auslegungsbericht Luft-Erdregister"), QStringLiteral("Kennwerte"),
          QStringLiteral("je 50,0 m lang (zusammen 750,0 m)"),
          QStringLiteral("Tiefste Austrittstemperatur -2,1 °C"),
          QStringLiteral("Die Luft strömt langsam genug."), QStringLiteral("Annuitätsfaktor"),
          QStringLiteral("Januar"), QStringLiteral("Rohrwandstärke"), QStringLiteral("Stoffwerte"),
          QStringLiteral("Modell: KOV rechnet"), QStringLiteral("alle Monate 10"),
          QStringLiteral("1 Jahre"), QStringLiteral("Jahresmittel"),
          QStringLiteral("Monatsmittel in °C")},
         {QStringLiteral("Key figures"), QStringLiteral("750.0"), QStringLiteral("January"),
          QStringLiteral("Pipe wall thickness")}},
    };
    for (const auto& f : faelle) {
        const std::string sprache = f.Sprache;
        TSprachUmgebung umgebung(QString::fromLatin1(f.Sprache));
        test::TArbeitsVerzeichnis arbeit;
        TAnwendung anwendung;
        anwendung.Form2().show();
        ASSERT_TRUE(test::BerechnenUndAbwarten(anwendung.Form2(), anwendung.Form1()).empty())
            << sprache;
        anwendung.Form1().Button17->click();
        ASSERT_TRUE(anwendung.Form1().Auswertung->PdfSpeichern(QStringLiteral("b.pdf"))) << sprache;
        const QString inhalt = text(QStringLiteral("b.pdf"));
        for (const QString& t : f.Enthalten)
            EXPECT_TRUE(inhalt.contains(t)) << sprache << ": " << t.toStdString();
        for (const QString& t : f.Nicht)
            EXPECT_FALSE(inhalt.contains(t)) << sprache << ": " << t.toStdString();
    }
}

TEST(Export, StundenwerteMitSpaltentitelnInDerSpracheDerOberflaeche) {
    const auto kopf = [](const char* sprache) {
        TSprachUmgebung umgebung(QString::fromLatin1(sprache));
        test::TArbeitsVerzeichnis arbeit;
        StundenCsvSpeichern(*test::StandardAuswertung(), QStringLiteral("h.csv"),
                            TDezimalZeichen::Komma);
        QFile f(QStringLiteral("h.csv"));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        const QList<QByteArray> zeilen = f.readAll().split('\n');
        EXPECT_EQ(zeilen.size(), 8762) << sprache;
        return std::pair{QString::fromUtf8(zeilen.value(0)), QString::fromUtf8(zeilen.value(1))};
    };
    const auto [deutsch, stundeDe] = kopf("de");
    const auto [englisch, stundeEn] = kopf("en");
    // German: the table as kov.txt users know it; English: the titles only, the data the same
    EXPECT_EQ(deutsch.toStdString(),
              "Stunde;Datum;Uhrzeit;Eintrittstemperatur Tein [°C];Austrittstemperatur Taus [°C];"
              "Relativer Volumenstrom [-];Relative Feuchte [%];Taupunkt [°C];Monitortemperatur "
              "[°C];Betrieb [-];Kondensat [kg/h]\r");
    EXPECT_EQ(englisch.toStdString(),
              "Hour;Date;Time;Inlet temperature Tein [°C];Outlet temperature Taus [°C];"
              "Relative volume flow [-];Relative humidity [%];Dew point [°C];Monitor temperature "
              "[°C];Operation [-];Condensate [kg/h]\r");
    EXPECT_EQ(stundeDe, stundeEn);
}

TEST(Bodenliste, NenntDenBodenNachDemDialogUndNachDemLaden) {
    test::TArbeitsVerzeichnis arbeit;
    TAnwendung anwendung;
    TForm2& eingabe = anwendung.Form2();
    const struct {
        const char* Fall;
        const char* Lambda;
        const char* Rho;
        const char* Cp;
    } faelle[] = {{"Sand feucht", "1.0", "1700", "700"},
                  {"Stahlbeton, mit Dezimalkomma", "1,8", "2400", "1100"},
                  {"Erde trocken", "0.35", "1500", "840"},
                  {"kein Boden der Liste", "1.5", "1400", "1400"}};
    const int eintraege[] = {9, 11, 1, 0}; // the list's item, 0: none of the list
    int i = 0;
    for (const auto& f : faelle) {
        const int erwartet = eintraege[i++];
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<TParameterDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->Feld("LambdaErde")->setText(QString::fromLatin1(f.Lambda));
            dialog->Feld("RhoErde")->setText(QString::fromLatin1(f.Rho));
            dialog->Feld("CpErde")->setText(QString::fromLatin1(f.Cp));
            dialog->accept();
        });
        ASSERT_TRUE(eingabe.WeitereParameter()) << f.Fall;
        EXPECT_EQ(eingabe.CErde->currentIndex(), erwartet) << f.Fall;
        EXPECT_EQ(eingabe.CErde->currentText(), erwartet > 0 ? eingabe.CErde->itemText(erwartet)
                                                             : QStringLiteral("benutzerdefiniert"))
            << f.Fall;
        // naming the soil does not rewrite the fields with the list's strings
        EXPECT_EQ(eingabe.AktuelleParameter().LambdaErde, anwendung.Kontext().Parameter.LambdaErde)
            << f.Fall;
    }

    // chosen from the list, saved, then another project, then loaded again
    eingabe.CErde->setCurrentIndex(6);
    ASSERT_TRUE(eingabe.ProjektSpeichernNach(QStringLiteral("lehm.kov")));
    ASSERT_TRUE(eingabe.ProjektNeu());
    EXPECT_EQ(eingabe.CErde->currentIndex(), 0);
    ASSERT_TRUE(eingabe.ProjektLaden(QStringLiteral("lehm.kov")));
    EXPECT_EQ(eingabe.CErde->currentIndex(), 6);
    EXPECT_EQ(eingabe.ElambdaErde->text(), QStringLiteral("1.6"));
}

TEST(Bericht, BleibtMitEnglischerOberflaecheByteGleich) {
    const QByteArray lang = qgetenv("LANG");
    qputenv("LANG", "en_US.UTF-8");
    {
        TSprachUmgebung englisch(QStringLiteral("en"));
        test::TArbeitsVerzeichnis arbeit;
        TAnwendung anwendung;
        anwendung.Form2().show();
        ASSERT_TRUE(test::BerechnenUndAbwarten(anwendung.Form2(), anwendung.Form1()).empty());
        QFile bericht(QStringLiteral("kov.txt"));
        ASSERT_TRUE(bericht.open(QIODevice::ReadOnly));
        // the classic run's report, as kov-run writes it with the defaults
        EXPECT_EQ(QCryptographicHash::hash(bericht.readAll(), QCryptographicHash::Md5).toHex(),
                  QByteArray("fc1e045996c553eb16216cd9487b911d"));
    }
    qputenv("LANG", lang);
}

} // namespace
} // namespace kov

namespace kov {
namespace {

// Pictures of the main windows in both languages for docs/, written only when
// KOV_SCREENSHOT_DIR names a directory: start_de.png, eingabe_en.png, ...
TEST(Bildschirmfotos, HauptfensterInBeidenSprachen) {
    const QString ziel = qEnvironmentVariable("KOV_SCREENSHOT_DIR");
    if (ziel.isEmpty()) GTEST_SKIP() << "KOV_SCREENSHOT_DIR ist nicht gesetzt";
    const QDir verzeichnis(QDir(ziel).absolutePath());
    ASSERT_TRUE(verzeichnis.exists());
    for (const char* kuerzel : {"de", "en"}) {
        const QString sprache = QString::fromLatin1(kuerzel);
        const auto speichern = [&](QWidget& fenster, const char* name) {
            ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
            QTest::qWait(200);
            const QString datei =
                verzeichnis.filePath(QStringLiteral("%1_%2.png").arg(QLatin1String(name), sprache));
            EXPECT_TRUE(fenster.grab().save(datei)) << datei.toStdString();
        };
        TSprachUmgebung umgebung(sprache);
        test::TArbeitsVerzeichnis arbeit;
        TAnwendung anwendung;
        anwendung.Form3().resize(846, 619);
        anwendung.Form3().show();
        speichern(anwendung.Form3(), "start");
        anwendung.Form3().hide();
        TForm2& eingabe = anwendung.Form2();
        eingabe.show();
        speichern(eingabe, "eingabe");
        ASSERT_TRUE(test::BerechnenUndAbwarten(eingabe, anwendung.Form1()).empty());
        speichern(anwendung.Form1(), "grafik");
        anwendung.Form1().Button16->click();
        speichern(*anwendung.Form1().Kennwerte, "kennwerte");
        anwendung.Form1().Kennwerte->hide();
        anwendung.Form1().Button17->click();
        TAuswertungsFenster& auswertung = *anwendung.Form1().Auswertung;
        speichern(auswertung, "auswertung");
        auswertung.AnsichtWaehlen(TAnsicht::Kennwerte);
        speichern(auswertung, "auswertung_kennwerte");
        auto* reiter = auswertung.findChild<QTabWidget*>(QStringLiteral("Reiter"));
        ASSERT_NE(reiter, nullptr);
        reiter->setCurrentWidget(auswertung.findChild<TAnlagenAnsicht*>());
        speichern(auswertung, "auswertung_anlage");
        auswertung.hide();
        TParameterDialog dialog(&eingabe, eingabe.AktuelleParameter(), {});
        dialog.show();
        speichern(dialog, "parameter");
        dialog.reject();
        anwendung.Variantenvergleich().Oeffnen();
        speichern(anwendung.Variantenvergleich(), "varianten");
    }
}

} // namespace
} // namespace kov
