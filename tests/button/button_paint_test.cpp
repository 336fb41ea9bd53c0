// What the push button draws: the picture it found, the layout, frame and
// edges, the focus mark, the disabled look and a picture with a palette.
#include "tests/button/button_test_support.h"

namespace button_test {
namespace {

constexpr int kWidth = 75;
constexpr int kHeight = 23;
constexpr int kPictureWidth = 24;
constexpr int kMiddle = 11;

COLORREF Pixel(HWND w, int x, int y) {
    return quorl_test::ClientPixel(w, x, y);
}

// Layouts worked out by hand. The system font sets "Ende" 36 x 16 and "Aus"
// 26 wide. The width left after caption, picture and 10 pixels of frame is
// shared in thirds: the picture starts a third in, the caption two thirds
// plus the picture's width, both 4 pixels further right.
struct Placed {
    int pictureLeft;
    int captionLeft;
};
constexpr int kEndeWidth = 36;
constexpr int kEndeHeight = 16;
constexpr Placed kEndeWithPicture = {5, 31}; // free 75 - 36 - 24 - 10 = 5
constexpr Placed kEndeAlone = {13, 23};      // free 75 - 36 - 10 = 29
constexpr Placed kAusWithPicture = {9, 39};  // free 75 - 26 - 24 - 10 = 15

void ExpectSystemFontExtents() {
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    SIZE ende{};
    SIZE aus{};
    GetTextExtentPoint32A(dc, "Ende", 4, &ende);
    GetTextExtentPoint32A(dc, "Aus", 3, &aus);
    DeleteDC(dc);
    ASSERT_EQ(ende.cx, kEndeWidth);
    ASSERT_EQ(ende.cy, kEndeHeight);
    ASSERT_EQ(aus.cx, 26);
}

TEST_F(ButtonTest, StockCheckMarkWinsOverTheProgramsBitmapOne) {
    // The test program has a solid blue bitmap 1 of its own.
    HWND ok = Make("OK", WS_VISIBLE, IDOK);
    Redraw(ok);
    EXPECT_EQ(CountPixels(ok, RGB(0, 0, 0xFF)), 0);
    EXPECT_GT(CountPixels(ok, RGB(0, 0x80, 0)), 20); // the green check mark
}

TEST_F(ButtonTest, ProgramPictureFromTheParentsOrTheOwnModule) {
    HWND fromParent = Make("", WS_VISIBLE, kRedBlockId);
    Redraw(fromParent);
    EXPECT_GT(CountPixels(fromParent, kRed), 400);

    // A parent in the library's module: the button's own module has it.
    HWND stranger = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                                    nullptr, quorl_test::LibraryModule(), nullptr);
    HWND own =
        CreateWindowExA(0, QUORL_CLASS, "", WS_CHILD | WS_VISIBLE, 0, 0, kWidth, kHeight, stranger,
                        reinterpret_cast<HMENU>(kRedBlockId), GetModuleHandleA(nullptr), nullptr);
    Redraw(own);
    EXPECT_GT(CountPixels(own, kRed), 400);
    HWND nowhere =
        CreateWindowExA(0, QUORL_CLASS, "", WS_CHILD | WS_VISIBLE, 0, 30, kWidth, kHeight, stranger,
                        reinterpret_cast<HMENU>(kRedBlockId), quorl_test::LibraryModule(), nullptr);
    Redraw(nowhere);
    EXPECT_EQ(CountPixels(nowhere, kRed), 0);
    DestroyWindow(stranger);
}

TEST_F(ButtonTest, LayoutPlacesPictureAndCaption) {
    const char* caption = "Ende";
    HWND b = Make(caption, WS_VISIBLE, kRedBlockId);
    Redraw(b);
    ExpectSystemFontExtents();
    const Placed e = kEndeWithPicture;
    // The 25-pixel picture starts one row above the client area and is
    // drawn over the frame: row 1 of the client is its row 2.
    EXPECT_EQ(Pixel(b, e.pictureLeft, 1), kWhite);
    EXPECT_EQ(Pixel(b, e.pictureLeft + 1, 1), kRed);
    EXPECT_EQ(Pixel(b, e.pictureLeft + kPictureWidth - 1, kHeight - 2), kRed);
    EXPECT_EQ(Pixel(b, e.pictureLeft - 1, kMiddle), kSilver);
    EXPECT_EQ(Pixel(b, e.pictureLeft + kPictureWidth, kMiddle), kSilver);
    // Caption ink only inside the caption rectangle.
    const int top = kMiddle - kEndeHeight / 2;
    const int bottom = kMiddle + kEndeHeight / 2;
    int inside = 0;
    int outside = 0;
    for (int y = 4; y < kHeight - 4; ++y) {
        for (int x = e.pictureLeft + kPictureWidth; x < kWidth - 4; ++x) {
            if (Pixel(b, x, y) == kBlack) {
                const bool in =
                    x >= e.captionLeft && x < e.captionLeft + kEndeWidth && y >= top && y < bottom;
                (in ? inside : outside) += 1;
            }
        }
    }
    EXPECT_GT(inside, 10);
    EXPECT_EQ(outside, 0);
}

TEST_F(ButtonTest, FrameAndEdgesRaisedPressedDefault) {
    const int w = 60;
    const int h = 30;
    HWND b = Make("", WS_VISIBLE, kNoPictureId, w, h);
    Redraw(b);
    // Raised: white outer line, black inner line, white upper and left
    // edges, grey lower and right edges, light grey face.
    EXPECT_EQ(Pixel(b, 0, 10), kWhite);
    EXPECT_EQ(Pixel(b, 1, 10), kBlack);
    EXPECT_EQ(Pixel(b, 2, 10), kWhite);
    EXPECT_EQ(Pixel(b, 3, 10), kWhite);
    EXPECT_EQ(Pixel(b, 4, 10), kSilver);
    EXPECT_EQ(Pixel(b, 10, 2), kWhite);
    EXPECT_EQ(Pixel(b, w - 3, 10), kGrey);
    EXPECT_EQ(Pixel(b, w - 4, 10), kGrey);
    EXPECT_EQ(Pixel(b, w - 2, 10), kBlack);
    EXPECT_EQ(Pixel(b, w - 1, 10), kWhite);
    EXPECT_EQ(Pixel(b, 10, h - 3), kGrey);
    EXPECT_EQ(Pixel(b, 10, h - 1), kWhite);
    EXPECT_EQ(Pixel(b, w - 1, h - 1), kWhite);
    // Where light and dark bands meet, the face shows through.
    EXPECT_EQ(Pixel(b, w - 5, 2), kWhite);
    EXPECT_EQ(Pixel(b, w - 4, 2), kSilver);
    EXPECT_EQ(Pixel(b, w - 3, 2), kSilver);
    EXPECT_EQ(Pixel(b, w - 4, 3), kGrey);
    EXPECT_EQ(Pixel(b, 2, h - 5), kWhite);
    EXPECT_EQ(Pixel(b, 2, h - 4), kSilver);
    EXPECT_EQ(Pixel(b, 3, h - 4), kGrey);

    // Pressed at once, without a WM_PAINT: the edges change only.
    SendMessageA(b, BM_SETSTATE, 1, 0);
    EXPECT_EQ(Pixel(b, 2, 10), kGrey);
    EXPECT_EQ(Pixel(b, 10, 3), kGrey);
    EXPECT_EQ(Pixel(b, w - 3, 10), kSilver);
    EXPECT_EQ(Pixel(b, 10, h - 3), kSilver);
    EXPECT_EQ(Pixel(b, 0, 10), kWhite);
    SendMessageA(b, BM_SETSTATE, 0, 0);
    EXPECT_EQ(Pixel(b, 2, 10), kWhite);

    // Tracking looks pressed inside and raised outside.
    Press(b, 5, 5);
    EXPECT_EQ(Pixel(b, 2, 10), kGrey);
    Move(b, w + 5, 5);
    EXPECT_EQ(Pixel(b, 2, 10), kWhite);
    Release(b, w + 5, 5);

    // The default button's outer line is black.
    SendMessageA(b, BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(Pixel(b, 0, 10), kBlack);
    EXPECT_EQ(Pixel(b, w - 1, h - 1), kBlack);
    SendMessageA(b, BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_EQ(Pixel(b, 0, 10), kWhite);
}

TEST_F(ButtonTest, FocusDotsAndTheirRemoval) {
    // Tall enough that the mark stays clear of frame and edges.
    const int height = 40;
    const char* caption = "Ende";
    HWND b = Make(caption, WS_VISIBLE, kNoPictureId, kWidth, height);
    HWND other = Make("Anders", WS_VISIBLE, kNoPictureId + 1);
    SetWindowPos(other, nullptr, 10, 60, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Redraw(b);
    ExpectSystemFontExtents();
    // The caption 36 x 16 from x 23, centred on row 20; the dots 2 off it.
    const int left = kEndeAlone.captionLeft - 2;
    const int right = kEndeAlone.captionLeft + kEndeWidth + 2;
    const int top = 10;
    const int bottom = 30;
    EXPECT_EQ(Pixel(b, left + 1, top), kSilver);
    SetFocus(b);
    EXPECT_EQ(Pixel(b, left + 1, top), kBlack);
    EXPECT_EQ(Pixel(b, left + 2, top), kSilver);
    EXPECT_EQ(Pixel(b, left + 3, bottom), kBlack);
    EXPECT_EQ(Pixel(b, left, top + 1), kBlack);
    EXPECT_EQ(Pixel(b, left, top + 2), kSilver);
    EXPECT_EQ(Pixel(b, right, top + 3), kBlack);
    EXPECT_EQ(Pixel(b, left, top), kSilver); // no corner dot
    // The mark survives a full repaint while focused.
    Redraw(b);
    EXPECT_EQ(Pixel(b, left + 1, top), kBlack);
    SetFocus(other);
    EXPECT_EQ(Pixel(b, left + 1, top), kSilver);
    EXPECT_EQ(Pixel(b, left, top + 1), kSilver);
    EXPECT_EQ(Pixel(b, right, top + 3), kSilver);
    EXPECT_EQ(Pixel(b, left + 3, bottom), kSilver);
    EXPECT_GT(CountPixels(b, kBlack), 10); // frame and caption are still there
}

TEST_F(ButtonTest, DisabledPictureIsACheckerboard) {
    HWND b = Make("Aus", WS_VISIBLE | WS_DISABLED, kRedBlockId);
    Redraw(b);
    ExpectSystemFontExtents();
    const Placed e = kAusWithPicture;
    const COLORREF redAndGrey = RGB(0xC0, 0, 0);
    int grey = 0;
    int picture = 0;
    for (int y = 2; y < kHeight - 2; ++y) {
        for (int x = e.pictureLeft + 1; x < e.pictureLeft + kPictureWidth; ++x) {
            const COLORREF c = Pixel(b, x, y);
            // The pattern is white where x + y is even: the grey ground stays.
            EXPECT_EQ(c, (x + y) % 2 == 0 ? kSilver : redAndGrey) << x << "," << y;
            (c == kSilver ? grey : picture) += 1;
        }
    }
    EXPECT_GT(grey, 100);
    EXPECT_GT(picture, 100);
    EXPECT_GT(CountPixels(b, kBlack), 10); // the caption is drawn as usual
    EnableWindow(b, TRUE);
    EXPECT_EQ(Pixel(b, e.pictureLeft + 2, 10), kRed);
    EXPECT_EQ(Pixel(b, e.pictureLeft + 3, 10), kRed);
}

TEST_F(ButtonTest, SharedFontStyleIgnoresSetFont) {
    HFONT big = CreateFontA(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Arial");
    HWND shared = Make("Text", WS_VISIBLE | QBS_SHAREDFONT, kNoPictureId);
    Redraw(shared);
    const auto before = Snapshot(shared);
    SendMessageA(shared, WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
    Redraw(shared);
    EXPECT_EQ(Snapshot(shared), before);

    HWND plain = Make("Text", WS_VISIBLE, kNoPictureId + 1);
    Redraw(plain);
    const auto plainBefore = Snapshot(plain);
    SendMessageA(plain, WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
    Redraw(plain);
    EXPECT_NE(Snapshot(plain), plainBefore);
    DestroyWindow(plain);
    DeleteObject(big);
}

TEST_F(ButtonTest, EightBitPictureKeepsItsColours) {
    HWND b = Make("", WS_VISIBLE | QBS_PICTURE, kEightBitId, 16, 16);
    Redraw(b);
    EXPECT_EQ(Pixel(b, 0, 0), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(Pixel(b, 1, 0), RGB(0x65, 0x43, 0x21));
    EXPECT_EQ(Pixel(b, 0, 1), RGB(0x0A, 0x0B, 0x0C));
    EXPECT_EQ(Pixel(b, 15, 15), RGB(0xE0, 0xD0, 0xC0));
    // The palette messages: a change caused by the button itself is
    // ignored; another window's change and a query leave the picture.
    EXPECT_EQ(SendMessageA(b, WM_PALETTECHANGED, reinterpret_cast<WPARAM>(b), 0), 0);
    EXPECT_EQ(SendMessageA(b, WM_PALETTECHANGED, reinterpret_cast<WPARAM>(parent_.hwnd()), 0), 0);
    const LRESULT query = SendMessageA(b, WM_QUERYNEWPALETTE, 0, 0);
    EXPECT_TRUE(query == 0 || query == 1);
    quorl_test::PumpMessages(); // no endless repainting
    EXPECT_EQ(Pixel(b, 0, 0), RGB(0x12, 0x34, 0x56));
    // Without a palette the query answers 0.
    HWND plain = Make("", WS_VISIBLE, kRedBlockId);
    EXPECT_EQ(SendMessageA(plain, WM_QUERYNEWPALETTE, 0, 0), 0);
}

HPALETTE SmallPalette() {
    struct {
        LOGPALETTE header;
        PALETTEENTRY more[1];
    } logical{};
    logical.header.palVersion = 0x300;
    logical.header.palNumEntries = 2;
    logical.header.palPalEntry[0] = {0x12, 0x34, 0x56, 0};
    logical.more[0] = {0x65, 0x43, 0x21, 0};
    return CreatePalette(&logical.header);
}

TEST_F(ButtonTest, SetBitmapTakesOwnershipOfBitmapAndWholePaletteHandle) {
    HWND b = Make("Bild", WS_VISIBLE, kNoPictureId);
    HDC screen = GetDC(nullptr);
    HBITMAP first = CreateCompatibleBitmap(screen, 10, 10);
    HBITMAP second = CreateCompatibleBitmap(screen, 12, 12);
    ReleaseDC(nullptr, screen);
    HPALETTE palette = SmallPalette();
    ASSERT_NE(palette, nullptr);
    EXPECT_EQ(SendMessageA(b, QBM_SETBITMAP, reinterpret_cast<WPARAM>(first),
                           reinterpret_cast<LPARAM>(palette)),
              0);
    Redraw(b);
    EXPECT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BITMAP));
    EXPECT_EQ(GetObjectType(palette), static_cast<DWORD>(OBJ_PAL));
    // Replacing deletes the old picture and its palette, whatever the
    // palette handle's high bits are.
    SendMessageA(b, QBM_SETBITMAP, reinterpret_cast<WPARAM>(second), 0);
    EXPECT_EQ(GetObjectType(first), 0u);
    EXPECT_EQ(GetObjectType(palette), 0u);
    // Handing the button its own picture again keeps it alive.
    SendMessageA(b, QBM_SETBITMAP, reinterpret_cast<WPARAM>(second), 0);
    EXPECT_EQ(GetObjectType(second), static_cast<DWORD>(OBJ_BITMAP));
    DestroyWindow(b);
    EXPECT_EQ(GetObjectType(second), 0u);
}

TEST_F(ButtonTest, NewPictureIsLaidOutAgain) {
    HWND b = Make("Ende", WS_VISIBLE, kNoPictureId);
    Redraw(b);
    ExpectSystemFontExtents();
    HDC screen = GetDC(nullptr);
    HBITMAP picture = CreateCompatibleBitmap(screen, kPictureWidth, 10);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ previous = SelectObject(memory, picture);
    RECT all = {0, 0, kPictureWidth, 10};
    FillRect(memory, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    SendMessageA(b, QBM_SETBITMAP, reinterpret_cast<WPARAM>(picture), 0);
    Redraw(b);
    const Placed with = kEndeWithPicture;
    EXPECT_EQ(Pixel(b, with.pictureLeft, kMiddle), kWhite);
    EXPECT_EQ(Pixel(b, with.pictureLeft - 1, kMiddle), kSilver);
    // The caption moved right from x 23 to x 31.
    EXPECT_EQ(CountPixels(b, {kEndeAlone.captionLeft, 4, with.captionLeft, kHeight - 4}, kBlack),
              0);
    EXPECT_GT(CountPixels(b, {with.captionLeft, 4, with.captionLeft + 8, kHeight - 4}, kBlack), 0);
}

} // namespace
} // namespace button_test

namespace button_test {
namespace {

TEST(StockPictures, HaveTheirSizesAndNoPalette) {
    struct Stock {
        int id;
        int width;
        int height;
    };
    const Stock stock[] = {
        {QBPIC_CHECKMARK, 24, 25}, {QBPIC_CROSS, 21, 25},     {QBPIC_FORBIDDEN, 28, 29},
        {QBPIC_NOTEBOOK, 32, 32},  {QBPIC_PRINTER, 24, 24},   {QBPIC_ENVELOPE, 23, 17},
        {QBPIC_FOLDER, 20, 18},    {QBPIC_PENCIL, 14, 27},    {QBPIC_ARROWRIGHT, 22, 8},
        {QBPIC_TRASHCAN, 26, 30},  {QBPIC_FLOPPY, 27, 23},    {QBPIC_DOCUMENT, 17, 26},
        {QBPIC_QUESTION, 19, 29},  {QBPIC_MAGNIFIER, 14, 16}, {QBPIC_HOURGLASS, 17, 21},
        {QBPIC_KEY, 18, 11},       {QBPIC_CLOCK, 20, 23},     {QBPIC_PADLOCK, 15, 20},
        {QBPIC_HOUSE, 18, 20},     {QBPIC_CALENDAR, 22, 24},  {QBPIC_MONITOR, 23, 20},
        {QBPIC_UPDOWN, 16, 28},    {QBPIC_WEDGE, 10, 21},
    };
    for (const Stock& s : stock) {
        HBITMAP bitmap = nullptr;
        HPALETTE palette = reinterpret_cast<HPALETTE>(1);
        ASSERT_TRUE(LoadBitmapPalette(quorl_test::LibraryModule(), MAKEINTRESOURCEA(s.id), &bitmap,
                                      &palette))
            << s.id;
        EXPECT_EQ(palette, nullptr) << s.id;
        BITMAP info{};
        GetObjectA(bitmap, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, s.width) << s.id;
        EXPECT_EQ(info.bmHeight, s.height) << s.id;
        DeleteObject(bitmap);
    }
}

} // namespace
} // namespace button_test
