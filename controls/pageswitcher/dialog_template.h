// Reads a dialog template resource (the classic form and the extended form
// that resource compilers emit by default) straight from its bytes, one
// item at a time, without the window system. Nothing is ever read past
// the given size and every copy is bounded by its buffer: a template cut
// short yields the items that are complete and then stops.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quorl::pageswitcher {

// Buffer sizes, terminator included. Longer texts are cut.
constexpr std::size_t kClassNameSize = 256; // the window manager's longest class name
constexpr std::size_t kCaptionSize = 184;   // what a tab can show
constexpr std::size_t kTitleSize = 500;
constexpr std::size_t kFaceNameSize = 32; // the font mapper's longest face name
constexpr std::size_t kCreationDataSize = 256;

constexpr std::uint32_t kDsSetFont = 0x40;

struct DialogHeader {
    bool extended = false;
    std::uint32_t style = 0;
    int itemCount = 0; // as the template declares it
    bool hasFont = false;
    int pointSize = 0;
    char caption[kCaptionSize] = {};
    char faceName[kFaceNameSize] = {};
};

struct DialogItem {
    std::uint32_t style = 0;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    std::uint32_t id = 0; // 16 bits in the classic form, 32 in the extended one
    // False for a class ordinal the reader does not know: the item is read
    // but names no class that could be created.
    bool hasClass = false;
    char className[kClassNameSize] = {};
    char title[kTitleSize] = {};
    std::size_t creationSize = 0; // bytes kept in creationData
    std::uint8_t creationData[kCreationDataSize] = {};
};

class DialogTemplateReader {
public:
    DialogTemplateReader(const void* data, std::size_t size);

    // False when the header itself is incomplete; then there are no items.
    bool valid() const { return valid_; }
    const DialogHeader& header() const { return header_; }

    // Reads the next item into `item`. False once every declared item has
    // been read, or when the next one runs past the end of the template.
    bool Next(DialogItem& item);

private:
    bool ReadHeader();

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
    int itemsRead_ = 0;
    bool valid_ = false;
    DialogHeader header_;
};

// Strings are kept as the low 8 bits of each 16-bit unit, so Latin-1
// characters (the German umlauts among them) come through unchanged. A
// title given as an ordinal becomes "#number", as the dialog manager names
// such resources.

} // namespace quorl::pageswitcher
