#pragma once
// Ground-model state around the representative pipe: three sector grids of radial columns,
// the radial geometry, capacities, conductances and the six Crank-Nicolson step matrices.

#include <array>

namespace kov {

// radial nodes 0..n+1 for n <= 10
using TGitterZeile = std::array<double, 12>;
// [axial cell a][radial node i], °C
using TErdGitter = std::array<TGitterZeile, 12>;
// [row][column]
using TSchrittMatrix = std::array<std::array<double, 12>, 12>;

constexpr int MaxGitter = 10;

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
};

} // namespace kov
