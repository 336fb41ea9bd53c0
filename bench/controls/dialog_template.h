// A dialog template with items, built in memory.
#pragma once

#include <windows.h>

#include <cstring>
#include <vector>

namespace bench {

class DialogTemplate {
public:
    DialogTemplate(DWORD style, int x, int y, int cx, int cy, const char* title) {
        DLGTEMPLATE header{};
        header.style = style;
        header.x = static_cast<short>(x);
        header.y = static_cast<short>(y);
        header.cx = static_cast<short>(cx);
        header.cy = static_cast<short>(cy);
        Append(&header, sizeof header);
        Word(0); // no menu
        Word(0); // the standard dialog class
        Text(title);
        if ((style & DS_SETFONT) != 0) {
            Word(8);
            Text("MS Sans Serif");
        }
    }

    void item(const char* className, const char* text, DWORD style, int x, int y, int cx, int cy,
              WORD id) {
        Align();
        DLGITEMTEMPLATE item{};
        item.style = style;
        item.x = static_cast<short>(x);
        item.y = static_cast<short>(y);
        item.cx = static_cast<short>(cx);
        item.cy = static_cast<short>(cy);
        item.id = id;
        Append(&item, sizeof item);
        Text(className);
        Text(text);
        Word(0); // no creation data
        auto* header = reinterpret_cast<DLGTEMPLATE*>(bytes_.data());
        ++header->cdit;
    }

    const std::vector<unsigned char>& bytes() const { return bytes_; }

private:
    void Append(const void* data, std::size_t size) {
        const auto* p = static_cast<const unsigned char*>(data);
        bytes_.insert(bytes_.end(), p, p + size);
    }
    void Align() {
        while (bytes_.size() % 4 != 0) {
            bytes_.push_back(0);
        }
    }
    void Word(WORD value) { Append(&value, sizeof value); }
    void Text(const char* text) {
        for (const char* c = text; *c != '\0'; ++c) {
            Word(static_cast<WORD>(static_cast<unsigned char>(*c)));
        }
        Word(0);
    }

    std::vector<unsigned char> bytes_;
};

} // namespace bench
