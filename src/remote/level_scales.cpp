#include "remote/level_scales.h"

#include <cmath>

#include "remote/rigctl_vocabulary.h"

int StrengthRelativeToS9(int meterDb) {
    return meterDb - kS9OnMeterDb;
}

int AgcToHamlib(int agc) {
    switch (agc) {
        case 1:
            return rigctl::kAgcSlow;
        case 3:
            return rigctl::kAgcFast;
        default:
            return rigctl::kAgcMedium;
    }
}

int AgcFromHamlib(int value) {
    switch (value) {
        case rigctl::kAgcSlow:
            return 1;
        case rigctl::kAgcMedium:
            return 2;
        case rigctl::kAgcFast:
        case rigctl::kAgcSuperFast:
            return 3;
        default:
            return -1;
    }
}

double LevelToFraction(int level, int maximum) {
    return static_cast<double>(level) / maximum;
}

int LevelFromFraction(double fraction, int maximum) {
    if (!(fraction >= 0.0 && fraction <= 1.0)) return -1;
    return static_cast<int>(std::lround(fraction * maximum));
}
