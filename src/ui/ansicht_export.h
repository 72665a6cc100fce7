#pragma once
// The result views drawn off the screen: into any painter (the PDF report), as PNG or SVG
// pictures of a chosen size, all of them into a folder, and the hourly series as CSV. Files
// are written atomically: into a temporary file beside the target that takes its name only
// when complete; a fault raises TDateiFehler naming the file and leaves an old file whole.

#include "ui/diagramme.h"

#include "files/stunden_csv.h"

#include <QPainter>
#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>

namespace kov {

inline constexpr QSize StandardBildGroesse{1600, 1000};

// Draws the view into ziel (device units of maler). The view is laid out on a logical canvas
// 1000 units wide with ziel's proportions and scaled onto ziel, so that its texts keep their
// size relative to the picture whatever the device: the tick labels are schrift times the
// width high.
inline constexpr double BildSchrift = 1.0 / 80;
// chart laid out on a logical canvas of ziel's proportions and drawn onto ziel
void DiagrammZeichnen(std::unique_ptr<QChart> chart, QPainter& maler, const QRectF& ziel,
                      const QSizeF& logisch);
void AnsichtZeichnen(TAnsicht ansicht, const TAuswertung& auswertung, QPainter& maler,
                     const QRectF& ziel, double schrift = BildSchrift);

// A drawing of groesse pixels as PNG or SVG after the suffix of datei, written atomically (drawn in
// memory, then written like every other file of KOV: a link replaced rather than written through);
// another suffix, an empty size or a fault raises TDateiFehler naming the file.
void ZeichnungSpeichern(const QString& datei, QSize groesse, const QString& titel,
                        const std::function<void(QPainter&, const QRectF&)>& zeichnen);

// The view as a picture of groesse pixels, PNG or SVG after the suffix of datei (".png",
// ".svg", any case); another suffix raises TDateiFehler.
void AnsichtSpeichern(TAnsicht ansicht, const TAuswertung& auswertung, const QString& datei,
                      QSize groesse = StandardBildGroesse);

// Every view as name.png and name.svg into ordner (which must exist); returns the files written.
QStringList AlleAnsichtenSpeichern(const TAuswertung& auswertung, const QString& ordner,
                                   QSize groesse = StandardBildGroesse);

void StundenCsvSpeichern(const TAuswertung& auswertung, const QString& datei,
                         TDezimalZeichen zeichen);

} // namespace kov
