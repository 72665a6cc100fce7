// The evaluation window: reached from the chart window after a run and withdrawn after a failed
// one, its views with the value under the mouse and zoom, and the exports behind its buttons
// with their dialogs answered as a user would.
#include "ui/auswertungs_fenster.h"

#include "fenster_hilfen.h"
#include "pdf_text.h"
#include "register/kennwerte_text.h"
#include "test_hilfen.h"
#include "ui/anlage_ansicht.h"
#include "ui/anwendung.h"
#include "ui/bericht_format.h"
#include "ui/diagramm_ansicht.h"
#include "ui/eingabe_fenster.h"
#include "ui/grafik_fenster.h"
#include "ui/kennwerte_fenster.h"
#include "ui/klima_check_anzeige.h"
#include "ui/kopflos.h"
#include "ui/lauf_steuerung.h"
#include "ui/zahl_format.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QValueAxis>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace kov {
namespace {

// Runs aktion and answers each modal dialog it opens with the next of antworten.
void DialogeBeantworten(const std::function<void()>& aktion,
                        std::vector<std::function<void(QDialog&)>> antworten) {
    std::size_t naechste = 0;
    QTimer wache;
    QObject::connect(&wache, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible() || naechste >= antworten.size()) return;
        antworten[naechste++](*dialog);
    });
    wache.start(10);
    aktion();
    wache.stop();
    EXPECT_EQ(naechste, antworten.size()) << "nicht jeder erwartete Dialog erschien";
}

