#include "ui/klassische_anordnung.h"

#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>

namespace kov {
namespace {

// Two columns as on the start window: a button at (10, 10) 100 wide, a heading centred in
// (200, 10) 100 wide whose column must not start left of x = 190. The button's and heading's
// texts change per case; what is checked is where the layout puts them.
TEST(KlassischeAnordnung, WachsenUndSchiebenNachDenTexten) {
    const struct {
        const char* Fall;
        int KnopfBreite;        // width the button's text asks for (its least size), 0: fits
        int UeberschriftBreite; // likewise for the heading
        bool KnopfVersteckt;
        QRect Knopf, Ueberschrift;
    } faelle[] = {
        {"alles passt", 0, 0, false, {10, 10, 100, 30}, {200, 10, 100, 20}},
        // right edge 10 + 150 = 160 stays left of 190: nothing moves
        {"Knopf etwas breiter", 150, 0, false, {10, 10, 150, 30}, {200, 10, 100, 20}},
        // right edge 10 + 220 = 230 passes 190 by 40: the second column moves by 40
        {"Knopf viel breiter", 220, 0, false, {10, 10, 220, 30}, {240, 10, 100, 20}},
        // a hidden widget takes no room, however wide
        {"versteckter Knopf", 220, 0, true, {10, 10, 220, 30}, {200, 10, 100, 20}},
        // 140 about the centre 250: from 180, 10 left of the border, so the column moves by 10
        {"Überschrift breiter", 0, 140, false, {10, 10, 100, 30}, {190, 10, 140, 20}},
        // 120 about the centre: from 190, on the border
        {"Überschrift bis zur Grenze", 0, 120, false, {10, 10, 100, 30}, {190, 10, 120, 20}},
    };
    for (const auto& f : faelle) {
        QWidget fenster;
        auto* anordnung = new TKlassischeAnordnung(&fenster, QSize(400, 100));
        auto* knopf = new QPushButton(QStringLiteral("K"), &fenster);
        auto* ueberschrift = new QLabel(QStringLiteral("U"), &fenster);
        if (f.KnopfBreite > 0) knopf->setMinimumWidth(f.KnopfBreite);
        if (f.UeberschriftBreite > 0) ueberschrift->setMinimumWidth(f.UeberschriftBreite);
        anordnung->Setzen(knopf, {10, 10, 100, 30});
        anordnung->SpalteBeginnen(190);
        anordnung->Setzen(ueberschrift, {200, 10, 100, 20},
                          TKlassischeAnordnung::TWachsen::UmDieMitte);
        fenster.show();
        if (f.KnopfVersteckt) knopf->hide();
        anordnung->activate();
        EXPECT_EQ(knopf->geometry(), f.Knopf) << f.Fall;
        EXPECT_EQ(ueberschrift->geometry(), f.Ueberschrift) << f.Fall;
        // the classic 400 x 100 grows by what the widgets reach beyond their classic extent
        const int ueber = std::max(0, ueberschrift->geometry().right() + 1 - 300);
        EXPECT_EQ(fenster.minimumSize(), QSize(400 + ueber, 100)) << f.Fall;
    }
}

} // namespace
} // namespace kov
