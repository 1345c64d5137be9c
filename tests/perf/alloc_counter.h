// Counts the heap allocations the game makes on the thread that starts the
// counting. Linking alloc_counter.cpp replaces malloc, calloc, realloc and
// every global operator new of the whole program. An allocation counts when
// the innermost caller outside the C and C++ runtimes is this program's own
// code (the game is linked into it): one that Mesa, Xlib or SDL make for
// their own ends inside a GL call or a buffer swap is theirs, not the game's.
#pragma once

namespace perf {

void StartCountingAllocations();
// Stops counting and returns the number counted since the start.
long StopCountingAllocations();
// Writes the call stack of the first allocation counted to stderr.
void PrintFirstAllocation();

} // namespace perf
