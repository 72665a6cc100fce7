#pragma once
// The maker's details shown in the start and info windows, and the two link targets.

#include <QtGlobal>

namespace kov {

inline constexpr char HerstellerName[] = "KOV Entwicklung";
// the description is shown in the interface's language (context kov::TForm3)
inline constexpr char HerstellerBeschreibung[] =
    QT_TRANSLATE_NOOP("kov::TForm3", "Lüftungs- und Gebäudetechnik");
inline constexpr char HerstellerStrasse[] = "Musterstraße 1";
inline constexpr char HerstellerOrt[] = "12345 Musterstadt";
inline constexpr char HerstellerWebseite[] = "https://kov.example.org";
inline constexpr char HerstellerEmail[] = "info@kov.example.org";

} // namespace kov
