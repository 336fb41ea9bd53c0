// Setting the library up and down: the shared objects, every class of the
// class list and the registered messages.
#pragma once

namespace quorl {

// Creates the shared objects and registers classes and messages; does
// nothing when the control font already exists.
void InitialiseLibrary();
// Deletes the shared objects and runs each class's teardown; classes stay.
void TeardownLibrary();
// Unregisters every class of the library (one with windows left stays).
void UnregisterLibraryClasses();

} // namespace quorl
