// Catalogues of a vendor's size, grown from the sources' own rows: every new
// colour, glass, profile and accessory is a variant of one the sources hold,
// offered where its model is offered, so each rule of the sources holds for
// it and what the sources add later grows with them.
#pragma once

#include <sqlite3.h>

#include <string>

namespace catalogue_presets {

struct Preset {
    const char* name;
    int copies;              // of every series, as --scale N
    int entriesPerGroup;     // colours in each colour group that is not RAL
    int glasses;             // glasses of the sources
    int profilesPerKind[5];  // frames, sashes, mullions, astragals, couplings per series
    int accessoriesPerKind;  // offered accessories per series and profile kind
    bool defaultSeriesAtCap; // the default series' lists as long as a list travels
};

// The preset of that name ("large", "max"); null for another name.
const Preset* Find(const std::string& name);

// The names for --help, "large, max".
std::string Names();

// Grows the catalogue of the sources (before its series are copied) to the
// preset's sizes; false with the reason on stderr.
bool Grow(sqlite3* db, const Preset& preset);

} // namespace catalogue_presets