std::function<void(QDialog&)> DateiWaehlen(const QString& datei, const QString& filter) {
    return [=](QDialog& d) {
        auto& dateien = dynamic_cast<QFileDialog&>(d);
        dateien.selectNameFilter(filter);
        // typed into the name field as a user does (the field of Qt's own dialog)
        if (auto* feld = dateien.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            feld->setText(datei);
        else
            dateien.selectFile(datei);
        QMetaObject::invokeMethod(&dateien, "accept");
    };
}

// the pointer moved over the view without a button pressed
void Bewegen(TDiagrammAnsicht& ansicht, QPoint ort) {
    QMouseEvent bewegung(QEvent::MouseMove, QPointF(ort),
                         ansicht.viewport()->mapToGlobal(QPointF(ort)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
    QApplication::sendEvent(ansicht.viewport(), &bewegung);
}

class AuswertungsFenster : public ::testing::Test {
protected:
    test::TArbeitsVerzeichnis Verzeichnis;
    TAnwendung Anwendung;
    TForm1& Form1 = Anwendung.Form1();
    TForm2& Form2 = Anwendung.Form2();
    TAuswertungsFenster& Fenster = *Form1.Auswertung;

    void Berechnen() {
        Form2.show();
        ASSERT_TRUE(test::BerechnenUndAbwarten(Form2, Form1).empty());
    }
    void Oeffnen() {
        Berechnen();
        Form1.Button17->click();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&Fenster));
    }
    QValueAxis* X(TAnsicht ansicht) {
        return qobject_cast<QValueAxis*>(
            Fenster.Diagramm(ansicht)->chart()->axes(Qt::Horizontal).front());
    }
};

TEST_F(AuswertungsFenster, NachDemLaufErreichbarMitDenZahlenDesLaufs) {
    EXPECT_EQ(Form1.Button17->text(), QStringLiteral("Auswertung"));
    // the buttons' column is laid out when the window is: at the classic places in German
    ASSERT_NE(Form1.layout(), nullptr);
    Form1.layout()->activate();
    EXPECT_EQ(Form1.Button17->geometry(), QRect(16, 424, 89, 25));
    EXPECT_EQ(Form1.Button16->geometry(), QRect(16, 392, 89, 25)) << "Kennwerte stays";
    EXPECT_FALSE(Form1.Button17->isEnabled());
    EXPECT_FALSE(Fenster.HatAuswertung());

    Oeffnen();
    ASSERT_TRUE(Fenster.HatAuswertung());
    // the classic views, those of the unit and of the hours, last the register's cross-section
    ASSERT_EQ(Fenster.Reiter->count(), 8);
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(Fenster.Reiter->tabText(i),
                  AnsichtTitel(AlleAnsichten[static_cast<std::size_t>(i)]));
    EXPECT_EQ(Fenster.Reiter->tabText(5), QStringLiteral("Anlage"));
    EXPECT_EQ(Fenster.Reiter->tabText(6), QStringLiteral("Stundenwerte"));
    EXPECT_EQ(Fenster.Reiter->tabText(7), QStringLiteral("Querschnitt"));
    // the evaluation is a copy of the run's results
    const TKontext& k = Anwendung.Kontext();
    EXPECT_TRUE(Fenster.Ergebnis().Modell->Reihen.Taus == k.Reihen.Taus);
    EXPECT_EQ(Fenster.Ergebnis().Modell->Ergebnis.Heizenergie, k.Ergebnis.Heizenergie);
    EXPECT_EQ(Fenster.Ergebnis().Wetter.Bezeichnung, "Eingebautes Auslegungsjahr (zurihour.dat)");
    // the same figures as the Kennwerte window: the defaults' friction 20.34 Pa
    const TKennwerteFenster& kennwerte = *Form1.Kennwerte;
    ASSERT_EQ(Fenster.Tabelle->rowCount(), kennwerte.Tabelle->rowCount());
    for (int z = 0; z < Fenster.Tabelle->rowCount(); ++z)
        for (int s = 0; s < 4; ++s)
            EXPECT_EQ(Fenster.Tabelle->item(z, s)->text(), kennwerte.Tabelle->item(z, s)->text())
                << z << "/" << s;
    EXPECT_EQ(Fenster.Tabelle->item(2, 1)->text(), QStringLiteral("20,3"));
    EXPECT_EQ(Fenster.Monatstabelle->item(12, 1)->text(),
              ZahlTextAnsicht(QString::fromStdString(KennwertZahl(k.Ergebnis.Heizenergie, 1))));
    for (const TAnsicht ansicht : AlleAnsichten) {
        if (!IstDiagramm(ansicht)) continue;
        EXPECT_FALSE(Fenster.Diagramm(ansicht)->chart()->series().isEmpty());
    }

    Fenster.Schliessen->click();
    EXPECT_FALSE(Fenster.isVisible());
}

TEST_F(AuswertungsFenster, EinFehlgeschlagenerLaufNimmtDieAuswertungZurueck) {
    Oeffnen();
    std::filesystem::remove("kov.txt");
    std::filesystem::create_directory("kov.txt"); // the report cannot be written
    EXPECT_EQ(test::MeldungenAbfangen([this] {
                  Form1.Button2->click();
                  test::LaufAbwarten(Form1);
              }).size(),
              1);
    EXPECT_FALSE(Form1.Button17->isEnabled());
    EXPECT_FALSE(Fenster.isVisible());

    std::filesystem::remove("kov.txt");
    Form2.EHeizgrenze->setText(QStringLiteral("5"));
    EXPECT_TRUE(test::MeldungenAbfangen([this] {
                    Form1.Button2->click();
                    test::LaufAbwarten(Form1);
                }).empty());
    EXPECT_TRUE(Form1.Button17->isEnabled());
    // the views are filled when the window opens
    Form1.Button17->click();
    EXPECT_EQ(Fenster.Ergebnis().Modell->Parameter.Heizgrenze, 5.0) << "the new run";
}

TEST_F(AuswertungsFenster, EinProjektMitWetterdateiStehtImBericht) {
    Form2.show();
    ASSERT_TRUE(Form2.WetterDateiWaehlen(
        QString::fromStdString(std::string(KOV_TESTDATEN) +
                               "/wetter/USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw"),
        false));
    std::filesystem::create_directory("projekt");
    ASSERT_TRUE(Form2.ProjektSpeichernNach(QStringLiteral("projekt/chicago.kov")));
    Oeffnen();
    const TAuswertung& a = Fenster.Ergebnis();
    EXPECT_EQ(a.Wetter.Bezeichnung.substr(0, 39), "Wetterdatei Chicago Ohare Intl Ap, USA ");
    EXPECT_NE(a.Wetter.Text.find("Format: EnergyPlus-Wetterdatei (EPW)\n"), std::string::npos);
    // the condensate of Chicago's humid summer, not the dry built-in year
    EXPECT_TRUE(a.Modell->Reihen.TTaupunkt == Anwendung.Kontext().Reihen.TTaupunkt);
    EXPECT_GT(a.Kennwerte.KondensatJahr, 0);

    ASSERT_TRUE(Fenster.PdfSpeichern(QStringLiteral("chicago.pdf")));
    const QString inhalt = test::PdfText(QStringLiteral("chicago.pdf")).simplified();
    if (inhalt.isEmpty()) GTEST_SKIP() << "pdftotext fehlt";
    // the project by its name, the weather file outside the project by its name alone
    EXPECT_TRUE(inhalt.contains(QStringLiteral("Projektdatei chicago.kov")));
    EXPECT_TRUE(inhalt.contains(QStringLiteral("Wetterdatei Chicago Ohare Intl Ap, USA")));
    EXPECT_TRUE(inhalt.contains(QStringLiteral("USA_IL_Chicago-OHare.Intl.AP.725300_TMY3.epw")));
    const QString testdaten = QString::fromStdString(KOV_TESTDATEN);
    EXPECT_FALSE(inhalt.contains(testdaten))
        << inhalt.mid(inhalt.indexOf(testdaten) - 80, 200).toStdString();

    // kov --bericht prints the same report for the same project
    TKopflosAufruf aufruf;
    aufruf.Projekt = QStringLiteral("projekt/chicago.kov");
    aufruf.Pdf = QStringLiteral("kopflos.pdf");
    std::ostringstream aus, fehler;
    ASSERT_EQ(KopflosAusfuehren(aufruf, aus, fehler), 0) << fehler.str();
    EXPECT_EQ(test::PdfText(QStringLiteral("kopflos.pdf")).simplified(), inhalt);
}

TEST_F(AuswertungsFenster, EinNachDemLaufGespeichertesProjektStehtImBericht) {
    Oeffnen();
    ASSERT_TRUE(Fenster.PdfSpeichern(QStringLiteral("vorher.pdf")));
    ASSERT_TRUE(Form2.ProjektSpeichernNach(QStringLiteral("spaeter.kov")));
    ASSERT_TRUE(Fenster.PdfSpeichern(QStringLiteral("nachher.pdf")));
    const auto text = [](const QString& datei) { return test::PdfText(datei).simplified(); };
    const QString vorher = text(QStringLiteral("vorher.pdf"));
    if (vorher.isEmpty()) GTEST_SKIP() << "pdftotext fehlt";
    EXPECT_TRUE(vorher.contains(QStringLiteral("Projektdatei – (Eingaben ohne Projektdatei)")));
    EXPECT_TRUE(
        text(QStringLiteral("nachher.pdf")).contains(QStringLiteral("Projektdatei spaeter.kov")));
}

TEST_F(AuswertungsFenster, WertUnterDerMausUndZoom) {
    Oeffnen();
    TDiagrammAnsicht& jahr = *Fenster.Diagramm(TAnsicht::Jahr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&jahr));
    const QRectF flaeche = jahr.chart()->plotArea();
    const QPoint mitte = jahr.mapFromScene(jahr.chart()->mapToScene(flaeche.center()));
    Bewegen(jahr, mitte);
    EXPECT_TRUE(Fenster.Wert->text().startsWith(QStringLiteral("Tag ")))
        << Fenster.Wert->text().toStdString();
    EXPECT_EQ(Fenster.Wert->text(), jahr.WertText());
    // outside the plot area nothing is shown
    Bewegen(jahr, QPoint(2, 2));
    EXPECT_TRUE(Fenster.Wert->text().isEmpty());

    // the year's axis is a category axis over days 0..365; the duration curve's a value axis
    Fenster.AnsichtWaehlen(TAnsicht::Dauerlinie);
    TDiagrammAnsicht& dauer = *Fenster.Diagramm(TAnsicht::Dauerlinie);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dauer));
    QValueAxis* x = X(TAnsicht::Dauerlinie);
    ASSERT_EQ(x->max() - x->min(), 8760);
    const QRectF f = dauer.chart()->plotArea();
    const QPointF punkt = f.topLeft() + QPointF(f.width() / 4, f.height() / 2);
    const double vorher = dauer.chart()->mapToValue(punkt).x();
    QWheelEvent rad(dauer.mapFromScene(dauer.chart()->mapToScene(punkt)),
                    dauer.mapToGlobal(dauer.mapFromScene(dauer.chart()->mapToScene(punkt))),
                    QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                    false);
    QApplication::sendEvent(dauer.viewport(), &rad);
    // one notch in: 80 % of the range, the hour under the pointer stays under it
    EXPECT_NEAR(x->max() - x->min(), 0.8 * 8760, 1);
    EXPECT_NEAR(dauer.chart()->mapToValue(punkt).x(), vorher, 1);

    // a rubber band from a quarter to the middle of the width
    Fenster.ZoomZurueck->click();
    EXPECT_NEAR(x->max() - x->min(), 8760, 1e-9);
    const auto ort = [&](double anteil) {
        return dauer.mapFromScene(dauer.chart()->mapToScene(
            f.topLeft() + QPointF(f.width() * anteil, f.height() * anteil)));
    };
    QTest::mousePress(dauer.viewport(), Qt::LeftButton, {}, ort(0.25));
    QTest::mouseMove(dauer.viewport(), ort(0.4));
    QTest::mouseMove(dauer.viewport(), ort(0.5));
    QTest::mouseRelease(dauer.viewport(), Qt::LeftButton, {}, ort(0.5));
    EXPECT_NEAR(x->min(), 2190, 30);
    EXPECT_NEAR(x->max(), 4380, 30);
    Fenster.ZoomZurueck->click();
    EXPECT_EQ(x->min(), 0);
    EXPECT_EQ(x->max(), 8760);

    Fenster.AnsichtWaehlen(TAnsicht::Kennwerte);
    EXPECT_FALSE(Fenster.ZoomZurueck->isEnabled());
}

