// The one place where tests reach into the platform layer. Everything here is
// inert until a test turns it on, so the shipped game runs no test path.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace seam {

// Tick source: when set, GetTickCount() returns what it gives.
void SetTickSource(std::function<uint32_t()> source);

// Message boxes: when set, MessageBoxA asks this instead of showing a box.
// It receives text, caption and style and returns the button (IDOK, IDYES, IDNO...).
void SetMessageBoxAnswerer(std::function<int(const std::string&, const std::string&, unsigned)> answerer);

// Call failure: the next call of the named platform operation (for example
// "CreateWindowExA" or "wglMakeCurrent") fails as that operation reports failure.
void FailNextCall(const std::string& operation);

// Call log: while on, every platform operation appends its name.
void SetCallLogging(bool on);
const std::vector<std::string>& CallLog();
void ClearCallLog();

// Frame hook: runs inside SwapBuffers, before the buffers are swapped, so a
// test can read the finished frame back and script the next one.
void SetFrameHook(std::function<void()> hook);

// Keyboard feed: while on, the keyboard device reads this state (indexed by
// DirectInput scan code, 0x80 meaning down) instead of the real keyboard.
void SetKeyFeed(bool on);
void SetKey(uint8_t scanCode, bool down);
void ReleaseAllKeys();
bool KeyFeedOn();
const uint8_t* KeyFeedState();

// Drops every seam setting (used between tests that share a process).
void Reset();

// Used by the layer itself: logs the call and tells whether it must fail.
bool Enter(const char* operation);
bool HasTickSource();
uint32_t Ticks();
bool HasMessageBoxAnswerer();
int AnswerMessageBox(const char* text, const char* caption, unsigned style);
void RunFrameHook();

} // namespace seam
