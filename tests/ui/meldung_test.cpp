#include "ui/meldung.h"

#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

namespace kov {
namespace {

TEST(Meldung, LongWordsGetBreaksAndShortTextStaysAsItIs) {
    EXPECT_EQ(UmbruchErlauben(QStringLiteral("File not found: wplaufz1.txt")),
              QStringLiteral("File not found: wplaufz1.txt"));
    const QString pfad =
        QStringLiteral("/home/planer/projekte/halle_nord/fahrplaene/lueftung_2026.txt");
    const QString umbrochen = UmbruchErlauben(QStringLiteral("File not found: ") + pfad);
    EXPECT_EQ(QString(umbrochen).remove(QChar(0x200B)), QStringLiteral("File not found: ") + pfad);
    // every piece between two break opportunities is short
    for (const QString& stueck : umbrochen.split(QChar(0x200B)))
        EXPECT_LE(stueck.size(), 30 + 16) << stueck.toStdString();
    const QString ohneTrenner(200, u'x');
    EXPECT_EQ(UmbruchErlauben(ohneTrenner).count(QChar(0x200B)), 6);
}

TEST(Meldung, ALongMessageStaysInsideTheScreen) {
    const QString text = QStringLiteral("Keine gewöhnliche Datei, sondern ein Gerät: ") +
                         QString(400, u'a') + QStringLiteral("/") + QString(300, u'b');
    int breite = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        breite = box->width();
        box->done(QMessageBox::Ok);
    });
    MeldungZeigen(nullptr, QMessageBox::Warning, QStringLiteral("KOV"), text);
    const int bildschirm = QGuiApplication::primaryScreen()->availableGeometry().width();
    EXPECT_GT(breite, 0);
    EXPECT_LE(breite, bildschirm);
}

} // namespace
} // namespace kov
