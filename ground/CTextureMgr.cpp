#include "ground/CTextureMgr.h"

void CTextureMgr::InitTextures() {}
unsigned int CTextureMgr::GetTexture(int) const { return 0; }
unsigned int CTextureMgr::GetMapTex(int) const { return 0; }
