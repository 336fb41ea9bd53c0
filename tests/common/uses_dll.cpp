// Linked into every test program that tests through QUORL32.DLL: taking the
// address of an export makes the program import the DLL even when its tests
// only name window classes, so the classes exist before the first test.
#include "quorl32.h"

namespace {

[[maybe_unused]] void(WINAPI* volatile const kImportsTheLibrary)(void) = &InitQuorl;

} // namespace
