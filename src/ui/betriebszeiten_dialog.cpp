#include "ui/betriebszeiten_dialog.h"

#include "ui/meldung_texte.h"

#include "model/fehler.h"
#include "ui/meldung_texte.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace kov {

namespace {

constexpr std::array<const char*, 7> TagKurz{"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
constexpr std::array<const char*, 7> TagLang{
    QT_TRANSLATE_NOOP("kov::TBetriebszeitenDialog", "Montag"),
    QT_TRANSLATE_NOOP("kov::TBetriebszeitenDialog", "Dienstag"),
    QT_TRANSLATE_NOOP("kov::TBetriebszeitenDialog", "Mittwoch"),
    QT_TRANSLATE_NOOP("kov::TBetriebszeitenDialog", "Donnerstag"),
    QT_TRANSLATE_NOOP("kov::TBetriebszeitenDialog", "Freitag"),
    QT_TRANSLATE_NOOP("kov::TBetriebszeitenDialog", "Samstag"),
    QT_TRANSLATE_NOOP("kov::TBetriebszeitenDialog", "Sonntag")};
constexpr std::size_t NachtZeile = 7;

// The one period of the 24 hours of a day: the hours with flow must form one run (over midnight
// only when ueberMitternacht) at one share that is a whole percent. Empty when they do not; a
// day without flow gives a row that does not run.
std::optional<TZeitZeile> ZeileLesen(const std::array<double, 24>& tag, bool ueberMitternacht) {
    int an = 0;
    for (const double wert : tag)
        if (wert > 0) ++an;
    if (an == 0) return TZeitZeile{};
    // a whole day is "0-24"; a night cannot end where it starts
    if (an == 24 && ueberMitternacht) return std::nullopt;
    // the period starts at an hour with flow after one without
    int von = an == 24 ? 0 : -1;
    for (int h = 0; h < 24 && an < 24; ++h)
        if (tag[static_cast<std::size_t>(h)] > 0 &&
            !(tag[static_cast<std::size_t>((h + 23) % 24)] > 0)) {
            if (von >= 0) return std::nullopt; // a second period
            von = h;
        }
    const int bis = (von + an) % 24 == 0 ? 24 : (von + an) % 24;
    if (!ueberMitternacht && von + an > 24) return std::nullopt;
    const double anteil = tag[static_cast<std::size_t>(von)];
    for (int i = 0; i < an; ++i)
        if (tag[static_cast<std::size_t>((von + i) % 24)] != anteil) return std::nullopt;
    const double prozent = anteil * 100;
    if (std::abs(prozent - std::round(prozent)) > 1e-9) return std::nullopt;
    return TZeitZeile{true, von, ueberMitternacht ? bis % 24 : bis,
                      static_cast<int>(std::lround(prozent))};
}

std::string ZeitraumText(const TZeitZeile& z) {
    std::string text = std::to_string(z.Von) + "-" + std::to_string(z.Bis);
    if (z.Anteil != 100) text += " " + std::to_string(z.Anteil) + "%";
    return text;
}

QString Zahl(double wert) {
    return QLocale(QLocale::German).toString(wert, 'f', wert == std::round(wert) ? 0 : 1);
}

} // namespace

std::optional<TWochenPlan> WochenPlanLesen(const TBetriebszeiten& zeiten) {
    TWochenPlan plan;
    for (std::size_t t = 0; t < 7; ++t) {
        const std::optional<TZeitZeile> zeile = ZeileLesen(zeiten.Woche[t], false);
        if (!zeile) return std::nullopt;
        plan.Tage[t] = *zeile;
    }
    const std::optional<TZeitZeile> nacht = ZeileLesen(zeiten.Nacht, true);
    if (!nacht) return std::nullopt;
    plan.Nacht = *nacht;
    return plan;
}

std::string WochenPlanText(const TWochenPlan& plan) {
    std::string text;
    const auto anhaengen = [&text](const std::string& eintrag) {
        text += (text.empty() ? "" : "; ") + eintrag;
    };
    for (std::size_t t = 0; t < 7;) {
        std::size_t ende = t;
        while (ende + 1 < 7 && plan.Tage[ende + 1] == plan.Tage[t])
            ++ende;
        if (plan.Tage[t].Laeuft) {
            std::string tage = TagKurz[t];
            if (ende > t) tage += std::string("-") + TagKurz[ende];
            anhaengen(tage + " " + ZeitraumText(plan.Tage[t]));
        }
        t = ende + 1;
    }
    if (plan.Nacht.Laeuft) anhaengen("Nacht " + ZeitraumText(plan.Nacht));
    return text;
}

TWochenStunden WochenStundenZaehlen(const TBetriebszeiten& zeiten) {
    TWochenStunden s;
    for (const auto& tag : zeiten.Woche)
        for (const double wert : tag)
            if (wert > 0) {
                ++s.Betrieb;
                s.Volllast += wert;
            }
    for (const double wert : zeiten.Nacht)
        if (wert > 0) ++s.Nacht;
    return s;
}

TBetriebszeitenDialog::TBetriebszeitenDialog(QWidget* eltern, const std::string& text,
                                             bool fahrplanGelesen)
    : QDialog(eltern), FahrplanGelesen(fahrplanGelesen) {
    setObjectName(QStringLiteral("BetriebszeitenDialog"));
    setWindowTitle(tr("Betriebszeiten der Lüftung"));

    Verwenden = new QCheckBox(tr("Lüftung nach Wochenplan (sonst immer Nenn-Volumenstrom)"), this);
    Verwenden->setObjectName(QStringLiteral("Verwenden"));
    auto* raster = new QGridLayout;
    raster->addWidget(new QLabel(tr("von Uhr"), this), 0, 1);
    raster->addWidget(new QLabel(tr("bis Uhr"), this), 0, 2);
    raster->addWidget(new QLabel(tr("Volumenstrom"), this), 0, 3);
    for (std::size_t z = 0; z <= NachtZeile; ++z) {
        const bool nacht = z == NachtZeile;
        Laeuft[z] =
            new QCheckBox(nacht ? tr("Nachtspülung Juni bis August") : tr(TagLang[z]), this);
        Laeuft[z]->setObjectName(nacht ? QStringLiteral("Nacht") : QString::fromLatin1(TagKurz[z]));
        Von[z] = new QSpinBox(this);
        Von[z]->setRange(0, 23);
        Bis[z] = new QSpinBox(this);
        // a night ends in the morning, a day at the latest at midnight
        Bis[z]->setRange(nacht ? 0 : 1, nacht ? 23 : 24);
        Anteil[z] = new QSpinBox(this);
        Anteil[z]->setRange(1, 100);
        Anteil[z]->setSuffix(QStringLiteral(" %"));
        const int zeile = static_cast<int>(z) + 1 + (nacht ? 1 : 0);
        raster->addWidget(Laeuft[z], zeile, 0);
        raster->addWidget(Von[z], zeile, 1);
        raster->addWidget(Bis[z], zeile, 2);
        raster->addWidget(Anteil[z], zeile, 3);
        connect(Laeuft[z], &QCheckBox::toggled, this, [this] { TabelleGeaendert(); });
        for (QSpinBox* feld : {Von[z], Bis[z], Anteil[z]})
            connect(feld, &QSpinBox::valueChanged, this, [this] { TabelleGeaendert(); });
    }
    raster->setRowMinimumHeight(static_cast<int>(NachtZeile) + 1, 8);

    Kurzform = new QLineEdit(this);
    Kurzform->setObjectName(QStringLiteral("Kurzform"));
    Kurzform->setToolTip(tr("Einträge durch \";\" getrennt: Tage (Mo-Fr, Sa, Mo,Mi), volle "
                            "Stunden von-bis, wahlweise der Anteil in %; \"Nacht 22-6\" lüftet "
                            "im Juni bis August nachts"));
    connect(Kurzform, &QLineEdit::textChanged, this, [this] { TextGeaendert(); });
    Stunden = new QLabel(this);
    Stunden->setObjectName(QStringLiteral("Stunden"));
    Stunden->setWordWrap(true);
    Hinweis = new QLabel(this);
    Hinweis->setObjectName(QStringLiteral("Hinweis"));
    Hinweis->setWordWrap(true);

    Knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Knoepfe->button(QDialogButtonBox::Ok)->setText(tr("Übernehmen"));
    Knoepfe->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
    connect(Knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Verwenden, &QCheckBox::toggled, this, [this](bool an) {
        if (an && !Setzt && Kurzform->text().trimmed().isEmpty()) {
            // a new plan starts as an office week
            TWochenPlan buero;
            for (std::size_t t = 0; t < 5; ++t)
                buero.Tage[t] = {true, 7, 18, 100};
            buero.Nacht.Laeuft = false;
            TabelleSetzen(buero);
            TabelleGeaendert();
        }
        Bewerten();
    });

    auto* aussen = new QVBoxLayout(this);
    aussen->addWidget(Verwenden);
    aussen->addLayout(raster);
    aussen->addWidget(new QLabel(tr("Kurzform (Parameter Betriebszeiten):"), this));
    aussen->addWidget(Kurzform);
    aussen->addWidget(Stunden);
    aussen->addWidget(Hinweis);
    aussen->addWidget(Knoepfe);

    Setzt = true;
    Verwenden->setChecked(!text.empty());
    Kurzform->setText(QString::fromStdString(text));
    Setzt = false;
    TextGeaendert();
}

std::string TBetriebszeitenDialog::Text() const {
    return Verwenden->isChecked() ? Kurzform->text().trimmed().toStdString() : std::string();
}

void TBetriebszeitenDialog::TabelleSetzen(const TWochenPlan& plan) {
    const bool vorher = Setzt;
    Setzt = true;
    for (std::size_t z = 0; z <= NachtZeile; ++z) {
        const TZeitZeile& zeile = z == NachtZeile ? plan.Nacht : plan.Tage[z];
        Laeuft[z]->setChecked(zeile.Laeuft);
        Von[z]->setValue(zeile.Von);
        Bis[z]->setValue(zeile.Bis);
        Anteil[z]->setValue(zeile.Anteil);
    }
    Setzt = vorher;
}

void TBetriebszeitenDialog::TabelleGeaendert() {
    if (Setzt) return;
    TWochenPlan plan;
    for (std::size_t z = 0; z <= NachtZeile; ++z) {
        const TZeitZeile zeile{Laeuft[z]->isChecked(), Von[z]->value(), Bis[z]->value(),
                               Anteil[z]->value()};
        (z == NachtZeile ? plan.Nacht : plan.Tage[z]) = zeile;
    }
    Setzt = true;
    Kurzform->setText(QString::fromStdString(WochenPlanText(plan)));
    Setzt = false;
    Bewerten();
}

void TBetriebszeitenDialog::TextGeaendert() {
    if (Setzt) return;
    Bewerten();
    const std::string text = Kurzform->text().toStdString();
    if (!FehlerText.isEmpty() || text.empty()) return;
    if (const std::optional<TWochenPlan> plan = WochenPlanLesen(BetriebszeitenLesen(text)))
        TabelleSetzen(*plan);
    Bewerten();
}

void TBetriebszeitenDialog::Bewerten() {
    const bool an = Verwenden->isChecked();
    const std::string text = Kurzform->text().trimmed().toStdString();
    FehlerText.clear();
    std::optional<TBetriebszeiten> zeiten;
    if (an) {
        if (text.empty())
            FehlerText = tr("Im Wochenplan läuft die Lüftung nie: wählen Sie mindestens einen "
                            "Tag oder schalten Sie den Wochenplan aus.");
        else
            try {
                zeiten = BetriebszeitenLesen(text);
            } catch (const TParameterFehler& f) {
                FehlerText = MeldungText(f.what());
            }
    }
    const bool tabelle = an && zeiten && WochenPlanLesen(*zeiten).has_value();
    for (std::size_t z = 0; z <= NachtZeile; ++z) {
        Laeuft[z]->setEnabled(an && (tabelle || !zeiten));
        for (QSpinBox* feld : {Von[z], Bis[z], Anteil[z]})
            feld->setEnabled(an && (tabelle || !zeiten) && Laeuft[z]->isChecked());
    }
    Kurzform->setEnabled(an);
    QStringList hinweise;
    if (an && zeiten && !tabelle)
        hinweise << tr("Dieser Plan hat mehr als einen Zeitraum an einem Tag oder wechselnde "
                       "Anteile; er lässt sich nur als Kurzform bearbeiten.");
    if (an && FahrplanGelesen)
        hinweise << tr("Die Fahrplandatei ist eingeschaltet (FahrplanGelesen): Wochenplan und "
                       "Fahrplandatei zugleich lehnt die Prüfung ab.");
    Hinweis->setText(hinweise.join(QLatin1Char('\n')));
    if (!FehlerText.isEmpty()) {
        Stunden->setText(FehlerText);
        Stunden->setStyleSheet(QStringLiteral("color: #b00000"));
    } else {
        Stunden->setStyleSheet({});
        if (!an) {
            Stunden->setText(tr("Ohne Wochenplan: 168 Stunden je Woche mit Nenn-Volumenstrom."));
        } else {
            const TWochenStunden s = WochenStundenZaehlen(*zeiten);
            QString satz = tr("Lüftung %1 Stunden je Woche, entspricht %2 Stunden mit "
                              "Nenn-Volumenstrom.")
                               .arg(s.Betrieb)
                               .arg(Zahl(s.Volllast));
            if (s.Nacht > 0)
                satz +=
                    QLatin1Char(' ') +
                    tr("Dazu Nachtspülung %1 Stunden je Nacht im Juni bis August.").arg(s.Nacht);
            Stunden->setText(satz);
        }
    }
    Knoepfe->button(QDialogButtonBox::Ok)->setEnabled(FehlerText.isEmpty());
}

bool BetriebszeitenBearbeiten(QWidget* eltern, TRegisterParameter& p) {
    TBetriebszeitenDialog dialog(eltern, p.Betriebszeiten, p.FahrplanGelesen);
    if (dialog.exec() != QDialog::Accepted) return false;
    const std::string neu = dialog.Text();
    if (neu == p.Betriebszeiten) return false;
    p.Betriebszeiten = neu;
    return true;
}

} // namespace kov
