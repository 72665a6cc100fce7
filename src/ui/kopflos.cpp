#include "ui/kopflos.h"

#include "ablauf/auswertungs_lauf.h"
#include "ablauf/lauf_daten.h"
#include "files/projekt_datei.h"
#include "files/text_datei.h"
#include "model/fehler.h"
#include "register/register_lauf.h"
#include "ui/anlage_diagramme.h"
#include "ui/ansicht_export.h"
#include "ui/pdf_bericht.h"
#include "ui/querschnitt_ansicht.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <exception>
#include <functional>
#include <string_view>
#include <vector>

namespace kov {

namespace {

const QString Bericht = QStringLiteral("--bericht");

std::string Ausgabe(const QString& text) {
    return QDir::toNativeSeparators(text).toStdString();
}

} // namespace

bool KopflosGewuenscht(const QStringList& argumente) {
    return argumente.contains(Bericht);
}

std::string KopflosHilfe() {
    return "Aufruf: kov --bericht PROJEKT [AUSGABE.pdf] [--bilder ORDNER] [--groesse BxH]\n"
           "           [--csv DATEI] [--dezimalkomma]\n"
           "Rechnet PROJEKT ohne Fenster und schreibt den Auslegungsbericht AUSGABE.pdf, mit\n"
           "--bilder jede Ansicht als PNG und SVG in ORDNER (Standardgröße 1600x1000 Pixel),\n"
           "mit --csv die Stundenwerte (Dezimalpunkt; mit --dezimalkomma Dezimalkomma und\n"
           "Semikolon). PROJEKT ist eine Projektdatei (.kov) oder \"-\" für die Standardwerte;\n"
           "Fahrplan, Wetterdatei und voriger Bericht eines Projekts liegen neben ihm. Keine\n"
           "Ausgabe darf eine Eingabe oder eine andere Ausgabe sein. Exit-Status 0 bei\n"
           "Erfolg, 1 bei einem Fehler einer Datei oder des Laufs, 2 bei falschem Aufruf,\n"
           "abgelehnter Projektdatei, abgelehnten Parametern oder Ausgaben.\n";
}

TKopflosAufruf KopflosAufrufLesen(const QStringList& argumente) {
    TKopflosAufruf aufruf;
    const auto wert = [&argumente](int& i, const QString& name) {
        if (i + 1 >= argumente.size() || argumente[i + 1].isEmpty())
            throw TKopflosFehler(name.toStdString() + " braucht einen Wert.");
        return argumente[++i];
    };
    bool bericht = false;
    for (int i = 0; i < argumente.size(); ++i) {
        const QString& a = argumente[i];
        if (a == Bericht) {
            if (bericht) throw TKopflosFehler("--bericht steht zweimal im Aufruf.");
            bericht = true;
            aufruf.Projekt = wert(i, a);
            if (i + 1 < argumente.size() && !argumente[i + 1].startsWith(QLatin1String("--")))
                aufruf.Pdf = argumente[++i];
        } else if (a == QLatin1String("--bilder")) {
            aufruf.Bilder = wert(i, a);
        } else if (a == QLatin1String("--csv")) {
            aufruf.Csv = wert(i, a);
        } else if (a == QLatin1String("--dezimalkomma")) {
            aufruf.Zeichen = TDezimalZeichen::Komma;
        } else if (a == QLatin1String("--groesse")) {
            const QString text = wert(i, a);
            const QRegularExpressionMatch treffer =
                QRegularExpression(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$")).match(text);
            const int breite = treffer.hasMatch() ? treffer.captured(1).toInt() : 0;
            const int hoehe = treffer.hasMatch() ? treffer.captured(2).toInt() : 0;
            if (breite < 100 || hoehe < 100 || breite > 10000 || hoehe > 10000)
                throw TKopflosFehler("--groesse " + text.toStdString() +
                                     ": Breite und Höhe in Pixeln wie 1600x1000, je 100 bis "
                                     "10000.");
            aufruf.Groesse = QSize(breite, hoehe);
        } else {
            throw TKopflosFehler("Unbekanntes Argument: " + a.toStdString());
        }
    }
    if (!bericht) throw TKopflosFehler("--bericht PROJEKT fehlt.");
    if (aufruf.Pdf.isEmpty() && aufruf.Bilder.isEmpty() && aufruf.Csv.isEmpty())
        throw TKopflosFehler("Nichts zu schreiben: AUSGABE.pdf, --bilder oder --csv angeben.");
    return aufruf;
}

int KopflosAusfuehren(const TKopflosAufruf& aufruf, std::ostream& aus, std::ostream& fehler) {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    TBerichtKopf kopf;
    // input files and the previous report of a project are found beside it
    TLaufOrte orte;
    if (aufruf.Projekt != QLatin1String("-")) {
        const std::string datei = Ausgabe(aufruf.Projekt);
        try {
            p = ProjektLesen(datei);
        } catch (const TDateiFehler& e) {
            fehler << "Projektdatei abgelehnt, nichts berechnet: " << e.what() << "\n";
            return 2;
        }
        orte.ProjektOrdner = ProjektOrdner(datei);
        if (orte.ProjektOrdner.empty()) orte.ProjektOrdner = ".";
        orte.ArbeitsOrdner = orte.ProjektOrdner;
        orte.ProjektDatei = datei;
        kopf.Projektdatei = QFileInfo(aufruf.Projekt).absoluteFilePath();
    }

    // every output, in the order they are written
    struct TAusgabe {
        TDateiRolle Rolle;
        std::function<void(const TAuswertung&)> Schreiben;
        std::string Meldung; // the line on stdout once it is written
    };
    std::vector<TAusgabe> ausgaben;
    const auto datei = [](const char* wer, const char* wen, const QString& name) {
        return TDateiRolle{wer, wen, Ausgabe(name), Ausgabe(name)};
    };
    if (!aufruf.Pdf.isEmpty())
        ausgaben.push_back({datei("Der PDF-Bericht", "den PDF-Bericht", aufruf.Pdf),
                            [&aufruf, &kopf, &aus](const TAuswertung& a) {
                                const int seiten = PdfBerichtSchreiben(a, kopf, aufruf.Pdf);
                                aus << "Bericht: " << Ausgabe(aufruf.Pdf) << " (" << seiten
                                    << " Seiten)\n";
                            },
                            {}});
    if (!aufruf.Bilder.isEmpty())
        for (const TAnsicht ansicht : AlleAnsichten)
            for (const char* endung : {".png", ".svg"}) {
                const QString bild =
                    QDir(aufruf.Bilder).filePath(AnsichtDateiName(ansicht) + QLatin1String(endung));
                ausgaben.push_back({datei("Das Bild", "das Bild", bild),
                                    [&aufruf, ansicht, bild](const TAuswertung& a) {
                                        AnsichtSpeichern(ansicht, a, bild, aufruf.Groesse);
                                    },
                                    "Bild: " + Ausgabe(bild)});
            }
    // the unit's views exist only with a unit; the hourly view shows the week around the
    // coldest hour, as the report does
    if (!aufruf.Bilder.isEmpty() && p.WRG)
        for (const char* name : {"anlage", "stunden"})
            for (const char* endung : {".png", ".svg"}) {
                const QString bild =
                    QDir(aufruf.Bilder).filePath(QLatin1String(name) + QLatin1String(endung));
                const bool anlage = name == std::string_view("anlage");
                ausgaben.push_back({datei("Das Bild", "das Bild", bild),
                                    [&aufruf, anlage, bild](const TAuswertung& a) {
                                        const auto [von, bis] = KaeltesteWoche(a);
                                        ZeichnungSpeichern(
                                            bild, aufruf.Groesse,
                                            anlage ? QStringLiteral("Anlage")
                                                   : QStringLiteral("Stundenwerte"),
                                            [&](QPainter& maler, const QRectF& rahmen) {
                                                if (anlage)
                                                    AnlageZeichnen(a, maler, rahmen);
                                                else
                                                    StundenZeichnen(a, von, bis, maler, rahmen);
                                            });
                                    },
                                    "Bild: " + Ausgabe(bild)});
            }
    // the ground's cross-section of a register run at the hour its view opens with: 15 January,
    // 11 to 12 h, at the inlet; the year is run again up to that hour
    if (!aufruf.Bilder.isEmpty() && RegisterModell(p))
        for (const char* endung : {".png", ".svg"}) {
            const QString bild =
                QDir(aufruf.Bilder).filePath(QStringLiteral("querschnitt") + QLatin1String(endung));
            ausgaben.push_back({datei("Das Bild", "das Bild", bild),
                                [&aufruf, bild](const TAuswertung& a) {
                                    QuerschnittSpeichern(a, 14 * 24 + 12, 0, bild, aufruf.Groesse);
                                },
                                "Bild: " + Ausgabe(bild)});
        }
    if (!aufruf.Csv.isEmpty())
        ausgaben.push_back({datei("Die Stundenwerte-Datei", "die Stundenwerte-Datei", aufruf.Csv),
                            [&aufruf](const TAuswertung& a) {
                                StundenCsvSpeichern(a, aufruf.Csv, aufruf.Zeichen);
                            },
                            "Stundenwerte: " + Ausgabe(aufruf.Csv)});

    std::vector<TDateiRolle> rollen;
    for (const TAusgabe& ausgabe : ausgaben)
        rollen.push_back(ausgabe.Rolle);
    const std::vector<std::string> ueberschrieben =
        UeberschreibenPruefen(rollen, LaufEingaben(p, orte));
    if (!ueberschrieben.empty()) {
        fehler << "Nichts berechnet, nichts geschrieben:\n";
        for (const std::string& meldung : ueberschrieben)
            fehler << "  " << meldung << "\n";
        return 2;
    }
    // every place is checked before the first file is written
    try {
        if (!aufruf.Bilder.isEmpty() && !QFileInfo(aufruf.Bilder).isDir())
            throw TDateiFehler(QFileInfo::exists(aufruf.Bilder) ? "Kein Ordner, sondern eine Datei"
                                                                : "Kein Ordner",
                               Ausgabe(aufruf.Bilder));
        for (const TDateiRolle& rolle : rollen)
            SchreibbarPruefen(rolle.Pfad);
    } catch (const std::exception& e) {
        fehler << e.what() << "\nNichts berechnet, nichts geschrieben.\n";
        return 1;
    }

    TAuswertung auswertung;
    try {
        auswertung = AuswertungsLaufRechnen(p, orte.ArbeitsOrdner, orte.ProjektOrdner);
    } catch (const TParameterFehler& e) {
        fehler << e.what() << "\n";
        return 2;
    } catch (const std::exception& e) {
        fehler << e.what() << "\n";
        return 1;
    }
    for (const std::string& hinweis : auswertung.Hinweise)
        fehler << "Hinweis: " << hinweis << "\n";
    std::size_t geschrieben = 0;
    try {
        for (; geschrieben < ausgaben.size(); ++geschrieben) {
            const TAusgabe& ausgabe = ausgaben[geschrieben];
            ausgabe.Schreiben(auswertung);
            if (!ausgabe.Meldung.empty()) aus << ausgabe.Meldung << "\n";
        }
    } catch (const std::exception& e) {
        fehler << e.what() << "\n";
        const auto liste = [&](std::size_t von, std::size_t bis) {
            std::string namen;
            for (std::size_t i = von; i < bis; ++i)
                namen += (namen.empty() ? "" : ", ") + ausgaben[i].Rolle.Name;
            return namen;
        };
        if (geschrieben > 0) fehler << "Geschrieben: " << liste(0, geschrieben) << "\n";
        fehler << "Wie sie waren: " << liste(geschrieben, ausgaben.size()) << "\n";
        return 1;
    }
    return 0;
}

} // namespace kov
