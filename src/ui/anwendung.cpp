#include "ui/anwendung.h"

#include "files/projekt_datei.h"
#include "files/wetter.h"
#include "ui/eingabe_fenster.h"
#include "ui/fortschritts_balken.h"
#include "ui/grafik_fenster.h"
#include "ui/info_fenster.h"
#include "ui/lauf_steuerung.h"
#include "ui/start_fenster.h"
#include "ui/varianten_begruendung.h"
#include "ui/varianten_fenster.h"

#include <QCoreApplication>
#include <QDir>
#include <QPushButton>

#include <cmath>

namespace kov {

QIcon ProgrammSymbol() {
    QIcon symbol;
    for (const int groesse : {16, 24, 32, 48, 64, 128, 256})
        symbol.addFile(QStringLiteral(":/bilder/kov_%1.png").arg(groesse), QSize(groesse, groesse));
    return symbol;
}

TGrafikSpeicher::TGrafikSpeicher()
    : Bild(static_cast<int>(std::lround(790 * 0.8)), static_cast<int>(std::lround(550 * 0.8)),
           QImage::Format_RGB32) {
    Bild.fill(Qt::white);
}

TSitzung::TSitzung() : KontextSpeicher(std::make_unique<TKontext>()) {}

std::string TSitzung::EingabeOrdner() const {
    return ProjektStand.Datei.empty() ? std::string() : ProjektOrdner(ProjektStand.Datei);
}

void TSitzung::LaufUebernehmen(const TKontext& lauf) {
    auto neu = std::make_unique<TKontext>(lauf);
    neu->Parameter = KontextSpeicher->Parameter;
    KontextSpeicher = std::move(neu);
}

void TSitzung::ProjektSchliessen() {
    ++Nummer;
    auto neu = std::make_unique<TKontext>();
    StandardwerteSetzen(*neu);
    neu->Parameter = KontextSpeicher->Parameter;
    KontextSpeicher = std::move(neu);
    GrafikSpeicher.Bild.fill(Qt::white);
}

TAnwendung::TAnwendung() : Lauf(std::make_unique<TLaufSteuerung>()) {
    Start = std::make_unique<TForm3>();
    Eingabe = std::make_unique<TForm2>(SitzungStand);
    Ergebnis = std::make_unique<TForm1>(SitzungStand, *Lauf);
    Info = std::make_unique<TForm4>();
    Verbinden();
}

TAnwendung::~TAnwendung() {
    // the windows go before the controller whose signals they hear
    Varianten.reset();
    Info.reset();
    Ergebnis.reset();
    Eingabe.reset();
    Start.reset();
}

void TAnwendung::Verbinden() {
    TForm3* start = Start.get();
    TForm2* eingabe = Eingabe.get();
    TForm1* grafik = Ergebnis.get();
    TForm4* info = Info.get();

    QObject::connect(start, &TForm3::NeuesProjektGewuenscht, eingabe, [start, eingabe] {
        eingabe->show();
        start->hide();
    });
    QObject::connect(start, &TForm3::ProjektLadenGewuenscht, eingabe, [start, eingabe] {
        // the chosen project shows in the input window; a cancelled or refused one changes
        // nothing
        if (!eingabe->ProjektOeffnen()) return;
        eingabe->show();
        start->hide();
    });
    QObject::connect(start, &TForm3::InfoGewuenscht, info, [info] {
        info->show();
        info->raise();
        info->activateWindow();
    });
    start->DarfSchliessen = [eingabe] { return eingabe->AenderungenKlaeren(); };
    QObject::connect(start, &TForm3::Geschlossen, start, [this] {
        Eingabe->hide();
        Ergebnis->hide();
        Info->hide();
        Varianten.reset();
    });

    QObject::connect(eingabe, &TForm2::StartfensterGewuenscht, start, [start] { start->show(); });
    QObject::connect(eingabe, &TForm2::BerechnenGewuenscht, grafik, [this] { Berechnen(true); });
    QObject::connect(eingabe, &TForm2::Aktiviert, grafik, [grafik] {
        // the chart window's own run can shift the activation; it must not close the window
        if (!grafik->LaufAktiv()) grafik->hide();
    });
    QObject::connect(eingabe, &TForm2::VariantenvergleichGewuenscht, eingabe,
                     [this] { Variantenvergleich().Oeffnen(); });
    QObject::connect(eingabe, &TForm2::ProjektGewechselt, grafik, [this] { ProjektGewechselt(); });
    QObject::connect(eingabe, &TForm2::NeustartGewuenscht, start, [this] { Neustarten(); });

    TFortschrittsBalken* balken = eingabe->ProgressBar1;
    QObject::connect(grafik, &TForm1::BerechnungGewuenscht, eingabe, [this] { Berechnen(false); });
    QObject::connect(grafik, &TForm1::LaufBegonnen, balken, [balken] {
        balken->setValue(0);
        balken->setMaximum(12);
        balken->SchrittweiteSetzen(1);
    });
    QObject::connect(grafik, &TForm1::MonatGezeichnet, balken, &TFortschrittsBalken::Schritt);
    QObject::connect(grafik, &TForm1::LaufVollendet, balken, [balken] { balken->setValue(12); });
    QObject::connect(grafik, &TForm1::LaufBegonnen, eingabe,
                     [eingabe] { eingabe->Berechnen->setEnabled(false); });
    QObject::connect(grafik, &TForm1::LaufBeendet, eingabe,
                     [eingabe] { eingabe->Berechnen->setEnabled(true); });
}

void TAnwendung::Berechnen(bool januarDanach) {
    TForm1& grafik = *Ergebnis;
    if (grafik.LaufAktiv()) return;
    QWidget* eltern = januarDanach ? static_cast<QWidget*>(Eingabe.get()) : &grafik;
    if (!Eingabe->EingabenPruefen(eltern)) return;
    Eingabe->WerteLesen();
    if (!januarDanach) {
        grafik.Simulation();
        return;
    }
    // showing the chart window starts the run; a visible one is shown afresh
    grafik.JanuarNachDemLauf();
    if (grafik.isVisible()) grafik.hide();
    grafik.show();
}

void TAnwendung::ProjektGewechselt() {
    Ergebnis->ProjektSchliessen();
    SitzungStand.ProjektSchliessen();
    // a study of the closed project stops, and its variants cannot be taken over any more
    Varianten.reset();
}

bool TAnwendung::Neustarten() {
    if (!Start->close()) return false;
    // the file as the save question left it: saved, perhaps under a new name, or as it was
    NeustartAufruf = NeustartAufrufBilden(QCoreApplication::applicationFilePath(),
                                          SitzungStand.Projekt().Datei, QDir::currentPath());
    return true;
}

bool TAnwendung::ProjektBeimStartOeffnen(const QString& datei) {
    if (!Eingabe->ProjektLaden(datei)) return false;
    Eingabe->show();
    return true;
}

TVariantenFenster& TAnwendung::Variantenvergleich() {
    if (!Varianten) {
        TForm2* eingabe = Eingabe.get();
        Varianten = std::make_unique<TVariantenFenster>(
            SitzungStand, [eingabe] { return eingabe->AktuelleParameter(); },
            [eingabe](QWidget* eltern, const QString& ueberschrift) {
                return eingabe->EingabenPruefen(eltern, ueberschrift);
            });
        QObject::connect(Varianten.get(), &TVariantenFenster::VarianteGewaehlt, eingabe,
                         [this](const TRegisterParameter& p, int boden, quint64 nummer) {
                             VarianteUebernehmen(p, boden, nummer);
                         });
    }
    return *Varianten;
}

bool TAnwendung::VarianteUebernehmen(const TRegisterParameter& p, int boden,
                                     std::uint64_t projektNummer) {
    if (projektNummer != SitzungStand.ProjektNummer()) return false;
    Eingabe->VarianteZeigen(p, boden);
    TProjekt& projekt = SitzungStand.Projekt();
    projekt.VarianteParameter = Eingabe->AktuelleParameter();
    projekt.Variantenbegruendung.clear();
    if (Varianten && Varianten->GewaehlteVariante() >= 0)
        projekt.Variantenbegruendung = VariantenBegruendung(
            Varianten->Studie(), Varianten->Ergebnis(),
            static_cast<std::size_t>(Varianten->GewaehlteVariante()), QLocale(QLocale::German));
    return true;
}

} // namespace kov
