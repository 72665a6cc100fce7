#pragma once
// A layout for the classic windows that were drawn at pixel positions: each widget keeps its
// classic rectangle as long as its text fits, and grows when a translation needs more room. Tops
// stay where they were (the fonts have pixel sizes, so only widths change with the language); a
// column that grows to the right pushes the columns right of it on.

#include <QLayout>
#include <QList>
#include <QRect>
#include <QSize>

#include <initializer_list>

namespace kov {

class TKlassischeAnordnung : public QLayout {
public:
    // How a widget that needs more than its classic width grows.
    enum class TWachsen { NachRechts, UmDieMitte };

    // klassischeGroesse: the window's classic client size, the least the layout asks for; an
    // empty size asks only for the room the widgets take.
    explicit TKlassischeAnordnung(QWidget* fenster, QSize klassischeGroesse = {});
    ~TKlassischeAnordnung() override;

    // Starts the next column. Its widgets move right by as far as the columns before it reach
    // beyond `grenze`, the classic x the widgets left of it must not pass.
    void SpalteBeginnen(int grenze);
    // The widget at its classic rectangle in the window's client area.
    void Setzen(QWidget* widget, const QRect& klassisch, TWachsen wachsen = TWachsen::NachRechts);
    // These widgets as wide as the widest of them, as a column of buttons is.
    void GleichBreit(std::initializer_list<QWidget*> widgets);

    void addItem(QLayoutItem* item) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rechteck) override;
    Qt::Orientations expandingDirections() const override { return {}; }

private:
    struct TPlatz {
        QLayoutItem* Item;
        QRect Klassisch;
        TWachsen Wachsen;
        int Spalte;
        int Gruppe = -1; // widgets of one group share their width
    };
    // where every widget goes, relative to the layout's origin, in the order of Plaetze
    QList<QRect> Anordnen() const;

    QList<TPlatz> Plaetze;
    QList<int> Grenzen; // per column
    int Gruppen = 0;
    QSize KlassischeGroesse;
};

} // namespace kov