TEST_F(AuswertungsFenster, ExporteUeberDieKnoepfe) {
    Oeffnen();
    Fenster.AnsichtWaehlen(TAnsicht::Energie);
    const QString svg = QDir::current().filePath(QStringLiteral("energie_bild"));
    DialogeBeantworten([this] { Fenster.Bild->click(); },
                       {DateiWaehlen(svg, QStringLiteral("SVG-Grafik (*.svg)")), [](QDialog& d) {
                            d.findChild<QSpinBox*>(QStringLiteral("Breite"))->setValue(900);
                            d.findChild<QSpinBox*>(QStringLiteral("Hoehe"))->setValue(450);
                            d.accept();
                        }});
    // the filter's suffix is added to a name without one
    QSvgRenderer bild(QStringLiteral("energie_bild.svg"));
    ASSERT_TRUE(bild.isValid());
    EXPECT_EQ(bild.viewBox(), QRect(0, 0, 900, 450));

    // the size dialog starts at 1600 x 1000; cancelling it writes nothing
    DialogeBeantworten(
        [this] { Fenster.Bild->click(); },
        {DateiWaehlen(QDir::current().filePath(QStringLiteral("nicht.png")),
                      QStringLiteral("PNG-Bild (*.png)")),
         [](QDialog& d) {
             EXPECT_EQ(d.findChild<QSpinBox*>(QStringLiteral("Breite"))->value(), 1600);
             EXPECT_EQ(d.findChild<QSpinBox*>(QStringLiteral("Hoehe"))->value(), 1000);
             d.reject();
         }});
    EXPECT_FALSE(std::filesystem::exists("nicht.png"));

    DialogeBeantworten(
        [this] { Fenster.Csv->click(); },
        {DateiWaehlen(QDir::current().filePath(QStringLiteral("stunden.csv")),
                      QStringLiteral("CSV mit Dezimalpunkt, Komma getrennt (*.csv)"))});
    EXPECT_TRUE(test::DateiInhalt("stunden.csv") == StundenCsvText(Anwendung.Kontext().Reihen,
                                                                   Anwendung.Kontext().Parameter,
                                                                   TDezimalZeichen::Punkt));
    DialogeBeantworten([this] { Fenster.Csv->click(); },
                       {DateiWaehlen(QDir::current().filePath(QStringLiteral("komma.csv")),
                                     QStringLiteral("CSV mit Dezimalkomma, Semikolon getrennt "
                                                    "(*.csv)"))});
    EXPECT_EQ(test::DateiZeilen("komma.csv")[0].substr(0, 20), "Stunde;Datum;Uhrzeit");

    DialogeBeantworten([this] { Fenster.Pdf->click(); },
                       {DateiWaehlen(QDir::current().filePath(QStringLiteral("bericht.pdf")),
                                     QStringLiteral("PDF-Dokument (*.pdf)"))});
    EXPECT_EQ(test::DateiInhalt("bericht.pdf").substr(0, 5), "%PDF-");

    // a fault is shown and names the file
    bool ok = true;
    const QStringList meldungen = test::MeldungenAbfangen([&] {
        ok = Fenster.BildSpeichern(TAnsicht::Jahr, QStringLiteral("fehlt/jahr.png"), {100, 100});
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(meldungen, QStringList{QStringLiteral("File not found: fehlt/jahr.png")});

    // the report shows a busy cursor while it is written, and none over its fault's message
    // or after it
    bool besetzt = false;
    QTimer wache;
    QObject::connect(&wache, &QTimer::timeout, [&besetzt] {
        if (qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) &&
            QApplication::overrideCursor() != nullptr)
            besetzt = true;
    });
    wache.start(1);
    const QStringList pdfMeldungen =
        test::MeldungenAbfangen([&] { ok = Fenster.PdfSpeichern(QStringLiteral("fehlt/b.pdf")); });
    wache.stop();
    EXPECT_FALSE(ok);
    ASSERT_EQ(pdfMeldungen.size(), 1);
    EXPECT_TRUE(pdfMeldungen[0].contains(QStringLiteral("fehlt/b.pdf")))
        << pdfMeldungen[0].toStdString();
    EXPECT_FALSE(besetzt);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(Fenster.PdfSpeichern(QStringLiteral("b.pdf")));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(AuswertungsFenster, KeinExportUndKeinSpeichernUeberDieDateienDesLaufs) {
    Oeffnen(); // a new project: its report kov.txt went to the working directory
    const std::string bericht = test::DateiInhalt("kov.txt");
    ASSERT_FALSE(bericht.empty());
    test::DateiSchreiben("dummy.txt", "alte Hilfsdatei");
    const struct {
        std::function<bool()> Schreiben;
        const char* Ziel;
        QString Meldung;
    } faelle[] = {
        {[this] { return Fenster.PdfSpeichern(QStringLiteral("kov.txt")); }, "kov.txt",
         QStringLiteral("Der PDF-Bericht kov.txt würde den Bericht kov.txt überschreiben.")},
        {[this] {
             return Fenster.CsvSpeichern(QStringLiteral("./kov.txt"), TDezimalZeichen::Punkt);
         },
         "kov.txt",
         QStringLiteral(
             "Die Stundenwerte-Datei ./kov.txt würde den Bericht kov.txt überschreiben.")},
        {[this] {
             return Fenster.BildSpeichern(TAnsicht::Jahr, QStringLiteral("dummy.txt"), {100, 100});
         },
         "dummy.txt",
         QStringLiteral("Das Bild dummy.txt würde die Hilfsdatei dummy.txt überschreiben.")},
        {[this] { return Form2.ProjektSpeichernNach(QStringLiteral("kov.txt")); }, "kov.txt",
         QStringLiteral("Das Projekt kov.txt würde den Bericht kov.txt überschreiben.")},
    };
    for (const auto& f : faelle) {
        bool ok = true;
        const QStringList meldungen = test::MeldungenAbfangen([&] { ok = f.Schreiben(); });
        EXPECT_FALSE(ok) << f.Meldung.toStdString();
        EXPECT_EQ(meldungen, QStringList{QStringLiteral("Nichts geschrieben:\n\n") + f.Meldung});
    }
    EXPECT_TRUE(test::DateiInhalt("kov.txt") == bericht);
    EXPECT_EQ(test::DateiInhalt("dummy.txt"), "alte Hilfsdatei");

    // a project is saved over itself
    EXPECT_TRUE(test::MeldungenAbfangen([this] {
                    EXPECT_TRUE(Form2.ProjektSpeichernNach(QStringLiteral("p.kov")));
                    EXPECT_TRUE(Form2.ProjektSpeichernNach(QStringLiteral("p.kov")));
                }).empty());
}

TEST_F(AuswertungsFenster, DerKlimacheckStehtNebenDenKennwertenUndRechnetNebenDemFenster) {
    Oeffnen(); // the built-in design year: no region to check
    EXPECT_FALSE(Anwendung.Steuerung().KlimaCheckLaeuft());
    EXPECT_TRUE(Fenster.KlimaCheck->Zustand->text().contains(QStringLiteral("eingebautes Klima")));
    EXPECT_TRUE(Fenster.KlimaCheck->Tabelle->isHidden());

    Anwendung.Kontext().Parameter.Klima = "TRY2015-05-Jahr";
    Berechnen();
    // the window is filled at once; the six years follow from the worker
    EXPECT_TRUE(Anwendung.Steuerung().KlimaCheckLaeuft());
    EXPECT_TRUE(Fenster.KlimaCheck->Zustand->text().contains(QStringLiteral("Region 5 Essen")))
        << Fenster.KlimaCheck->Zustand->text().toStdString();
    QTableWidget& tabelle = *Fenster.KlimaCheck->Tabelle;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !tabelle.isHidden(); }, 300000));
    ASSERT_EQ(tabelle.columnCount(), 6);
    ASSERT_EQ(tabelle.rowCount(), 6);
    EXPECT_EQ(tabelle.horizontalHeaderItem(1)->text(),
              QStringLiteral("extremer Winter\n1995–2012"));
    // the coldest hour of Essen's mean year, -6.3 °C (awk over the original file,
    // tests/files/klima_test.cpp), and of its extreme winter, -13.6 °C (kov-run --klima-liste),
    // with the German view's decimal comma
    EXPECT_EQ(tabelle.item(0, 0)->text(), QStringLiteral("-6,3"));
    EXPECT_EQ(tabelle.item(0, 1)->text(), QStringLiteral("-13,6"));
    EXPECT_EQ(tabelle.verticalHeaderItem(1)->text(),
              QStringLiteral("Tiefste Austrittstemperatur [°C]"));
    EXPECT_TRUE(Fenster.KlimaCheck->Zustand->text().contains(
        QStringLiteral("Datenbasis: Deutscher Wetterdienst")));
    // the design report takes the finished years from here; a later run drops them
    EXPECT_EQ(Fenster.KlimaCheck->Ergebnis().size(), 6u);
    ASSERT_TRUE(Fenster.PdfSpeichern(QStringLiteral("klima.pdf")));
    Anwendung.Kontext().Parameter.Klima.clear();
    Berechnen();
    EXPECT_TRUE(Fenster.KlimaCheck->Ergebnis().empty());
}

