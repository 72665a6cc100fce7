#pragma once
// The interface's language: German or English, chosen by the user (kept with QSettings) or
// taken from the desktop's locale. kov.txt and the classic messages stay German whatever it is.

#include <QLocale>
#include <QString>
#include <QTranslator>

#include <functional>
#include <memory>

class QMenu;
class QMenuBar;
class QWidget;

namespace kov {

// "de" or "en".
using TSprache = QString;

// The language the user chose in the menu, else German for a de_* locale and English otherwise.
TSprache SpracheBestimmen(const QLocale& system = QLocale::system());
// The choice for the next start; "" forgets it, so that the locale decides again.
void SpracheMerken(const TSprache& sprache);
TSprache GemerkteSprache();

// The translators of one language, installed in the application while this object lives: the
// program's own texts and Qt's (standard dialogs, message box buttons). German needs only Qt's.
class TUebersetzung {
public:
    TUebersetzung() = default;
    ~TUebersetzung();
    TUebersetzung(const TUebersetzung&) = delete;
    TUebersetzung& operator=(const TUebersetzung&) = delete;

    // Installs the language and makes its locale the default of the number formats. False when
    // the program's own translation is missing (the interface then stays German).
    bool Laden(const TSprache& sprache);
    TSprache Sprache() const { return Aktiv; }

private:
    void Entfernen();
    std::unique_ptr<QTranslator> Eigene;
    std::unique_ptr<QTranslator> Qt;
    TSprache Aktiv = QStringLiteral("de");
};

// The menu "Sprache / Language" with a checkable entry per language. A choice is kept for the
// next start; when it differs from the language the windows were built in, the user is asked
// whether KOV is to start again now, and `neustarten` is called on yes.
QMenu* SprachMenueAnlegen(QMenuBar* leiste, QWidget* meldungsEltern,
                          std::function<void()> neustarten);

} // namespace kov
