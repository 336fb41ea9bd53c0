// A control's private record in a movable local block: created when the
// window is made, locked once per message, destroyed with the window. The
// handle lives in a window long, or (for records a control keeps several
// of, such as pages) in another record.
#pragma once

#include <windows.h>

namespace quorl {

template <typename Record>
class LocalBlock {
public:
    // Locks the block whose handle lies in the window long at index.
    LocalBlock(HWND window, int index)
        : LocalBlock(reinterpret_cast<HLOCAL>(GetWindowLongPtrA(window, index))) {}
    // Locks the block of a handle; a null handle locks nothing.
    explicit LocalBlock(HLOCAL handle)
        : handle_(handle),
          record_(handle != nullptr ? static_cast<Record*>(LocalLock(handle)) : nullptr) {}
    ~LocalBlock() { Unlock(); }
    LocalBlock(const LocalBlock&) = delete;
    LocalBlock& operator=(const LocalBlock&) = delete;

    // Null when there is no block or it could not be locked.
    Record* get() const { return record_; }
    Record* operator->() const { return record_; }
    Record& operator*() const { return *record_; }
    explicit operator bool() const { return record_ != nullptr; }

    // A zeroed block for one record; null when memory ran out.
    static HLOCAL Create() { return LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, sizeof(Record)); }
    // Creates the block and keeps its handle in the window long at index.
    static HLOCAL Create(HWND window, int index) {
        HLOCAL handle = Create();
        SetWindowLongPtrA(window, index, reinterpret_cast<LONG_PTR>(handle));
        return handle;
    }
    // Frees the block kept in the window long at index and clears the slot.
    static void Destroy(HWND window, int index) {
        if (auto handle = reinterpret_cast<HLOCAL>(GetWindowLongPtrA(window, index))) {
            SetWindowLongPtrA(window, index, 0);
            LocalFree(handle);
        }
    }

    // Ends the lock early, e.g. before the block is destroyed.
    void Unlock() {
        if (record_ != nullptr) {
            LocalUnlock(handle_);
            record_ = nullptr;
        }
    }

private:
    HLOCAL handle_;
    Record* record_;
};

} // namespace quorl
