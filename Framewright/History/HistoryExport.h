#pragma once
// The history as text: comma-separated for "Save History...", plain-text tables for sharing.
// Built from the store at the moment of the call (unsaved changes of the main context included).

#include "PersistenceController.h"

#include <filesystem>
#include <string>

namespace framewright {

class Calculation;

// Header "Symbol,Value,Format", then one row per line (symbol, value, format; an absent text is
// empty), calculations newest first, lines in index order; rows joined by "\n", no final "\n".
std::string historyCSV(PersistenceController& controller = PersistenceController::shared());

// Every calculation's table (calculationText), newest first, with nothing between them;
// "No Calculations" when there are none.
std::string historyText(PersistenceController& controller = PersistenceController::shared());

// One calculation as a table with three untitled columns: the line's symbol right-aligned in 3
// characters, its value right-aligned, its format left-aligned; "No operations" (without a line
// feed) when it has no lines.
std::string calculationText(const Calculation& calculation);

// Writes historyCSV() as UTF-8 to `file`, replacing it atomically (a failed write leaves the old
// file as it was). On failure prints the reason and a line feed on standard output and returns
// false.
bool saveHistory(const std::filesystem::path& file, PersistenceController& controller = PersistenceController::shared());

} // namespace framewright