TEST_F(AuswertungsFenster, DieAnsichtenDerAnlageUndDerStundenSpeichernIhrBild) {
    Oeffnen();
    const struct {
        QWidget* Reiter;
        const char* Vorschlag; // the name the file dialog offers
        const char* Datei;
        const char* Filter;
    } faelle[] = {{Fenster.Stunden, "stunden.png", "woche", "SVG-Grafik (*.svg)"},
                  {Fenster.Anlage, "anlage.png", "anlage", "PNG-Bild (*.png)"}};
    for (const auto& f : faelle) {
        Fenster.Reiter->setCurrentWidget(f.Reiter);
        const QString datei = QDir::current().filePath(QString::fromLatin1(f.Datei));
        DialogeBeantworten([this] { Fenster.Bild->click(); },
                           {[&](QDialog& d) {
                                auto& dateien = dynamic_cast<QFileDialog&>(d);
                                EXPECT_TRUE(dateien.selectedFiles().value(0).endsWith(
                                    QString::fromLatin1(f.Vorschlag)))
                                    << f.Datei << ": "
                                    << dateien.selectedFiles().value(0).toStdString();
                                DateiWaehlen(datei, QString::fromLatin1(f.Filter))(d);
                            },
                            [](QDialog& d) {
                                d.findChild<QSpinBox*>(QStringLiteral("Breite"))->setValue(800);
                                d.findChild<QSpinBox*>(QStringLiteral("Hoehe"))->setValue(500);
                                d.accept();
                            }});
    }
    // the hourly view's picture is the week shown, the first of the year
    QSvgRenderer woche(QStringLiteral("woche.svg"));
    ASSERT_TRUE(woche.isValid());
    EXPECT_EQ(woche.viewBox(), QRect(0, 0, 800, 500));
    EXPECT_NE(test::DateiInhalt("woche.svg").find("1. Januar bis 7. Januar"), std::string::npos);
    const QImage anlage(QStringLiteral("anlage.png"));
    EXPECT_EQ(anlage.size(), QSize(800, 500));
}

} // namespace
} // namespace kov
