#pragma once
// Ground-model state around the representative pipe: three sector grids of radial columns,
// the radial geometry, capacities, conductances and the six Crank-Nicolson step matrices with
// their column copies for the vector paths.

#include "ground/simd_pfad.h"

#include <array>

namespace kov {

// radial nodes 0..n+1 for n <= 10
using TGitterZeile = std::array<double, 12>;
// [axial cell a][radial node i], °C
using TErdGitter = std::array<TGitterZeile, 12>;
// [row][column]
using TSchrittMatrix = std::array<std::array<double, 12>, 12>;

constexpr int MaxGitter = 10;

// A step matrix by columns for the vector paths: Spalte[j][i - 1] = P[i][j] for the rows
// i = 1..m and the columns j = 0..m+1, every other entry 0. A column holds the factors of node j
// for all rows at once and fills two cache lines, so eight rows load as one aligned vector.
struct alignas(64) TSpaltenMatrix {
    std::array<std::array<double, 16>, 12> Spalte{};
};

// The sectors whose columns some result reads, as bits of TErdZustand::Sektoren.
inline constexpr unsigned SektorErde = 1;
inline constexpr unsigned SektorKeller = 2;
inline constexpr unsigned SektorAdiabat = 4;
inline constexpr unsigned AlleSektoren = SektorErde | SektorKeller | SektorAdiabat;

struct TErdZustand {
    TErdGitter GitterErde{};    // sector 1, against the undisturbed earth
    TErdGitter GitterAdiabat{}; // sector 2, adiabatic
    TErdGitter GitterKeller{};  // sector 3, against the cellar

    TGitterZeile RadienErde{};         // m, ring boundaries 0..n
    TGitterZeile RadienKeller{};       // m
    TGitterZeile MittelradienErde{};   // m, 1..n
    TGitterZeile MittelradienKeller{}; // m
    TGitterZeile KapazitaetErde{};     // J/K per axial cell, 1..n
    TGitterZeile KapazitaetKeller{};   // J/K
    TGitterZeile
        LeitwertErde{}; // W/K, entry i couples node i-1 and i; entry 0 = KapazitaetsstromLuft
    TGitterZeile LeitwertKeller{}; // W/K

    double KapazitaetsstromLuft = 0.0; // W/K, air in one pipe at nominal flow
    double LeitwertWand = 0.0;         // W/K, inner surface to the middle of the wall cell
    double LeitwertStillstand = 0.0;   // W/K, standing air to the middle of the wall cell

    TSchrittMatrix MatrixErdeBetrieb{};
    TSchrittMatrix MatrixErdeStillstand{};
    TSchrittMatrix MatrixAdiabatBetrieb{};
    TSchrittMatrix MatrixKellerBetrieb{};
    TSchrittMatrix MatrixAdiabatStillstand{};
    TSchrittMatrix MatrixKellerStillstand{};

    // the six step matrices by columns, for the vector paths
    TSpaltenMatrix SpaltenErdeBetrieb{};
    TSpaltenMatrix SpaltenErdeStillstand{};
    TSpaltenMatrix SpaltenAdiabatBetrieb{};
    TSpaltenMatrix SpaltenKellerBetrieb{};
    TSpaltenMatrix SpaltenAdiabatStillstand{};
    TSpaltenMatrix SpaltenKellerStillstand{};
    // the path the conduction step takes; the set-up sets it to the path of the process
    TSimdPfad Pfad = TSimdPfad::Skalar;
    // The sectors the hour loop advances. A sector with no share of the circumference and no
    // monitor point influences nothing printed, drawn or summed: the air sees it with weight 0
    // and no energy sum reads it, so its columns need no step.
    unsigned Sektoren = AlleSektoren;
};

} // namespace kov
