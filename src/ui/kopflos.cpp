#include "ui/kopflos.h"

#include "ablauf/auswertungs_lauf.h"
#include "files/projekt_datei.h"
#include "model/fehler.h"
#include "ui/ansicht_export.h"
#include "ui/pdf_bericht.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <exception>

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
           "Fahrplan und Wetterdatei eines Projekts liegen neben ihm. Exit-Status 0 bei\n"
           "Erfolg, 1 bei einem Fehler einer Datei oder des Laufs, 2 bei falschem Aufruf,\n"
           "abgelehnter Projektdatei oder abgelehnten Parametern.\n";
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
    // input files of a project are found beside it
    std::string eingabeOrdner;
    if (aufruf.Projekt != QLatin1String("-")) {
        const std::string datei = Ausgabe(aufruf.Projekt);
        try {
            p = ProjektLesen(datei);
        } catch (const TDateiFehler& e) {
            fehler << "Projektdatei abgelehnt, nichts berechnet: " << e.what() << "\n";
            return 2;
        }
        eingabeOrdner = ProjektOrdner(datei);
        if (eingabeOrdner.empty()) eingabeOrdner = ".";
        kopf.Projektdatei = QFileInfo(aufruf.Projekt).absoluteFilePath();
    }
    try {
        TAuswertung auswertung;
        try {
            auswertung = AuswertungsLaufRechnen(p, {}, eingabeOrdner);
        } catch (const TParameterFehler& e) {
            fehler << e.what() << "\n";
            return 2;
        }
        for (const std::string& hinweis : auswertung.Hinweise)
            fehler << "Hinweis: " << hinweis << "\n";
        if (!aufruf.Pdf.isEmpty()) {
            const int seiten = PdfBerichtSchreiben(auswertung, kopf, aufruf.Pdf);
            aus << "Bericht: " << Ausgabe(aufruf.Pdf) << " (" << seiten << " Seiten)\n";
        }
        if (!aufruf.Bilder.isEmpty()) {
            if (!QFileInfo(aufruf.Bilder).isDir())
                throw TDateiFehler("Kein Ordner", Ausgabe(aufruf.Bilder));
            for (const QString& datei :
                 AlleAnsichtenSpeichern(auswertung, aufruf.Bilder, aufruf.Groesse))
                aus << "Bild: " << Ausgabe(datei) << "\n";
        }
        if (!aufruf.Csv.isEmpty()) {
            StundenCsvSpeichern(auswertung, aufruf.Csv, aufruf.Zeichen);
            aus << "Stundenwerte: " << Ausgabe(aufruf.Csv) << "\n";
        }
    } catch (const std::exception& e) {
        fehler << e.what() << "\n";
        return 1;
    }
    return 0;
}

} // namespace kov
