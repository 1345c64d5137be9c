#include "shell/main.h"

#include "audio/CMusic.h"
#include "ball/CPelegesoMgr.h"
#include "camera/CCameraMgr.h"
#include "ground/CTextureMgr.h"
#include "ground/ground.h"
#include "hud/CFontsMgr.h"
#include "input/CGamepad.h"
#include "input/CInputSystem.h"
#include "props/CObjectsMgr.h"

#include <GL/gl.h>
#include <GL/glu.h>

float LightAmbient[4] = {1.0f, 1.0f, 1.0f, 1.0f};
float LightDiffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};

namespace {

const char* const kClassName = "OpenGL";

void SetupError(const char* text) {
    MessageBoxA(nullptr, text, "ERROR", MB_OK | MB_ICONEXCLAMATION);
}

void ShutdownError(const char* text) {
    MessageBoxA(nullptr, text, "SHUTDOWN ERROR", MB_OK | MB_ICONINFORMATION);
}

} // namespace

BOOL CMain::CreateGLWindow(const char* title, int width, int height, int bits,
                           int Fullscreenflag) {
    RECT rect;
    rect.left = 0;
    rect.top = 0;
    rect.right = width;
    rect.bottom = height;
    Fullscreen = Fullscreenflag;
    InstanceHandle = GetModuleHandleA(nullptr);

    WNDCLASSA wc{};
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = InstanceHandle;
    wc.hIcon = LoadIconA(nullptr, IDI_WINLOGO);
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    if (!RegisterClassA(&wc)) {
        SetupError("Failed To Register The Window Class.");
        return FALSE;
    }

    if (Fullscreen) {
        DEVMODEA mode{};
        mode.dmSize = sizeof mode;
        mode.dmPelsWidth = static_cast<DWORD>(width);
        mode.dmPelsHeight = static_cast<DWORD>(height);
        mode.dmBitsPerPel = static_cast<DWORD>(bits);
        mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
        if (ChangeDisplaySettingsA(&mode, CDS_FULLSCREEN) != DISP_CHANGE_SUCCESSFUL) {
            if (MessageBoxA(nullptr,
                            "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. "
                            "Use Windowed Mode Instead?",
                            "OpenGL", MB_YESNO | MB_ICONEXCLAMATION) == IDYES) {
                Fullscreen = 0;
            } else {
                MessageBoxA(nullptr, "Program Will Now Close.", "ERROR", MB_OK | MB_ICONSTOP);
                return FALSE;
            }
        }
    }

    DWORD exStyle, style;
    if (Fullscreen) {
        exStyle = WS_EX_APPWINDOW;
        style = WS_POPUP;
        ShowCursor(FALSE);
    } else {
        exStyle = WS_EX_APPWINDOW | WS_EX_WINDOWEDGE;
        style = WS_OVERLAPPEDWINDOW;
    }
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);

    WindowHandle = CreateWindowExA(exStyle, kClassName, title,
                                   style | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0,
                                   rect.right - rect.left, rect.bottom - rect.top, nullptr,
                                   nullptr, InstanceHandle, nullptr);
    if (!WindowHandle) {
        KillGLWindow();
        SetupError("Window Creation Error.");
        return FALSE;
    }

    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = static_cast<BYTE>(bits);
    pfd.cDepthBits = 16;
    pfd.iLayerType = PFD_MAIN_PLANE;

    DeviceContext = GetDC(WindowHandle);
    if (!DeviceContext) {
        KillGLWindow();
        SetupError("Can't Create A GL Device Context.");
        return FALSE;
    }
    const int format = ChoosePixelFormat(DeviceContext, &pfd);
    if (!format) {
        KillGLWindow();
        SetupError("Can't Find A Suitable PixelFormat.");
        return FALSE;
    }
    if (!SetPixelFormat(DeviceContext, format, &pfd)) {
        KillGLWindow();
        SetupError("Can't Set The PixelFormat.");
        return FALSE;
    }
    RenderContext = wglCreateContext(DeviceContext);
    if (!RenderContext) {
        KillGLWindow();
        SetupError("Can't Create A GL Rendering Context.");
        return FALSE;
    }
    if (!wglMakeCurrent(DeviceContext, RenderContext)) {
        KillGLWindow();
        SetupError("Can't Activate The GL Rendering Context.");
        return FALSE;
    }

    ShowWindow(WindowHandle, SW_SHOW);
    SetForegroundWindow(WindowHandle);
    SetFocus(WindowHandle);
    ReSizeGLScene(width, height);

    if (!InitGL()) {
        KillGLWindow();
        SetupError("Initialization Failed.");
        return FALSE;
    }
    return TRUE;
}

