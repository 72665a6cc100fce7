#include "ui/ausgabe_pruefung.h"

#include "ui/meldung.h"

#include <QCoreApplication>
#include <QDir>

namespace kov {

std::vector<std::string> AusgabeKollisionen(const QString& datei, const char* wer, const char* wen,
                                            const std::vector<TDateiRolle>& dateien) {
    const std::string name = QDir::toNativeSeparators(datei).toStdString();
    return UeberschreibenPruefen({TDateiRolle{wer, wen, name, name}}, dateien);
}

bool AusgabeZulassen(QWidget* eltern, const QString& titel, const QString& datei, const char* wer,
                     const char* wen, const std::vector<TDateiRolle>& dateien) {
    const std::vector<std::string> meldungen = AusgabeKollisionen(datei, wer, wen, dateien);
    if (meldungen.empty()) return true;
    QString text;
    for (const std::string& meldung : meldungen)
        text += QString::fromStdString(meldung) + QLatin1Char('\n');
    MeldungZeigen(eltern, QMessageBox::Warning, titel,
                  QCoreApplication::translate("kov::AusgabePruefung", "Nichts geschrieben:\n\n%1")
                      .arg(text.trimmed()));
    return false;
}

} // namespace kov
