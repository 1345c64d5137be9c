#include "props/objects.h"

structObjects TheObjects[MAX_OBJECTS];
