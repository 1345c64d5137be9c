#include "hud/CHud.h"

#include "shell/main.h"

CHud::CHud() : LastItem(-1), LastItemName(nullptr) {}
void CHud::DrawHud() { Main.ReSizeGLScene(Main.WindowWidth, Main.WindowHeight); }
void CHud::GetName() {}
