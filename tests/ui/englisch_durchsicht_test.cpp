// Every window of the English interface read through: no German sentence or label is left in
// what a user sees (captions, tables, lists, tabs, menus, tooltips), after a run of each model
// with the ventilation unit and a study.

#include "auswertungs_hilfen.h"
#include "fenster_hilfen.h"
#include "model/klima_regionen.h"
#include "pdf_text.h"
#include "sprach_umgebung.h"
#include "test_hilfen.h"
#include "ui/anwendung.h"
#include "ui/auswertungs_fenster.h"
#include "ui/betriebszeiten_dialog.h"
#include "ui/eingabe_fenster.h"
#include "ui/grafik_fenster.h"
#include "ui/hersteller.h"
#include "ui/info_fenster.h"
#include "ui/kennwerte_fenster.h"
#include "ui/klima_check_anzeige.h"
#include "ui/klima_dialog.h"
#include "ui/parameter_dialog.h"
#include "ui/querschnitt_ansicht.h"
#include "ui/regelungs_vergleich.h"
#include "ui/sprache.h"
#include "ui/start_fenster.h"
#include "ui/varianten_fenster.h"
#include "ui/varianten_tabelle.h"
#include "varianten_hilfen.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

namespace kov {
namespace {

// German function words and letters that English never has; names of places, stations,
// parameters and the weather service's attribution are allowed below.
bool NochDeutsch(const QString& text) {
    static const QRegularExpression deutsch(
        QStringLiteral(
            "[äöüßÄÖÜ]|\\b(und|der|die|das|des|dem|den|mit|ohne|nach|im|über|unter|"
            "muss|darf|nicht|sein|ist|sind|wird|bei|vom|zum|zur|aus|oder|je|keine|"
            "Stunde|Stunden|Datei|Monat|Jahr|Erdreich|Rohr|Rohre|Wetter|Bericht|"
            "Luft|Boden|Kennwerte|Variante|Varianten|Eingaben|Berechnen|bis|als|ganze|Zahl|"
            "mindestens|Dateiname|Tag|Woche)\\b"),
        QRegularExpression::CaseInsensitiveOption);
    return deutsch.match(text).hasMatch();
}

// What may stay: the attribution the licence asks for, the names of the 15 climate regions
// and their stations, and the schedule's syntax.
QString OhneEigennamen(QString text) {
    static const QRegularExpression erlaubt(
        QStringLiteral("Datenbasis: Deutscher Wetterdienst|Deutscher Wetterdienst|"
                       "\\b(Mo|Di|Mi|Do|Fr|Sa|So|Nacht)\\b"));
    // the built-in design year's and the maker's names, and the title of his book
    static const QStringList namen = {QStringLiteral("Zürich SMA DRY-Daten"),
                                      QStringLiteral("TRY2015-05-Jahr"),
                                      QString::fromUtf8(HerstellerStrasse),
                                      QStringLiteral("Luft-Erdregister: Auslegung und Betrieb")};
    text.remove(erlaubt);
    for (const QString& n : namen)
        text.remove(n);
    for (const TKlimaRegion& r : KlimaRegionenListe()) {
        text.remove(QString::fromUtf8(r.Region.data(), static_cast<qsizetype>(r.Region.size())));
        text.remove(QString::fromUtf8(r.Station.data(), static_cast<qsizetype>(r.Station.size())));
    }
    return text;
}

// The design report the read-through wrote, as pdftotext gives it, its lines joined (a name may
// break across them) and cut after each sentence and each cell; empty without pdftotext.
QStringList BerichtsSaetze() {
    const QString text = test::PdfText(QStringLiteral("durchsicht.pdf"))
                             .replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.split(QRegularExpression(QStringLiteral("(?<=[.;])\\s+|\\s{2,}")),
                      Qt::SkipEmptyParts);
}

class TDurchsicht {
public:
    // felder: also the text of read-only edit fields (the edit fields keep the machine's number
    // form in every language)
    explicit TDurchsicht(bool (*auffaellig)(const QString&), bool felder = true)
        : Auffaellig(auffaellig), Felder(felder) {}

    void Fenster(const QWidget& w, const QString& wo) {
        Text(w.windowTitle(), wo + QStringLiteral(" Titel"));
        for (const QWidget* k : w.findChildren<QWidget*>()) {
            const QString ort = wo + QLatin1Char('/') + k->metaObject()->className() +
                                QLatin1Char(' ') + k->objectName();
            Text(k->toolTip(), ort + QStringLiteral(" Tooltip"));
            if (const auto* l = qobject_cast<const QLabel*>(k)) Text(l->text(), ort);
            if (const auto* b = qobject_cast<const QAbstractButton*>(k)) Text(b->text(), ort);
            if (const auto* g = qobject_cast<const QGroupBox*>(k)) Text(g->title(), ort);
            if (const auto* e = qobject_cast<const QLineEdit*>(k)) {
                Text(e->placeholderText(), ort);
                if (e->isReadOnly() && Felder) Text(e->text(), ort);
            }
            if (const auto* c = qobject_cast<const QComboBox*>(k))
                for (int i = 0; i < c->count(); ++i)
                    Text(c->itemText(i), ort);
            if (const auto* t = qobject_cast<const QTabWidget*>(k))
                for (int i = 0; i < t->count(); ++i)
                    Text(t->tabText(i), ort);
            if (const auto* v = qobject_cast<const QAbstractItemView*>(k)) Modell(*v, ort);
            for (const QAction* a : k->actions()) {
                Text(a->text(), ort);
                Text(a->toolTip(), ort);
                if (a->menu() != nullptr)
                    for (const QAction* m : a->menu()->actions())
                        Text(m->text(), ort);
            }
        }
    }

