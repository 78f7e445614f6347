// C99 hexadecimal form of a double ("%a" as glibc prints it), written out by
// hand so that the journal reads the same whichever C runtime the board
// library is built against.
#pragma once

#include <string>

std::string hex_float(double value);
