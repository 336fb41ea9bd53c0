#include "core/text.h"

#include <climits>
#include <cstring>

namespace quorl {

namespace {

constexpr const char* kDefaultPointSize = "8";
constexpr const char* kDefaultWeight = "500";
constexpr char kFieldNameSeparator = ',';

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

int ParseDecimal(const char* text) {
    if (text == nullptr) {
        return 0;
    }
    while (IsBlank(*text)) {
        ++text;
    }
    bool negative = false;
    if (*text == '+' || *text == '-') {
        negative = (*text == '-');
        ++text;
    }
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) {
            value = static_cast<long long>(INT_MAX) + 1;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > INT_MAX) {
        return INT_MAX;
    }
    return static_cast<int>(value);
}

FontProfile SplitFontProfile(const char* value) {
    FontProfile profile{};
    if (value != nullptr) {
        std::strncpy(profile.face, value, kFontProfileBufferSize - 1);
    }
    profile.face[kFontProfileBufferSize - 1] = '\0';

    const char* sizeText = kDefaultPointSize;
    const char* weightText = kDefaultWeight;
    if (char* comma = std::strchr(profile.face, ',')) {
        *comma = '\0';
        sizeText = comma + 1;
        if (char* second = std::strchr(comma + 1, ',')) {
            *second = '\0';
            weightText = second + 1;
        }
    }
    profile.pointSize = ParseDecimal(sizeText);
    profile.weight = ParseDecimal(weightText);
    return profile;
}

bool CopyFieldName(const char* name, std::ptrdiff_t size, char* buffer) {
    if (buffer == nullptr || size <= 0) {
        return false;
    }
    std::ptrdiff_t copied = 0;
    if (name != nullptr) {
        for (; copied + 2 < size && name[copied] != '\0'; ++copied) {
            buffer[copied] = name[copied];
        }
    }
    buffer[copied] = '\0';
    buffer[size - 1] = '\0';
    return true;
}

void ExtractFieldName(const char* windowName, char (&fieldName)[kFieldNameSize]) {
    std::size_t length = 0;
    if (windowName != nullptr) {
        const char* at = windowName;
        while (*at != '\0' && *at != kFieldNameSeparator) {
            ++at;
        }
        if (*at == kFieldNameSeparator) {
            ++at;
            for (; length + 1 < kFieldNameSize && at[length] != '\0'; ++length) {
                fieldName[length] = at[length];
            }
        }
    }
    fieldName[length] = '\0';
}

} // namespace quorl
