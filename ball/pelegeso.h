// The ball's state.
#pragma once

#include <cstdint>

struct structPelegeso {
    float AxisX;
    float AxisZ;
    float Angle;
    float Weight;
    int32_t Direction;
};

extern structPelegeso ThePelegeso;
