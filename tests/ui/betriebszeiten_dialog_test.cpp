// The weekly schedule editor: the table and the short form of Betriebszeiten carried into each
// other and back, the hours per week it shows, and the reasons it gives for a refused text.
#include "ui/betriebszeiten_dialog.h"

#include "test_hilfen.h"
#include "ui/anwendung.h"
#include "ui/eingabe_fenster.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <gtest/gtest.h>

namespace kov {
namespace {

std::optional<TWochenPlan> Plan(const std::string& text) {
    return WochenPlanLesen(BetriebszeitenLesen(text));
}

TEST(WochenPlan, ShortFormThroughTheTableAndBack) {
    const struct {
        const char* Text;
        const char* Zurueck; // the table's short form
    } faelle[] = {
        {"Mo-Fr 7-18", "Mo-Fr 7-18"},
        {"Mo-Fr 7-18; Sa 8-12 50%; Nacht 22-6", "Mo-Fr 7-18; Sa 8-12 50%; Nacht 22-6"},
        {"Mo-So 0-24", "Mo-So 0-24"},
        {"Di-Do 6-9 30%; So 10-14", "Di-Do 6-9 30%; So 10-14"},
        {"Mo 23-24; Di 0-1", "Mo 23-24; Di 0-1"},
        {"Nacht 18-0", "Nacht 18-0"},
        {"Nacht 1-5 40%", "Nacht 1-5 40%"},
        // other spellings of the same week
        {"mo-fr 7-18;", "Mo-Fr 7-18"},
        {"Mo,Di,Mi,Do,Fr 7-18", "Mo-Fr 7-18"},
        {"Mo-Mi 7-18; Do-Fr 7-18", "Mo-Fr 7-18"},
        {"Nacht 18-24", "Nacht 18-0"},
        {"Sa 8-12 50.0%", "Sa 8-12 50%"},
        // where entries overlap the larger share counts: one period at full flow
        {"Mo-Fr 7-18; Mo-Fr 8-12 50%", "Mo-Fr 7-18"},
    };
    for (const auto& f : faelle) {
        const std::optional<TWochenPlan> plan = Plan(f.Text);
        ASSERT_TRUE(plan.has_value()) << f.Text;
        EXPECT_EQ(WochenPlanText(*plan), f.Zurueck) << f.Text;
        // the table's short form gives the same hourly flows as the text
        const TBetriebszeiten a = BetriebszeitenLesen(f.Text);
        const TBetriebszeiten b = BetriebszeitenLesen(WochenPlanText(*plan));
        EXPECT_EQ(a.Woche, b.Woche) << f.Text;
        EXPECT_EQ(a.Nacht, b.Nacht) << f.Text;
    }
}

TEST(WochenPlan, WeeksTheTableCannotHoldStayText) {
    for (const char* text : {"Mo 7-9; Mo 12-14", "Mo 7-18 50%; Mo 8-10", "Mo 7-18 33.3%",
                             "Nacht 0-24", "Nacht 22-2; Nacht 4-6"})
        EXPECT_FALSE(Plan(text).has_value()) << text;
    TWochenPlan leer;
    leer.Nacht.Laeuft = false;
    EXPECT_EQ(WochenPlanText(leer), "");
}

TEST(WochenPlan, HoursPerWeek) {
    const struct {
        const char* Text;
        int Betrieb;
        double Volllast;
        int Nacht;
    } faelle[] = {
        // 5 x 11 h + 4 h at half flow; the night 22-6 is 8 hours
        {"Mo-Fr 7-18; Sa 8-12 50%; Nacht 22-6", 59, 57.0, 8},
        {"Mo-So 0-24", 168, 168.0, 0},
        {"Mo 7-9 25%", 2, 0.5, 0},
    };
    for (const auto& f : faelle) {
        const TWochenStunden s = WochenStundenZaehlen(BetriebszeitenLesen(f.Text));
        EXPECT_EQ(s.Betrieb, f.Betrieb) << f.Text;
        EXPECT_DOUBLE_EQ(s.Volllast, f.Volllast) << f.Text;
        EXPECT_EQ(s.Nacht, f.Nacht) << f.Text;
    }
}

TEST(BetriebszeitenDialog, OpensOnTheProjectsTextAndFollowsTheTable) {
    TBetriebszeitenDialog dialog(nullptr, "Mo-Fr 7-18; Sa 8-12 50%; Nacht 22-6");
    EXPECT_TRUE(dialog.Verwenden->isChecked());
    for (std::size_t t = 0; t < 5; ++t) {
        EXPECT_TRUE(dialog.Laeuft[t]->isChecked()) << t;
        EXPECT_EQ(dialog.Von[t]->value(), 7) << t;
        EXPECT_EQ(dialog.Bis[t]->value(), 18) << t;
        EXPECT_EQ(dialog.Anteil[t]->value(), 100) << t;
    }
    EXPECT_TRUE(dialog.Laeuft[5]->isChecked());
    EXPECT_EQ(dialog.Anteil[5]->value(), 50);
    EXPECT_FALSE(dialog.Laeuft[6]->isChecked());
    EXPECT_TRUE(dialog.Laeuft[7]->isChecked());
    EXPECT_EQ(dialog.Von[7]->value(), 22);
    EXPECT_EQ(dialog.Bis[7]->value(), 6);
    EXPECT_EQ(dialog.Stunden->text(),
              QStringLiteral("Lüftung 59 Stunden je Woche, entspricht 57 Stunden mit "
                             "Nenn-Volumenstrom. Dazu Nachtspülung 8 Stunden je Nacht im Juni "
                             "bis August."));

    dialog.Laeuft[5]->setChecked(false); // no Saturday
    dialog.Bis[4]->setValue(14);         // Friday until 14
    dialog.Anteil[7]->setValue(60);
    EXPECT_EQ(dialog.Kurzform->text(), QStringLiteral("Mo-Do 7-18; Fr 7-14; Nacht 22-6 60%"));
    EXPECT_EQ(dialog.Text(), "Mo-Do 7-18; Fr 7-14; Nacht 22-6 60%");
    EXPECT_TRUE(dialog.Stunden->text().startsWith(QStringLiteral("Lüftung 51 Stunden")));

    // typed text fills the table
    dialog.Kurzform->setText(QStringLiteral("Sa-So 9-17 50%"));
    EXPECT_FALSE(dialog.Laeuft[0]->isChecked());
    EXPECT_TRUE(dialog.Laeuft[6]->isChecked());
    EXPECT_EQ(dialog.Von[6]->value(), 9);
    EXPECT_FALSE(dialog.Laeuft[7]->isChecked());
    EXPECT_TRUE(dialog.Stunden->text().contains(QStringLiteral("entspricht 8 Stunden")));

    // switched off: the ventilation runs at nominal flow round the clock
    dialog.Verwenden->setChecked(false);
    EXPECT_EQ(dialog.Text(), "");
    EXPECT_TRUE(dialog.Knoepfe->button(QDialogButtonBox::Ok)->isEnabled());
    EXPECT_FALSE(dialog.Laeuft[0]->isEnabled());
}

TEST(BetriebszeitenDialog, ANewPlanStartsAsAnOfficeWeek) {
    TBetriebszeitenDialog dialog(nullptr, "");
    EXPECT_FALSE(dialog.Verwenden->isChecked());
    EXPECT_EQ(dialog.Text(), "");
    EXPECT_TRUE(dialog.Stunden->text().contains(QStringLiteral("168 Stunden")));
    dialog.Verwenden->setChecked(true);
    EXPECT_EQ(dialog.Text(), "Mo-Fr 7-18");
    // a table with no day running is refused with its reason
    for (std::size_t t = 0; t < 5; ++t)
        dialog.Laeuft[t]->setChecked(false);
    EXPECT_FALSE(dialog.Knoepfe->button(QDialogButtonBox::Ok)->isEnabled());
    EXPECT_TRUE(dialog.Fehler().contains(QStringLiteral("läuft die Lüftung nie")));
}

TEST(BetriebszeitenDialog, RefusedTextSaysWhyAndBlocksTakingItOver) {
    const struct {
        const char* Text;
        const char* Grund;
    } faelle[] = {
        {"Mo-Fr 18-7", "Zeichen 7: die Endstunde muss nach der Anfangsstunde liegen"},
        {"Mo-Xx 7-18", "unbekannter Wochentag \"Xx\""},
        {"Fr-Mo 7-18", "\"Fr-Mo\" läuft rückwärts"},
        {"Mo 7-18 0%", "größer als 0 und höchstens 100 %"},
        {"Mo 7-25", "volle Stunde von 0 bis 24"},
        {"Mo 7", "\"-\" zwischen Anfangs- und Endstunde erwartet, aber der Text ist zu Ende"},
        {"Mo 7-18 Sa 8-12", "Zeichen 9: Ein Anteil in % oder \";\" erwartet"},
    };
    TBetriebszeitenDialog dialog(nullptr, "Mo-Fr 7-18");
    for (const auto& f : faelle) {
        dialog.Kurzform->setText(QString::fromUtf8(f.Text));
        EXPECT_TRUE(dialog.Fehler().contains(QString::fromUtf8(f.Grund)))
            << f.Text << ": " << dialog.Fehler().toStdString();
        EXPECT_EQ(dialog.Stunden->text(), dialog.Fehler()) << f.Text;
        EXPECT_FALSE(dialog.Knoepfe->button(QDialogButtonBox::Ok)->isEnabled()) << f.Text;
    }
    // a text the table cannot hold is taken, and edited as text only
    dialog.Kurzform->setText(QStringLiteral("Mo 7-9; Mo 12-14"));
    EXPECT_TRUE(dialog.Fehler().isEmpty());
    EXPECT_TRUE(dialog.Knoepfe->button(QDialogButtonBox::Ok)->isEnabled());
    EXPECT_FALSE(dialog.Laeuft[0]->isEnabled());
    EXPECT_TRUE(dialog.Hinweis->text().contains(QStringLiteral("nur als Kurzform")));
    EXPECT_EQ(dialog.Text(), "Mo 7-9; Mo 12-14");
}

TEST(BetriebszeitenDialog, NamesTheScheduleFileThatExcludesAWeeklyPlan) {
    TBetriebszeitenDialog dialog(nullptr, "Mo-Fr 7-18", true);
    EXPECT_TRUE(dialog.Hinweis->text().contains(QStringLiteral("FahrplanGelesen")));
    dialog.Verwenden->setChecked(false);
    EXPECT_TRUE(dialog.Hinweis->text().isEmpty());
}

// the entry of the input window's "Parameter" menu
QAction* BetriebszeitenAktion(TForm2& eingabe) {
    for (QAction* menue : eingabe.Menue->actions())
        if (menue->menu() != nullptr)
            for (QAction* a : menue->menu()->actions())
                if (a->text().remove(QLatin1Char('&')).startsWith(QStringLiteral("Betriebszeiten")))
                    return a;
    return nullptr;
}

TEST(BetriebszeitenDialog, ReachedFromTheInputWindowItsTextBecomesTheProjects) {
    test::TArbeitsVerzeichnis ort;
    TAnwendung anwendung;
    TForm2& eingabe = anwendung.Form2();
    QAction* aktion = BetriebszeitenAktion(eingabe);
    ASSERT_NE(aktion, nullptr);
    ASSERT_FALSE(anwendung.Projekt().Geaendert);

    const struct {
        const char* Name;
        std::function<void(TBetriebszeitenDialog&)> Antwort;
        std::string Danach;
        bool Geaendert;
    } faelle[] = {
        {"cancelled",
         [](TBetriebszeitenDialog& d) {
             d.Verwenden->setChecked(true);
             d.reject();
         },
         "", false},
        {"office week taken over",
         [](TBetriebszeitenDialog& d) {
             d.Verwenden->setChecked(true);
             d.Laeuft[5]->setChecked(true); // and Saturday 7-18 like the weekdays
             d.accept();
         },
         "Mo-Sa 7-18", true},
        {"opened on the project's text, switched off again",
         [](TBetriebszeitenDialog& d) {
             EXPECT_EQ(d.Text(), "Mo-Sa 7-18");
             d.Verwenden->setChecked(false);
             d.accept();
         },
         "", false},
    };
    for (const auto& f : faelle) {
        bool beantwortet = false;
        QTimer wache;
        QObject::connect(&wache, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<TBetriebszeitenDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || beantwortet) return;
            beantwortet = true;
            f.Antwort(*dialog);
        });
        wache.start(10);
        aktion->trigger();
        wache.stop();
        EXPECT_TRUE(beantwortet) << f.Name;
        EXPECT_EQ(anwendung.Kontext().Parameter.Betriebszeiten, f.Danach) << f.Name;
        EXPECT_EQ(anwendung.Projekt().Geaendert, f.Geaendert) << f.Name;
    }
}

} // namespace
} // namespace kov
