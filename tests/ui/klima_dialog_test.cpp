#include "model/klima_regionen.h"
#include "test_hilfen.h"
#include "ui/anwendung.h"
#include "ui/eingabe_fenster.h"
#include "ui/klima_dialog.h"
#include "ui/klima_karte.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <QToolButton>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace kov {
namespace {

template <class T> T& Kind(const QDialog& dialog, const char* name) {
    T* kind = dialog.findChild<T*>(QString::fromLatin1(name));
    if (kind == nullptr) throw std::runtime_error(name);
    return *kind;
}

TEST(KlimaDialog, ChoosesRegionKindAndPeriodAndShowsTheYearBeforeItIsTaken) {
    TKlimaDialog dialog(nullptr, "TRY2015-05-Jahr");
    EXPECT_EQ(dialog.Klima(), "TRY2015-05-Jahr");
    auto& region = Kind<QComboBox>(dialog, "Region");
    ASSERT_EQ(region.count(), 15);
    EXPECT_EQ(region.itemText(12),
              QStringLiteral("13 – Mühldorf (Schwäbisch-fränkisches Stufenland und Alpenvorland)"));
    // Essen's mean year: 303 hours below 0 °C, counted by awk in tests/files/klima_test.cpp
    const auto& text = Kind<QLabel>(dialog, "Zusammenfassung");
    EXPECT_TRUE(text.text().contains(QStringLiteral("Stunden unter 0 °C: 303")))
        << text.text().toStdString();

    region.setCurrentIndex(11);
    Kind<QComboBox>(dialog, "Art").setCurrentIndex(2);
    Kind<QComboBox>(dialog, "Zeitraum").setCurrentIndex(1);
    EXPECT_EQ(dialog.Klima(), "TRY2045-12-Wint");
    // Mannheim's extreme winter 2031-2060: 498 hours below 0 °C, by awk as above
    EXPECT_TRUE(text.text().contains(QStringLiteral("Stunden unter 0 °C: 498")))
        << text.text().toStdString();
    EXPECT_TRUE(text.text().contains(QStringLiteral("Mannheim")));

    // Munich, 48.14 N 11.58 E: Mühldorf 71 km away (haversine, tests/model/klima_regionen_test.cpp)
    Kind<QDoubleSpinBox>(dialog, "Breite").setValue(48.14);
    Kind<QDoubleSpinBox>(dialog, "Laenge").setValue(11.58);
    QTest::mouseClick(&Kind<QPushButton>(dialog, "NaechsteStation"), Qt::LeftButton);
    EXPECT_EQ(region.currentIndex(), 12);
    EXPECT_EQ(dialog.Klima(), "TRY2045-13-Wint") << "kind and period stay";
    EXPECT_TRUE(Kind<QLabel>(dialog, "Entfernung").text().contains(QStringLiteral("Mühldorf")));

    QTest::mouseClick(&Kind<QPushButton>(dialog, "Uebernehmen"), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(KlimaDialog, TheMapShowsTheStationsWhereTheyAreAndAClickChoosesARegion) {
    TKlimaDialog dialog(nullptr, "TRY2045-05-Somm");
    dialog.resize(760, 480);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto& karte = *dialog.findChild<TKlimaKarte*>(QStringLiteral("KlimaKarte"));
    auto& region = Kind<QComboBox>(dialog, "Region");
    EXPECT_EQ(karte.Region(), 5);
    region.setCurrentIndex(11);
    EXPECT_EQ(karte.Region(), 12) << "the map follows the list";

    // every station inside the outline; north up and east right: Rostock lies north-east of
    // Essen, Garmisch-Partenkirchen lowest on the map, Potsdam right of Hamburg
    const QPolygonF land = karte.Umrisslinie();
    const auto ort = [&karte](int r) {
        return karte.Punkt(KlimaRegion(r).Breite, KlimaRegion(r).Laenge);
    };
    for (const TKlimaRegion& r : KlimaRegionenListe()) {
        EXPECT_TRUE(land.containsPoint(ort(r.Nummer), Qt::OddEvenFill)) << r.Station;
        if (r.Nummer != 15) {
            EXPECT_LT(ort(r.Nummer).y(), ort(15).y()) << r.Station;
        }
        EXPECT_EQ(karte.RegionBei(ort(r.Nummer)), r.Nummer) << "stations lie apart: " << r.Station;
    }
    EXPECT_GT(ort(2).x(), ort(5).x());
    EXPECT_LT(ort(2).y(), ort(5).y());
    EXPECT_GT(ort(4).x(), ort(3).x());
    EXPECT_TRUE(karte.rect().contains(land.boundingRect().toRect()));

    // a click on Mannheim chooses region 12 and keeps kind and period; a click beside every
    // station changes nothing
    region.setCurrentIndex(0);
    QTest::mouseClick(&karte, Qt::LeftButton, {}, ort(12).toPoint() + QPoint(2, -1));
    EXPECT_EQ(dialog.Klima(), "TRY2045-12-Somm");
    EXPECT_EQ(karte.Region(), 12);
    QTest::mouseClick(&karte, Qt::LeftButton, {}, QPoint(2, karte.height() - 2));
    EXPECT_EQ(dialog.Klima(), "TRY2045-12-Somm");
}

TEST(KlimaDialog, AnUnknownNameStartsAtRegionOne) {
    TKlimaDialog dialog(nullptr, "TRY2015-16-Jahr");
    EXPECT_EQ(dialog.Klima(), "TRY2015-01-Jahr");
}

TEST(KlimaDialog, TheInputWindowsWeatherMenuTakesAClimateAndAFileReplacesIt) {
    test::TArbeitsVerzeichnis verzeichnis;
    TAnwendung anwendung;
    TForm2& form2 = anwendung.Form2();
    TRegisterParameter& p = anwendung.Kontext().Parameter;
    QAction* klima = nullptr;
    for (QAction* a : form2.WetterKnopf->menu()->actions())
        if (a->text().startsWith(QStringLiteral("Eingebautes Klima"))) klima = a;
    ASSERT_NE(klima, nullptr);

    // the picker is modal: it is answered as soon as it shows
    QTimer wache;
    QObject::connect(&wache, &QTimer::timeout, [] {
        auto* dialog = qobject_cast<TKlimaDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        Kind<QComboBox>(*dialog, "Region").setCurrentIndex(11);
        Kind<QComboBox>(*dialog, "Art").setCurrentIndex(2);
        Kind<QComboBox>(*dialog, "Zeitraum").setCurrentIndex(1);
        Kind<QPushButton>(*dialog, "Uebernehmen").click();
    });
    wache.start(5);
    klima->trigger();
    wache.stop();
    EXPECT_EQ(p.Klima, "TRY2045-12-Wint");
    EXPECT_EQ(form2.Edit1->text(), QStringLiteral("Region 12 Mannheim, extremer Winter 2031–2060"));
    EXPECT_TRUE(
        form2.Edit1->toolTip().contains(QStringLiteral("Datenbasis: Deutscher Wetterdienst")));

    form2.EingebautesWetterWaehlen();
    EXPECT_TRUE(p.Klima.empty()) << "the design year replaces the climate";
    EXPECT_EQ(form2.Edit1->text(), QStringLiteral("Zürich SMA DRY-Daten"));
}

} // namespace
} // namespace kov
