#include "ui/seiten_satz.h"

#include <QFontMetricsF>
#include <QRegularExpression>

#include <algorithm>

namespace kov {

namespace {

// Word wrap, and wrap anywhere when a single word is wider than the space.
int Umbruch(const QFontMetricsF& masse, double breite, const QString& text) {
    const QRectF wort = masse.boundingRect(QRectF(0, 0, breite, 1e9), Qt::TextWordWrap, text);
    return wort.width() <= breite + 0.01 ? Qt::TextWordWrap : Qt::TextWrapAnywhere;
}

QFontMetricsF Masse(const QPainter& maler, const QFont& schrift) {
    return QFontMetricsF(schrift, maler.device());
}

// inner padding of a cell in device units: a fifth of the line height
double Polster(const QFontMetricsF& masse) {
    return masse.height() / 5;
}

double BreitestesWort(const QFontMetricsF& masse, const QString& text) {
    double breitestes = 0;
    for (const QString& wort :
         text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
        breitestes = std::max(breitestes, masse.horizontalAdvance(wort));
    return breitestes;
}

// The font of a cell: the table's, shrunk down to 75 % where one word of the text is wider
// than the cell (what is still too wide then wraps inside the word).
QFont ZellSchrift(const QPainter& maler, const QFont& schrift, double breite, const QString& text) {
    double wort = BreitestesWort(Masse(maler, schrift), text);
    QFont kleiner = schrift;
    // glyph widths do not scale exactly with the size: shrink in steps until the word fits
    for (double faktor = 1; wort > breite && faktor > 0.75;) {
        faktor = std::max(0.75, std::min(faktor * breite / wort, faktor - 0.02));
        if (schrift.pixelSize() > 0)
            kleiner.setPixelSize(std::max(1, static_cast<int>(schrift.pixelSize() * faktor)));
        else
            kleiner.setPointSizeF(schrift.pointSizeF() * faktor);
        wort = BreitestesWort(Masse(maler, kleiner), text);
    }
    return kleiner;
}

// the usable width of cell s of a row
double ZellBreite(const TTabellenZeile& z, const QVector<double>& breiten, const QRectF& bereich,
                  int s, double polster) {
    return (z.Zwischentitel ? bereich.width() : breiten[s]) - 2 * polster;
}

} // namespace

QFont BerichtSchrift(double punkt, bool fett) {
    QFont schrift(QStringLiteral("DejaVu Sans"));
    schrift.setPointSizeF(punkt);
    schrift.setBold(fett);
    // no ligatures: "fl" and "ffi" stay letters a reader can search for and copy
    schrift.setStyleStrategy(QFont::PreferNoShaping);
    return schrift;
}

double TextHoehe(const QPainter& maler, const QFont& schrift, double breite, const QString& text) {
    const QFontMetricsF masse = Masse(maler, schrift);
    const int art = Umbruch(masse, breite, text);
    return masse.boundingRect(QRectF(0, 0, breite, 1e9), art, text).height();
}

double TextZeichnen(QPainter& maler, const QFont& schrift, const QRectF& rahmen,
                    const QString& text, Qt::Alignment ausrichtung) {
    const QFontMetricsF masse = Masse(maler, schrift);
    const int art = Umbruch(masse, rahmen.width(), text);
    maler.setFont(schrift);
    QRectF belegt;
    maler.drawText(rahmen, art | static_cast<int>(ausrichtung | Qt::AlignTop), text, &belegt);
    return belegt.height();
}

namespace {

QVector<double> SpaltenBreiten(const QVector<TSpalte>& spalten, double breite) {
    QVector<double> breiten;
    for (const TSpalte& s : spalten)
        breiten.append(s.Anteil * breite);
    return breiten;
}

} // namespace

bool TabelleOhneWortbruch(const QPainter& maler, const QFont& schrift, double breite,
                          const QVector<TSpalte>& spalten, const QVector<TTabellenZeile>& zeilen) {
    QFont fett = schrift;
    fett.setBold(true);
    const double polster = Polster(Masse(maler, schrift));
    const QVector<double> breiten = SpaltenBreiten(spalten, breite);
    const QRectF bereich(0, 0, breite, 0);
    for (const TTabellenZeile& z : zeilen) {
        const QFontMetricsF masse = Masse(maler, z.Fett || z.Zwischentitel ? fett : schrift);
        const int zellen = z.Zwischentitel ? 1 : static_cast<int>(spalten.size());
        for (int s = 0; s < zellen && s < z.Zellen.size(); ++s)
            if (BreitestesWort(masse, z.Zellen[s]) > ZellBreite(z, breiten, bereich, s, polster))
                return false;
    }
    return true;
}

double TabelleSetzen(QPainter& maler, const QFont& schrift, const QRectF& bereich,
                     const QVector<TSpalte>& spalten, const QVector<TTabellenZeile>& zeilen,
                     bool zeichnen) {
    QFont fett = schrift;
    fett.setBold(true);
    const QFontMetricsF masse = Masse(maler, schrift);
    const double polster = Polster(masse);
    const QVector<double> breiten = SpaltenBreiten(spalten, bereich.width());
    double y = bereich.top();
    const QPen linie(QColor(160, 160, 160), masse.height() / 25);
    for (const TTabellenZeile& z : zeilen) {
        const QFont& zeilenSchrift = z.Fett || z.Zwischentitel ? fett : schrift;
        const int zellen = std::min(z.Zwischentitel ? 1 : static_cast<int>(spalten.size()),
                                    static_cast<int>(z.Zellen.size()));
        QVector<QFont> zellSchriften;
        double hoehe = 0;
        for (int s = 0; s < zellen; ++s) {
            const double breite = ZellBreite(z, breiten, bereich, s, polster);
            zellSchriften.append(ZellSchrift(maler, zeilenSchrift, breite, z.Zellen[s]));
            hoehe = std::max(hoehe, TextHoehe(maler, zellSchriften.back(), breite, z.Zellen[s]));
        }
        hoehe = std::max(hoehe, masse.height()) + 2 * polster;
        if (zeichnen) {
            const QRectF zeile(bereich.left(), y, bereich.width(), hoehe);
            if (z.Hinterlegt) maler.fillRect(zeile, QColor(232, 232, 232));
            if (z.Zwischentitel) maler.fillRect(zeile, QColor(214, 224, 238));
            double links = bereich.left();
            for (int s = 0; s < zellen; ++s) {
                const double breite = ZellBreite(z, breiten, bereich, s, polster);
                TextZeichnen(maler, zellSchriften[s],
                             QRectF(links + polster, y + polster, breite, hoehe), z.Zellen[s],
                             z.Zwischentitel ? Qt::AlignLeft : spalten[s].Ausrichtung);
                links += breiten[s];
            }
            maler.setPen(linie);
            maler.drawLine(QPointF(bereich.left(), y + hoehe), QPointF(bereich.right(), y + hoehe));
            maler.setPen(Qt::black);
        }
        y += hoehe;
    }
    return y - bereich.top();
}

TSeitenSatz::TSeitenSatz(QPainter& maler, const QRectF& satzspiegel, bool zeichnen,
                         std::function<void()> neueSeite, std::function<void(int seite)> fusszeile)
    : MalerRef(maler), Spiegel(satzspiegel), Zeichnen(zeichnen), NeueSeite(std::move(neueSeite)),
      Fusszeile(std::move(fusszeile)), Y(satzspiegel.top()) {}

double TSeitenSatz::Millimeter(double mm) const {
    return mm / 25.4 * MalerRef.device()->logicalDpiY();
}

void TSeitenSatz::Seitenumbruch() {
    if (Zeichnen) {
        if (Fusszeile) Fusszeile(Seite);
        if (NeueSeite) NeueSeite();
    }
    ++Seite;
    Y = Spiegel.top();
}

void TSeitenSatz::Freihalten(double hoehe) {
    // what is higher than a whole page starts at the top of one and runs as far as it goes
    if (Y + hoehe > Spiegel.bottom() && Y > Spiegel.top() && hoehe <= Spiegel.height())
        Seitenumbruch();
}

void TSeitenSatz::Abstand(double hoehe) {
    Y = std::min(Y + hoehe, Spiegel.bottom());
}

void TSeitenSatz::Ueberschrift(const QString& text, double punkt) {
    const QFont schrift = BerichtSchrift(punkt, true);
    const double hoehe = TextHoehe(MalerRef, schrift, Spiegel.width(), text);
    // a heading stays with at least a few lines of what follows it
    Freihalten(hoehe + 4 * Masse(MalerRef, BerichtSchrift(9)).height());
    if (Zeichnen)
        TextZeichnen(MalerRef, schrift, QRectF(Spiegel.left(), Y, Spiegel.width(), hoehe), text);
    Y += hoehe + Millimeter(2);
}

void TSeitenSatz::Absatz(const QString& text, const QFont& schrift, double abstandDanach) {
    // line by line, so that a long paragraph breaks across pages between its lines
    const QFontMetricsF masse = Masse(MalerRef, schrift);
    QStringList zeilen;
    for (const QString& absatz : text.split(QLatin1Char('\n'))) {
        QString rest = absatz;
        if (rest.isEmpty()) zeilen.append(QString());
        while (!rest.isEmpty()) {
            // the longest start of rest that fits the width, ended at a blank where there is one
            int laenge = static_cast<int>(rest.size());
            while (laenge > 1 && masse.horizontalAdvance(rest.left(laenge)) > Spiegel.width()) {
                const int blank = static_cast<int>(rest.lastIndexOf(QLatin1Char(' '), laenge - 1));
                laenge = blank > 0 ? blank : laenge - 1;
            }
            zeilen.append(rest.left(laenge));
            rest = rest.mid(laenge);
            if (rest.startsWith(QLatin1Char(' '))) rest = rest.mid(1);
        }
    }
    for (const QString& zeile : zeilen) {
        Freihalten(masse.height());
        if (Zeichnen) {
            MalerRef.setFont(schrift);
            MalerRef.drawText(QRectF(Spiegel.left(), Y, Spiegel.width(), masse.height()),
                              Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, zeile);
        }
        Y += masse.height();
    }
    Y += abstandDanach;
}

double TSeitenSatz::TabellenHoehe(const QVector<TSpalte>& spalten,
                                  const QVector<TTabellenZeile>& zeilen,
                                  const QFont& schrift) const {
    TTabellenZeile kopf;
    kopf.Fett = true;
    for (const TSpalte& s : spalten)
        kopf.Zellen.append(s.Kopf);
    const QRectF breite(Spiegel.left(), 0, Spiegel.width(), 0);
    return TabelleSetzen(MalerRef, schrift, breite, spalten, {kopf}, false) +
           TabelleSetzen(MalerRef, schrift, breite, spalten, zeilen, false);
}

void TSeitenSatz::Tabelle(const QVector<TSpalte>& spalten, const QVector<TTabellenZeile>& zeilen,
                          const QFont& schrift, double abstandDanach) {
    TTabellenZeile kopf;
    kopf.Fett = true;
    for (const TSpalte& s : spalten)
        kopf.Zellen.append(s.Kopf);
    const QRectF breite(Spiegel.left(), 0, Spiegel.width(), 0);
    const auto hoehe = [&](const TTabellenZeile& z) {
        return TabelleSetzen(MalerRef, schrift, breite, spalten, {z}, false);
    };
    const double kopfHoehe = hoehe(kopf);
    bool kopfGesetzt = false;
    for (int i = 0; i < zeilen.size(); ++i) {
        const double h = hoehe(zeilen[i]);
        // a group title stays with the row after it
        const double zusammen =
            zeilen[i].Zwischentitel && i + 1 < zeilen.size() ? h + hoehe(zeilen[i + 1]) : h;
        if (Y + zusammen > Spiegel.bottom() && Y > Spiegel.top()) {
            Seitenumbruch();
            kopfGesetzt = false;
        }
        if (!kopfGesetzt) {
            TabelleSetzen(MalerRef, schrift, QRectF(Spiegel.left(), Y, Spiegel.width(), kopfHoehe),
                          spalten, {kopf}, Zeichnen);
            Y += kopfHoehe;
            kopfGesetzt = true;
        }
        TabelleSetzen(MalerRef, schrift, QRectF(Spiegel.left(), Y, Spiegel.width(), h), spalten,
                      {zeilen[i]}, Zeichnen);
        Y += h;
    }
    Y += abstandDanach;
}

void TSeitenSatz::Block(double hoehe, const std::function<void(QPainter&, const QRectF&)>& zeichner,
                        double abstandDanach) {
    Freihalten(hoehe);
    if (Zeichnen) {
        MalerRef.save();
        zeichner(MalerRef, QRectF(Spiegel.left(), Y, Spiegel.width(), hoehe));
        MalerRef.restore();
    }
    Y += hoehe + abstandDanach;
}

int TSeitenSatz::Abschliessen() {
    if (Zeichnen && Fusszeile) Fusszeile(Seite);
    return Seite;
}

} // namespace kov