void CMain::KillGLWindow() {
    if (Fullscreen) {
        ChangeDisplaySettingsA(nullptr, 0);
        ShowCursor(TRUE);
    }
    if (RenderContext) {
        if (!wglMakeCurrent(nullptr, nullptr))
            ShutdownError("Release Of DC And RC Failed.");
        if (!wglDeleteContext(RenderContext))
            ShutdownError("Release Rendering Context Failed.");
        RenderContext = nullptr;
    }
    if (DeviceContext && !ReleaseDC(WindowHandle, DeviceContext)) {
        ShutdownError("Release Device Context Failed.");
        DeviceContext = nullptr;
    }
    if (WindowHandle && !DestroyWindow(WindowHandle)) {
        ShutdownError("Could Not Release hWnd.");
        WindowHandle = nullptr;
    }
    if (!UnregisterClassA(kClassName, InstanceHandle)) {
        ShutdownError("Could Not Unregister Class.");
        InstanceHandle = nullptr;
    }
    Input->Shutdown();
}

void CMain::ReSizeGLScene(int width, int height) {
    if (height == 0)
        height = 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    const float aspect = static_cast<float>(width) / static_cast<float>(height);
    gluPerspective(45.0, aspect, static_cast<double>(0.1f), 2000.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

int CMain::InitGL() {
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);

    LoadMapGrid(MapGrid, "./Data//Map//MapTex.txt");

    TitleStartTime = -1;
    TitleWaiting = 1;
    FontsMgr->InitFonts();
    TextureMgr->InitTextures();
    Input->Initialize(WindowHandle, InstanceHandle, true, 3);
    CameraMgr->InitCamera();
    PelegesoMgr->InitPelegeso();
    Music->InitSound();
    Music->PlayBGM(-1, 0);
    ObjectsMgr->InitIntroObjects();
    TitleStep = 0;
    ShowHud = 1;
    GameState = GAME_STATE_TITLE;
    GamepadPresent = Gamepad->Initialize();
    if (GamepadPresent)
        Gamepad->Acquire();

    LightPosition[0] = 0.0f;
    LightPosition[1] = 1.0f;
    LightPosition[2] = 0.0f;
    LightPosition[3] = 0.0f;
    glLightfv(GL_LIGHT1, GL_AMBIENT, LightAmbient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, LightDiffuse);
    glLightfv(GL_LIGHT1, GL_POSITION, LightPosition);
    return TRUE;
}

LRESULT CALLBACK WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_ACTIVATE:
        if (HIWORD(wParam) == 0) {
            Main.Active = 1;
            Input->AcquireAll();
        } else {
            Input->UnacquireAll();
            Main.Active = 0;
        }
        return 0;
    case WM_SYSCOMMAND:
        if (wParam == SC_SCREENSAVE || wParam == SC_MONITORPOWER)
            return 0;
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    case WM_CLOSE:
        PostQuitMessage(0);
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
        return 0;
    case WM_SIZE:
        Main.ReSizeGLScene(LOWORD(static_cast<uintptr_t>(lParam)),
                           HIWORD(static_cast<uintptr_t>(lParam)));
        return 0;
    default:
        return DefWindowProcA(hWnd, uMsg, wParam, lParam);
    }
}
