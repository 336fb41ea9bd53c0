#include "tests/common/census.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace quorl_test {

namespace {

// Far more than any handle table holds; the probe stops at the first refusal.
constexpr long kProbeLimit = 1L << 20;

// The handle table the process sees through its PEB (GdiSharedHandleTable):
// 65,536 entries of 24 bytes on 64-bit systems, the handle's upper 16 bits
// and its type beside each other. Only read to find candidates: each is
// confirmed with GetObjectType, so a table of another shape finds nothing.
#ifdef _WIN64
constexpr std::size_t kTableOffsetInPeb = 0xF8;
constexpr std::size_t kEntrySize = 24;
constexpr std::size_t kUpperOffset = 12;
constexpr std::size_t kTypeOffset = 14;
constexpr std::size_t kEntries = 0x10000;

const unsigned char* HandleTable() {
    // The PEB's address is the TEB's word at 0x60, read through the gs
    // segment (the compiler's own reader trips its array-bounds check).
    const unsigned char* peb = nullptr;
    asm("movq %%gs:0x60, %0" : "=r"(peb));
    const unsigned char* table = nullptr;
    if (peb != nullptr) {
        std::memcpy(&table, peb + kTableOffsetInPeb, sizeof table);
    }
    return table;
}
#endif

constexpr const char* kKindNames[kObjectKinds] = {"other",
                                                  "pen",
                                                  "brush",
                                                  "DC",
                                                  "metafile DC",
                                                  "palette",
                                                  "font",
                                                  "bitmap",
                                                  "region",
                                                  "metafile",
                                                  "memory DC",
                                                  "extended pen",
                                                  "enhanced metafile DC",
                                                  "enhanced metafile",
                                                  "colour space"};

// The window manager keeps a cache of window DCs that grows on demand and
// never shrinks: under Wine up to 64 entries, each a DC and two regions,
// added whenever a window wants one and none is free. A baseline taken
// before it is full counts its later growth (3 objects at a time, at
// moments that depend on the order of painting) as a leak. Holding that
// many DCs at once fills it; from then on it grows only when more are held
// at once, which is a real fault.
constexpr int kWindowDcCache = 64;

void FillWindowDcCache() {
    HWND scratch = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                   GetModuleHandleA(nullptr), nullptr);
    if (scratch == nullptr) {
        return;
    }
    std::array<HDC, kWindowDcCache> held{};
    for (HDC& dc : held) {
        dc = GetDC(scratch);
    }
    for (HDC dc : held) {
        if (dc != nullptr) {
            ReleaseDC(scratch, dc);
        }
    }
    DestroyWindow(scratch);
}

} // namespace

GdiKinds GdiObjectsByKind() {
    GdiKinds kinds{};
#ifdef _WIN64
    const unsigned char* table = HandleTable();
    if (table == nullptr) {
        return kinds;
    }
    for (std::size_t i = 0; i < kEntries; ++i) {
        const unsigned char* entry = table + i * kEntrySize;
        std::uint16_t upper = 0;
        std::memcpy(&upper, entry + kUpperOffset, sizeof upper);
        if (entry[kTypeOffset] == 0) {
            continue; // a free entry
        }
        const auto handle = reinterpret_cast<HGDIOBJ>(static_cast<std::uintptr_t>(i) |
                                                      (static_cast<std::uintptr_t>(upper) << 16));
        const DWORD kind = GetObjectType(handle);
        ++kinds[kind < kObjectKinds ? kind : 0];
    }
#endif
    return kinds;
}

std::string DescribeKinds(const GdiKinds& before, const GdiKinds& after) {
    std::string text;
    for (int kind = 0; kind < kObjectKinds; ++kind) {
        const long change = after[kind] - before[kind];
        if (change == 0) {
            continue;
        }
        text += (text.empty() ? "" : ", ") + std::to_string(change) + " " + kKindNames[kind];
    }
    return text;
}

long GdiRoomLeft() {
    std::vector<HRGN> made;
    made.reserve(1 << 16);
    for (long i = 0; i < kProbeLimit; ++i) {
        HRGN region = CreateRectRgn(0, 0, 1, 1);
        if (region == nullptr) {
            break;
        }
        made.push_back(region);
    }
    for (HRGN region : made) {
        DeleteObject(region);
    }
    return static_cast<long>(made.size());
}

HeapCensus TakeHeapCensus() {
    HeapCensus census;
    std::vector<HANDLE> heaps(64);
    DWORD count = GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
    if (count > heaps.size()) {
        heaps.resize(count);
        count = GetProcessHeaps(count, heaps.data());
    }
    for (DWORD i = 0; i < count && i < heaps.size(); ++i) {
        if (!HeapLock(heaps[i])) {
            continue;
        }
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heaps[i], &entry)) {
            if ((entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) != 0) {
                ++census.blocks;
                census.bytes += entry.cbData;
            }
        }
        HeapUnlock(heaps[i]);
    }
    return census;
}

Census::Census() {
    Rebase();
}

void Census::Rebase() {
    FillWindowDcCache();
    // The heap first: the probe's own vector is gone again by then.
    heap_ = TakeHeapCensus();
    kinds_ = GdiObjectsByKind();
    room_ = GdiRoomLeft();
}

Held Census::Now() const {
    const HeapCensus heap = TakeHeapCensus();
    const GdiKinds kinds = GdiObjectsByKind();
    const long room = GdiRoomLeft();
    return {room_ - room, static_cast<long long>(heap.bytes) - static_cast<long long>(heap_.bytes),
            DescribeKinds(kinds_, kinds)};
}

} // namespace quorl_test
