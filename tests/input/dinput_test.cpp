// The DirectInput layer over SDL: scan codes, acquisition rules, the
// keyboard's quick taps, mouse motion and game controllers.
#include "platform/dinput/dinput.h"
#include "platform/dinput/internal.h"
#include "platform/seam.h"
#include "tests/input/virtual_pad.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

IDirectInput8A* MakeDirectInput() {
    void* di = nullptr;
    EXPECT_EQ(DirectInput8Create(GetModuleHandleA(nullptr), DIRECTINPUT_VERSION, IID_IDirectInput8A,
                                 &di, nullptr),
              DI_OK);
    return static_cast<IDirectInput8A*>(di);
}

// A device set up to be read without a window.
IDirectInputDevice8A* MakeDevice(IDirectInput8A* di, REFGUID guid, const DIDATAFORMAT& format) {
    IDirectInputDevice8A* device = nullptr;
    EXPECT_EQ(di->CreateDevice(guid, &device, nullptr), DI_OK);
    if (device) {
        EXPECT_EQ(device->SetDataFormat(&format), DI_OK);
        EXPECT_EQ(device->SetCooperativeLevel(nullptr, DISCL_BACKGROUND | DISCL_NONEXCLUSIVE),
                  DI_OK);
    }
    return device;
}

TEST(DirectInputKeys, ScanCodesAreTheSetOneCodesWithExtendedKeysAbove0x80) {
    const std::pair<SDL_Scancode, uint8_t> cases[] = {
        {SDL_SCANCODE_ESCAPE, 0x01},      {SDL_SCANCODE_1, 0x02},
        {SDL_SCANCODE_0, 0x0B},           {SDL_SCANCODE_RETURN, 0x1C},
        {SDL_SCANCODE_W, 0x11},           {SDL_SCANCODE_S, 0x1F},
        {SDL_SCANCODE_A, 0x1E},           {SDL_SCANCODE_D, 0x20},
        {SDL_SCANCODE_Q, 0x10},           {SDL_SCANCODE_E, 0x12},
        {SDL_SCANCODE_I, 0x17},           {SDL_SCANCODE_J, 0x24},
        {SDL_SCANCODE_K, 0x25},           {SDL_SCANCODE_L, 0x26},
        {SDL_SCANCODE_F2, 0x3C},          {SDL_SCANCODE_F11, 0x57},
        {SDL_SCANCODE_LEFTBRACKET, 0x1A}, {SDL_SCANCODE_RIGHTBRACKET, 0x1B},
        {SDL_SCANCODE_LCTRL, 0x1D},       {SDL_SCANCODE_RCTRL, 0x9D},
        {SDL_SCANCODE_LALT, 0x38},        {SDL_SCANCODE_RALT, 0xB8},
        {SDL_SCANCODE_UP, 0xC8},          {SDL_SCANCODE_DOWN, 0xD0},
        {SDL_SCANCODE_LEFT, 0xCB},        {SDL_SCANCODE_RIGHT, 0xCD},
        {SDL_SCANCODE_KP_ENTER, 0x9C},    {SDL_SCANCODE_KP_DIVIDE, 0xB5},
        {SDL_SCANCODE_KP_8, 0x48},        {SDL_SCANCODE_KP_MULTIPLY, 0x37},
        {SDL_SCANCODE_DELETE, 0xD3},      {SDL_SCANCODE_LGUI, 0xDB},
        {SDL_SCANCODE_UNKNOWN, 0},        {SDL_SCANCODE_F24, 0},
    };
    for (const auto& [sdl, code] : cases)
        EXPECT_EQ(dinput::ScanCodeOf(sdl), code) << SDL_GetScancodeName(sdl);
}

