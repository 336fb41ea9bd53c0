// The painted labels of a page, packed back to back in one block: per
// label its record size, rectangle (switcher client coordinates), style
// and text, and a record size of 0 at the end. Records are unaligned, so
// every field is copied in and out.
#pragma once

#include <cstddef>
#include <cstdint>

#include "core/geometry.h"

namespace quorl::pageswitcher {

// size, rectangle and style before the text; 3 bytes of slack after it.
constexpr std::size_t kLabelFixedSize = 24;
constexpr std::size_t kLabelSlack = 3;
constexpr std::size_t kLabelEndSize = 4;

// Bytes a label with this text takes in the list.
std::size_t LabelRecordSize(const char* text);

// Writes one record at `at` (LabelRecordSize(text) bytes).
void WriteLabel(std::uint8_t* at, const PixelRect& rect, std::uint32_t style, const char* text);

// Writes the terminating record size 0 at `at` (kLabelEndSize bytes).
void EndLabels(std::uint8_t* at);

struct Label {
    std::size_t offset; // where its record starts
    PixelRect rect;
    std::uint32_t style;
    const char* text;
};

// Walks the records of a list of `size` bytes. Stops at the end record,
// and at any record that would run past the list or whose text is not
// terminated inside it.
class LabelWalk {
public:
    LabelWalk(const std::uint8_t* list, std::size_t size) : list_(list), size_(size) {}
    bool Next(Label& label);

private:
    const std::uint8_t* list_;
    std::size_t size_;
    std::size_t offset_ = 0;
};

void SetLabelRect(std::uint8_t* list, std::size_t offset, const PixelRect& rect);

} // namespace quorl::pageswitcher
