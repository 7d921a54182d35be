#include "base/minimum_frequency.h"

int MinimumFrequency = kDefaultMinimumFrequency;
