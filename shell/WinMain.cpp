#include "shell/main.h"

#include "ball/CPelegesoMgr.h"
#include "camera/CCameraMgr.h"
#include "ground/CTextureMgr.h"
#include "hud/CHud.h"
#include "input/CGamepad.h"
#include "input/CInputSystem.h"
#include "props/CObjectsMgr.h"

constexpr uint8_t DIK_ESCAPE_KEY = 0x01;
constexpr uint8_t DIK_RETURN_KEY = 0x1C;

void StartPlay() {
    Hud->LastItem = -1;
    Main.TitleStep = 0;
    ObjectsMgr->InitObjects();
    CameraMgr->InitCamera();
    PelegesoMgr->InitPelegeso();
    Main.GameState = GAME_STATE_PLAYING;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, char*, int) {
    if (MessageBoxA(nullptr, "Would You Like To Run In Fullscreen Mode?", "Start FullScreen?",
                    MB_YESNO | MB_ICONQUESTION) == IDNO)
        Main.Fullscreen = 0;
    // The images decode while the window and its rendering context are made.
    CTextureMgr::DecodeTexturesAhead();
    if (!Main.CreateGLWindow("Pelegeso Vesldurian", Main.WindowWidth, Main.WindowHeight, 16,
                             Main.Fullscreen))
        return 0;

    MSG msg{};
    bool done = false;
    while (!done) {
        if (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT)
                break;
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            continue;
        }
        if (Main.Active && !Main.Render())
            done = true;
        if (!done) {
            if (Input->KeyDown(DIK_ESCAPE_KEY))
                done = true;
            else
                SwapBuffers(Main.DeviceContext);
        }
        Input->Update();
        if (Main.GameState == GAME_STATE_PLAYING) {
            Input->ProcessInput();
            if (Main.GamepadPresent)
                Gamepad->UpdateInputState(Main.WindowHandle);
            CameraMgr->MoveCamera();
        } else if (Main.GameState == GAME_STATE_TITLE && Input->KeyDown(DIK_RETURN_KEY)) {
            StartPlay();
        }
    }

    PelegesoMgr->KillWindow();
    Main.KillGLWindow();
    // The loop's own Escape test leaves no quit message behind: exit with 0 then.
    return msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
}
