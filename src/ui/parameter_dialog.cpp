#include "ui/parameter_dialog.h"

#include "ui/diagramme.h"

#include "ablauf/lauf_pruefung.h"
#include "ui/katalog_texte.h"
#include "ui/meldung.h"
#include "ui/modell_wahl.h"
#include "ui/zahl_eingabe.h"
#include "ui/zahl_format.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace kov {

namespace {

constexpr TParameterGruppe Gruppen[] = {TParameterGruppe::RohreUndLuftstrom,
                                        TParameterGruppe::Stoffwerte,
                                        TParameterGruppe::Regelung,
                                        TParameterGruppe::UmgebungUndKeller,
                                        TParameterGruppe::NumerikUndMonitor,
                                        TParameterGruppe::DatenUndAusgabe,
                                        TParameterGruppe::LueftungsanlageUndBetrieb,
                                        TParameterGruppe::Wirtschaftlichkeit,
                                        TParameterGruppe::Auslegungspruefung};

QString Monat(int monat) {
    return MonatLangName(static_cast<int>(monat));
}

constexpr const char* FalschStil = "QLineEdit { background-color: #ffd6d6; }";

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The catalogue's range of a field in words, numbers in the interface's form.
QString BereichAnzeige(const TKatalogEintrag& e) {
    const auto zahl = [](double wert) {
        // the catalogue's digits: fixed point, trailing zeros dropped
        QString text = QString::number(wert, 'f', 6);
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.'))) text.chop(1);
        return ZahlTextAnsicht(text);
    };
    const QString einheit = e.Einheit.empty() ? QString() : QLatin1Char(' ') + Text(e.Einheit);
    const TBereich& b = e.Bereich;
    switch (b.Art) {
    case TBereichsArt::Positiv:
        return TParameterDialog::tr("größer als 0%1").arg(einheit);
    case TBereichsArt::NichtNegativ:
        return TParameterDialog::tr("mindestens 0%1").arg(einheit);
    case TBereichsArt::Anteil:
        return TParameterDialog::tr("0 bis 1");
    case TBereichsArt::Wirkungsgrad:
        return TParameterDialog::tr("größer als 0 bis 1");
    case TBereichsArt::Temperatur:
    case TBereichsArt::TemperaturDifferenz:
        return TParameterDialog::tr("%1 bis %2%3")
            .arg(QString::number(b.Von), QString::number(b.Bis), einheit);
    case TBereichsArt::Ganzzahl:
        return b.Bis < b.Von ? TParameterDialog::tr("ganze Zahl ab %1").arg(b.Von)
                             : TParameterDialog::tr("ganze Zahl %1 bis %2")
                                   .arg(QString::number(b.Von), QString::number(b.Bis));
    case TBereichsArt::MonitorAxial:
        return TParameterDialog::tr("ganze Zahl 1 bis Anzahl Rechengitter");
    case TBereichsArt::MonitorRadial:
        return TParameterDialog::tr("ganze Zahl 0 bis Anzahl Rechengitter + 1");
    case TBereichsArt::Datei:
        return TParameterDialog::tr("Dateiname");
    case TBereichsArt::Spanne:
        return TParameterDialog::tr("%1 bis %2%3").arg(zahl(b.Min), zahl(b.Max), einheit);
    case TBereichsArt::Frei:
        break;
    }
    return {};
}

QString Tipp(const TKatalogEintrag& e) {
    QString tipp = ZahlenAnsicht(KatalogText(e.Beschreibung));
    const QString bereich = BereichAnzeige(e);
    if (!bereich.isEmpty())
        tipp += QLatin1Char('\n') + TParameterDialog::tr("Bereich: %1").arg(bereich);
    if (!e.Einheit.empty())
        tipp += QLatin1Char('\n') + TParameterDialog::tr("Einheit: %1").arg(Text(e.Einheit));
    return tipp + QLatin1Char('\n') + TParameterDialog::tr("Name: %1").arg(Text(e.Name));
}

QString Wo(const TKatalogEintrag& e, int monat) {
    QString wo = KatalogText(e.Bezeichnung);
    if (monat > 0) wo += QLatin1Char(' ') + Monat(monat);
    wo += QStringLiteral(" (") + Text(e.Name);
    if (monat > 0) wo += QStringLiteral("[%1]").arg(monat);
    return wo + QLatin1Char(')');
}

QString AnteileZuGross() {
    return TParameterDialog::tr(
        "Adiabater Anteil und Kelleranteil dürfen zusammen höchstens 1 sein.");
}

// A file dialog starts in the folder of the file the field names (relative to the project's
// folder), else in the project's folder; "" is the working directory.
QString DateiOrdner(const QString& feld, const QString& basis) {
    if (feld.isEmpty()) return basis;
    const QFileInfo info(QDir(basis.isEmpty() ? QDir::currentPath() : basis), feld);
    return info.absoluteDir().exists() ? info.absolutePath() : basis;
}

QString AnfangsText(const TRegisterParameter& p, const TKatalogEintrag& e, int monat) {
    switch (FeldTyp(e)) {
    case TFeldTyp::Zahl:
        return ZahlZeigen(FeldWert<double>(p, e), e.EingabeDezimalen);
    case TFeldTyp::Ganzzahl:
        return QString::number(FeldWert<std::int32_t>(p, e));
    case TFeldTyp::Text:
        return QString::fromStdString(FeldWert<std::string>(p, e));
    case TFeldTyp::Monate:
        return ZahlZeigen(FeldWert<TMonatsFeld>(p, e)[static_cast<std::size_t>(monat)],
                          e.EingabeDezimalen);
    case TFeldTyp::Wahrheitswert:
        break;
    }
    return {};
}

} // namespace