TEST(DirectInputKeys, NoTwoKeysShareACodeExceptTheKnownPairs) {
    const std::map<uint8_t, int> shared = {{DIK_BACKSLASH, 2}, {DIK_SYSRQ, 2}, {DIK_MUTE, 2}};
    std::map<uint8_t, int> users;
    for (int key = 0; key < SDL_NUM_SCANCODES; ++key)
        if (const uint8_t code = dinput::ScanCodeOf(static_cast<SDL_Scancode>(key)))
            ++users[code];
    for (const auto& [code, count] : users) {
        const auto expected = shared.find(code);
        EXPECT_EQ(count, expected == shared.end() ? 1 : expected->second) << int(code);
    }
}

TEST(DirectInputObject, CreationChecksItsArguments) {
    const struct {
        DWORD version;
        const GUID* iid;
        bool outer;
        const char* failing;
        HRESULT result;
    } cases[] = {
        {DIRECTINPUT_VERSION, &IID_IDirectInput8A, false, nullptr, DI_OK},
        {0x0700, &IID_IDirectInput8A, false, nullptr, DIERR_INVALIDPARAM},
        {DIRECTINPUT_VERSION, &GUID_SysMouse, false, nullptr, DIERR_NOINTERFACE},
        {DIRECTINPUT_VERSION, &IID_IDirectInput8A, true, nullptr, DIERR_NOAGGREGATION},
        {DIRECTINPUT_VERSION, &IID_IDirectInput8A, false, "DirectInput8Create", DIERR_GENERIC},
    };
    int outer = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        if (c.failing)
            seam::FailNextCall(c.failing);
        void* di = &outer;
        EXPECT_EQ(DirectInput8Create(nullptr, c.version, *c.iid, &di, c.outer ? &outer : nullptr),
                  c.result);
        EXPECT_EQ(di != nullptr, c.result == DI_OK);
        if (di)
            static_cast<IDirectInput8A*>(di)->Release();
    }
    EXPECT_EQ(
        DirectInput8Create(nullptr, DIRECTINPUT_VERSION, IID_IDirectInput8A, nullptr, nullptr),
        DIERR_INVALIDPARAM);
}

TEST(DirectInputObject, UnknownDevicesAndClassesAreRefused) {
    IDirectInput8A* di = MakeDirectInput();
    // Any value: a refused creation must leave null behind.
    IDirectInputDevice8A* device = reinterpret_cast<IDirectInputDevice8A*>(di);
    EXPECT_EQ(di->CreateDevice(IID_IDirectInput8A, &device, nullptr), DIERR_DEVICENOTREG);
    EXPECT_EQ(device, nullptr);
    EXPECT_EQ(di->EnumDevices(
                  0, [](const DIDEVICEINSTANCEA*, void*) { return DIENUM_CONTINUE; }, nullptr,
                  DIEDFL_ATTACHEDONLY),
              DIERR_UNSUPPORTED);
    di->Release();
}

TEST(DirectInputDevice, CooperativeLevelsNeedOneOfEachPairAndAWindowInTheForeground) {
    IDirectInput8A* di = MakeDirectInput();
    IDirectInputDevice8A* keyboard = nullptr;
    ASSERT_EQ(di->CreateDevice(GUID_SysKeyboard, &keyboard, nullptr), DI_OK);
    int somewhere = 0;
    HWND window = reinterpret_cast<HWND>(&somewhere);
    const struct {
        HWND window;
        DWORD flags;
        HRESULT result;
    } cases[] = {
        {window, DISCL_FOREGROUND | DISCL_NONEXCLUSIVE, DI_OK},
        {window, DISCL_FOREGROUND | DISCL_EXCLUSIVE | DISCL_NOWINKEY, DI_OK},
        {nullptr, DISCL_BACKGROUND | DISCL_NONEXCLUSIVE, DI_OK},
        {nullptr, DISCL_FOREGROUND | DISCL_NONEXCLUSIVE, DIERR_INVALIDPARAM},
        {window, DISCL_FOREGROUND, DIERR_INVALIDPARAM},
        {window, DISCL_EXCLUSIVE | DISCL_NONEXCLUSIVE | DISCL_FOREGROUND, DIERR_INVALIDPARAM},
        {window, DISCL_NONEXCLUSIVE, DIERR_INVALIDPARAM},
        {window, DISCL_FOREGROUND | DISCL_BACKGROUND | DISCL_NONEXCLUSIVE, DIERR_INVALIDPARAM},
    };
    for (const auto& c : cases)
        EXPECT_EQ(keyboard->SetCooperativeLevel(c.window, c.flags), c.result) << c.flags;
    keyboard->Release();
    di->Release();
}

