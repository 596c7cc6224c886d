#pragma once
// The published AL values of real core sets (data/al-published.csv, compiled in
// as cores/published_al_table.cpp by cores/published_al_table.py; nothing is read
// at run time), and which catalogue core each set is.
//
// The data names a set as its maker prints it ("RM 8/I", "ETD 34/17/11"), the
// catalogue with its designation and vendor ("RM 8 (TDK RM8Z-12)", "ETD 34 (TDK
// ETD34-Z)"). Two names are the same set when, with blanks and letter case
// ignored and the part in brackets left off, they agree part by part between the
// slashes: the first part (family and size) always, every further part that both
// give, and a part only one gives is a dimension (a number) or the plain version
// "I" of an RM set. So "ETD 34" is "ETD 34/17/11" and "RM 8" is "RM 8/I", but
// "RM 8/ILP", the low-profile set, is neither. A dimension is left out only where
// the catalogue knows one set by the parts given: "E 13" is not "E 13/7/4", as
// the catalogue holds E 13/6/3 and E 13/6/6 too.

#include <span>
#include <string_view>
#include <vector>

#include "cores/catalog.hpp"

namespace ferricalc {

struct PublishedAl {
    std::string_view shape;     // the set as printed: "RM 8/I"
    std::string_view vendor;    // "Ferroxcube"
    std::string_view material;  // "3C90"
    double muI;                 // the material's nominal initial permeability
    double gap;                 // mm, the printed gap in the centre post; 0 for an ungapped set
    double al;                  // nH
};

// Every record, in the data's order.
std::span<const PublishedAl> publishedAlRecords();

// Whether a catalogue core's name and a printed set name are the same set.
bool sameCoreSet(std::string_view catalogueName, std::string_view shape);

// A point of the AL-against-gap plot.
struct PublishedAlPoint {
    double gap;  // mm; 0 for the ungapped set
    double al;   // nH
};

// The published points of the catalogue core's set in the material (its name,
// letter case ignored), by growing gap; none where nothing is published.
std::vector<PublishedAlPoint> publishedAlPoints(std::string_view catalogueName, std::string_view material);

// The catalogue core of a printed set: a core of the set whose name holds the
// vendor first (the exact designation among those), then the exact designation,
// then any core of the set. Null where the catalogue has none.
struct CatalogueMatch {
    const CatalogWindow* window = nullptr;
    const StandardCore* core = nullptr;
};
CatalogueMatch findCatalogueCore(std::string_view shape, std::string_view vendor);

}  // namespace ferricalc
