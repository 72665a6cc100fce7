#include "ui/varianten_fenster.h"

#include "files/stunden_ausgabe.h"
#include "model/bodenarten.h"
#include "ui/anwendung.h"
#include "ui/katalog_texte.h"
#include "ui/kern_texte.h"
#include "ui/varianten_tabelle.h"
#include "ui/varianten_texte.h"
#include "ui/zahl_eingabe.h"
#include "ui/zahl_format.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

namespace kov {

using namespace varianten;

namespace {

constexpr const char* FalschStil = "QLineEdit { background-color: #ffd6d6; }";

// the rows the window opens with: a small study of the pipe field, and the usual limits of a fan
// and of the unit behind the register
struct TVorgabe {
    const char* Name;
    const char* Liste;
};
constexpr TVorgabe ParameterVorgaben[EntwurfZeilen] = {
    {"AnzahlRohre", "10,15,20"}, {"Rohrlaenge", "30:60:10"}, {"DRohr", "0.15,0.2"}, {"", ""}};
struct TBedingungsVorgabe {
    const char* Kennwert;
    bool Hoechstens;
    const char* Grenze; // nullptr: the project's Frostgrenze
};
constexpr TBedingungsVorgabe BedingungsVorgaben[TVariantenFenster::BedingungsZeilen] = {
    {"Stroemungsgeschwindigkeit", true, "3"},
    {"TausMin", false, nullptr},
    {"DruckverlustGesamt", true, "50"},
    {"", true, ""}};

} // namespace

void TVariantenFenster::EntwurfAufbauen(QVBoxLayout* aussen) {
    auto* oben = new QHBoxLayout;
    aussen->addLayout(oben);
    auto* links = new QVBoxLayout;
    oben->addLayout(links, 3);

    // the varied parameters
    auto* parameterKasten = new QGroupBox(tr("Variierte Parameter"), this);
    links->addWidget(parameterKasten);
    auto* parameterRaster = new QGridLayout(parameterKasten);
    parameterRaster->addWidget(new QLabel(tr("Parameter"), parameterKasten), 0, 0);
    auto* werteKopf =
        new QLabel(tr("Werte: Liste 10,12,15 · Bereich von:bis:schritt · mit Dezimalkomma "
                      "0,15; 0,2"),
                   parameterKasten);
    parameterRaster->addWidget(werteKopf, 0, 1, 1, 2);
    const std::vector<const TKatalogEintrag*> parameter = StudienParameter();
    for (std::size_t i = 0; i < EntwurfZeilen; ++i) {
        auto* wahl = new QComboBox(parameterKasten);
        wahl->setObjectName(QStringLiteral("ParameterWahl%1").arg(i + 1));
        wahl->addItem(QStringLiteral("—"), QString());
        for (std::size_t j = 0; j < parameter.size(); ++j) {
            const TKatalogEintrag& e = *parameter[j];
            QString text = KatalogText(e.Bezeichnung);
            if (!e.Einheit.empty()) text += QStringLiteral(" [") + Text(e.Einheit) + u']';
            wahl->addItem(text, Text(e.Name));
            wahl->setItemData(wahl->count() - 1,
                              ZahlenAnsicht(KatalogText(e.Beschreibung)) + QLatin1Char('\n') +
                                  QCoreApplication::translate("kov::TParameterDialog", "Name: %1")
                                      .arg(Text(e.Name)),
                              Qt::ToolTipRole);
            // the usual design parameters stand apart from the rest of the catalogue
            if (j == 7) wahl->insertSeparator(wahl->count());
        }
        wahl->setMaxVisibleItems(20);
        wahl->setMinimumContentsLength(24);
        wahl->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        auto* feld = new QLineEdit(parameterKasten);
        feld->setObjectName(QStringLiteral("WerteFeld%1").arg(i + 1));
        feld->setMinimumWidth(220);
        auto* hinweis = new QLabel(parameterKasten);
        hinweis->setWordWrap(true);
        hinweis->setMinimumWidth(260);
        parameterRaster->addWidget(wahl, static_cast<int>(i) + 1, 0);
        parameterRaster->addWidget(feld, static_cast<int>(i) + 1, 1);
        parameterRaster->addWidget(hinweis, static_cast<int>(i) + 1, 2);
        ParameterWahl[i] = wahl;
        WerteFeld[i] = feld;
        ZeilenHinweis[i] = hinweis;
        const int vorgabe = wahl->findData(QString::fromLatin1(ParameterVorgaben[i].Name));
        wahl->setCurrentIndex(std::max(vorgabe, 0));
        feld->setText(QString::fromLatin1(ParameterVorgaben[i].Liste));
        connect(wahl, &QComboBox::currentIndexChanged, this, [this] { EntwurfAnzeigen(); });
        connect(feld, &QLineEdit::textChanged, this, [this] { EntwurfAnzeigen(); });
    }
    parameterRaster->setColumnStretch(1, 1);
    parameterRaster->setColumnStretch(2, 2);

    // the conditions
    auto* bedingungsKasten = new QGroupBox(tr("Bedingungen"), this);
    links->addWidget(bedingungsKasten);
    auto* bedingungsRaster = new QGridLayout(bedingungsKasten);
    for (std::size_t i = 0; i < BedingungsZeilen; ++i) {
        auto* wahl = new QComboBox(bedingungsKasten);
        wahl->setObjectName(QStringLiteral("BedingungsWahl%1").arg(i + 1));
        wahl->addItem(QStringLiteral("—"), QString());
        for (const TStudienKennwert& k : StudienKennwerte())
            wahl->addItem(KernText(std::string(k.Bezeichnung)), Text(k.Name));
        auto* vergleich = new QComboBox(bedingungsKasten);
        vergleich->addItem(tr("≤ höchstens"));
        vergleich->addItem(tr("≥ mindestens"));
        auto* grenze = new QLineEdit(bedingungsKasten);
        grenze->setObjectName(QStringLiteral("GrenzFeld%1").arg(i + 1));
        grenze->setMaximumWidth(110);
        auto* einheit = new QLabel(bedingungsKasten);
        einheit->setMinimumWidth(260);
        einheit->setWordWrap(true);
        bedingungsRaster->addWidget(wahl, static_cast<int>(i), 0);
        bedingungsRaster->addWidget(vergleich, static_cast<int>(i), 1);
        bedingungsRaster->addWidget(grenze, static_cast<int>(i), 2);
        bedingungsRaster->addWidget(einheit, static_cast<int>(i), 3);
        BedingungsWahl[i] = wahl;
        Vergleich[i] = vergleich;
        GrenzFeld[i] = grenze;
        GrenzEinheit[i] = einheit;
        const TBedingungsVorgabe& vorgabe = BedingungsVorgaben[i];
        wahl->setCurrentIndex(std::max(wahl->findData(QString::fromLatin1(vorgabe.Kennwert)), 0));
        vergleich->setCurrentIndex(vorgabe.Hoechstens ? 0 : 1);
        grenze->setText(QString::fromLatin1(vorgabe.Grenze != nullptr ? vorgabe.Grenze : "0"));
        connect(wahl, &QComboBox::currentIndexChanged, this, [this] { EntwurfAnzeigen(); });
        connect(vergleich, &QComboBox::currentIndexChanged, this, [this] { EntwurfAnzeigen(); });
        connect(grenze, &QLineEdit::textChanged, this, [this] { EntwurfAnzeigen(); });
    }
    bedingungsRaster->setColumnStretch(3, 1);

    // the soil types of the input window's list
    auto* bodenKasten = new QGroupBox(tr("Bodenarten"), this);
    oben->addWidget(bodenKasten, 2);
    auto* bodenSpalte = new QVBoxLayout(bodenKasten);
    BodenWahl = new QListWidget(bodenKasten);
    BodenWahl->setObjectName(QStringLiteral("BodenWahl"));
    for (std::size_t art = 1; art < Bodenarten().size(); ++art) {
        auto* eintrag =
            new QListWidgetItem(BodenartText(Bodenarten()[art].Text).simplified(), BodenWahl);
        eintrag->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        eintrag->setCheckState(Qt::Unchecked);
    }
    connect(BodenWahl, &QListWidget::itemChanged, this, [this] { EntwurfAnzeigen(); });
    bodenSpalte->addWidget(BodenWahl);
    auto* bodenKnoepfe = new QHBoxLayout;
    BodenAlle = new QPushButton(tr("Alle"), bodenKasten);
    BodenKeine = new QPushButton(tr("Keine"), bodenKasten);
    bodenKnoepfe->addWidget(BodenAlle);
    bodenKnoepfe->addWidget(BodenKeine);
    bodenKnoepfe->addStretch(1);
    bodenSpalte->addLayout(bodenKnoepfe);
    const auto alleSetzen = [this](Qt::CheckState zustand) {
        for (int i = 0; i < BodenWahl->count(); ++i)
            BodenWahl->item(i)->setCheckState(zustand);
    };
    connect(BodenAlle, &QPushButton::clicked, this, [alleSetzen] { alleSetzen(Qt::Checked); });
    connect(BodenKeine, &QPushButton::clicked, this, [alleSetzen] { alleSetzen(Qt::Unchecked); });
    BodenHinweis = new QLabel(bodenKasten);
    BodenHinweis->setWordWrap(true);
    bodenSpalte->addWidget(BodenHinweis);
}

void TVariantenFenster::Oeffnen() {
    if (!StudieGelaufen && !LaeuftGerade()) {
        const TRegisterParameter p = EingabeParameter();
        for (std::size_t i = 0; i < BedingungsZeilen; ++i)
            if (BedingungsVorgaben[i].Grenze == nullptr)
                GrenzFeld[i]->setText(ZahlZeigen(p.Frostgrenze, 1));
        Dezimalkomma->setChecked(LandMitDezimalKomma(p.Land));
    }
    show();
    raise();
    activateWindow();
}

TStudienEntwurf TVariantenFenster::Entwurf() const {
    TStudienEntwurf entwurf;
    for (std::size_t i = 0; i < EntwurfZeilen; ++i) {
        entwurf.Zeilen[i].Name = ParameterWahl[i]->currentData().toString().toStdString();
        entwurf.Zeilen[i].Liste = WerteFeld[i]->text().toStdString();
    }
    for (int i = 0; i < BodenWahl->count(); ++i)
        if (BodenWahl->item(i)->checkState() == Qt::Checked)
            entwurf.Boeden.push_back(static_cast<std::size_t>(i) + 1);
    for (std::size_t i = 0; i < BedingungsZeilen; ++i)
        entwurf.Bedingungen.push_back({BedingungsWahl[i]->currentData().toString().toStdString(),
                                       Vergleich[i]->currentIndex() == 0,
                                       GrenzFeld[i]->text().toStdString()});
    return entwurf;
}

void TVariantenFenster::EntwurfAnzeigen() {
    if (Anzahl == nullptr || BodenHinweis == nullptr) return; // still being built
    const TEntwurfsPruefung pruefung = EntwurfPruefen(Entwurf());
    const QString fehlerFarbe = QStringLiteral("color: #b00000;");
    for (std::size_t i = 0; i < EntwurfZeilen; ++i) {
        const bool benutzt = !ParameterWahl[i]->currentData().toString().isEmpty();
        const QString fehler = MeldungText(pruefung.ZeilenFehler[i]);
        WerteFeld[i]->setEnabled(benutzt && !LaeuftGerade());
        WerteFeld[i]->setStyleSheet(fehler.isEmpty() ? QString() : QString::fromLatin1(FalschStil));
        WerteFeld[i]->setToolTip(fehler);
        ZeilenHinweis[i]->setStyleSheet(fehler.isEmpty() ? QString() : fehlerFarbe);
        if (!fehler.isEmpty())
            ZeilenHinweis[i]->setText(fehler);
        else if (benutzt)
            ZeilenHinweis[i]->setText(pruefung.ZeilenWerte[i] == 1
                                          ? tr("1 Wert")
                                          : tr("%1 Werte").arg(pruefung.ZeilenWerte[i]));
        else
            ZeilenHinweis[i]->clear();
    }
    for (std::size_t i = 0; i < BedingungsZeilen; ++i) {
        const QString fehler = MeldungText(pruefung.BedingungsFehler[i]);
        GrenzFeld[i]->setStyleSheet(fehler.isEmpty() ? QString() : QString::fromLatin1(FalschStil));
        GrenzFeld[i]->setToolTip(fehler);
        const bool benutzt = !BedingungsWahl[i]->currentData().toString().isEmpty();
        Vergleich[i]->setEnabled(benutzt && !LaeuftGerade());
        GrenzFeld[i]->setEnabled(benutzt && !LaeuftGerade());
        if (!fehler.isEmpty()) {
            GrenzEinheit[i]->setStyleSheet(fehlerFarbe);
            GrenzEinheit[i]->setText(fehler);
        } else {
            GrenzEinheit[i]->setStyleSheet(QString());
            BedingungEinheitZeigen(i);
        }
    }
    std::size_t boeden = 0;
    for (int i = 0; i < BodenWahl->count(); ++i)
        if (BodenWahl->item(i)->checkState() == Qt::Checked) ++boeden;
    BodenHinweis->setText(boeden == 0 ? tr("Keine gewählt: es gilt der Boden des Eingabefensters.")
                          : boeden == Bodenarten().size() - 1
                              ? tr("Alle %1 Bodenarten: jede Variante wird auf jedem Boden "
                                   "gerechnet, vom besten bis zum schlechtesten.")
                                    .arg(boeden)
                              : tr("%1 Bodenart(en) gewählt.").arg(boeden));

    if (pruefung.Gueltig()) {
        Anzahl->setStyleSheet(QString());
        Anzahl->setText(pruefung.Varianten == 1 ? tr("1 Variante")
                                                : tr("%1 Varianten").arg(pruefung.Varianten));
        Anzahl->setToolTip(QString());
    } else {
        Anzahl->setStyleSheet(fehlerFarbe);
        Anzahl->setText(pruefung.Fehler.empty() ? tr("Eingaben prüfen")
                                                : MeldungText(pruefung.Fehler));
        Anzahl->setToolTip(Zeilen(pruefung.Meldungen()));
    }
    Anzahl->setWordWrap(!pruefung.Gueltig());
    BedingungenNachtragen(pruefung);
}

void TVariantenFenster::BedingungenNachtragen(const TEntwurfsPruefung& pruefung) {
    if (!StudieGelaufen || LaeuftGerade()) return;
    for (const std::string& fehler : pruefung.BedingungsFehler)
        if (!fehler.empty()) return;
    const auto berechnet = std::count_if(ErgebnisStand.begin(), ErgebnisStand.end(),
                                         [](const TVariantenErgebnis& v) { return v.Berechnet; });
    if (berechnet == 0) return;
    std::vector<TBedingung> neu = BedingungenAufbauen(Entwurf());
    const auto gleich = [](const TBedingung& a, const TBedingung& b) {
        return a.Kennwert == b.Kennwert && a.Hoechstens == b.Hoechstens && a.Grenze == b.Grenze;
    };
    if (std::equal(neu.begin(), neu.end(), StudieStand.Bedingungen.begin(),
                   StudieStand.Bedingungen.end(), gleich))
        return;
    StudieStand.Bedingungen = std::move(neu);
    StudieBewerten(StudieStand.Bedingungen, ErgebnisStand);
    Modell->MarkenGeaendert();
    DiagrammZeichnen();
    const auto zulaessig =
        std::count_if(ErgebnisStand.begin(), ErgebnisStand.end(), [](const TVariantenErgebnis& v) {
            return v.Berechnet && v.Verletzt.empty();
        });
    ZustandZeigen(tr("Bedingungen geändert: %1 von %2 berechneten Varianten "
                     "zulässig, ohne neue Rechnung.")
                      .arg(zulaessig)
                      .arg(berechnet));
}

void TVariantenFenster::BedingungEinheitZeigen(std::size_t zeile) {
    const std::string name = BedingungsWahl[zeile]->currentData().toString().toStdString();
    const TStudienKennwert* k = StudienKennwert(name);
    if (k == nullptr) {
        GrenzEinheit[zeile]->clear();
        return;
    }
    QString text = Text(k->Einheit);
    if (name == "TausMin" && Vergleich[zeile]->currentIndex() == 1)
        text += tr("  (Frostgrenze des Projekts: %1 °C)")
                    .arg(ZahlTextAnsicht(ZahlZeigen(EingabeParameter().Frostgrenze, 1)));
    GrenzEinheit[zeile]->setText(text);
}

void TVariantenFenster::EingabenSperren(bool gesperrt) {
    for (std::size_t i = 0; i < EntwurfZeilen; ++i)
        ParameterWahl[i]->setEnabled(!gesperrt);
    for (std::size_t i = 0; i < BedingungsZeilen; ++i)
        BedingungsWahl[i]->setEnabled(!gesperrt);
    BodenWahl->setEnabled(!gesperrt);
    BodenAlle->setEnabled(!gesperrt);
    BodenKeine->setEnabled(!gesperrt);
    Faeden->setEnabled(!gesperrt);
    Starten->setEnabled(!gesperrt);
    Abbrechen->setEnabled(gesperrt);
    // a study cancelled in its check has variants nobody checked: it starts anew
    Fortsetzen->setEnabled(!gesperrt && LetzterAusgang == TAusgang::Abgebrochen && Rechnet &&
                           StudienProjekt == Sitzung.ProjektNummer());
    Exportieren->setEnabled(!gesperrt &&
                            std::any_of(ErgebnisStand.begin(), ErgebnisStand.end(),
                                        [](const TVariantenErgebnis& v) { return v.Berechnet; }));
    Uebernehmen->setEnabled(!gesperrt && GewaehlteVariante() >= 0);
    EntwurfAnzeigen();
}

} // namespace kov
