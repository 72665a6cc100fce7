#pragma once
// The interface's language for one test; German again afterwards, as the other tests expect.

#include "ui/sprache.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace kov::test {

class TSprachUmgebung {
public:
    explicit TSprachUmgebung(const TSprache& sprache) { EXPECT_TRUE(Uebersetzung.Laden(sprache)); }
    ~TSprachUmgebung() {
        Uebersetzung.Laden(QStringLiteral("de"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    TSprachUmgebung(const TSprachUmgebung&) = delete;
    TSprachUmgebung& operator=(const TSprachUmgebung&) = delete;
    TUebersetzung Uebersetzung;
};

} // namespace kov::test