TEST(DirectInputDevice, AcquisitionNeedsTheRightFormatAndForTheForegroundTheFocus) {
    IDirectInput8A* di = MakeDirectInput();
    IDirectInputDevice8A* keyboard = nullptr;
    ASSERT_EQ(di->CreateDevice(GUID_SysKeyboard, &keyboard, nullptr), DI_OK);
    uint8_t keys[256] = {};
    EXPECT_EQ(keyboard->Acquire(), DIERR_INVALIDPARAM); // no format yet
    EXPECT_EQ(keyboard->SetDataFormat(&c_dfDIMouse), DIERR_INVALIDPARAM);
    EXPECT_EQ(keyboard->SetDataFormat(&c_dfDIKeyboard), DI_OK);

    // A window that is not the game's has no focus.
    int somewhere = 0;
    ASSERT_EQ(keyboard->SetCooperativeLevel(reinterpret_cast<HWND>(&somewhere),
                                            DISCL_FOREGROUND | DISCL_NONEXCLUSIVE),
              DI_OK);
    EXPECT_EQ(keyboard->Acquire(), DIERR_OTHERAPPHASPRIO);
    EXPECT_EQ(keyboard->GetDeviceState(sizeof keys, keys), DIERR_NOTACQUIRED);

    ASSERT_EQ(keyboard->SetCooperativeLevel(nullptr, DISCL_BACKGROUND | DISCL_NONEXCLUSIVE), DI_OK);
    EXPECT_EQ(keyboard->Acquire(), DI_OK);
    EXPECT_EQ(keyboard->Acquire(), DI_NOEFFECT);
    EXPECT_EQ(keyboard->SetDataFormat(&c_dfDIKeyboard), DIERR_ACQUIRED);
    EXPECT_EQ(keyboard->GetDeviceState(16, keys), DIERR_INVALIDPARAM);
    EXPECT_EQ(keyboard->GetDeviceState(sizeof keys, keys), DI_OK);
    EXPECT_EQ(keyboard->Poll(), DI_NOEFFECT); // nothing to poll
    EXPECT_EQ(keyboard->Unacquire(), DI_OK);
    EXPECT_EQ(keyboard->Unacquire(), DI_NOEFFECT);
    keys[DIK_W] = 0x80;
    EXPECT_EQ(keyboard->GetDeviceState(sizeof keys, keys), DIERR_NOTACQUIRED);
    EXPECT_EQ(keys[DIK_W], 0x80) << "a failed read must leave the buffer alone";
    keyboard->Release();
    di->Release();
}

class DirectInputEvents : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0);
        di_ = MakeDirectInput();
    }
    void TearDown() override { di_->Release(); }

    IDirectInput8A* di_ = nullptr;
};

void PushKey(SDL_Scancode key) {
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.scancode = key;
    SDL_PushEvent(&event);
}

