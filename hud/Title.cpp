#include "shell/main.h"

void CMain::RenderTitle() {}
