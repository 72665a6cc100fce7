#include "ui/sprache.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

namespace kov {

namespace {

const QString SprachSchluessel = QStringLiteral("Oberflaeche/Sprache");

bool Bekannt(const TSprache& sprache) {
    return sprache == QStringLiteral("de") || sprache == QStringLiteral("en");
}

QSettings Einstellungen() {
    return QSettings(QStringLiteral("KOV"), QStringLiteral("kov"));
}

} // namespace

TSprache GemerkteSprache() {
    const QString gemerkt = Einstellungen().value(SprachSchluessel).toString();
    return Bekannt(gemerkt) ? gemerkt : QString();
}

void SpracheMerken(const TSprache& sprache) {
    QSettings einstellungen = Einstellungen();
    if (Bekannt(sprache))
        einstellungen.setValue(SprachSchluessel, sprache);
    else
        einstellungen.remove(SprachSchluessel);
}

TSprache SpracheBestimmen(const QLocale& system) {
    const TSprache gemerkt = GemerkteSprache();
    if (!gemerkt.isEmpty()) return gemerkt;
    return system.language() == QLocale::German ? QStringLiteral("de") : QStringLiteral("en");
}

TUebersetzung::~TUebersetzung() {
    Entfernen();
}

void TUebersetzung::Entfernen() {
    if (Eigene) QCoreApplication::removeTranslator(Eigene.get());
    if (Qt) QCoreApplication::removeTranslator(Qt.get());
    Eigene.reset();
    Qt.reset();
}

bool TUebersetzung::Laden(const TSprache& sprache) {
    Entfernen();
    const bool englisch = sprache == QStringLiteral("en");
    const QLocale ort = englisch ? QLocale(QLocale::English, QLocale::UnitedKingdom)
                                 : QLocale(QLocale::German, QLocale::Germany);
    QLocale::setDefault(ort);
    Aktiv = englisch ? QStringLiteral("en") : QStringLiteral("de");

    // Qt's own texts are English at source; German comes from Debian's qt6-translations-l10n
    if (!englisch) {
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(ort, QStringLiteral("qt"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            Qt = std::move(qt);
        }
        return true;
    }
    auto eigene = std::make_unique<QTranslator>();
    if (!eigene->load(QStringLiteral(":/uebersetzungen/kov_en.qm"))) {
        Aktiv = QStringLiteral("de");
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        return false;
    }
    QCoreApplication::installTranslator(eigene.get());
    Eigene = std::move(eigene);
    return true;
}

QMenu* SprachMenueAnlegen(QMenuBar* leiste, QWidget* meldungsEltern,
                          std::function<void()> neustarten) {
    // the same in both languages, so that a user who cannot read the other one finds it
    QMenu* menue = leiste->addMenu(QStringLiteral("Sprache / Language"));
    menue->setObjectName(QStringLiteral("SprachMenue"));
    auto* gruppe = new QActionGroup(menue);
    // the language these windows were built in; only a change of it needs a new start
    const TSprache jetzt = SpracheBestimmen();
    const struct {
        const char* Kuerzel;
        QString Name;
    } sprachen[] = {{"de", QStringLiteral("Deutsch")}, {"en", QStringLiteral("English")}};
    for (const auto& s : sprachen) {
        const TSprache kuerzel = QString::fromLatin1(s.Kuerzel);
        QAction* a = menue->addAction(s.Name);
        a->setObjectName(QStringLiteral("Sprache_") + kuerzel);
        a->setCheckable(true);
        a->setChecked(kuerzel == jetzt);
        gruppe->addAction(a);
        QObject::connect(
            a, &QAction::triggered, menue, [kuerzel, jetzt, meldungsEltern, neustarten] {
                if (kuerzel == SpracheBestimmen()) return;
                SpracheMerken(kuerzel);
                // back to the language in use: a choice made before is undone, nothing to restart
                if (kuerzel == jetzt) return;
                // both languages, since the user may read only the one just chosen
                QMessageBox frage(
                    QMessageBox::Question, QStringLiteral("KOV"),
                    QStringLiteral("Die Sprache wechselt beim nächsten Start von KOV. "
                                   "Jetzt neu starten? Ein gespeichertes Projekt wird "
                                   "danach wieder geöffnet.\n\n"
                                   "The language changes when KOV is started next. "
                                   "Restart now? A saved project is opened again "
                                   "afterwards."),
                    QMessageBox::NoButton, meldungsEltern);
                QPushButton* jetztStarten = frage.addButton(
                    QStringLiteral("Jetzt neu starten / Restart now"), QMessageBox::AcceptRole);
                QPushButton* spaeter =
                    frage.addButton(QStringLiteral("Später / Later"), QMessageBox::RejectRole);
                frage.setDefaultButton(jetztStarten);
                frage.setEscapeButton(spaeter);
                frage.exec();
                if (frage.clickedButton() == jetztStarten && neustarten) neustarten();
            });
    }
    return menue;
}

} // namespace kov
