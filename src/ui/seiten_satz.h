#pragma once
// Text, tables and pictures set from top to bottom onto pages of a paint device: every text is
// measured with the device's own font metrics and wrapped at word boundaries (inside a word
// where one word alone is wider than its space), so that nothing is cut off at the page or
// column edge. Pages break between lines, table rows and pictures; the setting can run once
// without drawing to count the pages.

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace kov {

struct TSpalte {
    QString Kopf;
    double Anteil = 1; // share of the table width, the shares of a table add up to 1
    Qt::Alignment Ausrichtung = Qt::AlignLeft;
};

struct TTabellenZeile {
    QStringList Zellen;
    bool Fett = false;
    bool Hinterlegt = false;    // grey background, for changed values
    bool Zwischentitel = false; // one cell across the whole width
};

// The height text takes in the given width, wrapped, in the painter's device units.
double TextHoehe(const QPainter& maler, const QFont& schrift, double breite, const QString& text);
// Draws text wrapped into rahmen (top-left aligned or as ausrichtung says); returns its height.
double TextZeichnen(QPainter& maler, const QFont& schrift, const QRectF& rahmen,
                    const QString& text, Qt::Alignment ausrichtung = Qt::AlignLeft);

// Sets a table into the width of bereich starting at its top; returns the height it takes.
// Each row is as high as its highest wrapped cell; a cell with a word wider than itself gets a
// smaller font (down to 75 %), then wraps inside the word. With zeichnen false only measures.
double TabelleSetzen(QPainter& maler, const QFont& schrift, const QRectF& bereich,
                     const QVector<TSpalte>& spalten, const QVector<TTabellenZeile>& zeilen,
                     bool zeichnen);

// True when every word of every cell fits its cell at this font (nothing to shrink or break).
bool TabelleOhneWortbruch(const QPainter& maler, const QFont& schrift, double breite,
                          const QVector<TSpalte>& spalten, const QVector<TTabellenZeile>& zeilen);

class TSeitenSatz {
public:
    // satzspiegel: the part of each page text goes into, in device units; neueSeite starts the
    // next page of the device (called only when zeichnen); fusszeile draws the foot of page
    // seite (1-based) after it is full.
    TSeitenSatz(QPainter& maler, const QRectF& satzspiegel, bool zeichnen,
                std::function<void()> neueSeite, std::function<void(int seite)> fusszeile);

    void Ueberschrift(const QString& text, double punkt);
    void Absatz(const QString& text, const QFont& schrift, double abstandDanach);
    // the table, its heading row repeated on every page it runs onto
    void Tabelle(const QVector<TSpalte>& spalten, const QVector<TTabellenZeile>& zeilen,
                 const QFont& schrift, double abstandDanach);
    // the height of the table with its heading row
    double TabellenHoehe(const QVector<TSpalte>& spalten, const QVector<TTabellenZeile>& zeilen,
                         const QFont& schrift) const;
    // starts a new page unless hoehe fits on this one (or could not fit on any)
    void Freihalten(double hoehe);
    // a block of fixed height drawn by zeichner into its rectangle, on a new page if it does
    // not fit on this one
    void Block(double hoehe, const std::function<void(QPainter&, const QRectF&)>& zeichner,
               double abstandDanach);
    void Abstand(double hoehe);
    void Seitenumbruch();
    // the last page's foot; the number of pages set
    int Abschliessen();

    double Millimeter(double mm) const; // device units of mm millimetres
    double Breite() const { return Spiegel.width(); }
    double Rest() const { return Spiegel.bottom() - Y; }
    QPainter& Maler() { return MalerRef; }

private:
    QPainter& MalerRef;
    QRectF Spiegel;
    bool Zeichnen;
    std::function<void()> NeueSeite;
    std::function<void(int)> Fusszeile;
    double Y;
    int Seite = 1;
};

// The font of the report text: DejaVu Sans at punkt points.
QFont BerichtSchrift(double punkt, bool fett = false);

} // namespace kov
