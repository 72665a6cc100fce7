#include "ui/klassische_anordnung.h"

#include <QWidget>

#include <algorithm>
#include <climits>

namespace kov {

TKlassischeAnordnung::TKlassischeAnordnung(QWidget* fenster, QSize klassischeGroesse)
    : QLayout(fenster), KlassischeGroesse(klassischeGroesse) {
    setContentsMargins(0, 0, 0, 0);
    Grenzen.append(INT_MAX);
}

TKlassischeAnordnung::~TKlassischeAnordnung() {
    for (const TPlatz& p : Plaetze)
        delete p.Item;
}

void TKlassischeAnordnung::SpalteBeginnen(int grenze) {
    Grenzen.append(grenze);
}

void TKlassischeAnordnung::Setzen(QWidget* widget, const QRect& klassisch, TWachsen wachsen) {
    addChildWidget(widget);
    Plaetze.append({new QWidgetItem(widget), klassisch, wachsen, int(Grenzen.size()) - 1});
    invalidate();
}

void TKlassischeAnordnung::GleichBreit(std::initializer_list<QWidget*> widgets) {
    for (TPlatz& p : Plaetze)
        if (std::find(widgets.begin(), widgets.end(), p.Item->widget()) != widgets.end())
            p.Gruppe = Gruppen;
    ++Gruppen;
    invalidate();
}

void TKlassischeAnordnung::addItem(QLayoutItem* item) {
    Plaetze.append({item, QRect(QPoint(0, 0), item->sizeHint()), TWachsen::NachRechts,
                    int(Grenzen.size()) - 1});
    invalidate();
}

int TKlassischeAnordnung::count() const {
    return int(Plaetze.size());
}

QLayoutItem* TKlassischeAnordnung::itemAt(int index) const {
    return index >= 0 && index < Plaetze.size() ? Plaetze[index].Item : nullptr;
}

QLayoutItem* TKlassischeAnordnung::takeAt(int index) {
    if (index < 0 || index >= Plaetze.size()) return nullptr;
    QLayoutItem* item = Plaetze.takeAt(index).Item;
    invalidate();
    return item;
}

QList<QRect> TKlassischeAnordnung::Anordnen() const {
    QList<QRect> orte(Plaetze.size());
    // how far right the columns laid out so far reach
    int reichweite = INT_MIN;
    QList<int> gruppenBreite(Gruppen, 0);
    for (const TPlatz& p : Plaetze)
        if (p.Gruppe >= 0 && !p.Item->isEmpty())
            gruppenBreite[p.Gruppe] = std::max(gruppenBreite[p.Gruppe], p.Item->sizeHint().width());
    for (int s = 0; s < Grenzen.size(); ++s) {
        const int grenze = Grenzen[s];
        // sizes and unshifted places first: a widget growing about its centre must not reach
        // left of the column's border either
        int verschiebung = reichweite == INT_MIN ? 0 : std::max(0, reichweite - grenze);
        for (int i = 0; i < Plaetze.size(); ++i) {
            const TPlatz& p = Plaetze[i];
            if (p.Spalte != s) continue;
            const QSize noetig = p.Item->sizeHint();
            const int gemeinsam = p.Gruppe >= 0 ? gruppenBreite[p.Gruppe] : 0;
            const int breite = std::max({p.Klassisch.width(), noetig.width(), gemeinsam});
            const int hoehe = std::max(p.Klassisch.height(), noetig.height());
            int x = p.Klassisch.x();
            if (p.Wachsen == TWachsen::UmDieMitte) {
                x -= (breite - p.Klassisch.width()) / 2;
                if (s > 0 && !p.Item->isEmpty()) verschiebung = std::max(verschiebung, grenze - x);
            }
            orte[i] = QRect(x, p.Klassisch.y(), breite, hoehe);
        }
        for (int i = 0; i < Plaetze.size(); ++i) {
            if (Plaetze[i].Spalte != s) continue;
            orte[i].translate(verschiebung, 0);
            if (!Plaetze[i].Item->isEmpty()) reichweite = std::max(reichweite, orte[i].right() + 1);
        }
    }
    return orte;
}

QSize TKlassischeAnordnung::sizeHint() const {
    const QList<QRect> orte = Anordnen();
    QSize jetzt, klassisch;
    for (int i = 0; i < Plaetze.size(); ++i) {
        if (Plaetze[i].Item->isEmpty()) continue;
        jetzt = jetzt.expandedTo(QSize(orte[i].right() + 1, orte[i].bottom() + 1));
        const QRect& k = Plaetze[i].Klassisch;
        klassisch = klassisch.expandedTo(QSize(k.right() + 1, k.bottom() + 1));
    }
    if (KlassischeGroesse.isEmpty()) return jetzt;
    // the classic margins right of and below the widgets stay
    return KlassischeGroesse + (jetzt - klassisch).expandedTo(QSize(0, 0));
}

QSize TKlassischeAnordnung::minimumSize() const {
    return sizeHint();
}

void TKlassischeAnordnung::setGeometry(const QRect& rechteck) {
    QLayout::setGeometry(rechteck);
    const QList<QRect> orte = Anordnen();
    for (int i = 0; i < Plaetze.size(); ++i) {
        const QRect ort = orte[i].translated(rechteck.topLeft());
        // straight to the widget: its item would centre a button of fixed height at its hint
        if (QWidget* w = Plaetze[i].Item->widget())
            w->setGeometry(ort);
        else
            Plaetze[i].Item->setGeometry(ort);
    }
}

} // namespace kov
