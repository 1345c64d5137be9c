#include "props/CObjectsMgr.h"

void CObjectsMgr::InitIntroObjects() {}
