// Decoding a known list of images on a background thread ahead of the calls
// that load them, so that those calls mostly only upload.
#pragma once

#include "platform/glpng/decode.h"

namespace glpng {

// Takes the next decoded image queued for this file name, if there is one:
// decodes it here when the background thread has not started on it, waits
// when it is at work on it. False when the name is not queued, or its
// decoding failed or the file has changed since: the caller reads the file
// itself then.
bool TakeDecodedAhead(const char* filename, Image* image);

} // namespace glpng
