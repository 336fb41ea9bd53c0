// Text made for a screen reader without an allocation that can throw: the
// library is built without exceptions, and a screen reader's question must
// get "out of memory" as an answer, not end the program. A text whose
// memory could not be had is failed() and stays so. No window system needed.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>

namespace quorl {

class SpokenText {
public:
    SpokenText() = default;
    SpokenText(const char* text) { append(text); } // NOLINT: made from literals and buffers
    ~SpokenText() { std::free(data_); }
    SpokenText(SpokenText&& other) noexcept
        : data_(other.data_), size_(other.size_), capacity_(other.capacity_),
          failed_(other.failed_) {
        other.data_ = nullptr;
        other.size_ = other.capacity_ = 0;
    }
    SpokenText& operator=(SpokenText&& other) noexcept {
        if (this != &other) {
            std::free(data_);
            data_ = other.data_;
            size_ = other.size_;
            capacity_ = other.capacity_;
            failed_ = other.failed_;
            other.data_ = nullptr;
            other.size_ = other.capacity_ = 0;
        }
        return *this;
    }
    SpokenText(const SpokenText&) = delete;
    // A text whose memory could not be had by its maker.
    static SpokenText Failed() {
        SpokenText text;
        text.failed_ = true;
        return text;
    }
    SpokenText& operator=(const SpokenText&) = delete;

    void append(const char* text, std::size_t length) {
        if (failed_ || length == 0 || !Reserve(size_ + length)) {
            return;
        }
        std::memcpy(data_ + size_, text, length);
        size_ += length;
        data_[size_] = '\0';
    }
    void append(const char* text) {
        if (text != nullptr) {
            append(text, std::strlen(text));
        }
    }
    void append(char c) { append(&c, 1); }

    const char* c_str() const { return data_ != nullptr ? data_ : ""; }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    bool failed() const { return failed_; }

private:
    bool Reserve(std::size_t needed) {
        if (needed + 1 <= capacity_) {
            return true;
        }
        std::size_t capacity = capacity_ < 16 ? 16 : capacity_;
        while (capacity < needed + 1) {
            capacity *= 2;
        }
        auto* grown = static_cast<char*>(std::realloc(data_, capacity));
        if (grown == nullptr) {
            failed_ = true;
            return false;
        }
        data_ = grown;
        capacity_ = capacity;
        return true;
    }

    char* data_ = nullptr;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    bool failed_ = false;
};

} // namespace quorl
