// The template reader on handcrafted templates, whole and cut short.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "controls/pageswitcher/dialog_template.h"

namespace {

using namespace quorl::pageswitcher;

// Writes template bytes the way a resource compiler lays them out.
class Bytes {
public:
    Bytes& U16(std::uint16_t v) {
        b.push_back(static_cast<std::uint8_t>(v));
        b.push_back(static_cast<std::uint8_t>(v >> 8));
        return *this;
    }
    Bytes& U32(std::uint32_t v) { return U16(static_cast<std::uint16_t>(v)).U16(v >> 16); }
    Bytes& Str(const std::string& s) {
        for (unsigned char c : s) {
            U16(c);
        }
        return U16(0);
    }
    Bytes& Ordinal(std::uint16_t n) { return U16(0xFFFF).U16(n); }
    Bytes& Align() {
        while (b.size() % 4 != 0) {
            b.push_back(0);
        }
        return *this;
    }
    Bytes& Raw(std::size_t count, std::uint8_t value) {
        b.insert(b.end(), count, value);
        return *this;
    }
    std::vector<std::uint8_t> b;
};

// Classic header: style, extended style, count, x, y, cx, cy, menu, class,
// caption[, point size, face].
Bytes ClassicHeader(std::uint32_t style, std::uint16_t count, const std::string& caption) {
    Bytes t;
    t.U32(style).U32(0).U16(count).U16(1).U16(2).U16(100).U16(80).Str("").Str("").Str(caption);
    if (style & kDsSetFont) {
        t.U16(9).Str("Tahoma");
    }
    return t;
}

// Classic item: style, extended style, x, y, cx, cy, id, class, title, data.
void ClassicItem(Bytes& t, std::uint32_t style, int x, int y, int cx, int cy, std::uint16_t id,
                 std::uint16_t classOrdinal, const std::string& title) {
    t.Align().U32(style).U32(0x200).U16(x).U16(y).U16(cx).U16(cy).U16(id);
    t.Ordinal(classOrdinal).Str(title).U16(0);
}

std::vector<DialogItem> ReadAll(const std::vector<std::uint8_t>& bytes) {
    DialogTemplateReader reader(bytes.data(), bytes.size());
    std::vector<DialogItem> items;
    DialogItem item;
    while (reader.Next(item)) {
        items.push_back(item);
    }
    return items;
}

TEST(DialogTemplate, OrdinalsAndUnknownClasses) {
    Bytes t;
    // Menu and dialog class given as ordinals; no font.
    t.U32(0x80000000).U32(0).U16(3).U16(0).U16(0).U16(10).U16(10);
    t.Ordinal(5).Ordinal(0x8002).Str("Seite");
    ClassicItem(t, 0x50000003, 0, 0, 10, 10, 1, 0x86, "unknown");
    // A title given as an ordinal (an icon resource, say).
    ClassicItem(t, 0x50000003, 0, 0, 10, 10, 2, 0x82, "");
    t.b.resize(t.b.size() - 4); // replace the empty title and data size
    t.Ordinal(300).U16(0);
    // A class by name, a Latin-1 title, a negative position, creation data.
    t.Align().U32(0x50000009).U32(0).U16(-3).U16(7).U16(30).U16(10).U16(3);
    t.Str("QUCHECK")
        .Str("Stra\xDF"
             "e")
        .U16(3)
        .Raw(3, 0xAB);

    DialogTemplateReader reader(t.b.data(), t.b.size());
    EXPECT_STREQ(reader.header().caption, "Seite");
    const auto items = ReadAll(t.b);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_FALSE(items[0].hasClass);
    EXPECT_STREQ(items[0].title, "unknown");
    EXPECT_TRUE(items[1].hasClass);
    EXPECT_STREQ(items[1].title, "#300");
    EXPECT_EQ(items[2].x, -3);
    EXPECT_STREQ(items[2].className, "QUCHECK");
    EXPECT_STREQ(items[2].title, "Stra\xDF"
                                 "e");
    ASSERT_EQ(items[2].creationSize, 3u);
    EXPECT_EQ(items[2].creationData[2], 0xAB);
}

TEST(DialogTemplate, LongTextsAndDataAreCutToTheirBuffers) {
    const std::string caption(300, 'c');
    const std::string title(700, 't');
    const std::string face(40, 'f');
    Bytes t;
    t.U32(kDsSetFont).U32(0).U16(2).U16(0).U16(0).U16(10).U16(10);
    t.Str("").Str(std::string(600, 'k')).Str(caption).U16(8).Str(face);
    t.Align().U32(0).U32(0).U16(0).U16(0).U16(1).U16(1).U16(1);
    t.Str(std::string(400, 'n')).Str(title).U16(300).Raw(300, 0x5A);
    ClassicItem(t, 0, 1, 2, 3, 4, 9, 0x80, "after");

    DialogTemplateReader reader(t.b.data(), t.b.size());
    EXPECT_EQ(std::string(reader.header().caption), caption.substr(0, 183));
    EXPECT_EQ(std::string(reader.header().faceName), face.substr(0, 31));
    const auto items = ReadAll(t.b);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(std::string(items[0].className), std::string(255, 'n'));
    EXPECT_EQ(std::string(items[0].title), title.substr(0, 499));
    EXPECT_EQ(items[0].creationSize, 256u);
    EXPECT_EQ(items[0].creationData[255], 0x5A);
    // The next record is found after all 300 bytes.
    EXPECT_EQ(items[1].id, 9u);
    EXPECT_STREQ(items[1].title, "after");
}

// Both forms, read whole; then every prefix yields exactly the items that
// end inside it. The extended form's items carry help id, extended style
// and style in that order, and 32-bit ids.
TEST(DialogTemplate, BothFormsWholeAndCutShort) {
    for (const bool extended : {false, true}) {
        SCOPED_TRACE(extended ? "extended" : "classic");
        Bytes t;
        if (extended) {
            t.U16(1).U16(0xFFFF).U32(77).U32(0x20000).U32(0x80C80000 | kDsSetFont).U16(3);
            t.U16(0).U16(0).U16(10).U16(10).Str("").Str("").Str("Konto").U16(9).U16(700);
            t.U16(0x0001).Str("Tahoma");
        } else {
            t = ClassicHeader(0x80C80000 | kDsSetFont, 3, "Konto");
        }
        const std::size_t headerEnd = t.b.size();
        std::vector<std::size_t> itemEnds;
        for (int i = 0; i < 3; ++i) {
            t.Align();
            if (extended) {
                t.U32(55).U32(0x4).U32(0x50810080).U16(i).U16(-i).U16(5).U16(5).U32(70000 + i);
            } else {
                t.U32(0x50810080).U32(0x4).U16(i).U16(-i).U16(5).U16(5).U16(7000 + i);
            }
            t.Str("Button").Str(std::string(i + 1, 'x')).U16(i).Raw(i, 1);
            itemEnds.push_back(t.b.size());
        }

        DialogTemplateReader reader(t.b.data(), t.b.size());
        EXPECT_EQ(reader.header().extended, extended);
        EXPECT_EQ(reader.header().style, 0x80C80000u | kDsSetFont);
        EXPECT_EQ(reader.header().pointSize, 9);
        EXPECT_STREQ(reader.header().faceName, "Tahoma");
        EXPECT_STREQ(reader.header().caption, "Konto");
        const auto items = ReadAll(t.b);
        ASSERT_EQ(items.size(), 3u);
        EXPECT_EQ(items[2].style, 0x50810080u);
        EXPECT_EQ(items[2].id, extended ? 70002u : 7002u);
        EXPECT_EQ(items[2].y, -2);
        EXPECT_STREQ(items[2].title, "xxx");

        for (std::size_t cut = 0; cut <= t.b.size(); ++cut) {
            // An exact-size copy, so the sanitizer sees a read past its end.
            const std::vector<std::uint8_t> prefix(t.b.begin(), t.b.begin() + cut);
            ASSERT_EQ(DialogTemplateReader(prefix.data(), prefix.size()).valid(), cut >= headerEnd)
                << cut;
            std::size_t complete = 0;
            while (complete < itemEnds.size() && itemEnds[complete] <= cut) {
                ++complete;
            }
            ASSERT_EQ(ReadAll(prefix).size(), complete) << cut;
        }
    }
}

} // namespace
