#pragma once

#include <cstdint>

#include "plot/surface.h"

// The window's module-level variables, shared by its handlers. All start as 0 or false.
struct SharedState {
    std::int32_t NullpunktX = 0;  // window x (twips) of world x = 0: where the y-axis stands
    std::int32_t NullpunktY = 0;  // window y (twips) of world y = 0: where the x-axis stands
    Colour AchsenFarbe = 0;       // axis cross and grid lines
    double KoeffA = 0, KoeffB = 0, KoeffC = 0, KoeffD = 0, KoeffE = 0;
    double Abl1A = 0, Abl1B = 0, Abl1C = 0, Abl1D = 0;
    double Abl2A = 0, Abl2B = 0, Abl2C = 0;
    double Abl3A = 0, Abl3B = 0;
    double HGA = 0, HGB = 0, HGC = 0, HGD = 0;
    bool EingabeOK = false;
    double Pi = 0;  // set by the cubic solver
};
