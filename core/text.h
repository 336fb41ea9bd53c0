// Small text routines shared by the library; no window system needed.
#pragma once

#include <cstddef>

namespace quorl {

// Decimal conversion as the profile and date texts need it: leading blanks
// and one sign are accepted, conversion stops at the first non-digit, a
// text without leading digits gives 0. Values beyond int saturate instead
// of overflowing.
int ParseDecimal(const char* text);

// Size of the buffer the font profile value is read into; at most one
// character less arrives.
constexpr int kFontProfileBufferSize = 30;

// The profile value "face,points,weight" taken apart. Missing parts take
// the defaults 8 points and weight 500.
struct FontProfile {
    char face[kFontProfileBufferSize];
    int pointSize;
    int weight;
};

// Splits a font profile value; a value longer than 29 characters is cut
// to 29 characters first, as the profile read would have cut it.
FontProfile SplitFontProfile(const char* value);

// Answers a field-name request: copies at most size - 2 characters of
// name into buffer and terminates the text and the last byte of the
// buffer. A size of 1 writes just the terminator at index 0; a size of 0
// or less (a negative size is no size at all, not a huge one) or a null
// buffer writes nothing. Returns true when anything was written.
bool CopyFieldName(const char* name, std::ptrdiff_t size, char* buffer);

// The graphic buttons keep a field name of at most 19 characters.
constexpr std::size_t kFieldNameSize = 20;

// Copies what follows the first comma of a window name into a field name,
// at most 19 characters, always terminated. A null name or one without a
// comma gives an empty field name.
void ExtractFieldName(const char* windowName, char (&fieldName)[kFieldNameSize]);

} // namespace quorl
