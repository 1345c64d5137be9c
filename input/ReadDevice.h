// The read both device wrappers share.
#pragma once

#include "platform/dinput/dinput.h"

// Reads the device's state into the buffer; after a failed read, acquires
// once and reads once more. On failure the buffer keeps what it held.
bool ReadDevice(IDirectInputDevice8A* device, DWORD size, void* buffer);
