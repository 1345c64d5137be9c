#include "audio/CMusic.h"

void CMusic::InitSound() {}
void CMusic::PlayBGM(int, int) {}
