// The table of props: every object standing in the town or carried by the ball.
#pragma once

#include <cstdint>

constexpr int MAX_OBJECTS = 700;

struct structObjects {
    int32_t TexID;
    float PosX;
    float PosY;
    float PosZ;
    float Width;
    float Height;
    float Depth;
    uint8_t InWorld;
    float StickX;
    float StickZ;
    float AxisZ;
    float AxisX;
    float StickAngle;
};

extern structObjects TheObjects[MAX_OBJECTS];
