#include "model/version.h"
#include "ui/anwendung.h"
#include "ui/info_fenster.h"
#include "ui/start_fenster.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>

namespace kov {

// Stands in for the desktop's browser and mail program and notes what they were asked to open.
class TLinkEmpfaenger : public QObject {
    Q_OBJECT
public:
    QList<QUrl> Geoeffnet;
public slots:
    void Oeffnen(const QUrl& url) { Geoeffnet.append(url); }
};

namespace {

// The area a line's glyphs and underline cover: label boxes include leading and may touch.
QRect Tinte(const QLabel& l) {
    const QFontMetrics fm(l.font());
    const int grundlinie = l.y() + fm.ascent();
    QRect r = fm.tightBoundingRect(l.text()).translated(l.x(), grundlinie);
    if (l.font().underline())
        r.setBottom(std::max(r.bottom(), grundlinie + fm.underlinePos() + fm.lineWidth()));
    return r;
}

class Infofenster : public ::testing::Test {
protected:
    void SetUp() override {
        Anwendung = std::make_unique<TAnwendung>();
        Anwendung->Form3().showMaximized();
        Anwendung->Form3().Info();
        for (const char* schema : {"http", "https", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(schema), &Empfaenger, "Oeffnen");
    }
    void TearDown() override {
        for (const char* schema : {"http", "https", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(schema));
        Anwendung.reset();
    }
    QLabel& Label(const char* name) {
        auto* label = Anwendung->Form4().findChild<QLabel*>(QString::fromLatin1(name));
        if (label == nullptr) throw std::runtime_error(std::string("kein Label ") + name);
        return *label;
    }
    std::unique_ptr<TAnwendung> Anwendung;
    TLinkEmpfaenger Empfaenger;
};

TEST_F(Infofenster, LinksGehenAnDenStandardProgrammDesDesktops) {
    QLabel& web = Label("Label3");
    QLabel& mail = Label("Label8");
    EXPECT_EQ(web.text(), QStringLiteral("KOV Entwicklung"));
    EXPECT_EQ(mail.text(), QStringLiteral("info@kov.example.org"));

    QTest::mouseClick(&web, Qt::LeftButton);
    ASSERT_EQ(Empfaenger.Geoeffnet.size(), 1);
    EXPECT_EQ(Empfaenger.Geoeffnet[0], QUrl(QStringLiteral("https://kov.example.org")));
    EXPECT_TRUE(Anwendung->Form4().isVisible());

    QTest::mouseClick(&mail, Qt::LeftButton);
    ASSERT_EQ(Empfaenger.Geoeffnet.size(), 2);
    const QUrl mailto = Empfaenger.Geoeffnet[1];
    EXPECT_EQ(mailto.scheme(), QStringLiteral("mailto")); // QUrl keeps schemes in lower case
    EXPECT_EQ(mailto.path(), QStringLiteral("info@kov.example.org"));
    EXPECT_FALSE(mailto.hasQuery()) << "kein Betreff, kein Text";
    EXPECT_EQ(mailto.toString(), QStringLiteral("mailto:info@kov.example.org"));
    EXPECT_TRUE(Anwendung->Form4().isVisible());

    // a click that ends outside the line, or with the right button, opens nothing
    QTest::mousePress(&web, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(&web, Qt::LeftButton, {}, QPoint(web.width() + 20, 2));
    QTest::mouseClick(&mail, Qt::RightButton);
    EXPECT_EQ(Empfaenger.Geoeffnet.size(), 2);
}

TEST_F(Infofenster, OkVerstecktUndInfoZeigtDasselbeFensterWieder) {
    TForm4& info = Anwendung->Form4();
    ASSERT_TRUE(info.isVisible());
    auto* ok = info.findChild<QPushButton*>(QStringLiteral("Button1"));
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    EXPECT_EQ(ok->geometry(), QRect(103, 361, 109, 40));
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(info.isVisible());
    EXPECT_TRUE(Anwendung->Form3().isVisible());

    auto* infoKnopf = Anwendung->Form3().findChild<QPushButton*>(QStringLiteral("Button2"));
    ASSERT_NE(infoKnopf, nullptr);
    QTest::mouseClick(infoKnopf, Qt::LeftButton);
    EXPECT_TRUE(info.isVisible());
    EXPECT_EQ(Label("Label3").text(), QStringLiteral("KOV Entwicklung"));
}

TEST_F(Infofenster, DieVersionszeileNenntDenBauImTooltip) {
    const QLabel& version = Label("Version");
    EXPECT_EQ(version.text(), QStringLiteral("Version 1.2,   Juli 2000"));
    EXPECT_TRUE(version.toolTip().startsWith(
        QStringLiteral("Programmversion ") +
        QString::fromUtf8(ProgrammVersion().data(), ProgrammVersion().size())))
        << version.toolTip().toStdString();
}

TEST_F(Infofenster, TexteStehenAnIhrenPlaetzenUndPassenInsFenster) {
    TForm4& info = Anwendung->Form4();
    EXPECT_EQ(info.windowTitle(), QStringLiteral("Form4"));
    EXPECT_EQ(info.pos(), QPoint(74, 30));
    const struct {
        const char* Text;
        QPoint Ort;
        int PixelHoehe; // 0: the window's font
        bool Fett, Unterstrichen;
        QColor Farbe;
    } zeilen[] = {
        {"Programm  K O V", {105, 20}, 38, true, false, QColor(255, 0, 0)},
        {"Version 1.2,   Juli 2000", {105, 79}, 23, true, false, QColor(0, 0, 0)},
        {"KOV Entwicklung", {105, 145}, 15, false, true, QColor()},
        {"info@kov.example.org", {105, 234}, 15, false, true, QColor()},
        // the source note the terms of the built-in climates ask for
        {"Klimadaten: Datenbasis: Deutscher Wetterdienst, CC BY 4.0",
         {105, 318},
         13,
         false,
         false,
         QColor()},
    };
    const auto labels = info.findChildren<QLabel*>();
    for (const auto& z : zeilen) {
        const auto it = std::find_if(labels.begin(), labels.end(), [&](QLabel* l) {
            return l->text() == QString::fromUtf8(z.Text);
        });
        ASSERT_NE(it, labels.end()) << z.Text;
        const QLabel& l = **it;
        EXPECT_EQ(l.pos(), z.Ort) << z.Text;
        EXPECT_EQ(l.font().pixelSize(), z.PixelHoehe) << z.Text;
        EXPECT_EQ(l.font().bold(), z.Fett) << z.Text;
        EXPECT_EQ(l.font().underline(), z.Unterstrichen) << z.Text;
        if (z.Farbe.isValid()) {
            EXPECT_EQ(l.palette().color(QPalette::WindowText), z.Farbe) << z.Text;
        }
    }
    // every line is fully inside the window and the two columns do not run into each other
    for (QLabel* l : labels) {
        const std::string text = l->text().toStdString();
        EXPECT_TRUE(info.rect().contains(l->geometry())) << text;
        if (l->x() == 33) {
            EXPECT_LT(l->geometry().right(), 104) << text;
        }
    }
    // the right column lines below the version do not run into each other
    std::vector<QRect> spalte;
    for (QLabel* l : labels)
        if (l->x() >= 104 && l->y() >= 120) spalte.push_back(Tinte(*l));
    EXPECT_EQ(spalte.size(), 10u);
    for (std::size_t i = 0; i < spalte.size(); ++i)
        for (std::size_t j = i + 1; j < spalte.size(); ++j)
            EXPECT_FALSE(spalte[i].intersects(spalte[j]))
                << "Zeilen bei y = " << spalte[i].y() << " und " << spalte[j].y();
}

} // namespace
} // namespace kov

#include "info_fenster_test.moc"
