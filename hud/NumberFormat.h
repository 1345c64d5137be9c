// The HUD's number text: a value with a fixed count of significant digits,
// written in the short form of the Windows runtime's _gcvt.
#pragma once

#include <cstddef>

// Writes `value` with `digits` significant digits (clamped to 1..17) into
// `buffer` of `size` bytes, always zero-terminated and cut to fit:
// fixed form while the decimal exponent E of the unrounded value lies in
// -1 .. digits - 1 ("0.", "12.5", "100.", "1000"), otherwise the exponential
// form with a three-digit exponent ("2.e+004", "5.e-002"); trailing fraction
// zeros dropped, the point kept. Not-a-number is "nan", infinities "inf" and
// "-inf"; zero of either sign is "0.".
void FormatSignificant(double value, int digits, char* buffer, size_t size);
