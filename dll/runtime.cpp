// The library's code is built without exceptions (failures are return
// values), and these stand in for the C++ runtime's throwing paths, so that
// the DLL links no unwinder. With one, a 32-bit DLL registers its unwind
// tables when it loads, which takes a lock and a thread record of the
// threads runtime (heap blocks, a TLS index, two kernel handles) that no
// unload gives back: every FreeLibrary/LoadLibrary lost them.
//
// Memory that cannot be had where the code has no way to say so ends the
// process, as an exception nobody catches would: code that can report a
// failure allocates with std::nothrow and checks.
#include <windows.h>

#include <cstdlib>
#include <new>

namespace {

[[noreturn]] void Fail() {
    std::abort();
}

void* Allocate(std::size_t size) noexcept {
    return std::malloc(size != 0 ? size : 1);
}

} // namespace

void* operator new(std::size_t size) {
    if (void* block = Allocate(size)) {
        return block;
    }
    Fail();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return Allocate(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete(void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}
void operator delete[](void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}

namespace std {

void __throw_bad_alloc() {
    Fail();
}
void __throw_bad_array_new_length() {
    Fail();
}
void __throw_length_error(const char*) {
    Fail();
}
void __throw_logic_error(const char*) {
    Fail();
}
void __throw_out_of_range_fmt(const char*, ...) {
    Fail();
}
void __throw_bad_function_call() {
    Fail();
}

} // namespace std