TEST_F(DirectInputEvents, AKeyTappedBetweenTwoReadsReadsDownOnce) {
    IDirectInputDevice8A* keyboard = MakeDevice(di_, GUID_SysKeyboard, c_dfDIKeyboard);
    uint8_t keys[256];
    PushKey(SDL_SCANCODE_RETURN); // before the acquisition: does not count
    ASSERT_EQ(keyboard->Acquire(), DI_OK);
    ASSERT_EQ(keyboard->GetDeviceState(sizeof keys, keys), DI_OK);
    EXPECT_EQ(keys[DIK_RETURN], 0);

    PushKey(SDL_SCANCODE_RCTRL);
    ASSERT_EQ(keyboard->GetDeviceState(sizeof keys, keys), DI_OK);
    EXPECT_EQ(keys[DIK_RCONTROL], 0x80);
    EXPECT_EQ(keys[DIK_LCONTROL], 0);
    ASSERT_EQ(keyboard->GetDeviceState(sizeof keys, keys), DI_OK);
    EXPECT_EQ(keys[DIK_RCONTROL], 0);
    keyboard->Release();
}

TEST_F(DirectInputEvents, MouseMotionAndWheelAreRelativeToThePreviousRead) {
    IDirectInputDevice8A* mouse = MakeDevice(di_, GUID_SysMouse, c_dfDIMouse);
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    motion.motion.xrel = 7;
    motion.motion.yrel = -3;
    SDL_Event wheel{};
    wheel.type = SDL_MOUSEWHEEL;
    wheel.wheel.y = 1;
    SDL_PushEvent(&motion); // before the acquisition: lost
    ASSERT_EQ(mouse->Acquire(), DI_OK);
    SDL_PushEvent(&motion);
    SDL_PushEvent(&motion);
    SDL_PushEvent(&wheel);
    DIMOUSESTATE state;
    ASSERT_EQ(mouse->GetDeviceState(sizeof state, &state), DI_OK);
    EXPECT_EQ(state.lX, 14);
    EXPECT_EQ(state.lY, -6);
    EXPECT_EQ(state.lZ, 120);
    for (BYTE button : state.rgbButtons)
        EXPECT_EQ(button, 0);
    ASSERT_EQ(mouse->GetDeviceState(sizeof state, &state), DI_OK);
    EXPECT_EQ(state.lX, 0);
    EXPECT_EQ(state.lY, 0);
    EXPECT_EQ(state.lZ, 0);
    mouse->Release();
}

// Game controllers, read without a window (background level).
class DirectInputController : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(pad_.Ok()) << SDL_GetError();
        di_ = MakeDirectInput();
    }
    void TearDown() override {
        if (device_)
            device_->Release();
        di_->Release();
    }

    std::vector<DIDEVICEINSTANCEA> Controllers() {
        std::vector<DIDEVICEINSTANCEA> found;
        EXPECT_EQ(di_->EnumDevices(
                      DI8DEVCLASS_GAMECTRL,
                      [](const DIDEVICEINSTANCEA* d, void* ref) {
                          static_cast<std::vector<DIDEVICEINSTANCEA>*>(ref)->push_back(*d);
                          return DIENUM_CONTINUE;
                      },
                      &found, DIEDFL_ATTACHEDONLY),
                  DI_OK);
        return found;
    }

    void Open() {
        const auto found = Controllers();
        ASSERT_FALSE(found.empty());
        device_ = MakeDevice(di_, found.back().guidInstance, c_dfDIJoystick2);
        ASSERT_NE(device_, nullptr);
    }

    std::vector<DIDEVICEOBJECTINSTANCEA> Objects(DWORD flags) {
        std::vector<DIDEVICEOBJECTINSTANCEA> found;
        EXPECT_EQ(device_->EnumObjects(
                      [](const DIDEVICEOBJECTINSTANCEA* o, void* ref) {
                          static_cast<std::vector<DIDEVICEOBJECTINSTANCEA>*>(ref)->push_back(*o);
                          return DIENUM_CONTINUE;
                      },
                      &found, flags),
                  DI_OK);
        return found;
    }

    HRESULT SetRange(DWORD how, DWORD object, LONG min, LONG max) {
        DIPROPRANGE range{{sizeof(DIPROPRANGE), sizeof(DIPROPHEADER), object, how}, min, max};
        return device_->SetProperty(DIPROP_RANGE, &range.diph);
    }

    DIJOYSTATE2 Read() {
        DIJOYSTATE2 state{};
        EXPECT_EQ(device_->Poll(), DI_OK);
        EXPECT_EQ(device_->GetDeviceState(sizeof state, &state), DI_OK);
        return state;
    }

    VirtualPad pad_;
    IDirectInput8A* di_ = nullptr;
    IDirectInputDevice8A* device_ = nullptr;
};

