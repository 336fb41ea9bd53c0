#include "controls/checkbutton/shared_marks.h"

#include "core/bitmaps.h"
#include "core/library.h"

namespace quorl::checkbutton {

namespace {

// Every mark id the library could carry: 0x7300 to 0x7FFF by set and state.
constexpr int kFirstMarkId = 0x7300;
constexpr int kMarkIdCount = 0x0D00;
constexpr int kSlotCount = 64; // five sets of four ship with the library

struct Slot {
    int id;         // 0: free
    HBITMAP bitmap; // null: the library has no such mark
};
Slot g_slots[kSlotCount];

Slot* Find(int id) {
    for (Slot& slot : g_slots) {
        if (slot.id == id) {
            return &slot;
        }
    }
    return nullptr;
}

Slot* FreeSlot() {
    return Find(0);
}

} // namespace

HBITMAP SharedMark(int id) {
    if (id < kFirstMarkId || id >= kFirstMarkId + kMarkIdCount || g_library.instance == nullptr) {
        return nullptr;
    }
    if (const Slot* known = Find(id)) {
        return known->bitmap;
    }
    HBITMAP original = LoadBitmapA(g_library.instance, MAKEINTRESOURCEA(id));
    HBITMAP shared = ScaleLibraryPicture(CopyAsDibSection(original));
    if (original != nullptr) {
        DeleteObject(original);
    }
    if (original != nullptr && shared == nullptr) {
        return nullptr; // out of resources: the caller loads its own copy
    }
    if (Slot* slot = FreeSlot()) {
        *slot = {id, shared};
        return shared;
    }
    // No room to remember it: it could not be deleted later, so it is not given out.
    if (shared != nullptr) {
        DeleteObject(shared);
    }
    return nullptr;
}

bool IsSharedMark(HBITMAP bitmap) {
    if (bitmap == nullptr) {
        return false;
    }
    for (const Slot& slot : g_slots) {
        if (slot.id != 0 && slot.bitmap == bitmap) {
            return true;
        }
    }
    return false;
}

void ReleaseSharedMarks() {
    for (Slot& slot : g_slots) {
        if (slot.bitmap != nullptr) {
            DeleteObject(slot.bitmap);
        }
        slot = {0, nullptr};
    }
}

} // namespace quorl::checkbutton
