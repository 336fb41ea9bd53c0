#include "tests/common/census.h"

#include <vector>

namespace quorl_test {

namespace {

// Far more than any handle table holds; the probe stops at the first refusal.
constexpr long kProbeLimit = 1L << 20;

} // namespace

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
    // The heap first: the probe's own vector is gone again by then.
    heap_ = TakeHeapCensus();
    room_ = GdiRoomLeft();
}

Held Census::Now() const {
    const HeapCensus heap = TakeHeapCensus();
    const long room = GdiRoomLeft();
    return {room_ - room, static_cast<long long>(heap.bytes) - static_cast<long long>(heap_.bytes)};
}

} // namespace quorl_test
