#pragma once

#include <string>

#include "base/toolkit.h"

// The standard data exchange of a dialog's edit fields: a field is read, checked for its syntax
// and then for its range; a failure is reported in a message box and leaves the focus on the
// field. Integers accept blanks around an optional sign and digits; numbers also a fraction and
// an exponent.

// False after "Please enter an integer." or "Please enter an integer between %1 and %2.".
bool ExchangeInteger(DialogWindow& window, Host& host, int id, int minimum, int maximum,
                     int& value);
// False after "Please enter a number." or "Please enter a number between %1 and %2.".
bool ExchangeNumber(DialogWindow& window, Host& host, int id, double minimum, double maximum,
                    double& value);

// How the exchange writes a number into a field and into its messages: up to 15 significant
// digits, no trailing zeros ("15000", "0.1", "14999.5").
std::string ExchangeNumberText(double value);