    QStringList Gefunden() const { return {Funde.begin(), Funde.end()}; }
    int Gelesen() const { return Anzahl; }

private:
    void Modell(const QAbstractItemView& v, const QString& ort) {
        const QAbstractItemModel* m = v.model();
        if (m == nullptr) return;
        for (int s = 0; s < m->columnCount(); ++s)
            Text(m->headerData(s, Qt::Horizontal).toString(), ort);
        for (int z = 0; z < std::min(m->rowCount(), 60); ++z) {
            Text(m->headerData(z, Qt::Vertical).toString(), ort);
            for (int s = 0; s < m->columnCount(); ++s) {
                Text(m->index(z, s).data().toString(), ort);
                Text(m->index(z, s).data(Qt::ToolTipRole).toString(), ort);
            }
        }
    }
    void Text(const QString& text, const QString& ort) {
        if (text.isEmpty()) return;
        ++Anzahl;
        if (Auffaellig(text)) Funde.insert(ort + QStringLiteral(": ") + text);
    }
    bool (*Auffaellig)(const QString&);
    bool Felder;
    std::set<QString> Funde;
    int Anzahl = 0;
};

// Opens every window and dialog as a user would reach them and reads each through: the start,
// info and input windows, the parameter, schedule and climate dialogs, a classic run with its
// figures and evaluation tabs, a register run with the ventilation unit, the controls'
// comparison, the climate check and a cross-section, and a finished study.
void AlleFensterDurchsehen(TDurchsicht& durchsicht) {
    TAnwendung anwendung;
    TForm2& eingabe = anwendung.Form2();
    durchsicht.Fenster(anwendung.Form3(), QStringLiteral("Start"));
    durchsicht.Fenster(anwendung.Form4(), QStringLiteral("Info"));
    eingabe.show();
    durchsicht.Fenster(eingabe, QStringLiteral("Eingabe"));
    {
        TParameterDialog dialog(&eingabe, TRegisterParameter{}, ".");
        durchsicht.Fenster(dialog, QStringLiteral("Parameter"));
        TBetriebszeitenDialog plan(&eingabe, "Mo-Fr 7-18; Sa 8-12 50%; Nacht 22-6");
        durchsicht.Fenster(plan, QStringLiteral("Betriebszeiten"));
        TKlimaDialog klima(&eingabe, "5:Wint:2045");
        durchsicht.Fenster(klima, QStringLiteral("Klima"));
    }
    ASSERT_TRUE(test::BerechnenUndAbwarten(eingabe, anwendung.Form1()).empty());
    durchsicht.Fenster(anwendung.Form1(), QStringLiteral("Grafik"));
    anwendung.Form1().Button16->click();
    durchsicht.Fenster(*anwendung.Form1().Kennwerte, QStringLiteral("Kennwerte"));
    anwendung.Form1().Button17->click();
    TAuswertungsFenster& auswertung = *anwendung.Form1().Auswertung;
    for (int i = 0; i < auswertung.Reiter->count(); ++i) {
        auswertung.Reiter->setCurrentIndex(i);
        QTest::qWait(20);
        durchsicht.Fenster(auswertung,
                           QStringLiteral("Auswertung ") + auswertung.Reiter->tabText(i));
    }
    auswertung.hide();

    // the register model with the ventilation unit and a built-in climate: its tabs, the
    // comparison of the controls, the climate check and the cross-section
    TRegisterParameter p = test::StandardAuswertung()->Modell->Parameter;
    p.Modell = "register";
    p.WRG = true;
    p.Klima = "5";
    p.Betriebszeiten = "Mo-Fr 7-18";
    eingabe.VarianteZeigen(p, 0);
    ASSERT_TRUE(test::BerechnenUndAbwarten(eingabe, anwendung.Form1()).empty());
    anwendung.Form1().Button17->click();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return !auswertung.Vergleich->Rechnet() &&
                   auswertung.KlimaCheck->Tabelle->rowCount() > 0;
        },
        120000));
    auswertung.Reiter->setCurrentWidget(auswertung.Querschnitt);
    QSignalSpy gezeigt(auswertung.Querschnitt, &TQuerschnittAnsicht::Gezeigt);
    auswertung.Querschnitt->Rechnen->click();
    ASSERT_TRUE(gezeigt.wait(60000));
    for (int i = 0; i < auswertung.Reiter->count(); ++i) {
        auswertung.Reiter->setCurrentIndex(i);
        QTest::qWait(20);
        durchsicht.Fenster(auswertung, QStringLiteral("Register ") + auswertung.Reiter->tabText(i));
    }

    // and its design report, which the tests read as text (durchsicht.pdf)
    ASSERT_TRUE(auswertung.PdfSpeichern(QStringLiteral("durchsicht.pdf")));

    // a study of two lengths with a condition, finished
    TVariantenFenster& varianten = anwendung.Variantenvergleich();
    varianten.Oeffnen();
    durchsicht.Fenster(varianten, QStringLiteral("Varianten"));
    test::VariantenZeilenLeeren(varianten);
    test::VariantenZeileSetzen(varianten, 0, "Rohrlaenge", "30,50");
    varianten.Starten->click();
    ASSERT_TRUE(test::VariantenLaufAbwarten(varianten, 120000));
    ASSERT_EQ(varianten.Modell->rowCount(), 2);
    durchsicht.Fenster(varianten, QStringLiteral("Studie"));
}

