#pragma once
// Helpers for driving the windows in tests: message boxes are read and closed instead of
// waiting for a user.

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include "ui/eingabe_fenster.h"
#include "ui/grafik_fenster.h"

#include <functional>

namespace kov::test {

// Runs aktion and returns the text of every message box it opened; each box is closed as
// soon as it appears.
inline QStringList MeldungenAbfangen(const std::function<void()>& aktion) {
    QStringList texte;
    QTimer wache;
    QObject::connect(&wache, &QTimer::timeout, [&texte] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            // the break opportunities for long words are no part of what is said
            texte << box->text().remove(QChar(0x200B));
            box->done(QMessageBox::Ok);
        }
    });
    wache.start(5);
    aktion();
    wache.stop();
    return texte;
}

// Runs aktion and answers the message boxes it opens, in order, by clicking the button with the
// given caption (a box beyond the answers is closed like MeldungenAbfangen does). Returns the
// text of every box.
inline QStringList FragenBeantworten(const QStringList& antworten,
                                     const std::function<void()>& aktion) {
    QStringList texte;
    int naechste = 0;
    QTimer wache;
    QObject::connect(&wache, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        texte << box->text().remove(QChar(0x200B));
        if (naechste < antworten.size()) {
            const QString antwort = antworten[naechste++];
            for (QAbstractButton* knopf : box->buttons())
                if (knopf->text() == antwort) {
                    knopf->click();
                    return;
                }
            texte << QStringLiteral("<kein Knopf %1>").arg(antwort);
        }
        box->done(QMessageBox::Ok);
    });
    wache.start(5);
    aktion();
    wache.stop();
    return texte;
}

// Waits until the chart window's run has ended, at most two minutes; false when it has not.
inline bool LaufAbwarten(const TForm1& fenster) {
    return QTest::qWaitFor([&fenster] { return !fenster.LaufAktiv(); }, 120000);
}

// Clicks "Berechnen" of the input window and waits for the chart window's run; the messages it
// showed (none for a run that went well).
inline QStringList BerechnenUndAbwarten(TForm2& eingabe, const TForm1& grafik) {
    return MeldungenAbfangen([&] {
        eingabe.Berechnen->click();
        LaufAbwarten(grafik);
    });
}

// Pixel images compared independent of their storage format.
inline bool BilderGleich(const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_RGB32) == b.convertToFormat(QImage::Format_RGB32);
}

} // namespace kov::test
