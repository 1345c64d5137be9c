#include "hud/CHud.h"

namespace {

constexpr int FIRST_NAMED_TYPE = 3;

// Display names of the town's prop types 3 to 35, by type.
const char* const ITEM_NAMES[] = {
    "Bakery",  "Drug Store", "Hotel",    "Zoze Variz",  "Police HQ",  "Building 1", "Building 2",
    "Arcade",  "Side 1",     "Side 2",   "Game Side",   "Bush",       "Big Bush",   "Fence",
    "Garbage", "Hotel Sign", "Big Sign", "Mayor Sign",  "Small Sign", "Town Name",  "Tree",
    "Fence 2", "Fence 3",    "Fence 4",  "Side 3",      "Hospital",   "Hosp. Back", "Hosp. Side",
    "Side 4",  "Small Bush", "Burger",   "Burger Back", "Burger Side"};

constexpr int NAMED_TYPES = static_cast<int>(sizeof ITEM_NAMES / sizeof ITEM_NAMES[0]);

} // namespace

void CHud::GetName() {
    // Compared before subtracting: a type read from the prop file may be any int.
    if (LastItem >= FIRST_NAMED_TYPE && LastItem - FIRST_NAMED_TYPE < NAMED_TYPES)
        LastItemName = ITEM_NAMES[LastItem - FIRST_NAMED_TYPE];
}
