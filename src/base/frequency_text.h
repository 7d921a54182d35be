#pragma once

#include <string>

// The program's two ways of writing a frequency, chosen by DisplayMHz (1 = MHz, else kHz):
// "%9.3f" of kHz or "%9.6f" of MHz, so every hertz shows and the text is at least nine wide.
// Used by the station list, the exchange and (padded) the frequency readout.
std::string FrequencyText(int frequencyHz, int displayMHz);

// The readout's text: FrequencyText with one blank on each side (eleven characters up to 30 MHz).
std::string FrequencyDisplayText(int frequencyHz, int displayMHz);
