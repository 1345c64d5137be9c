// Shared by the fuzz targets: a private working folder, file writing and a
// check that stops the run with a message.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Makes a fresh temporary folder, makes it the working directory and removes
// it again at exit. Returns its path.
std::string EnterTempDir();

// Creates the folder and its parents below the working directory.
void MakeDirs(const std::string& path);

// Replaces the file's content with the bytes.
void WriteFile(const std::string& path, const uint8_t* data, size_t size);

[[noreturn]] void Fail(const char* what, const char* file, int line);

} // namespace fuzz

// A property every input must keep; a broken one aborts, so the fuzzer keeps
// the input as a finding.
#define FUZZ_CHECK(condition)                                                                      \
    ((condition) ? static_cast<void>(0) : fuzz::Fail(#condition, __FILE__, __LINE__))
