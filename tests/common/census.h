// Counting what a process holds, from outside the library: GDI objects by
// probing how many more the handle table takes (the platform's own count
// is not available everywhere), heap memory by walking every heap.
#pragma once

#include <windows.h>

#include <cstddef>

namespace quorl_test {

// GDI objects the process can still create before the handle table is
// full. Two readings differ by the objects made (or freed) in between.
long GdiRoomLeft();

struct HeapCensus {
    std::size_t blocks = 0; // busy blocks over all heaps of the process
    std::size_t bytes = 0;  // their sizes added up
};
HeapCensus TakeHeapCensus();

// Objects and bytes held now beyond a baseline.
struct Held {
    long objects = 0;
    long long bytes = 0;
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
};

} // namespace quorl_test
