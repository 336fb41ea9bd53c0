// A control's private record in a local block: created when the window is
// made, held once per message, destroyed with the window. The handle lives
// in a window long, or (for records a control keeps several of, such as
// pages) in another record.
//
// Blocks are fixed: the handle is the record's address, so reaching a
// record takes no call that could fail, and a window whose platform says no
// to everything still releases what its record owns at destruction. Who
// holds a window's record is counted beside the record in the same block.
#pragma once

#include <windows.h>

#include <type_traits>

namespace quorl {

template <typename Record>
class LocalBlock {
    // A text block (char) is the text alone: it is read within one message
    // that never destroys its window, so it needs no count of holders.
    static constexpr bool kText = std::is_same_v<Record, char>;

    // A window's record and, after it, how many messages hold it and
    // whether its window has let go of it meanwhile.
    struct Stored {
        Record record;
        LONG holders;
        BOOL released;
    };

public:
    // Holds the block whose handle lies in the window long at index.
    LocalBlock(HWND window, int index)
        : handle_(reinterpret_cast<HLOCAL>(GetWindowLongPtrA(window, index))) {
        if constexpr (kText) {
            record_ = static_cast<Record*>(handle_);
        } else if (handle_ != nullptr) {
            stored_ = static_cast<Stored*>(handle_);
            ++stored_->holders;
            record_ = &stored_->record;
        }
    }
    // The block of a handle; a null handle holds nothing.
    explicit LocalBlock(HLOCAL handle) : handle_(handle), record_(static_cast<Record*>(handle)) {}
    ~LocalBlock() { Unlock(); }
    LocalBlock(const LocalBlock&) = delete;
    LocalBlock& operator=(const LocalBlock&) = delete;

    // Null when there is no block.
    Record* get() const { return record_; }
    Record* operator->() const { return record_; }
    explicit operator bool() const { return record_ != nullptr; }

    // Lets go early, e.g. before the block is destroyed. A block whose
    // window destroyed it while this one held it is freed by the last holder.
    void Unlock() {
        record_ = nullptr;
        if (stored_ == nullptr) {
            return;
        }
        if (--stored_->holders == 0 && stored_->released) {
            LocalFree(handle_);
        }
        stored_ = nullptr;
    }

    // Creates a zeroed block for one record and keeps its handle in the
    // window long at index; null (and nothing kept) when memory ran out or
    // the window long could not be written.
    static HLOCAL Create(HWND window, int index) {
        HLOCAL handle = LocalAlloc(LMEM_FIXED | LMEM_ZEROINIT, kText ? 1 : sizeof(Stored));
        if (handle == nullptr) {
            return nullptr;
        }
        // The previous value may be 0: only the last error tells a failure.
        SetLastError(ERROR_SUCCESS);
        if (SetWindowLongPtrA(window, index, reinterpret_cast<LONG_PTR>(handle)) == 0 &&
            GetLastError() != ERROR_SUCCESS) {
            LocalFree(handle);
            return nullptr;
        }
        return handle;
    }

    // A zeroed block of size bytes that no window long keeps (a page, a
    // text); null when memory ran out.
    static HLOCAL Allocate(SIZE_T size) { return LocalAlloc(LMEM_FIXED | LMEM_ZEROINIT, size); }

    // Clears the window long at index and frees its block, or, while an
    // outer message still holds the block (a parent that destroys the
    // control from a notification), leaves the freeing to that holder.
    static void Destroy(HWND window, int index) {
        auto handle = reinterpret_cast<HLOCAL>(GetWindowLongPtrA(window, index));
        if (handle == nullptr) {
            return;
        }
        SetWindowLongPtrA(window, index, 0);
        if constexpr (!kText) {
            auto* stored = static_cast<Stored*>(handle);
            if (stored->holders != 0) {
                stored->released = TRUE;
                return;
            }
        }
        LocalFree(handle);
    }

private:
    HLOCAL handle_;
    Record* record_ = nullptr;
    Stored* stored_ = nullptr;
};

} // namespace quorl
