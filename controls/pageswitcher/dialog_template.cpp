#include "controls/pageswitcher/dialog_template.h"

#include <cstdio>
#include <cstring>

namespace quorl::pageswitcher {

namespace {

constexpr std::uint16_t kOrdinalMark = 0xFFFF;
constexpr std::uint16_t kExtendedSignature = 0xFFFF;

// Predefined classes, by ordinal from 0x80.
constexpr std::uint16_t kFirstClassOrdinal = 0x80;
constexpr const char* kClassByOrdinal[] = {"Button",  "Edit",      "Static",
                                           "ListBox", "ScrollBar", "ComboBox"};
constexpr std::uint16_t kClassOrdinalCount = sizeof kClassByOrdinal / sizeof kClassByOrdinal[0];

// Every read checks the remaining bytes first; a failed read leaves the
// cursor where it was only as far as callers care: they give up at once.
class Cursor {
public:
    Cursor(const std::uint8_t* data, std::size_t size, std::size_t pos)
        : data_(data), size_(size), pos_(pos) {}

    std::size_t pos() const { return pos_; }

    bool U8(std::uint8_t& value) {
        if (size_ - pos_ < 1) {
            return false;
        }
        value = data_[pos_++];
        return true;
    }

    bool U16(std::uint16_t& value) {
        if (size_ - pos_ < 2) {
            return false;
        }
        value = static_cast<std::uint16_t>(data_[pos_] | data_[pos_ + 1] << 8);
        pos_ += 2;
        return true;
    }

    bool S16(int& value) {
        std::uint16_t raw = 0;
        if (!U16(raw)) {
            return false;
        }
        value = static_cast<std::int16_t>(raw);
        return true;
    }

    bool U32(std::uint32_t& value) {
        std::uint16_t low = 0;
        std::uint16_t high = 0;
        if (!U16(low) || !U16(high)) {
            return false;
        }
        value = static_cast<std::uint32_t>(high) << 16 | low;
        return true;
    }

    bool Skip(std::size_t count) {
        if (size_ - pos_ < count) {
            return false;
        }
        pos_ += count;
        return true;
    }

    bool AlignTo4() { return Skip((4 - pos_ % 4) % 4); }

    // A zero-terminated string of 16-bit units, kept as their low bytes and
    // cut to the buffer; out may be null to skip the string.
    bool String(char* out, std::size_t outSize) {
        std::size_t kept = 0;
        for (;;) {
            std::uint16_t unit = 0;
            if (!U16(unit)) {
                return false;
            }
            if (unit == 0) {
                break;
            }
            if (out != nullptr && kept + 1 < outSize) {
                out[kept++] = static_cast<char>(unit & 0xFF);
            }
        }
        if (out != nullptr) {
            out[kept] = '\0';
        }
        return true;
    }

    // A string or an ordinal (0xFFFF and a number). isOrdinal tells which.
    bool NameOrOrdinal(char* out, std::size_t outSize, bool& isOrdinal, std::uint16_t& ordinal) {
        std::uint16_t first = 0;
        if (size_ - pos_ < 2) {
            return false;
        }
        first = static_cast<std::uint16_t>(data_[pos_] | data_[pos_ + 1] << 8);
        isOrdinal = first == kOrdinalMark;
        if (isOrdinal) {
            return Skip(2) && U16(ordinal);
        }
        return String(out, outSize);
    }

