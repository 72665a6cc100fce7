#include "ui/klima_dialog.h"

#include "files/klima.h"
#include "model/fehler.h"
#include "ui/datei_fehler_text.h"
#include "ui/klima_karte.h"
#include "ui/wetter_texte.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace kov {

namespace {

QString Utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

TKlimaDialog::TKlimaDialog(QWidget* eltern, const std::string& klima) : QDialog(eltern) {
    setObjectName(QStringLiteral("KlimaDialog"));
    setWindowTitle(tr("KOV - Eingebautes Klima"));

    Region = new QComboBox(this);
    Region->setObjectName(QStringLiteral("Region"));
    for (const TKlimaRegion& r : KlimaRegionenListe())
        Region->addItem(tr("%1 – %2 (%3)").arg(r.Nummer).arg(Utf8(r.Station), Utf8(r.Region)));
    Art = new QComboBox(this);
    Art->setObjectName(QStringLiteral("Art"));
    Art->addItems({tr("mittleres Jahr"), tr("extremer Sommer"), tr("extremer Winter")});
    Zeitraum = new QComboBox(this);
    Zeitraum->setObjectName(QStringLiteral("Zeitraum"));
    Zeitraum->addItems({tr("heute (1995–2012)"), tr("Zukunft (2031–2060)")});

    Breite = new QDoubleSpinBox(this);
    Breite->setObjectName(QStringLiteral("Breite"));
    Breite->setRange(-90.0, 90.0);
    Breite->setDecimals(4);
    Breite->setSuffix(tr(" ° N"));
    Breite->setValue(51.0);
    Laenge = new QDoubleSpinBox(this);
    Laenge->setObjectName(QStringLiteral("Laenge"));
    Laenge->setRange(-180.0, 180.0);
    Laenge->setDecimals(4);
    Laenge->setSuffix(tr(" ° O"));
    Laenge->setValue(10.0);
    auto* suchen = new QPushButton(tr("Nächste Station"), this);
    suchen->setObjectName(QStringLiteral("NaechsteStation"));
    Entfernung = new QLabel(this);
    Entfernung->setObjectName(QStringLiteral("Entfernung"));

    Zusammenfassung = new QLabel(this);
    Zusammenfassung->setObjectName(QStringLiteral("Zusammenfassung"));
    Zusammenfassung->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Zusammenfassung->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* formular = new QFormLayout;
    formular->addRow(tr("Region:"), Region);
    formular->addRow(tr("Art des Jahres:"), Art);
    formular->addRow(tr("Zeitraum:"), Zeitraum);
    auto* lage = new QHBoxLayout;
    lage->addWidget(Breite);
    lage->addWidget(Laenge);
    lage->addWidget(suchen);
    formular->addRow(tr("Standort:"), lage);
    formular->addRow(QString(), Entfernung);

    auto* knoepfe = new QDialogButtonBox(this);
    QPushButton* uebernehmen = knoepfe->addButton(tr("Übernehmen"), QDialogButtonBox::AcceptRole);
    uebernehmen->setObjectName(QStringLiteral("Uebernehmen"));
    knoepfe->addButton(tr("Abbrechen"), QDialogButtonBox::RejectRole);
    uebernehmen->setDefault(true);

    Karte = new TKlimaKarte(this);

    auto* spalte = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    auto* rechts = new QVBoxLayout;
    rechts->addLayout(formular);
    rechts->addWidget(Zusammenfassung, 1);
    oben->addWidget(Karte);
    oben->addLayout(rechts, 1);
    spalte->addLayout(oben, 1);
    spalte->addWidget(new QLabel(tr("Testreferenzjahre des DWD, CC BY 4.0. Datenbasis: Deutscher "
                                    "Wetterdienst."),
                                 this));
    spalte->addWidget(knoepfe);

    TKlimaWahl wahl;
    if (KlimaWahlLesen(klima, wahl)) {
        Region->setCurrentIndex(wahl.Region - 1);
        Art->setCurrentIndex(static_cast<int>(wahl.Art));
        Zeitraum->setCurrentIndex(wahl.Periode == 2045 ? 1 : 0);
    }
    for (QComboBox* liste : {Region, Art, Zeitraum})
        connect(liste, &QComboBox::currentIndexChanged, this, [this] { ZusammenfassungZeigen(); });
    connect(suchen, &QPushButton::clicked, this, [this] { NaechsteStationWaehlen(); });
    connect(Karte, &TKlimaKarte::RegionGeklickt, this,
            [this](int region) { Region->setCurrentIndex(region - 1); });
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ZusammenfassungZeigen();
}

std::string TKlimaDialog::Klima() const {
    const TKlimaWahl wahl{Region->currentIndex() + 1,
                          KlimaArten[static_cast<std::size_t>(Art->currentIndex())],
                          KlimaPerioden[static_cast<std::size_t>(Zeitraum->currentIndex())]};
    return KlimaName(wahl);
}

void TKlimaDialog::NaechsteStationWaehlen() {
    double km = 0.0;
    const int region = NaechsteKlimaRegion(Breite->value(), Laenge->value(), &km);
    Region->setCurrentIndex(region - 1);
    Entfernung->setText(tr("Nächste Station: %1, %2 km entfernt")
                            .arg(Utf8(KlimaRegion(region).Station))
                            .arg(QLocale().toString(km, 'f', 0)));
}

// Reading a year takes a few milliseconds: done here, as the file picker reads its file.
void TKlimaDialog::ZusammenfassungZeigen() {
    Karte->RegionSetzen(Region->currentIndex() + 1);
    auto jahr = std::make_unique<TWetterJahr>();
    TWetterInfo info;
    try {
        KlimaJahrLesen(Klima(), *jahr, info);
        Zusammenfassung->setText(WetterText(WetterInfoText(info), QLocale()));
    } catch (const std::exception& f) {
        Zusammenfassung->setText(tr("Nicht lesbar: %1").arg(AusnahmeText(f)));
    }
}

} // namespace kov
