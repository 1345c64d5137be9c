#include "props/CObjectsMgr.h"

#include "ball/pelegeso.h"

namespace {

// The weight a ball needs to take a prop of the type; 0 for a type anyone can take.
float Threshold(int type) {
    switch (type) {
    case 15:
        return 110.0f;
    case 19:
    case 22:
        return 150.0f;
    case 20:
        return 200.0f;
    case 24:
    case 26:
        return 220.0f;
    case 23:
        return 330.0f;
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
    case 12:
    case 13:
    case 27:
    case 31:
    case 33:
    case 34:
    case 35:
        return 800.0f;
    case 28:
    case 29:
    case 30:
        return 2000.0f;
    default:
        return 0.0f;
    }
}

} // namespace

bool CObjectsMgr::isBigEnough(int ID) {
    const float threshold = Threshold(ID);
    return threshold == 0.0f || ThePelegeso.Weight >= threshold;
}
