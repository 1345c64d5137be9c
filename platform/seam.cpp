#include "platform/seam.h"

#include <cstring>

namespace seam {
namespace {

struct State {
    std::function<uint32_t()> tickSource;
    std::function<int(const std::string&, const std::string&, unsigned)> answerer;
    std::vector<std::string> failing;
    bool logging = false;
    std::vector<std::string> log;
    std::function<void()> frameHook;
    bool keyFeed = false;
    uint8_t keys[256] = {};
};

// Never destroyed: managers' destructors still call into the layer at exit.
State& S() {
    static State* state = new State;
    return *state;
}

} // namespace

void SetTickSource(std::function<uint32_t()> source) { S().tickSource = std::move(source); }

void SetMessageBoxAnswerer(
    std::function<int(const std::string&, const std::string&, unsigned)> answerer) {
    S().answerer = std::move(answerer);
}

void FailNextCall(const std::string& operation) { S().failing.push_back(operation); }

void SetCallLogging(bool on) { S().logging = on; }
const std::vector<std::string>& CallLog() { return S().log; }
void ClearCallLog() { S().log.clear(); }

void SetFrameHook(std::function<void()> hook) { S().frameHook = std::move(hook); }

void SetKeyFeed(bool on) { S().keyFeed = on; }
void SetKey(uint8_t scanCode, bool down) { S().keys[scanCode] = down ? 0x80 : 0; }
void ReleaseAllKeys() { std::memset(S().keys, 0, sizeof S().keys); }
bool KeyFeedOn() { return S().keyFeed; }
const uint8_t* KeyFeedState() { return S().keys; }

void Reset() { S() = State(); }

bool Enter(const char* operation) {
    State& s = S();
    if (s.logging)
        s.log.emplace_back(operation);
    for (auto it = s.failing.begin(); it != s.failing.end(); ++it) {
        if (*it == operation) {
            s.failing.erase(it);
            return true;
        }
    }
    return false;
}

bool HasTickSource() { return static_cast<bool>(S().tickSource); }
uint32_t Ticks() { return S().tickSource(); }
bool HasMessageBoxAnswerer() { return static_cast<bool>(S().answerer); }
int AnswerMessageBox(const char* text, const char* caption, unsigned style) {
    return S().answerer(text ? text : "", caption ? caption : "", style);
}

void RunFrameHook() {
    if (S().frameHook) {
        // Copy first: the hook may replace itself.
        std::function<void()> hook = S().frameHook;
        hook();
    }
}

} // namespace seam
