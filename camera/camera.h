// The player's place in the town and the camera that follows the ball.
#pragma once

struct structCamera {
    float ViewX;
    float ViewY;
    float ViewZ;
    float ViewYaw;
    float ViewPitch;
    float PosX;
    float PosY;
    float PosZ;
    float RotX;
    float RotY;
};

extern structCamera TheCamera;

// Direction codes: the argument of every movement command.
constexpr int DIR_FORWARD = 1;
constexpr int DIR_BACKWARD = 2;
constexpr int DIR_LEFT = 3;
constexpr int DIR_FORWARD_LEFT = 4;
constexpr int DIR_RIGHT = 5;
constexpr int DIR_FORWARD_RIGHT = 6;
constexpr int DIR_BACKWARD_LEFT = 7;
constexpr int DIR_BACKWARD_RIGHT = 8;
constexpr int DIR_ZOOM_OUT = 20;
constexpr int DIR_ZOOM_IN = 21;
constexpr int DIR_TURN_LEFT = 22;
constexpr int DIR_TURN_RIGHT = 23;
