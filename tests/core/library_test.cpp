// The library's lifecycle, shared objects and class registration, driven
// through the library code linked into this program (no DLL).
#include <gtest/gtest.h>

#include <string>

#include "controls/pageswitcher/pageswitcher.h"
#include "core/library.h"
#include "dll/library_setup.h"
#include "quorl32.h"

namespace {

using quorl::g_library;

struct ClassExpectation {
    const char* name;
    UINT style;
    int extra32;
    int extra64;
    HBRUSH brush;
};

HBRUSH LightGrey() {
    return static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
}

const ClassExpectation kClasses[] = {
    {"QUORL", 0x400B, 12, 16, LightGrey()},
    {"GAUGE", 0x4003, 12, 16, reinterpret_cast<HBRUSH>(6)},
    {"GTEXT", 0x4003, 8, 16, nullptr},
    {"QUCHECK", 0x400B, 12, 16, LightGrey()},
    {"GSEITE", 0x4003, 16, 28, nullptr},
    {"GSHED", 0x400B, 8, 12, LightGrey()},
    {"BORDLGPLAGIAT", 0x4003, 42, 72, nullptr},
    {"QuStsb", 0x4003, 0, 0, reinterpret_cast<HBRUSH>(16)},
    {"QuStsf", 0x4003, 12, 12, reinterpret_cast<HBRUSH>(16)},
};

void SetFontProfile(const char* value) {
    WriteProfileStringA("Vemto", "Quorlfont", value);
}

LOGFONTA SharedFont() {
    LOGFONTA lf{};
    EXPECT_NE(g_library.controlFont, nullptr);
    EXPECT_EQ(GetObjectA(g_library.controlFont, sizeof lf, &lf), static_cast<int>(sizeof lf));
    return lf;
}

void UnregisterAll() {
    for (const ClassExpectation& c : kClasses) {
        UnregisterClassA(c.name, g_library.instance);
    }
}

// Takes a class name before the library can, so that its registration fails;
// returns the squatter's atom.
ATOM RegisterSquatter(const char* name) {
    WNDCLASSA squatter{};
    squatter.style = CS_GLOBALCLASS;
    squatter.lpfnWndProc = DefWindowProcA;
    squatter.hInstance = g_library.instance;
    squatter.lpszClassName = name;
    return RegisterClassA(&squatter);
}

class Library : public testing::Test {
protected:
    void SetUp() override {
        g_library.instance = GetModuleHandleA(nullptr);
        quorl::TeardownLibrary();
        g_library.referenceCount = 0;
        SetFontProfile(nullptr);
    }
    void TearDown() override {
        SetFontProfile(nullptr);
        quorl::TeardownLibrary();
        g_library.referenceCount = 0;
    }
};

TEST_F(Library, DefaultFontIsModern8PointsWeight500) {
    quorl::InitialiseLibrary();
    const LOGFONTA lf = SharedFont();
    EXPECT_STREQ(lf.lfFaceName, "Modern");
    EXPECT_EQ(lf.lfHeight, 11); // 8 x 96 / 72 = 10.67, rounded
    EXPECT_EQ(lf.lfWeight, 500);
    EXPECT_EQ(lf.lfWidth, 0);
    EXPECT_EQ(lf.lfItalic, 0);
    EXPECT_EQ(lf.lfCharSet, 0);
}

TEST_F(Library, FontFollowsTheProfile) {
    struct Case {
        const char* value;
        const char* face;
        LONG height;
        LONG weight;
    };
    const Case cases[] = {
        {"Arial", "Arial", 11, 500},
        {"Arial,10", "Arial", 13, 500},
        {"Arial,10,700", "Arial", 13, 700},
        {"", "", 11, 500},
        {"Arial,x,400", "Arial", 0, 400},
        // The profile read stops after 29 characters, before the split.
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZabc,12,700", "ABCDEFGHIJKLMNOPQRSTUVWXYZabc", 11, 500},
    };
    for (const Case& c : cases) {
        SetFontProfile(c.value);
        quorl::InitialiseLibrary();
        const LOGFONTA lf = SharedFont();
        EXPECT_STREQ(lf.lfFaceName, c.face) << c.value;
        EXPECT_EQ(lf.lfHeight, c.height) << c.value;
        EXPECT_EQ(lf.lfWeight, c.weight) << c.value;
        quorl::TeardownLibrary();
    }
}

TEST_F(Library, PensAreSolidGreysOfWidthOne) {
    quorl::InitialiseLibrary();
    LOGPEN dark{}, light{};
    ASSERT_TRUE(GetObjectA(g_library.darkGreyPen, sizeof dark, &dark));
    ASSERT_TRUE(GetObjectA(g_library.lightGreyPen, sizeof light, &light));
    EXPECT_EQ(dark.lopnStyle, static_cast<UINT>(PS_SOLID));
    EXPECT_EQ(dark.lopnWidth.x, 1);
    EXPECT_EQ(dark.lopnColor, RGB(0x80, 0x80, 0x80));
    EXPECT_EQ(light.lopnStyle, static_cast<UINT>(PS_SOLID));
    EXPECT_EQ(light.lopnColor, RGB(0xC0, 0xC0, 0xC0));
}

TEST_F(Library, TeardownDeletesSharedObjectsAndInitialisationIsIdempotent) {
    quorl::InitialiseLibrary();
    HFONT font = g_library.controlFont;
    HPEN dark = g_library.darkGreyPen;
    quorl::InitialiseLibrary(); // initialised: nothing happens
    EXPECT_EQ(g_library.controlFont, font);
    EXPECT_EQ(g_library.darkGreyPen, dark);

    quorl::TeardownLibrary();
    EXPECT_EQ(g_library.controlFont, nullptr);
    EXPECT_EQ(g_library.darkGreyPen, nullptr);
    EXPECT_EQ(g_library.lightGreyPen, nullptr);
    EXPECT_EQ(GetObjectType(font), 0u);
    EXPECT_EQ(GetObjectType(dark), 0u);
}

TEST_F(Library, ReferenceCountDecidesWhenToInitialiseAndTearDown) {
    quorl::InitialiseLibrary(); // as at process attach: the count stays 0
    HFONT attachFont = g_library.controlFont;

    InitQuorl(); // 0 -> 1 on an initialised library: nothing else
    EXPECT_EQ(g_library.referenceCount, 1);
    EXPECT_EQ(g_library.controlFont, attachFont);
    InitQuorl();
    ExitQuorl(); // 2 -> 1: nothing
    EXPECT_EQ(g_library.controlFont, attachFont);
    ExitQuorl(); // 1 -> 0: teardown although the load initialised
    EXPECT_EQ(g_library.referenceCount, 0);
    EXPECT_EQ(g_library.controlFont, nullptr);

    InitQuorl(); // 0 -> 1: initialises again
    EXPECT_NE(g_library.controlFont, nullptr);
    ExitQuorl();
    EXPECT_EQ(g_library.controlFont, nullptr);
}

TEST_F(Library, UnbalancedExitDrivesTheCountBelowZero) {
    quorl::InitialiseLibrary();
    ExitQuorl(); // 0 -> -1: no teardown
    ExitQuorl(); // -1 -> -2
    EXPECT_EQ(g_library.referenceCount, -2);
    EXPECT_NE(g_library.controlFont, nullptr);

    quorl::TeardownLibrary();
    InitQuorl(); // -2 -> -1: no initialisation
    EXPECT_EQ(g_library.controlFont, nullptr);
    InitQuorl(); // -1 -> 0
    EXPECT_EQ(g_library.controlFont, nullptr);
    InitQuorl(); // 0 -> 1: initialises
    EXPECT_NE(g_library.controlFont, nullptr);
    ExitQuorl(); // back to exactly 0: teardown
    EXPECT_EQ(g_library.controlFont, nullptr);
}

TEST_F(Library, WepTearsDownOnlyAnInitialisedLibrary) {
    EXPECT_EQ(WEP(0), 1); // nothing to do
    quorl::InitialiseLibrary();
    HFONT font = g_library.controlFont;
    EXPECT_EQ(WEP(12345), 1);
    EXPECT_EQ(g_library.controlFont, nullptr);
    EXPECT_EQ(GetObjectType(font), 0u);
}

TEST_F(Library, RegistersEveryClassAsTheTableGives) {
    quorl::InitialiseLibrary();
    HCURSOR arrow = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    for (const ClassExpectation& c : kClasses) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        ASSERT_TRUE(GetClassInfoExA(g_library.instance, c.name, &wc)) << c.name;
        EXPECT_EQ(wc.style, c.style) << c.name;
        EXPECT_EQ(wc.cbClsExtra, 0) << c.name;
#ifdef _WIN64
        EXPECT_EQ(wc.cbWndExtra, c.extra64) << c.name;
#else
        EXPECT_EQ(wc.cbWndExtra, c.extra32) << c.name;
#endif
        EXPECT_EQ(wc.hbrBackground, c.brush) << c.name;
        EXPECT_EQ(wc.hCursor, arrow) << c.name;
        EXPECT_EQ(wc.hIcon, nullptr) << c.name;
        EXPECT_EQ(wc.lpszMenuName, nullptr) << c.name;
        EXPECT_EQ(wc.hInstance, g_library.instance) << c.name;
    }
}

