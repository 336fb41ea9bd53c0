// Counting what a process holds, from outside the library: GDI objects by
// probing how many more the handle table takes (the platform's own count
// is not available everywhere), heap memory by walking every heap.
#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <string>

namespace quorl_test {

// GDI objects the process can still create before the handle table is
// full. Two readings differ by the objects made (or freed) in between.
long GdiRoomLeft();

// Live GDI objects of this process by kind (index: GetObjectType's answer,
// OBJ_PEN 1 to OBJ_COLORSPACE 14; 0 for objects it does not name), read
// from the handle table the system shares with the process. All zero where
// that table cannot be read.
constexpr int kObjectKinds = 15;
using GdiKinds = std::array<long, kObjectKinds>;
GdiKinds GdiObjectsByKind();
// "3 DC, 1 bitmap" for the kinds that differ between two readings.
std::string DescribeKinds(const GdiKinds& before, const GdiKinds& after);

struct HeapCensus {
    std::size_t blocks = 0; // busy blocks over all heaps of the process
    std::size_t bytes = 0;  // their sizes added up
};
HeapCensus TakeHeapCensus();

// Objects and bytes held now beyond a baseline.
struct Held {
    long objects = 0;
    long long bytes = 0;
    std::string kinds; // the objects held by kind, where known
};

class Census {
public:
    // Takes the baseline.
    Census();
    void Rebase();
    Held Now() const;

private:
    long room_ = 0;
    HeapCensus heap_;
    GdiKinds kinds_{};
};

} // namespace quorl_test
