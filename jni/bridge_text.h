// Byte-level rules for texts that cross between Java arrays and the engine.
// Kept free of JNI so that they can be tested on their own.
#pragma once

#include <cstddef>
#include <span>
#include <vector>

namespace phx::jni {

// The CharCodeID whose texts are zero-terminated 16-bit units (UCS2).
inline constexpr int kUcs2CharCode = 2;

// Length in bytes of an engine text, without its terminator: for UCS2 twice
// the number of 16-bit units before the zero unit, otherwise the number of
// bytes before the zero byte. REQUIRES: `text` is not null and terminated as
// its code says.
std::size_t engine_text_length(const char* text, int output_code);

// A copy of `bytes` followed by zero bytes up to and including a zero 16-bit
// unit at an even offset, which terminates the text both as 8-bit text and
// as UCS2 (even of odd length), so that the engine, which reads a stop word
// up to its terminator, never reads past the caller's array.
std::vector<char> terminated_copy(std::span<const char> bytes);

}  // namespace phx::jni
