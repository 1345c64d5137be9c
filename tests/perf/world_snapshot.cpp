// Before any GL header: the platform header defines the calling-convention macros.
#include "shell/main.h"

#include "tests/perf/world_snapshot.h"

#include "hud/CHud.h"

#include <algorithm>
#include <iterator>

namespace perf {

void WorldSnapshot::Take() {
    camera = TheCamera;
    ball = ThePelegeso;
    std::copy(std::begin(TheObjects), std::end(TheObjects), objects);
    origin = CameraMgr->Origin;
    titleStep = Main.TitleStep;
    titleStartTime = Main.TitleStartTime;
    titleWaiting = Main.TitleWaiting;
    lastItem = Hud->LastItem;
    lastItemName = Hud->LastItemName;
}

void WorldSnapshot::Restore() const {
    TheCamera = camera;
    ThePelegeso = ball;
    std::copy(std::begin(objects), std::end(objects), TheObjects);
    CameraMgr->Origin = origin;
    Main.TitleStep = titleStep;
    Main.TitleStartTime = titleStartTime;
    Main.TitleWaiting = titleWaiting;
    Hud->LastItem = lastItem;
    Hud->LastItemName = lastItemName;
}

} // namespace perf
