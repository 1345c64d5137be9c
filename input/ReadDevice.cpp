#include "input/ReadDevice.h"

bool ReadDevice(IDirectInputDevice8A* device, DWORD size, void* buffer) {
    if (!device)
        return false;
    if (SUCCEEDED(device->GetDeviceState(size, buffer)))
        return true;
    if (FAILED(device->Acquire()))
        return false;
    return SUCCEEDED(device->GetDeviceState(size, buffer));
}
