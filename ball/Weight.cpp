#include "ball/CPelegesoMgr.h"

#include "ball/pelegeso.h"

namespace {

constexpr int FIRST_WEIGHED_TYPE = 3;

// Weight gained by taking a prop, for types 3 to 35 in order.
constexpr float INCREMENTS[] = {
    26.6f, 26.6f, 26.6f, 26.6f, 26.6f, 26.6f, 26.6f, // 3-9 building fronts
    22.0f,                                           // 10 arcade front
    21.6f, 21.6f, 21.6f,                             // 11-13 building and arcade sides
    2.1f,                                            // 14 bush
    6.6f,                                            // 15 big bush
    0.4f,                                            // 16 fence
    1.2f,                                            // 17 rubbish
    5.2f,                                            // 18 sign
    5.7f,                                            // 19 big sign
    9.2f,                                            // 20 sign
    2.2f,                                            // 21 small sign
    12.2f,                                           // 22 town flag
    17.2f,                                           // 23 tree
    7.7f,                                            // 24 fence
    0.4f,                                            // 25 fence
    8.0f,                                            // 26 fence
    26.6f,                                           // 27 building side
    42.1f, 42.1f,                                    // 28-29 hospital front and back
    31.0f,                                           // 30 hospital side
    26.6f,                                           // 31 building side
    1.4f,                                            // 32 small bush
    22.3f, 22.3f,                                    // 33-34 burger shop front and back
    19.2f,                                           // 35 burger shop side
};
constexpr int WEIGHED_TYPES = sizeof INCREMENTS / sizeof INCREMENTS[0];
static_assert(WEIGHED_TYPES == 33, "types 3 to 35");

} // namespace

void CPelegesoMgr::AddWeight(int TexID) {
    if (TexID < FIRST_WEIGHED_TYPE || TexID >= FIRST_WEIGHED_TYPE + WEIGHED_TYPES)
        return;
    ThePelegeso.Weight += INCREMENTS[TexID - FIRST_WEIGHED_TYPE];
}
