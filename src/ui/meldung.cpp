#include "ui/meldung.h"

namespace kov {

namespace {
constexpr QChar Umbruch(0x200B);
constexpr int LangesWort = 30;

bool Trenner(QChar c) {
    return c == u'/' || c == u'\\' || c == u'_' || c == u'.' || c == u',';
}
} // namespace

QString UmbruchErlauben(const QString& text) {
    QString ergebnis;
    ergebnis.reserve(text.size() + text.size() / LangesWort + 8);
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i].isSpace()) {
            ergebnis.append(text[i++]);
            continue;
        }
        qsizetype ende = i;
        while (ende < text.size() && !text[ende].isSpace())
            ++ende;
        const bool lang = ende - i > LangesWort;
        int seitUmbruch = 0;
        for (; i < ende; ++i) {
            ergebnis.append(text[i]);
            ++seitUmbruch;
            if (lang && i + 1 < ende && (Trenner(text[i]) || seitUmbruch >= LangesWort)) {
                ergebnis.append(Umbruch);
                seitUmbruch = 0;
            }
        }
    }
    return ergebnis;
}

void MeldungZeigen(QWidget* eltern, QMessageBox::Icon art, const QString& titel,
                   const QString& text) {
    QMessageBox box(art, titel, UmbruchErlauben(text), QMessageBox::Ok, eltern);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace kov
