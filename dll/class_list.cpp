// The library's window classes in their order of registration.
#include "controls/button/button.h"
#include "controls/checkbutton/checkbutton.h"
#include "controls/dialogframe/dialogframe.h"
#include "controls/gauge/gauge.h"
#include "controls/pageswitcher/pageswitcher.h"
#include "controls/schedule/schedule.h"
#include "controls/statusbar/statusbar.h"
#include "controls/textlabel/textlabel.h"
#include "core/class_descriptor.h"
#include "core/library.h"
#include "dll/library_setup.h"

namespace quorl {

namespace {

// Registered one after the other whatever becomes of the one before; the
// messages are registered only when the last of them (the dialog frame)
// registered.
const ClassDescriptor* const kMainClasses[] = {
    &button::kClass,       &gauge::kClass,    &textlabel::kClass,   &checkbutton::kClass,
    &pageswitcher::kClass, &schedule::kClass, &dialogframe::kClass,
};

// The status bar's step: each class only when the one before registered.
const ClassDescriptor* const kStatusClasses[] = {
    &statusbar::kBarClass,
    &statusbar::kFieldClass,
};

} // namespace

void InitialiseLibrary() {
    if (g_library.controlFont != nullptr) {
        return;
    }
    CreateSharedObjects();

    ATOM last = 0;
    for (const ClassDescriptor* descriptor : kMainClasses) {
        last = RegisterLibraryClass(*descriptor);
    }
    if (last != 0) {
        RegisterLibraryMessages();
    }
    for (const ClassDescriptor* descriptor : kStatusClasses) {
        if (RegisterLibraryClass(*descriptor) == 0) {
            break;
        }
    }
}

void UnregisterLibraryClasses() {
    for (const ClassDescriptor* descriptor : kMainClasses) {
        UnregisterClassA(descriptor->name, g_library.instance);
    }
    for (const ClassDescriptor* descriptor : kStatusClasses) {
        UnregisterClassA(descriptor->name, g_library.instance);
    }
}

void TeardownLibrary() {
    DeleteSharedObjects();
    for (const ClassDescriptor* descriptor : kMainClasses) {
        TeardownLibraryClass(*descriptor);
    }
    for (const ClassDescriptor* descriptor : kStatusClasses) {
        TeardownLibraryClass(*descriptor);
    }
}

} // namespace quorl
