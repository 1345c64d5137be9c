#include "shell/main.h"

#include "audio/CMusic.h"
#include "ball/CPelegesoMgr.h"
#include "camera/CCameraMgr.h"
#include "ground/CTextureMgr.h"
#include "hud/CFontsMgr.h"
#include "hud/CHud.h"
#include "input/CGamepad.h"
#include "input/CInputSystem.h"
#include "props/CObjectsMgr.h"

CFontsMgr* FontsMgr;
CTextureMgr* TextureMgr;
CInputSystem* Input;
CCameraMgr* CameraMgr;
CHud* Hud;
CPelegesoMgr* PelegesoMgr;
CObjectsMgr* ObjectsMgr;
CMusic* Music;
CGamepad* Gamepad;

CMain Main;

// Fields the constructor does not set keep the zero of static storage.
CMain::CMain() {
    DeviceContext = nullptr;
    RenderContext = nullptr;
    WindowHandle = nullptr;
    WindowWidth = 640;
    WindowHeight = 480;
    Active = 1;
    Fullscreen = 1;

    FontsMgr = new CFontsMgr;
    TextureMgr = new CTextureMgr;
    Input = new CInputSystem();
    CameraMgr = new CCameraMgr;
    Hud = new CHud;
    PelegesoMgr = new CPelegesoMgr;
    ObjectsMgr = new CObjectsMgr;
    Music = new CMusic;
    Gamepad = new CGamepad;
}

CMain::~CMain() {
    delete FontsMgr;
    delete TextureMgr;
    delete Input;
    delete CameraMgr;
    delete Hud;
    delete PelegesoMgr;
    delete ObjectsMgr;
    delete Music;
    delete Gamepad;
}
