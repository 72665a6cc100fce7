#include "register/register_text.h"

#include "files/wetter.h"
#include "register/register_lauf.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace kov {
namespace {

bool Enthaelt(const std::string& text, const std::string& teil) {
    return text.find(teil) != std::string::npos;
}

TEST(RegisterText, ReportSentencesNameTheRunsOwnResolutionAndSettling) {
    TRegisterParameter p;
    ParameterStandardwerteSetzen(p);
    EXPECT_TRUE(RegisterModellBeschreiben(p, TRegisterAngaben{}).Aufloesung.empty());
    EXPECT_TRUE(Enthaelt(RegisterModellBeschreiben(p, TRegisterAngaben{}).Modell, "klassisch"));

    p.Modell = "register";
    p.AnzahlRohre = 4;
    TRegisterAufloesung a;
    a.AxialZellen = 12;
    a.SubSchritte = 2;
    auto k = std::make_unique<TKontext>();
    RegisterLaufRechnen(p, EingebautesWetterJahr(), nullptr, *k, {}, a);
    const TRegisterErgebnis& e = k->RegisterErgebnis;
    const TRegisterModellText t = RegisterModellBeschreiben(p, RegisterAngabenAus(e));
    EXPECT_TRUE(Enthaelt(t.Modell, "alle 4 Rohre")) << t.Modell;
    EXPECT_TRUE(Enthaelt(t.Modell, "2 verschieden gerechnet")) << t.Modell;
    EXPECT_TRUE(Enthaelt(t.Modell, "keine Feuchtedaten")) << t.Modell;
    EXPECT_TRUE(Enthaelt(t.Aufloesung, "40 × 20 Zellen")) << t.Aufloesung;
    EXPECT_TRUE(Enthaelt(t.Aufloesung, "12 Axialzellen")) << t.Aufloesung;
    EXPECT_TRUE(Enthaelt(t.Aufloesung, "2 Zeitschritte je Stunde")) << t.Aufloesung;
    EXPECT_TRUE(Enthaelt(t.Konvergenz, "nach " + std::to_string(e.Einschwingjahre) + " Jahr"))
        << t.Konvergenz;
}

} // namespace
} // namespace kov
