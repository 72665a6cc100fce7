// The Variantenvergleich window on screen while its rows change and its studies run: the table's
// header paints its sections from the study it shows, so every change of rows, every new study
// with other dimensions and a cancelled study continued is followed by a full repaint, and the
// header must name exactly the model's columns.
#include "ui/varianten_fenster.h"

#include "test_hilfen.h"
#include "ui/anwendung.h"
#include "ui/varianten_tabelle.h"
#include "varianten_hilfen.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace kov {
namespace {

class VariantenvergleichGezeigt : public ::testing::Test {
protected:
    test::TArbeitsVerzeichnis Verzeichnis;
    TAnwendung Anwendung;
    TVariantenFenster& F = Anwendung.Variantenvergleich();

    void SetUp() override {
        F.Oeffnen();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&F));
    }
    void TearDown() override { F.close(); }

    void ZeileSetzen(std::size_t zeile, const char* name, const char* liste) {
        test::VariantenZeileSetzen(F, zeile, name, liste);
    }
    void ZeilenLeeren() { test::VariantenZeilenLeeren(F); }
    void BoedenSetzen(std::initializer_list<int> arten) { test::VariantenBoedenSetzen(F, arten); }
    bool LaufAbwarten(int ms) { return test::VariantenLaufAbwarten(F, ms); }
    // Lets the window lay itself out and paints all of it, header and cells included, then
    // checks that the header has the model's sections and a title for each.
    void Zeichnen(const std::string& fall) {
        QTest::qWait(20);
        const QPixmap bild = F.grab();
        EXPECT_FALSE(bild.isNull()) << fall;
        const QHeaderView* kopf = F.Tabelle->horizontalHeader();
        ASSERT_EQ(kopf->count(), F.Modell->columnCount()) << fall;
        for (int s = 0; s < kopf->count(); ++s)
            EXPECT_FALSE(F.Sortierung->headerData(s, Qt::Horizontal).toString().isEmpty())
                << fall << ": column " << s;
    }
    std::string Titel(int spalte) {
        return F.Modell->headerData(spalte, Qt::Horizontal).toString().toStdString();
    }
};

TEST_F(VariantenvergleichGezeigt, RowsChangedBeforeTheFirstStudyLeaveTheEmptyTableWhole) {
    Zeichnen("opened");
    const int spalten = F.Modell->columnCount();
    // each step as a user would make it, the window painted after it
    struct TSchritt {
        const char* Fall;
        std::size_t Zeile; // EntwurfZeilen: every row
        const char* Name;
        const char* Liste;
    };
    const TSchritt schritte[] = {
        {"fourth row added", 3, "Volumenstrom", "2000,3000"},
        {"first row removed", 0, "", ""},
        {"second row to the ground model", 1, "Modell", "klassisch, register"},
        {"third row to the climate", 2, "Klima", "5:Wint, 13"},
        {"second row back to a number", 1, "Rohrlaenge", "30:60:10"},
        {"third row back to a number", 2, "DRohr", "0.15,0.2"},
        {"first row added again", 0, "AnzahlRohre", "10,15"},
        {"a bad list", 0, "AnzahlRohre", "10,1x"},
        {"every row removed", EntwurfZeilen, "", ""},
    };
    for (const TSchritt& s : schritte) {
        if (s.Zeile == EntwurfZeilen)
            ZeilenLeeren();
        else
            ZeileSetzen(s.Zeile, s.Name, s.Liste);
        BoedenSetzen({});
        Zeichnen(s.Fall);
        // nothing ran: the table keeps its empty study whatever the rows say
        EXPECT_EQ(F.Modell->rowCount(), 0) << s.Fall;
        EXPECT_EQ(F.Modell->columnCount(), spalten) << s.Fall;
    }
    BoedenSetzen({1, 2, 3});
    Zeichnen("three soils");
    F.BodenKeine->click();
    Zeichnen("no soil");
}

