#include "platform/seam.h"
#include "platform/win32/internal.h"

#include <cstdio>
#include <map>
#include <string>

namespace win32 {

namespace {

// Every video driver that shows a window to the player. SDL's offscreen and
// dummy drivers would run the game where nobody can see or stop it, so they
// are used only when SDL_VIDEODRIVER asks for them by name.
std::string VisibleDrivers() {
    std::string list;
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
        const std::string name = SDL_GetVideoDriver(i);
        if (name == "offscreen" || name == "dummy")
            continue;
        list += (list.empty() ? "" : ",") + name;
    }
    return list;
}

} // namespace

bool EnsureVideo() {
    static int state = 0; // 0 untried, 1 up, -1 failed
    if (state == 0) {
        SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
        // A default: the environment's SDL_VIDEODRIVER still wins.
        SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, VisibleDrivers().c_str(), SDL_HINT_DEFAULT);
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) {
            state = 1;
        } else {
            state = -1;
            std::fprintf(stderr, "Pelegeso Vesldurian: no display could be opened (%s).\n",
                         SDL_GetError());
        }
    }
    return state == 1;
}

} // namespace win32

namespace {

struct Button {
    int id;
    const char* label;
    Uint32 flags;
};

// The button the box answers with when it cannot be shown: the one Escape picks.
int EscapeAnswer(UINT type) {
    return (type & 0xF) == MB_YESNO ? IDNO : IDOK;
}

} // namespace

int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT type) {
    if (seam::Enter("MessageBoxA"))
        return 0;
    if (seam::HasMessageBoxAnswerer())
        return seam::AnswerMessageBox(text, caption, type);

    const bool yesNo = (type & 0xF) == MB_YESNO;
    // Yes and OK answer Return; No (or OK when alone) answers Escape.
    const SDL_MessageBoxButtonData yesNoButtons[] = {
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, IDNO, "No"},
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, IDYES, "Yes"},
    };
    const SDL_MessageBoxButtonData okButton[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT | SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, IDOK,
         "OK"},
    };
    Uint32 flags = SDL_MESSAGEBOX_INFORMATION;
    const UINT icon = type & 0xF0;
    if (icon == MB_ICONSTOP)
        flags = SDL_MESSAGEBOX_ERROR;
    else if (icon == MB_ICONEXCLAMATION)
        flags = SDL_MESSAGEBOX_WARNING;

    SDL_MessageBoxData box{};
    box.flags = flags;
    box.title = caption ? caption : "";
    box.message = text ? text : "";
    box.numbuttons = yesNo ? 2 : 1;
    box.buttons = yesNo ? yesNoButtons : okButton;
    int pressed = -1;
    if (SDL_ShowMessageBox(&box, &pressed) != 0 || pressed < 0) {
        // No box can be shown: say it on standard error and answer as Escape would.
        std::fprintf(stderr, "%s: %s\n", box.title, box.message);
        return EscapeAnswer(type);
    }
    return pressed;
}

HINSTANCE GetModuleHandleA(LPCSTR) {
    seam::Enter("GetModuleHandleA");
    static char instance;
    return reinterpret_cast<HINSTANCE>(&instance);
}

HICON LoadIconA(HINSTANCE, LPCSTR) {
    seam::Enter("LoadIconA");
    static PlatformGdiObject icon(PlatformGdiObject::Icon);
    return &icon;
}

HCURSOR LoadCursorA(HINSTANCE, LPCSTR) {
    seam::Enter("LoadCursorA");
    static PlatformGdiObject cursor(PlatformGdiObject::Cursor);
    return &cursor;
}

namespace {
std::map<std::string, WNDCLASSA>& Classes() {
    static std::map<std::string, WNDCLASSA> classes;
    return classes;
}
} // namespace

WORD RegisterClassA(const WNDCLASSA* windowClass) {
    if (seam::Enter("RegisterClassA") || !windowClass || !windowClass->lpszClassName ||
        !windowClass->lpfnWndProc)
        return 0;
    auto inserted = Classes().emplace(windowClass->lpszClassName, *windowClass);
    if (!inserted.second)
        return 0; // already registered
    return static_cast<WORD>(0xC000 + Classes().size());
}

BOOL UnregisterClassA(LPCSTR className, HINSTANCE) {
    if (seam::Enter("UnregisterClassA") || !className)
        return FALSE;
    return Classes().erase(className) ? TRUE : FALSE;
}

WNDPROC win32::ClassProcedure(LPCSTR className) {
    if (!className)
        return nullptr;
    auto it = Classes().find(className);
    return it == Classes().end() ? nullptr : it->second.lpfnWndProc;
}
