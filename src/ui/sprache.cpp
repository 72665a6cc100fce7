#include "ui/sprache.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
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

QMenu* SprachMenueAnlegen(QMenuBar* leiste, QWidget* meldungsEltern) {
    // the same in both languages, so that a user who cannot read the other one finds it
    QMenu* menue = leiste->addMenu(QStringLiteral("Sprache / Language"));
    menue->setObjectName(QStringLiteral("SprachMenue"));
    auto* gruppe = new QActionGroup(menue);
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
        QObject::connect(a, &QAction::triggered, menue, [kuerzel, meldungsEltern] {
            if (kuerzel == SpracheBestimmen()) return;
            SpracheMerken(kuerzel);
            // both sentences, since the user may read only the language just chosen
            QMessageBox::information(
                meldungsEltern, QStringLiteral("KOV"),
                QStringLiteral("Die Sprache wechselt beim nächsten Start von KOV.\n"
                               "The language changes when KOV is started next."));
        });
    }
    return menue;
}

} // namespace kov
