#include "tests/perf/alloc_counter.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <execinfo.h>
#include <link.h>
#include <new>
#include <pthread.h>
#include <unistd.h>

extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void __libc_free(void* block);
}

// The replacements live in a section of their own, so their frames can be
// told apart from the game's.
#define COUNTER_CODE __attribute__((section("perf_alloc_counter"), noinline))
extern "C" char __start_perf_alloc_counter[], __stop_perf_alloc_counter[];

namespace {

enum class Owner { COUNTER, GAME, RUNTIME, LIBRARY };

struct Range {
    uintptr_t begin, end;
    Owner owner;
};

Range ranges[64];
int rangeCount = 0;

int AddObject(dl_phdr_info* info, size_t, void*) {
    const char* name = info->dlpi_name ? info->dlpi_name : "";
    Owner owner = Owner::LIBRARY;
    if (!*name)
        owner = Owner::GAME; // the program itself
    else if (std::strstr(name, "/libc.so") || std::strstr(name, "/libstdc++.so") ||
             std::strstr(name, "/libgcc_s.so") || std::strstr(name, "/libm.so"))
        owner = Owner::RUNTIME;
    for (int i = 0; i < info->dlpi_phnum && rangeCount < 64; ++i) {
        const ElfW(Phdr)& segment = info->dlpi_phdr[i];
        if (segment.p_type == PT_LOAD && (segment.p_flags & PF_X)) {
            const uintptr_t begin = info->dlpi_addr + segment.p_vaddr;
            ranges[rangeCount++] = {begin, begin + segment.p_memsz, owner};
        }
    }
    return 0;
}

Owner OwnerOf(const void* pc) {
    const auto address = reinterpret_cast<uintptr_t>(pc);
    if (address >= reinterpret_cast<uintptr_t>(__start_perf_alloc_counter) &&
        address < reinterpret_cast<uintptr_t>(__stop_perf_alloc_counter))
        return Owner::COUNTER;
    for (int i = 0; i < rangeCount; ++i)
        if (address >= ranges[i].begin && address < ranges[i].end)
            return ranges[i].owner;
    return Owner::LIBRARY;
}

std::atomic<bool> counting{false};
pthread_t countedThread;
long counted = 0;
bool inCount = false;
void* firstStack[48];
int firstDepth = 0;

// Walks out from the allocation past the counter and the runtimes; the
// first other frame says whose allocation it is.
COUNTER_CODE void Count(const void* caller) {
    if (!counting.load(std::memory_order_relaxed) || inCount ||
        !pthread_equal(pthread_self(), countedThread) || OwnerOf(caller) == Owner::LIBRARY)
        return;
    inCount = true;
    void* stack[48];
    const int depth = backtrace(stack, 48);
    for (int i = 0; i < depth; ++i) {
        const Owner owner = OwnerOf(stack[i]);
        if (owner == Owner::COUNTER || owner == Owner::RUNTIME)
            continue;
        if (owner == Owner::GAME && counted++ == 0) {
            std::memcpy(firstStack, stack, sizeof stack);
            firstDepth = depth;
        }
        break;
    }
    inCount = false;
}

COUNTER_CODE void* NewOrThrow(size_t size, const void* caller) {
    Count(caller);
    void* block = __libc_malloc(size ? size : 1);
    if (!block)
        throw std::bad_alloc();
    return block;
}

} // namespace

#define CALLER __builtin_return_address(0)

extern "C" {
COUNTER_CODE void* malloc(size_t size) {
    Count(CALLER);
    return __libc_malloc(size);
}
COUNTER_CODE void* calloc(size_t count, size_t size) {
    Count(CALLER);
    return __libc_calloc(count, size);
}
COUNTER_CODE void* realloc(void* block, size_t size) {
    Count(CALLER);
    return __libc_realloc(block, size);
}
void free(void* block) {
    __libc_free(block);
}
}

COUNTER_CODE void* operator new(size_t size) {
    return NewOrThrow(size, CALLER);
}
COUNTER_CODE void* operator new[](size_t size) {
    return NewOrThrow(size, CALLER);
}
COUNTER_CODE void* operator new(size_t size, const std::nothrow_t&) noexcept {
    Count(CALLER);
    return __libc_malloc(size ? size : 1);
}
COUNTER_CODE void* operator new[](size_t size, const std::nothrow_t&) noexcept {
    Count(CALLER);
    return __libc_malloc(size ? size : 1);
}
void operator delete(void* block) noexcept {
    __libc_free(block);
}
void operator delete[](void* block) noexcept {
    __libc_free(block);
}
void operator delete(void* block, size_t) noexcept {
    __libc_free(block);
}
void operator delete[](void* block, size_t) noexcept {
    __libc_free(block);
}

namespace perf {

void StartCountingAllocations() {
    // backtrace() loads its unwinder on first use: let that happen now.
    void* warm[2];
    backtrace(warm, 2);
    rangeCount = 0;
    dl_iterate_phdr(AddObject, nullptr);
    countedThread = pthread_self();
    counted = 0;
    firstDepth = 0;
    counting = true;
}

long StopCountingAllocations() {
    counting = false;
    return counted;
}

void PrintFirstAllocation() {
    if (firstDepth > 0)
        backtrace_symbols_fd(firstStack, firstDepth, STDERR_FILENO);
}

} // namespace perf