TEST_F(DirectInputController, DescribesItsFourAxesAndItsButtons) {
    Open();
    DIDEVCAPS caps{};
    EXPECT_EQ(device_->GetCapabilities(&caps), DIERR_INVALIDPARAM); // size not set
    caps.dwSize = sizeof caps;
    ASSERT_EQ(device_->GetCapabilities(&caps), DI_OK);
    EXPECT_EQ(caps.dwAxes, 4u);
    EXPECT_EQ(caps.dwButtons, 15u);
    EXPECT_TRUE(caps.dwFlags & DIDC_ATTACHED);
    EXPECT_EQ(caps.dwDevType & 0xFF, DI8DEVTYPE_GAMEPAD);

    const auto axes = Objects(DIDFT_AXIS);
    const DWORD offsets[] = {offsetof(DIJOYSTATE2, lX), offsetof(DIJOYSTATE2, lY),
                             offsetof(DIJOYSTATE2, lZ), offsetof(DIJOYSTATE2, lRz)};
    ASSERT_EQ(axes.size(), 4u);
    for (size_t i = 0; i < axes.size(); ++i) {
        EXPECT_EQ(axes[i].dwOfs, offsets[i]);
        EXPECT_TRUE(axes[i].dwType & DIDFT_AXIS);
        EXPECT_EQ(DIDFT_GETINSTANCE(axes[i].dwType), i);
    }
    EXPECT_EQ(Objects(DIDFT_BUTTON).size(), 15u);
    EXPECT_EQ(Objects(DIDFT_ALL).size(), 19u);
}

TEST_F(DirectInputController, RangesAreSetByIdOffsetOrForTheWholeDevice) {
    Open();
    const DWORD lY = Objects(DIDFT_AXIS)[1].dwType;
    EXPECT_EQ(SetRange(DIPH_BYID, lY, -1000, 1000), DI_OK);
    EXPECT_EQ(SetRange(DIPH_BYOFFSET, offsetof(DIJOYSTATE2, lZ), -10, 10), DI_OK);
    EXPECT_EQ(SetRange(DIPH_BYID, DIDFT_ABSAXIS | DIDFT_MAKEINSTANCE(9), -1, 1),
              DIERR_OBJECTNOTFOUND);
    EXPECT_EQ(SetRange(DIPH_BYID, lY, 5, 5), DIERR_INVALIDPARAM);
    DIPROPHEADER shortHeader{sizeof(DIPROPHEADER), sizeof(DIPROPHEADER), lY, DIPH_BYID};
    EXPECT_EQ(device_->SetProperty(DIPROP_RANGE, &shortHeader), DIERR_INVALIDPARAM);
    EXPECT_EQ(device_->SetProperty(GUID_SysMouse, &shortHeader), DIERR_UNSUPPORTED);

    ASSERT_EQ(device_->Acquire(), DI_OK);
    pad_.Sticks(0, 1000, -1000, 0);
    DIJOYSTATE2 state = Read();
    EXPECT_EQ(state.lY, 1000);
    EXPECT_EQ(state.lZ, -10);
    EXPECT_EQ(state.lX, 32768) << "an axis keeps the range of 0..65535 until one is set";

    device_->Unacquire();
    EXPECT_EQ(SetRange(DIPH_DEVICE, 0, -1000, 1000), DI_OK);
    device_->Acquire();
    pad_.Sticks(-1000, 0, 0, 1000);
    state = Read();
    EXPECT_EQ(state.lX, -1000);
    EXPECT_EQ(state.lZ, 0);
    EXPECT_EQ(state.lRz, 1000);
}

