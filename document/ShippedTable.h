#pragma once
// Where the command line finds the conversion table shipped with the program.

#include <string>

// Beside the executable, else in the installed share folder; the first when neither has it.
std::string ShippedTableFile();
