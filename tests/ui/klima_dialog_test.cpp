#include "ui/klima_dialog.h"

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

TEST(KlimaDialog, AnUnknownNameStartsAtRegionOne) {
    TKlimaDialog dialog(nullptr, "TRY2015-16-Jahr");
    EXPECT_EQ(dialog.Klima(), "TRY2015-01-Jahr");
}

} // namespace
} // namespace kov