    bool SkipNameOrOrdinal() {
        bool isOrdinal = false;
        std::uint16_t ordinal = 0;
        return NameOrOrdinal(nullptr, 0, isOrdinal, ordinal);
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_;
};

bool ReadItemClass(Cursor& in, DialogItem& item) {
    bool isOrdinal = false;
    std::uint16_t ordinal = 0;
    if (!in.NameOrOrdinal(item.className, sizeof item.className, isOrdinal, ordinal)) {
        return false;
    }
    if (!isOrdinal) {
        item.hasClass = true;
        return true;
    }
    const unsigned index = static_cast<unsigned>(ordinal - kFirstClassOrdinal);
    item.hasClass = ordinal >= kFirstClassOrdinal && index < kClassOrdinalCount;
    const char* name = item.hasClass ? kClassByOrdinal[index] : "";
    std::snprintf(item.className, sizeof item.className, "%s", name);
    return true;
}

bool ReadItemTitle(Cursor& in, DialogItem& item) {
    bool isOrdinal = false;
    std::uint16_t ordinal = 0;
    if (!in.NameOrOrdinal(item.title, sizeof item.title, isOrdinal, ordinal)) {
        return false;
    }
    if (isOrdinal) {
        std::snprintf(item.title, sizeof item.title, "#%u", static_cast<unsigned>(ordinal));
    }
    return true;
}

bool ReadCreationData(Cursor& in, const std::uint8_t* data, DialogItem& item) {
    std::uint16_t size = 0;
    if (!in.U16(size)) {
        return false;
    }
    const std::size_t start = in.pos();
    if (!in.Skip(size)) {
        return false;
    }
    item.creationSize = size < kCreationDataSize ? size : kCreationDataSize;
    std::memcpy(item.creationData, data + start, item.creationSize);
    return true;
}

} // namespace

DialogTemplateReader::DialogTemplateReader(const void* data, std::size_t size)
    : data_(static_cast<const std::uint8_t*>(data)), size_(data != nullptr ? size : 0) {
    valid_ = ReadHeader();
    if (!valid_) {
        header_ = DialogHeader{};
    }
}

bool DialogTemplateReader::ReadHeader() {
    Cursor in(data_, size_, 0);
    std::uint16_t version = 0;
    std::uint16_t signature = 0;
    if (!in.U16(version) || !in.U16(signature)) {
        return false;
    }
    header_.extended = version == 1 && signature == kExtendedSignature;
    std::uint16_t count = 0;
    if (header_.extended) {
        // help id, extended style, style
        if (!in.Skip(8) || !in.U32(header_.style)) {
            return false;
        }
    } else {
        in = Cursor(data_, size_, 0);
        if (!in.U32(header_.style) || !in.Skip(4)) {
            return false;
        }
    }
    // item count, then the dialog's own position and size
    if (!in.U16(count) || !in.Skip(8)) {
        return false;
    }
    header_.itemCount = count;
    if (!in.SkipNameOrOrdinal() || !in.SkipNameOrOrdinal() ||
        !in.String(header_.caption, sizeof header_.caption)) {
        return false;
    }
    header_.hasFont = (header_.style & kDsSetFont) != 0;
    if (header_.hasFont) {
        if (!in.S16(header_.pointSize)) {
            return false;
        }
        // weight, italic flag and character set
        if (header_.extended && !in.Skip(4)) {
            return false;
        }
        if (!in.String(header_.faceName, sizeof header_.faceName)) {
            return false;
        }
    }
    pos_ = in.pos();
    return true;
}

bool DialogTemplateReader::Next(DialogItem& item) {
    if (!valid_ || itemsRead_ >= header_.itemCount) {
        return false;
    }
    item = DialogItem{};
    Cursor in(data_, size_, pos_);
    if (!in.AlignTo4()) {
        return false;
    }
    if (header_.extended) {
        // help id, extended style, style
        if (!in.Skip(8) || !in.U32(item.style)) {
            return false;
        }
    } else if (!in.U32(item.style) || !in.Skip(4)) {
        return false;
    }
    if (!in.S16(item.x) || !in.S16(item.y) || !in.S16(item.cx) || !in.S16(item.cy)) {
        return false;
    }
    if (header_.extended) {
        if (!in.U32(item.id)) {
            return false;
        }
    } else {
        std::uint16_t id = 0;
        if (!in.U16(id)) {
            return false;
        }
        item.id = id;
    }
    if (!ReadItemClass(in, item) || !ReadItemTitle(in, item) ||
        !ReadCreationData(in, data_, item)) {
        return false;
    }
    pos_ = in.pos();
    ++itemsRead_;
    return true;
}

} // namespace quorl::pageswitcher