TParameterDialog::TParameterDialog(QWidget* eltern, const TRegisterParameter& p,
                                   std::string basisOrdner)
    : QDialog(eltern), Ausgang(p), Werte(p), BasisOrdner(std::move(basisOrdner)) {
    setWindowTitle(tr("KOV - Weitere Parameter"));
    setObjectName(QStringLiteral("ParameterDialog"));
    auto* aussen = new QVBoxLayout(this);
    Seiten = new QTabWidget(this);
    aussen->addWidget(Seiten);

    QSize groesste;
    for (const TParameterGruppe gruppe : Gruppen) {
        auto* flaeche = new QScrollArea(Seiten);
        flaeche->setWidgetResizable(true);
        flaeche->setFrameShape(QFrame::NoFrame);
        auto* seite = new QWidget(flaeche);
        auto* raster = new QGridLayout(seite);
        raster->setColumnStretch(3, 1);
        int zeile = 0;
        for (const TKatalogEintrag& e : ParameterKatalog()) {
            if (e.Gruppe != gruppe) continue;
            const bool anteilErde = FeldTyp(e) == TFeldTyp::Zahl && !IstLaufWert(e) &&
                                    &FeldWert<double>(Ausgang, e) == &Ausgang.AnteilErde;
            if (e.Abgeleitet && !anteilErde) continue;
            auto* marke = new QLabel(KatalogText(e.Bezeichnung), seite);
            marke->setToolTip(Tipp(e));
            raster->addWidget(marke, zeile, 0);
            auto* einheit = new QLabel(Text(e.Einheit), seite);
            raster->addWidget(einheit, zeile, 2);

            const auto zeileAnlegen = [&](int monat, int breite) {
                auto* feld = new QLineEdit(AnfangsText(p, e, monat), seite);
                feld->setObjectName(Text(e.Name) +
                                    (monat > 0 ? QStringLiteral("_%1").arg(monat) : QString()));
                feld->setToolTip(monat > 0 ? Monat(monat) + QLatin1Char('\n') + Tipp(e) : Tipp(e));
                if (breite > 0) feld->setFixedWidth(breite);
                feld->setCursorPosition(0);
                Eingaben.push_back({&e, monat, feld, nullptr, feld->text()});
                connect(feld, &QLineEdit::textChanged, this, [this] { Pruefen(); });
                return feld;
            };

            switch (FeldTyp(e)) {
            case TFeldTyp::Zahl:
            case TFeldTyp::Ganzzahl: {
                if (anteilErde) {
                    AnteilErdeFeld = new QLineEdit(AnfangsText(p, e, 0), seite);
                    AnteilErdeFeld->setObjectName(Text(e.Name));
                    AnteilErdeFeld->setReadOnly(true);
                    AnteilErdeFeld->setEnabled(false);
                    AnteilErdeFeld->setFixedWidth(110);
                    AnteilErdeFeld->setToolTip(Tipp(e));
                    raster->addWidget(AnteilErdeFeld, zeile, 1, Qt::AlignLeft);
                } else {
                    raster->addWidget(zeileAnlegen(0, 110), zeile, 1, Qt::AlignLeft);
                }
                break;
            }
            case TFeldTyp::Wahrheitswert: {
                auto* haken = new QCheckBox(seite);
                haken->setObjectName(Text(e.Name));
                haken->setChecked(FeldWert<bool>(p, e));
                haken->setToolTip(Tipp(e));
                Eingaben.push_back({&e, 0, nullptr, haken, {}});
                connect(haken, &QCheckBox::toggled, this, [this] { Pruefen(); });
                raster->addWidget(haken, zeile, 1, Qt::AlignLeft);
                break;
            }
            case TFeldTyp::Text: {
                QLineEdit* feld = zeileAnlegen(0, 0);
                if (e.Name == "Modell") {
                    raster->setAlignment(marke, Qt::AlignLeft | Qt::AlignTop);
                    raster->addWidget(ModellWahlAnlegen(feld, seite), zeile, 1, 1, 3);
                    break;
                }
                if (e.Bereich.Art != TBereichsArt::Datei) {
                    raster->addWidget(feld, zeile, 1, 1, 3);
                    break;
                }
                auto* reihe = new QHBoxLayout;
                reihe->addWidget(feld, 1);
                auto* waehlen = new QToolButton(seite);
                waehlen->setText(QStringLiteral("…"));
                waehlen->setToolTip(tr("Datei wählen"));
                connect(waehlen, &QToolButton::clicked, this, [this, feld] {
                    const QString pfad = QFileDialog::getOpenFileName(
                        this, tr("Datei wählen"),
                        DateiOrdner(feld->text(), QString::fromStdString(BasisOrdner)));
                    if (!pfad.isEmpty()) feld->setText(pfad);
                });
                reihe->addWidget(waehlen);
                raster->addLayout(reihe, zeile, 1, 1, 3);
                break;
            }
            case TFeldTyp::Monate: {
                auto* reihe = new QGridLayout;
                reihe->setHorizontalSpacing(3);
                reihe->setVerticalSpacing(0);
                for (int m = 1; m <= 12; ++m) {
                    auto* name = new QLabel(MonatKurzName(static_cast<int>(m)), seite);
                    name->setAlignment(Qt::AlignCenter);
                    reihe->addWidget(name, 0, m - 1);
                    reihe->addWidget(zeileAnlegen(m, 54), 1, m - 1);
                }
                raster->addLayout(reihe, zeile, 1, 1, 3, Qt::AlignLeft);
                raster->removeWidget(einheit);
                // the unit of a month row stands with its label
                marke->setText(marke->text() + QStringLiteral(" [") + Text(e.Einheit) +
                               QLatin1Char(']'));
                einheit->hide();
                break;
            }
            }
            ++zeile;
        }
        raster->setRowStretch(zeile, 1);
        groesste = groesste.expandedTo(seite->sizeHint());
        flaeche->setWidget(seite);
        Seiten->addTab(flaeche, KatalogText(GruppenName(gruppe)));
    }

    Hinweis = new QLabel(this);
    Hinweis->setObjectName(QStringLiteral("Hinweis"));
    Hinweis->setWordWrap(true);
    Hinweis->setStyleSheet(QStringLiteral("QLabel { color: #b00000; }"));
    aussen->addWidget(Hinweis);
    Knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    Knoepfe->button(QDialogButtonBox::Ok)->setText(tr("Übernehmen"));
    Knoepfe->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
    connect(Knoepfe, &QDialogButtonBox::accepted, this, &TParameterDialog::accept);
    connect(Knoepfe, &QDialogButtonBox::rejected, this, &TParameterDialog::reject);
    aussen->addWidget(Knoepfe);
    Pruefen();

    // room for the largest page without scrolling where the screen allows it; the pages
    // scroll on a small screen
    const int tabs = Seiten->tabBar()->sizeHint().width();
    QSize gewuenscht(std::max(groesste.width(), tabs) + 60,
                     groesste.height() + Seiten->tabBar()->sizeHint().height() +
                         Knoepfe->sizeHint().height() + 3 * fontMetrics().height() + 60);
    if (const QScreen* bildschirm = screen())
        gewuenscht = gewuenscht.boundedTo(bildschirm->availableGeometry().size() - QSize(40, 80));
    resize(gewuenscht);
}

