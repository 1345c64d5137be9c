#include "shell/main.h"

// The game takes no command-line arguments.
int main() { return WinMain(GetModuleHandleA(nullptr), nullptr, nullptr, 0); }