TEST(Oberflaeche, EnglischOhneDeutscheTexte) {
    test::TSprachUmgebung englisch(QStringLiteral("en"));
    test::TArbeitsVerzeichnis arbeit;
    TDurchsicht durchsicht([](const QString& text) { return NochDeutsch(OhneEigennamen(text)); });
    AlleFensterDurchsehen(durchsicht);
    if (::testing::Test::HasFatalFailure()) return;
    // the windows were read: a few thousand texts, and the detector knows German when it sees it
    EXPECT_GT(durchsicht.Gelesen(), 2000);
    TDurchsicht probe([](const QString& text) { return NochDeutsch(OhneEigennamen(text)); });
    QWidget fenster;
    new QLabel(QStringLiteral("Rohrlänge der Rohre"), &fenster);
    new QLabel(QStringLiteral("Pipe length (Rohrlaenge), Region 5 Essen"), &fenster);
    probe.Fenster(fenster, QStringLiteral("Probe"));
    EXPECT_EQ(probe.Gelesen(), 2);
    EXPECT_EQ(probe.Gefunden().size(), 1);
    const QStringList funde = durchsicht.Gefunden();
    EXPECT_TRUE(funde.isEmpty()) << funde.join(QLatin1Char('\n')).toStdString();
    // the register run's report: every sentence and cell English
    const QStringList saetze = BerichtsSaetze();
    if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        EXPECT_GT(saetze.size(), 300);
    }
    QStringList bericht;
    for (const QString& zeile : saetze)
        if (NochDeutsch(OhneEigennamen(zeile))) bericht << zeile;
    EXPECT_TRUE(bericht.isEmpty()) << bericht.join(QLatin1Char('\n')).toStdString();
}

// A number with a decimal point standing alone ("2.5", not "2.0.0" or "31.12.2024"), or five
// digits and more without their groups. The program's version and revision, the licence's
// version and the maker's postcode are no quantities, and the soil list keeps the classic input
// window's captions ("lambda 1.5 W/mK").
bool NichtDeutschGeschrieben(const QString& text) {
    static const QRegularExpression zahl(
        QStringLiteral("(?<![\\d.,:;\\w])-?\\d+\\.\\d+(?![\\d.:])|"
                       "(?<![\\d.,\\w\\x{202F}])\\d{5,}(?![\\d])"));
    static const QRegularExpression ausgenommen(
        QStringLiteral("KOV \\d\\.\\d|Version \\d\\.\\d|CC BY \\d\\.\\d|Revision \\S+|\\(lambda "
                       "\\d+\\.\\d+ W/mK\\)"));
    return zahl.match(QString(text).remove(ausgenommen).remove(QString::fromUtf8(HerstellerOrt)))
        .hasMatch();
}

TEST(Oberflaeche, DeutschMitDezimalkommaUndTausendergruppen) {
    test::TArbeitsVerzeichnis arbeit;
    TDurchsicht durchsicht(NichtDeutschGeschrieben, false);
    AlleFensterDurchsehen(durchsicht);
    if (::testing::Test::HasFatalFailure()) return;
    EXPECT_GT(durchsicht.Gelesen(), 2000);
    const QStringList funde = durchsicht.Gefunden();
    EXPECT_TRUE(funde.isEmpty()) << funde.join(QLatin1Char('\n')).toStdString();
    const QStringList saetze = BerichtsSaetze();
    if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        EXPECT_GT(saetze.size(), 300);
    }
    QStringList bericht;
    for (const QString& zeile : saetze)
        if (NichtDeutschGeschrieben(zeile)) bericht << zeile;
    EXPECT_TRUE(bericht.isEmpty()) << bericht.join(QLatin1Char('\n')).toStdString();
}

} // namespace
} // namespace kov