TEST_F(DirectInputController, SticksReadOnTheRangeExactlyAndButtonsBySdlOrder) {
    Open();
    ASSERT_EQ(SetRange(DIPH_DEVICE, 0, -1000, 1000), DI_OK);
    ASSERT_EQ(device_->Acquire(), DI_OK);
    for (int units : {-1000, -501, -500, -101, -100, 0, 100, 101, 500, 501, 1000}) {
        pad_.Sticks(units, units, -units, -units);
        const DIJOYSTATE2 state = Read();
        EXPECT_EQ(state.lX, units);
        EXPECT_EQ(state.lY, units);
        EXPECT_EQ(state.lZ, -units);
        EXPECT_EQ(state.lRz, -units);
    }
    pad_.Button(1, true);
    DIJOYSTATE2 state = Read();
    EXPECT_EQ(state.rgbButtons[0], 0);
    EXPECT_EQ(state.rgbButtons[1], 0x80);
    pad_.Button(0, true);
    pad_.Button(1, false);
    state = Read();
    EXPECT_EQ(state.rgbButtons[0], 0x80);
    EXPECT_EQ(state.rgbButtons[1], 0);
    EXPECT_EQ(state.rgdwPOV[0], 0xFFFFFFFFu);
}

TEST_F(DirectInputController, MissingAxesReadCentredAndMissingButtonsUp) {
    VirtualPad small(2, 1); // left stick and the south button only
    ASSERT_TRUE(small.Ok());
    Open(); // the newest controller: the small one
    DIDEVCAPS caps{};
    caps.dwSize = sizeof caps;
    ASSERT_EQ(device_->GetCapabilities(&caps), DI_OK);
    EXPECT_EQ(caps.dwAxes, 2u);
    EXPECT_EQ(caps.dwButtons, 1u);
    ASSERT_EQ(SetRange(DIPH_DEVICE, 0, -1000, 1000), DI_OK);
    ASSERT_EQ(device_->Acquire(), DI_OK);
    small.Sticks(-1000, 1000, 0, 0);
    small.Button(0, true);
    const DIJOYSTATE2 state = Read();
    EXPECT_EQ(state.lX, -1000);
    EXPECT_EQ(state.lY, 1000);
    EXPECT_EQ(state.lZ, 32768) << "no range was set for an axis that is not there";
    EXPECT_EQ(state.lRz, 32768);
    EXPECT_EQ(state.rgbButtons[0], 0x80);
    EXPECT_EQ(state.rgbButtons[1], 0);
}

TEST_F(DirectInputController, AnUnpluggedControllerIsLostUntilItComesBack) {
    Open();
    ASSERT_EQ(SetRange(DIPH_DEVICE, 0, -1000, 1000), DI_OK);
    ASSERT_EQ(device_->Acquire(), DI_OK);
    pad_.Unplug();
    EXPECT_EQ(device_->Poll(), DIERR_INPUTLOST);
    EXPECT_EQ(device_->Poll(), DIERR_NOTACQUIRED);
    EXPECT_EQ(device_->Acquire(), DIERR_INPUTLOST);
    DIJOYSTATE2 state{};
    EXPECT_EQ(device_->GetDeviceState(sizeof state, &state), DIERR_NOTACQUIRED);
    DIDEVCAPS caps{};
    caps.dwSize = sizeof caps;
    ASSERT_EQ(device_->GetCapabilities(&caps), DI_OK);
    EXPECT_FALSE(caps.dwFlags & DIDC_ATTACHED);

    pad_.PlugIn();
    ASSERT_EQ(device_->Acquire(), DI_OK);
    pad_.Sticks(0, -1000, 0, 0);
    EXPECT_EQ(Read().lY, -1000) << "the range set before stays";
}

} // namespace
