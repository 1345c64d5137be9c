#include "ball/pelegeso.h"

structPelegeso ThePelegeso;
