#include "app/minimum_frequency.h"

int MinimumFrequency = kDefaultMinimumFrequency;
