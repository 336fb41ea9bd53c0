#include "controls/pageswitcher/label_list.h"

#include <cstring>

namespace quorl::pageswitcher {

namespace {

constexpr std::size_t kRectOffset = 4;
constexpr std::size_t kStyleOffset = 20;

template <typename T>
void Put(std::uint8_t* at, const T& value) {
    std::memcpy(at, &value, sizeof value);
}

template <typename T>
T Get(const std::uint8_t* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

void PutRect(std::uint8_t* record, const PixelRect& rect) {
    const std::int32_t edges[4] = {rect.left, rect.top, rect.right, rect.bottom};
    Put(record + kRectOffset, edges);
}

PixelRect GetRect(const std::uint8_t* record) {
    std::int32_t edges[4];
    std::memcpy(edges, record + kRectOffset, sizeof edges);
    return {edges[0], edges[1], edges[2], edges[3]};
}

} // namespace

std::size_t LabelRecordSize(const char* text) {
    return kLabelFixedSize + std::strlen(text) + 1 + kLabelSlack;
}

void WriteLabel(std::uint8_t* at, const PixelRect& rect, std::uint32_t style, const char* text) {
    const std::size_t size = LabelRecordSize(text);
    Put(at, static_cast<std::uint32_t>(size));
    PutRect(at, rect);
    Put(at + kStyleOffset, style);
    std::memset(at + kLabelFixedSize, 0, size - kLabelFixedSize);
    std::memcpy(at + kLabelFixedSize, text, std::strlen(text));
}

void EndLabels(std::uint8_t* at) {
    Put(at, std::uint32_t{0});
}

bool LabelWalk::Next(Label& label) {
    if (size_ < kLabelEndSize || offset_ > size_ - kLabelEndSize) {
        return false;
    }
    const std::uint8_t* record = list_ + offset_;
    const std::uint32_t size = Get<std::uint32_t>(record);
    if (size <= kLabelFixedSize || size > size_ - offset_) {
        return false;
    }
    const char* text = reinterpret_cast<const char*>(record + kLabelFixedSize);
    if (std::memchr(text, 0, size - kLabelFixedSize) == nullptr) {
        return false;
    }
    label.offset = offset_;
    label.rect = GetRect(record);
    label.style = Get<std::uint32_t>(record + kStyleOffset);
    label.text = text;
    offset_ += size;
    return true;
}

void SetLabelRect(std::uint8_t* list, std::size_t offset, const PixelRect& rect) {
    PutRect(list + offset, rect);
}

} // namespace quorl::pageswitcher
