// The windowing, message, timing and GL-context services the game is written
// against, with the types and constant values the game relies on. They are
// implemented over SDL2 (see the .cpp files beside this header); game code
// includes this header and never SDL itself.
#pragma once

#include <cstdint>

typedef int BOOL;
typedef unsigned char BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef int32_t LONG;
typedef unsigned int UINT;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef const char* LPCSTR;

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
#ifndef CALLBACK
#define CALLBACK
#endif
#ifndef WINAPI
#define WINAPI
#endif
#ifndef APIENTRY
#define APIENTRY
#endif

struct PlatformWindow;
struct PlatformDC;
struct PlatformGLContext;
struct PlatformInstance;
struct PlatformGdiObject;

typedef PlatformWindow* HWND;
typedef PlatformDC* HDC;
typedef PlatformGLContext* HGLRC;
typedef PlatformInstance* HINSTANCE;
typedef PlatformGdiObject* HGDIOBJ;
typedef PlatformGdiObject* HFONT;
typedef PlatformGdiObject* HICON;
typedef PlatformGdiObject* HCURSOR;
typedef PlatformGdiObject* HBRUSH;
typedef PlatformGdiObject* HMENU;

inline WORD LOWORD(uintptr_t v) { return static_cast<WORD>(v & 0xFFFF); }
inline WORD HIWORD(uintptr_t v) { return static_cast<WORD>((v >> 16) & 0xFFFF); }
inline uintptr_t MAKELONG(WORD lo, WORD hi) {
    return static_cast<uintptr_t>(lo) | (static_cast<uintptr_t>(hi) << 16);
}

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);

struct RECT {
    LONG left, top, right, bottom;
};

struct POINT {
    LONG x, y;
};

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};

struct WNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
};

struct DEVMODEA {
    WORD dmSize;
    DWORD dmFields;
    DWORD dmBitsPerPel;
    DWORD dmPelsWidth;
    DWORD dmPelsHeight;
    DWORD dmDisplayFrequency;
};

struct PIXELFORMATDESCRIPTOR {
    WORD nSize;
    WORD nVersion;
    DWORD dwFlags;
    BYTE iPixelType;
    BYTE cColorBits;
    BYTE cRedBits, cRedShift, cGreenBits, cGreenShift, cBlueBits, cBlueShift;
    BYTE cAlphaBits, cAlphaShift;
    BYTE cAccumBits, cAccumRedBits, cAccumGreenBits, cAccumBlueBits, cAccumAlphaBits;
    BYTE cDepthBits;
    BYTE cStencilBits;
    BYTE cAuxBuffers;
    BYTE iLayerType;
    BYTE bReserved;
    DWORD dwLayerMask;
    DWORD dwVisibleMask;
    DWORD dwDamageMask;
};

// Window messages.
enum : UINT {
    WM_NULL = 0x0000,
    WM_CREATE = 0x0001,
    WM_DESTROY = 0x0002,
    WM_SIZE = 0x0005,
    WM_ACTIVATE = 0x0006,
    WM_CLOSE = 0x0010,
    WM_QUIT = 0x0012,
    WM_KEYDOWN = 0x0100,
    WM_KEYUP = 0x0101,
    WM_SYSCOMMAND = 0x0112,
};

// WM_ACTIVATE low word.
enum : WORD { WA_INACTIVE = 0, WA_ACTIVE = 1, WA_CLICKACTIVE = 2 };

// WM_SYSCOMMAND commands.
enum : WPARAM { SC_SCREENSAVE = 0xF140, SC_MONITORPOWER = 0xF170 };

// Message boxes.
enum : UINT {
    MB_OK = 0x00000000,
    MB_YESNO = 0x00000004,
    MB_ICONSTOP = 0x00000010,
    MB_ICONQUESTION = 0x00000020,
    MB_ICONEXCLAMATION = 0x00000030,
    MB_ICONINFORMATION = 0x00000040,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// Window class and window styles.
enum : UINT { CS_VREDRAW = 0x0001, CS_HREDRAW = 0x0002, CS_OWNDC = 0x0020 };
enum : DWORD {
    WS_OVERLAPPED = 0x00000000,
    WS_POPUP = 0x80000000,
    WS_CLIPSIBLINGS = 0x04000000,
    WS_CLIPCHILDREN = 0x02000000,
    WS_CAPTION = 0x00C00000,
    WS_SYSMENU = 0x00080000,
    WS_THICKFRAME = 0x00040000,
    WS_MINIMIZEBOX = 0x00020000,
    WS_MAXIMIZEBOX = 0x00010000,
    WS_OVERLAPPEDWINDOW = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                          WS_MINIMIZEBOX | WS_MAXIMIZEBOX,
    WS_EX_WINDOWEDGE = 0x00000100,
    WS_EX_APPWINDOW = 0x00040000,
};
enum : int { SW_HIDE = 0, SW_SHOW = 5 };

// Display modes.
enum : DWORD { DM_BITSPERPEL = 0x00040000, DM_PELSWIDTH = 0x00080000, DM_PELSHEIGHT = 0x00100000 };
enum : DWORD { CDS_FULLSCREEN = 0x00000004 };
enum : LONG { DISP_CHANGE_SUCCESSFUL = 0, DISP_CHANGE_FAILED = -1, DISP_CHANGE_BADMODE = -2 };

// Pixel formats.
enum : DWORD { PFD_DOUBLEBUFFER = 0x1, PFD_DRAW_TO_WINDOW = 0x4, PFD_SUPPORT_OPENGL = 0x20 };
enum : BYTE { PFD_TYPE_RGBA = 0, PFD_MAIN_PLANE = 0 };

// Message retrieval.
enum : UINT { PM_NOREMOVE = 0, PM_REMOVE = 1 };

#define IDI_WINLOGO reinterpret_cast<LPCSTR>(32517)
#define IDC_ARROW reinterpret_cast<LPCSTR>(32512)

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
HINSTANCE GetModuleHandleA(LPCSTR moduleName);
HICON LoadIconA(HINSTANCE instance, LPCSTR name);
HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name);
WORD RegisterClassA(const WNDCLASSA* windowClass);
BOOL UnregisterClassA(LPCSTR className, HINSTANCE instance);
LONG ChangeDisplaySettingsA(DEVMODEA* mode, DWORD flags);
int ShowCursor(BOOL show);
BOOL AdjustWindowRectEx(RECT* rect, DWORD style, BOOL menu, DWORD exStyle);
HWND CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     void* param);
BOOL DestroyWindow(HWND window);
BOOL ShowWindow(HWND window, int command);
BOOL SetForegroundWindow(HWND window);
HWND SetFocus(HWND window);
HDC GetDC(HWND window);
int ReleaseDC(HWND window, HDC dc);
int ChoosePixelFormat(HDC dc, const PIXELFORMATDESCRIPTOR* pfd);
BOOL SetPixelFormat(HDC dc, int format, const PIXELFORMATDESCRIPTOR* pfd);
HGLRC wglCreateContext(HDC dc);
BOOL wglMakeCurrent(HDC dc, HGLRC context);
BOOL wglDeleteContext(HGLRC context);
BOOL SwapBuffers(HDC dc);
BOOL PeekMessageA(MSG* msg, HWND window, UINT filterMin, UINT filterMax, UINT removeMsg);
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageA(const MSG* msg);
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PostQuitMessage(int exitCode);
DWORD GetTickCount();