TEST_F(VariantenvergleichGezeigt, EachNewStudyBringsItsOwnColumns) {
    // three dimensions, then one text dimension, then two: the columns shrink and grow
    struct TStudienFall {
        const char* Fall;
        const char* Namen[3];
        const char* Listen[3];
        std::initializer_list<int> Boeden;
        int Varianten;
        const char* Titel[3];
    };
    const TStudienFall faelle[] = {
        {"pipes, length and soil",
         {"AnzahlRohre", "Rohrlaenge", ""},
         {"10,20", "30,60", ""},
         {1, 5},
         8,
         {"Anzahl Rohre", "Rohrlänge [m]", "Bodenart"}},
        {"ground model only", {"Modell", "", ""}, {"klassisch, register", "", ""}, {}, 2, {}},
        {"climate and pipes",
         {"Klima", "AnzahlRohre", ""},
         {"5:Wint, 13", "3", ""},
         {},
         2,
         {nullptr, "Anzahl Rohre", nullptr}},
    };
    for (const TStudienFall& f : faelle) {
        ZeilenLeeren();
        for (std::size_t i = 0; i < 3; ++i)
            ZeileSetzen(i, f.Namen[i], f.Listen[i]);
        BoedenSetzen(f.Boeden);
        Zeichnen(std::string(f.Fall) + ", set up");
        // While the views are told the table is about to be reset they may still read it: it
        // must then describe what the last reset announced, not the new study half taken over.
        int spaltenGemeldet = F.Modell->columnCount();
        std::vector<std::string> falsch;
        const QMetaObject::Connection wache =
            QObject::connect(F.Modell, &QAbstractItemModel::modelAboutToBeReset, [&] {
                if (F.Modell->columnCount() != spaltenGemeldet)
                    falsch.push_back("columns " + std::to_string(F.Modell->columnCount()) +
                                     " instead of " + std::to_string(spaltenGemeldet));
                for (int z = 0; z < F.Modell->rowCount(); ++z)
                    if (F.Modell->Variante(z) >= F.Ergebnis().size())
                        falsch.push_back("row " + std::to_string(z) + " shows variant " +
                                         std::to_string(F.Modell->Variante(z) + 1) + " of " +
                                         std::to_string(F.Ergebnis().size()));
            });
        const QMetaObject::Connection gemeldet =
            QObject::connect(F.Modell, &QAbstractItemModel::modelReset,
                             [&] { spaltenGemeldet = F.Modell->columnCount(); });
        ASSERT_TRUE(F.StartenClick()) << f.Fall;
        QObject::disconnect(wache);
        QObject::disconnect(gemeldet);
        for (const std::string& fehler : falsch)
            ADD_FAILURE() << f.Fall << ", reset begun: " << fehler;
        Zeichnen(std::string(f.Fall) + ", started");
        ASSERT_TRUE(LaufAbwarten(120000)) << f.Fall;
        ASSERT_EQ(F.Ausgang(), TVariantenFenster::TAusgang::Fertig)
            << f.Fall << ": " << F.Zustand->text().toStdString();
        Zeichnen(std::string(f.Fall) + ", finished");
        EXPECT_EQ(F.Modell->rowCount(), f.Varianten) << f.Fall;
        const int dimensionen = static_cast<int>(F.Studie().Variationen.size());
        EXPECT_EQ(F.Modell->ErsteKennwertSpalte(), 1 + dimensionen) << f.Fall;
        for (int d = 0; d < dimensionen && d < 3; ++d)
            if (f.Titel[d] != nullptr) {
                EXPECT_EQ(Titel(d + 1), f.Titel[d]) << f.Fall;
            }
        // rows typed after the study leave its table as it is
        ZeileSetzen(3, "Volumenstrom", "2000,3000,4000");
        Zeichnen(std::string(f.Fall) + ", rows changed afterwards");
        EXPECT_EQ(F.Modell->ErsteKennwertSpalte(), 1 + dimensionen) << f.Fall;
        EXPECT_EQ(F.Modell->rowCount(), f.Varianten) << f.Fall;
        // the next study starts with the last variant chosen and the table sorted by its last
        // column, both beyond what a smaller study has
        F.VarianteWaehlen(static_cast<std::size_t>(f.Varianten) - 1);
        EXPECT_EQ(F.GewaehlteVariante(), f.Varianten - 1) << f.Fall;
        F.Tabelle->sortByColumn(F.Modell->columnCount() - 1, Qt::DescendingOrder);
        Zeichnen(std::string(f.Fall) + ", chosen and sorted");
    }
}

TEST_F(VariantenvergleichGezeigt, ACancelledStudyIsContinuedWhileTheWindowPaints) {
    ZeilenLeeren();
    ZeileSetzen(0, "AnzahlRohre", "5:54:1");
    ZeileSetzen(1, "Rohrlaenge", "10:100:10");
    BoedenSetzen({2});
    ASSERT_EQ(F.Anzahl->text().toStdString(), "500 Varianten");
    ASSERT_TRUE(F.StartenClick());
    ASSERT_TRUE(QTest::qWaitFor([&] { return F.Modell->rowCount() >= 4; }, 120000));
    Zeichnen("running");
    QSignalSpy ende(&F, &TVariantenFenster::LaufBeendet);
    F.Abbrechen->click();
    ASSERT_TRUE(ende.count() > 0 || ende.wait(10000));
    ASSERT_EQ(F.Ausgang(), TVariantenFenster::TAusgang::Abgebrochen);
    Zeichnen("cancelled");
    const int vorher = F.Modell->rowCount();
    ASSERT_LT(vorher, 500) << "the cancel came too late to leave anything to continue";

    // rows changed between cancel and continue: the continued study is the cancelled one
    ZeileSetzen(1, "Modell", "klassisch, register");
    ZeileSetzen(2, "Klima", "13");
    Zeichnen("rows changed while cancelled");
    EXPECT_EQ(F.Modell->ErsteKennwertSpalte(), 4);
    ASSERT_TRUE(F.FortsetzenClick());
    Zeichnen("continued");
    ASSERT_TRUE(LaufAbwarten(300000));
    ASSERT_EQ(F.Ausgang(), TVariantenFenster::TAusgang::Fertig) << F.Zustand->text().toStdString();
    Zeichnen("finished");
    EXPECT_EQ(F.Modell->rowCount(), 500);
    EXPECT_EQ(Titel(1), "Anzahl Rohre");
    EXPECT_EQ(Titel(2), "Rohrlänge [m]");
    EXPECT_EQ(Titel(3), "Bodenart");
}

// The program ends with the window open on a finished study: the window closes after its
// study is gone, and its table must not be asked for the study's titles then (it read freed
// memory and ended the program with bad_alloc or worse).
TEST(VariantenvergleichEnde, EinOffenesFensterMitStudieEndetMitDemProgramm) {
    test::TArbeitsVerzeichnis verzeichnis;
    auto anwendung = std::make_unique<TAnwendung>();
    TVariantenFenster& f = anwendung->Variantenvergleich();
    f.Oeffnen();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    test::VariantenZeilenLeeren(f);
    test::VariantenZeileSetzen(f, 0, "Rohrlaenge", "30,50");
    test::VariantenZeileSetzen(f, 1, "AnzahlRohre", "10,15");
    f.Starten->click();
    ASSERT_TRUE(test::VariantenLaufAbwarten(f, 120000));
    ASSERT_EQ(f.Modell->rowCount(), 4);
    ASSERT_TRUE(f.isVisible());
    anwendung.reset();
    SUCCEED();
}

} // namespace
} // namespace kov