QLineEdit* TParameterDialog::Feld(std::string_view name, int monat) const {
    if (AnteilErdeFeld != nullptr && monat == 0 && name == "AnteilErde") return AnteilErdeFeld;
    for (const TEingabe& eingabe : Eingaben)
        if (eingabe.Zeile != nullptr && eingabe.Eintrag->Name == name && eingabe.Monat == monat)
            return eingabe.Zeile;
    return nullptr;
}

QCheckBox* TParameterDialog::Schalter(std::string_view name) const {
    for (const TEingabe& eingabe : Eingaben)
        if (eingabe.Haken != nullptr && eingabe.Eintrag->Name == name) return eingabe.Haken;
    return nullptr;
}

bool TParameterDialog::Lesen(TRegisterParameter& p, QStringList* fehler) const {
    p = Ausgang;
    QStringList gefunden;
    std::vector<const TEingabe*> ganzzahlen;
    for (const TEingabe& eingabe : Eingaben) {
        const TKatalogEintrag& e = *eingabe.Eintrag;
        if (eingabe.Haken != nullptr) {
            FeldWert<bool>(p, e) = eingabe.Haken->isChecked();
            continue;
        }
        const QString text = eingabe.Zeile->text();
        // an unchanged field keeps the value it was opened with, digit for digit
        if (text == eingabe.Anfang) {
            if (FeldTyp(e) == TFeldTyp::Ganzzahl) ganzzahlen.push_back(&eingabe);
            continue;
        }
        switch (FeldTyp(e)) {
        case TFeldTyp::Zahl:
        case TFeldTyp::Monate: {
            double zahl = 0.0;
            if (!EingabeZahlLesen(text, zahl)) {
                QString bereich;
                gefunden << Wo(e, eingabe.Monat) +
                                (EingabeAusserhalbBereich(text, false, bereich)
                                     ? tr(": liegt ausserhalb des Bereichs %1").arg(bereich)
                                     : tr(": keine Zahl (Dezimalpunkt oder -komma, z. B. 0,25)"));
                break;
            }
            if (FeldTyp(e) == TFeldTyp::Zahl)
                FeldWert<double>(p, e) = zahl;
            else
                FeldWert<TMonatsFeld>(p, e)[static_cast<std::size_t>(eingabe.Monat)] = zahl;
            break;
        }
        case TFeldTyp::Ganzzahl: {
            std::int32_t zahl = 0;
            if (!EingabeGanzzahlLesen(text, zahl)) {
                gefunden << Wo(e, 0) + tr(": keine ganze Zahl");
                break;
            }
            FeldWert<std::int32_t>(p, e) = zahl;
            ganzzahlen.push_back(&eingabe);
            break;
        }
        case TFeldTyp::Text:
            FeldWert<std::string>(p, e) = text.toStdString();
            break;
        case TFeldTyp::Wahrheitswert:
            break;
        }
    }
    // ranges, once every value is in: the monitor cells depend on the grid count
    for (const TEingabe& eingabe : Eingaben) {
        const TKatalogEintrag& e = *eingabe.Eintrag;
        std::string regel;
        if (FeldTyp(e) == TFeldTyp::Zahl)
            regel = BereichsVerstoss(e, FeldWert<double>(p, e));
        else if (FeldTyp(e) == TFeldTyp::Monate)
            regel = BereichsVerstoss(
                e, FeldWert<TMonatsFeld>(p, e)[static_cast<std::size_t>(eingabe.Monat)]);
        else if (FeldTyp(e) == TFeldTyp::Ganzzahl)
            regel = BereichsVerstoss(e, FeldWert<std::int32_t>(p, e), p.AnzahlGitter);
        if (!regel.empty())
            gefunden << Wo(e, eingabe.Monat) + QStringLiteral(": ") + QString::fromStdString(regel);
    }
    const auto anteil = [](double a) { return a >= 0 && a <= 1; };
    if (anteil(p.AnteilAdiabat) && anteil(p.AnteilKeller) && p.AnteilAdiabat + p.AnteilKeller > 1)
        gefunden << AnteileZuGross();
    AnteilErdeBerechnen(p);
    if (fehler != nullptr) *fehler = gefunden;
    return gefunden.isEmpty();
}