TEST_F(Library, RegistersTheThreeMessagesByName) {
    quorl::InitialiseLibrary();
    EXPECT_EQ(g_library.msgGetFieldName, RegisterWindowMessageA("BWM_GETFIELDNAME"));
    EXPECT_EQ(g_library.msgFocusNotify, RegisterWindowMessageA("BWM_FOCUSNOTIFY"));
    EXPECT_EQ(g_library.msgPaintDC, RegisterWindowMessageA("BWM_PAINTDC"));
    EXPECT_NE(g_library.msgGetFieldName, 0u);
    EXPECT_FALSE(quorl::IsRegisteredMessage(0, 0));
    EXPECT_TRUE(quorl::IsRegisteredMessage(g_library.msgPaintDC, g_library.msgPaintDC));
}

TEST_F(Library, ReinitialisationKeepsThePageSwitcherAtom) {
    quorl::InitialiseLibrary();
    const ATOM first = quorl::pageswitcher::PropertyAtom();
    EXPECT_NE(first, 0);
    const UINT fieldName = g_library.msgGetFieldName;

    quorl::TeardownLibrary();
    quorl::InitialiseLibrary(); // every registration fails now: the classes exist
    EXPECT_EQ(quorl::pageswitcher::PropertyAtom(), first);
    EXPECT_EQ(g_library.msgGetFieldName, fieldName);

    // A failed registration takes the atom of the class that is registered.
    quorl::TeardownLibrary();
    UnregisterAll();
    const ATOM squatter = RegisterSquatter("GSEITE");
    ASSERT_NE(squatter, 0);
    quorl::InitialiseLibrary();
    EXPECT_EQ(quorl::pageswitcher::PropertyAtom(), squatter);
    UnregisterAll();
}

