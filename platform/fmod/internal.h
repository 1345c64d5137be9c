// State shared by the FMOD layer's sources.
#pragma once

namespace fmod_layer {

// Whether FSOUND_Init opened the audio device.
bool DeviceOpen();

} // namespace fmod_layer
