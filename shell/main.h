// The application object and the global managers every part of the game
// reaches through.
#pragma once

#include "platform/win32/win32.h"

#include <cstdint>

constexpr int GAME_STATE_PLAYING = 10;
constexpr int GAME_STATE_TITLE = 11;

constexpr int MAP_ROWS = 70;
constexpr int MAP_COLS = 100;

class CFontsMgr;
class CTextureMgr;
class CInputSystem;
class CCameraMgr;
class CHud;
class CPelegesoMgr;
class CObjectsMgr;
class CMusic;
class CGamepad;

class CMain {
  public:
    CMain();
    ~CMain();

    BOOL CreateGLWindow(const char* title, int width, int height, int bits, int Fullscreenflag);
    void KillGLWindow();
    void ReSizeGLScene(int width, int height);
    int InitGL();
    int Render();
    void RenderGame();
    void RenderTitle();
    HDC GetHDC() const { return DeviceContext; }

    HWND WindowHandle;
    HINSTANCE InstanceHandle;
    float LightPosition[4];
    uint8_t GamepadPresent;
    int WindowWidth;
    int WindowHeight;
    int TitleStep;
    uint8_t ShowHud;
    int MapGrid[MAP_ROWS][MAP_COLS];
    int GameState;
    int Active;
    int Fullscreen;
    HDC DeviceContext;
    HGLRC RenderContext;
    uint32_t FrameStartTick;
    int TitleStartTime;
    uint8_t TitleWaiting;
};

extern CMain Main;

extern CFontsMgr* FontsMgr;
extern CTextureMgr* TextureMgr;
extern CInputSystem* Input;
extern CCameraMgr* CameraMgr;
extern CHud* Hud;
extern CPelegesoMgr* PelegesoMgr;
extern CObjectsMgr* ObjectsMgr;
extern CMusic* Music;
extern CGamepad* Gamepad;

extern float LightAmbient[4];
extern float LightDiffuse[4];

// What Enter does in the title: the HUD's last item cleared, the town's props
// read, camera and ball reset, and play begun.
void StartPlay();

LRESULT CALLBACK WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, char* lpCmdLine, int nCmdShow);
