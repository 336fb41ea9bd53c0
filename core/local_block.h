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
        : handle_(reinterpret_cast<HLOCAL>(GetWindowLongPtrA(window, index))),
          record_(Lock(handle_)), window_(window), index_(index) {}
    // Locks the block of a handle; a null handle locks nothing.
    explicit LocalBlock(HLOCAL handle) : handle_(handle), record_(Lock(handle)) {}
    ~LocalBlock() { Unlock(); }
    LocalBlock(const LocalBlock&) = delete;
    LocalBlock& operator=(const LocalBlock&) = delete;

    // Null when there is no block or it could not be locked.
    Record* get() const { return record_; }
    Record* operator->() const { return record_; }
    explicit operator bool() const { return record_ != nullptr; }

    // Ends the lock early, e.g. before the block is destroyed. A block whose
    // window destroyed it while this lock held it is freed by the last lock.
    void Unlock() {
        if (record_ == nullptr) {
            return;
        }
        LocalUnlock(handle_);
        record_ = nullptr;
        if (window_ != nullptr && IsUnlocked(handle_) &&
            reinterpret_cast<HLOCAL>(GetWindowLongPtrA(window_, index_)) != handle_) {
            LocalFree(handle_);
        }
    }

    // Creates a zeroed block for one record and keeps its handle in the
    // window long at index; null when memory ran out.
    static HLOCAL Create(HWND window, int index) {
        HLOCAL handle = LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, sizeof(Record));
        SetWindowLongPtrA(window, index, reinterpret_cast<LONG_PTR>(handle));
        return handle;
    }

    // Clears the window long at index and frees its block, or, while an
    // outer message still holds the block locked (a parent that destroys
    // the control from a notification), leaves the freeing to that lock.
    static void Destroy(HWND window, int index) {
        auto handle = reinterpret_cast<HLOCAL>(GetWindowLongPtrA(window, index));
        if (handle == nullptr) {
            return;
        }
        SetWindowLongPtrA(window, index, 0);
        if (IsUnlocked(handle)) {
            LocalFree(handle);
        }
    }

private:
    static Record* Lock(HLOCAL handle) {
        return handle != nullptr ? static_cast<Record*>(LocalLock(handle)) : nullptr;
    }
    static bool IsUnlocked(HLOCAL handle) { return (LocalFlags(handle) & LMEM_LOCKCOUNT) == 0; }

    HLOCAL handle_;
    Record* record_;
    HWND window_ = nullptr;
    int index_ = 0;
};

} // namespace quorl