// A class of the same name that exists already counts as registered, so
// the chain goes on (a real failure to register is the failpoint program's).
TEST_F(Library, AnExistingFrameClassCountsAsRegistered) {
    UnregisterAll();
    g_library.msgGetFieldName = g_library.msgFocusNotify = g_library.msgPaintDC = 0;
    ASSERT_TRUE(RegisterSquatter("BORDLGPLAGIAT"));

    quorl::InitialiseLibrary();
    EXPECT_GE(g_library.msgGetFieldName, 0xC000u);
    EXPECT_GE(g_library.msgFocusNotify, 0xC000u);
    EXPECT_GE(g_library.msgPaintDC, 0xC000u);
    WNDCLASSA wc;
    EXPECT_TRUE(GetClassInfoA(g_library.instance, "GSHED", &wc)); // the others still register
    EXPECT_TRUE(GetClassInfoA(g_library.instance, "QuStsf", &wc));
    UnregisterAll();
}

TEST_F(Library, AnExistingBarClassStillLetsTheFieldClassRegister) {
    UnregisterAll();
    ASSERT_TRUE(RegisterSquatter("QuStsb"));

    quorl::InitialiseLibrary();
    WNDCLASSA wc;
    EXPECT_TRUE(GetClassInfoA(g_library.instance, "QuStsf", &wc));
    EXPECT_TRUE(GetClassInfoA(g_library.instance, "BORDLGPLAGIAT", &wc));
    UnregisterAll();
}

} // namespace
