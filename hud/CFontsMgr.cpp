#include "hud/CFontsMgr.h"

CFontsMgr::CFontsMgr() : listBase{0, 0, 0} {}
CFontsMgr::~CFontsMgr() { CleanUp(); }
void CFontsMgr::InitFonts() {}
unsigned int CFontsMgr::GetlistBase(int number) const { return listBase[number]; }
void CFontsMgr::CleanUp() {}
