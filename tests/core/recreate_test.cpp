// A WM_CREATE sent again to a living control releases what the first one
// made (record, pictures, field name) before making them anew.
#include <cstring>
#include <string>

#include "quorl32.h"
#include "tests/common/census.h"
#include "tests/common/win_test.h"

namespace {

constexpr int kRepeats = 40;

struct RecreateCase {
    const char* className;
    const char* text;
    DWORD style;
    int id;                // the button finds its stock picture by id
    const char* fieldName; // answered afterwards; null: the class keeps none
};

const RecreateCase kCases[] = {
    {QUORL_CLASS, "Sichern,KUNDE", 0, 988, "KUNDE"},
    {QUCHECK_CLASS, "Wahl,FELD", QCS_CHECKBOX, 20, "FELD"},
    {QUCHECK_CLASS, "Knopf", QCS_RADIOBUTTON, 21, nullptr},
    {GTEXT_CLASS, ",NAME", 0, 22, "NAME"},
    {GAUGE_CLASS, "Fortschritt", 0, 23, nullptr},
    {GSHED_CLASSA, ",DATUM", 0, 24, "DATUM"},
    {GSEITE_CLASSA, "", 0, 25, nullptr},
};

class Recreate : public quorl_test::ControlTest,
                 public testing::WithParamInterface<RecreateCase> {};

TEST_P(Recreate, ReleasesWhatTheFirstCreationMade) {
    const RecreateCase& c = GetParam();
    HWND control = Make(c.className, c.text, c.style, {10, 10, 110, 40}, c.id);
    ASSERT_NE(control, nullptr);
    CREATESTRUCTA create{};
    create.hInstance = GetModuleHandleA(nullptr);
    create.hwndParent = parent_.hwnd();
    create.cx = 100;
    create.cy = 30;
    create.style = static_cast<LONG>(WS_CHILD | WS_VISIBLE | c.style);
    create.lpszName = c.text;
    create.lpszClass = c.className;
    const auto again = [&] {
        SendMessageA(control, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create));
    };
    again(); // the platform's first-use allocations belong to the baseline
    quorl_test::Census census;
    for (int i = 0; i < kRepeats; ++i) {
        again();
    }
    const quorl_test::Held held = census.Now();
    EXPECT_EQ(held.objects, 0);
    EXPECT_EQ(held.bytes, 0);

    if (c.fieldName != nullptr) {
        char buffer[32] = "";
        SendMessageA(control, quorl_test::FieldNameMessage(), sizeof buffer,
                     reinterpret_cast<LPARAM>(buffer));
        EXPECT_STREQ(buffer, c.fieldName);
    }
    quorl_test::Redraw(control); // the new record paints
}

INSTANTIATE_TEST_SUITE_P(EveryClassWithARecord, Recreate, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<RecreateCase>& info) {
                             return std::string(info.param.className) + std::to_string(info.index);
                         });

} // namespace