void TParameterDialog::Pruefen() {
    TRegisterParameter p;
    QStringList fehler;
    Lesen(p, &fehler);
    for (const TEingabe& eingabe : Eingaben) {
        if (eingabe.Zeile == nullptr) continue;
        const QString wo = Wo(*eingabe.Eintrag, eingabe.Monat) + QLatin1Char(':');
        QString grund;
        for (const QString& zeile : fehler)
            if (zeile.startsWith(wo)) grund = zeile;
        // the two shares are one fault of both fields
        if (grund.isEmpty() && fehler.contains(AnteileZuGross()) &&
            (eingabe.Eintrag->Name == "AnteilAdiabat" || eingabe.Eintrag->Name == "AnteilKeller"))
            grund = AnteileZuGross();
        eingabe.Zeile->setStyleSheet(grund.isEmpty() ? QString() : QString::fromLatin1(FalschStil));
        const QString tipp = eingabe.Monat > 0
                                 ? Monat(eingabe.Monat) + QLatin1Char('\n') + Tipp(*eingabe.Eintrag)
                                 : Tipp(*eingabe.Eintrag);
        eingabe.Zeile->setToolTip(grund.isEmpty() ? tipp : grund + QStringLiteral("\n\n") + tipp);
    }
    if (AnteilErdeFeld != nullptr) AnteilErdeFeld->setText(ZahlZeigen(p.AnteilErde, 1));
    Hinweis->setText(fehler.join(QLatin1Char('\n')));
    Hinweis->setVisible(!fehler.isEmpty());
    Knoepfe->button(QDialogButtonBox::Ok)->setEnabled(fehler.isEmpty());
}

QStringList TParameterDialog::Fehler() const {
    TRegisterParameter p;
    QStringList fehler;
    Lesen(p, &fehler);
    return fehler;
}

bool TParameterDialog::OkMoeglich() const {
    return Knoepfe->button(QDialogButtonBox::Ok)->isEnabled();
}

void TParameterDialog::accept() {
    TRegisterParameter p;
    if (!Lesen(p, nullptr)) return;
    // the whole set as a run would see it: model probe and the files of the run
    QStringList meldungen;
    for (const std::string& meldung : LaufPruefen(p, BasisOrdner, nullptr, BasisOrdner))
        meldungen << QString::fromStdString(meldung);
    if (!meldungen.isEmpty()) {
        MeldungZeigen(this, QMessageBox::Warning, windowTitle(),
                      tr("Die Parameter wurden nicht übernommen:\n\n%1")
                          .arg(meldungen.join(QLatin1Char('\n'))));
        return;
    }
    Werte = p;
    QDialog::accept();
}

} // namespace kov
