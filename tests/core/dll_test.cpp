// QUORL32.DLL as an application meets it: exports, classes, messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quorl32.h"
#include "tests/common/win_test.h"

namespace {

using quorl_test::LibraryModule;

TEST(Dll, ExportsResolveByOrdinalAndByName) {
    HMODULE library = LibraryModule();
    ASSERT_NE(library, nullptr);
    const struct {
        int ordinal;
        const char* name;
    } exports[] = {
        {2, "InitQuorl"},     {3, "ExitQuorl"},
        {4, "DllMain"},       {5, "WEP"},
        {7, "StsbCreate"},    {8, "StsbAdjust"},
        {9, "StsbAddField"},  {10, "StsbGetHeight"},
        {11, "StsbAutoInfo"}, {12, "LoadBitmapPalette"},
        {13, "StringToDate"}, {14, "DayOfDate"},
        {15, "AddNDays"},
    };
    for (const auto& e : exports) {
        FARPROC byOrdinal = GetProcAddress(library, MAKEINTRESOURCEA(e.ordinal));
        EXPECT_NE(byOrdinal, nullptr) << e.name;
        EXPECT_EQ(byOrdinal, GetProcAddress(library, e.name)) << e.name;
    }
    EXPECT_EQ(GetProcAddress(library, MAKEINTRESOURCEA(6)), nullptr);
    EXPECT_EQ(GetProcAddress(library, MAKEINTRESOURCEA(1)), nullptr);
    EXPECT_EQ(GetProcAddress(library, MAKEINTRESOURCEA(16)), nullptr);
    EXPECT_EQ(reinterpret_cast<void*>(GetProcAddress(library, "InitQuorl")),
              reinterpret_cast<void*>(&InitQuorl));
}

TEST(Dll, ClassesAreGlobalAndBelongToTheLibrary) {
    for (const char* name : {QUORL_CLASS, GAUGE_CLASS, GTEXT_CLASS, QUCHECK_CLASS, GSEITE_CLASS,
                             GSHED_CLASS, BORDLGPLAGIAT_CLASS, QUSTSB_CLASS, QUSTSF_CLASS}) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        ASSERT_TRUE(GetClassInfoExA(LibraryModule(), name, &wc)) << name;
        EXPECT_TRUE(wc.style & CS_GLOBALCLASS) << name;
        // Global classes are found whatever module asks.
        EXPECT_TRUE(GetClassInfoExA(GetModuleHandleA(nullptr), name, &wc)) << name;
    }
}

TEST(Dll, ControlsCanBeCreatedByClassName) {
    quorl_test::RecordingParent parent;
    for (const char* name : {QUORL_CLASS, GAUGE_CLASS, GTEXT_CLASS, QUCHECK_CLASS, QUSTSF_CLASS}) {
        HWND control = parent.child(name, "Text", WS_VISIBLE, 0, 0, 80, 24, 100);
        EXPECT_NE(control, nullptr) << name;
        DestroyWindow(control);
    }
}

TEST(Dll, RegisteredMessagesExist) {
    // Registering the same names again returns the ids the library got.
    for (UINT id : {quorl_test::FieldNameMessage(), quorl_test::FocusNotifyMessage(),
                    quorl_test::PaintDCMessage()}) {
        EXPECT_GE(id, 0xC000u);
    }
}

TEST(Dll, ExplicitInitialisationKeepsAWorkingLibrary) {
    InitQuorl();
    ExitQuorl(); // count back to 0: the shared objects go, the classes stay
    WNDCLASSA wc;
    EXPECT_TRUE(GetClassInfoA(LibraryModule(), QUORL_CLASS, &wc));
    InitQuorl(); // and come back
    EXPECT_EQ(WEP(0), 1);
    InitQuorl(); // count 1 -> 2: nothing (already counted)
    ExitQuorl();
    ExitQuorl();
}

// The checkerboard of the disabled look is made once for every control; a
// teardown deletes it and the next disabled paint makes it afresh.
TEST(Dll, DisabledLookSurvivesATeardown) {
    quorl_test::RecordingParent parent;
    HWND button = parent.child(QUORL_CLASS, "Aus", WS_VISIBLE | WS_DISABLED, 0, 0, 80, 30, IDOK);
    quorl_test::Redraw(button);
    const std::vector<COLORREF> before = quorl_test::Snapshot(button);
    InitQuorl();
    ExitQuorl(); // count back to 0: the shared objects go
    InitQuorl();
    quorl_test::Redraw(button);
    EXPECT_EQ(quorl_test::Snapshot(button), before);
    ExitQuorl();
    quorl_test::Redraw(button);
    EXPECT_EQ(quorl_test::Snapshot(button), before);
}

} // namespace

namespace {

TEST(Dll, EntryPointAcceptsThreadNotifications) {
    auto entry = reinterpret_cast<QUORL_DLLMAIN_PROC>(reinterpret_cast<void*>(
        GetProcAddress(LibraryModule(), MAKEINTRESOURCEA(QUORL_ORD_DLLMAIN))));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry(LibraryModule(), DLL_THREAD_ATTACH, nullptr));
    EXPECT_TRUE(entry(LibraryModule(), DLL_THREAD_DETACH, nullptr));
    EXPECT_TRUE(entry(LibraryModule(), 77, nullptr)); // unknown reasons are ignored
    // The library still works: its stock pictures are found under its instance.
    HBITMAP bitmap = nullptr;
    HPALETTE palette = nullptr;
    EXPECT_TRUE(LoadBitmapPalette(LibraryModule(), MAKEINTRESOURCEA(113), &bitmap, &palette));
    DeleteObject(bitmap);
}

TEST(Dll, CarriesVersionInformation) {
    char path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(LibraryModule(), path, sizeof path), 0u);
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    ASSERT_GT(size, 0u);
    std::vector<char> data(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, data.data()));

    // The numbers of the public header, in the fixed part and in the text
    // of both languages, beside a description and a copyright.
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_DLL));
    EXPECT_EQ(fixed->dwFileVersionMS,
              static_cast<DWORD>(MAKELONG(QUORL32_VERSION_MINOR, QUORL32_VERSION_MAJOR)));
    EXPECT_EQ(fixed->dwFileVersionLS, static_cast<DWORD>(MAKELONG(0, QUORL32_VERSION_PATCH)));
    char version[32];
    wsprintfA(version, "%d.%d.%d", QUORL32_VERSION_MAJOR, QUORL32_VERSION_MINOR,
              QUORL32_VERSION_PATCH);

    for (const char* block : {"040704E4", "040904E4"}) {
        const auto value = [&](const char* name) {
            char* text = nullptr;
            UINT size = 0;
            const std::string path = std::string("\\StringFileInfo\\") + block + "\\" + name;
            return VerQueryValueA(data.data(), path.c_str(), reinterpret_cast<void**>(&text), &size)
                       ? std::string(text)
                       : std::string();
        };
        EXPECT_EQ(value("ProductName"), "QUORL32 Control Library") << block;
        EXPECT_EQ(value("OriginalFilename"), "QUORL32.DLL") << block;
        EXPECT_EQ(value("FileVersion"), version) << block;
        EXPECT_EQ(value("ProductVersion"), version) << block;
        EXPECT_NE(value("FileDescription"), "") << block;
        EXPECT_NE(value("LegalCopyright").find("QUORL32"), std::string::npos) << block;
    }
}

} // namespace
