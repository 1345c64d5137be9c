// The decision the two sticks make on one frame.
#pragma once

#include "platform/dinput/dinput.h"

// Issues at most one step (if it stays in town) or up to two turns.
void SteerBySticks(const DIJOYSTATE2& state);
