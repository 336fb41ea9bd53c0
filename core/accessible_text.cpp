#include "core/accessible_text.h"

namespace quorl {

namespace {

constexpr char kMnemonicMark = '&';

} // namespace

SpokenText SpokenCaption(const char* caption) {
    SpokenText spoken;
    if (caption == nullptr) {
        return spoken;
    }
    for (const char* c = caption; *c != '\0'; ++c) {
        if (*c == kMnemonicMark) {
            if (c[1] != kMnemonicMark) {
                continue;
            }
            ++c;
        }
        if (*c == '\r') {
            continue;
        }
        spoken.append(*c == '\n' ? ' ' : *c);
    }
    return spoken;
}

char MnemonicOf(const char* caption) {
    if (caption == nullptr) {
        return 0;
    }
    for (const char* c = caption; *c != '\0'; ++c) {
        if (*c != kMnemonicMark) {
            continue;
        }
        if (c[1] != kMnemonicMark) {
            return c[1];
        }
        ++c;
    }
    return 0;
}

} // namespace quorl
