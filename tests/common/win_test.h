// Shared fixtures for tests that drive the library's windows under Wine:
// a parent window that records what its children send it, the one test
// fixture, pixel reading, in-memory dialog templates and message pumping.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quorl_test {

struct RecordedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A top-level window that records every message whose number is in the
// watch list (or every message when the list is empty). It is a plain
// popup at (0, 0) so that client and screen coordinates agree.
class RecordingParent {
public:
    explicit RecordingParent(std::vector<UINT> watch = {WM_COMMAND}, int width = 400,
                             int height = 300);
    ~RecordingParent();
    RecordingParent(const RecordingParent&) = delete;
    RecordingParent& operator=(const RecordingParent&) = delete;

    HWND hwnd() const { return window_; }
    const std::vector<RecordedMessage>& messages() const { return messages_; }
    void clear() { messages_.clear(); }
    void watch(UINT message) { watch_.push_back(message); }
    // Brush answered to WM_CTLCOLORSTATIC (null: default handling).
    void setStaticBrush(HBRUSH brush) { staticBrush_ = brush; }

    // Creates a child of the given class; the parent owns nothing of it.
    HWND child(const char* className, const char* text, DWORD style, int x, int y, int width,
               int height, int id, HINSTANCE instance = nullptr) const;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    std::vector<UINT> watch_;
    std::vector<RecordedMessage> messages_;
    HBRUSH staticBrush_ = nullptr;
};

// Handles every pending message of this thread.
void PumpMessages();

// The fixture of the Windows tests: a recording parent to create the
// controls under test in, and the mouse and key input a user gives.
class ControlTest : public ::testing::Test {
protected:
    explicit ControlTest(std::vector<UINT> watch = {WM_COMMAND}, int width = 400, int height = 300);

    // Creates a visible child of the parent and lets it paint.
    HWND Make(const char* className, const char* text, DWORD style, const RECT& at, int id,
              HINSTANCE instance = nullptr);
    // The recorded messages of one number, in order.
    std::vector<RecordedMessage> Recorded(UINT message) const;

    static void Press(HWND control, int x, int y);   // left button down
    static void Move(HWND control, int x, int y);    // mouse move, button held
    static void Release(HWND control, int x, int y); // left button up
    static void KeyDown(HWND control, WPARAM key);
    static void KeyUp(HWND control, WPARAM key);

    RecordingParent parent_;
};

// Paints the window now, erasing first, as a WM_PAINT would.
void Redraw(HWND window);

// Reads a pixel of a window's client area through a fresh window DC.
COLORREF ClientPixel(HWND window, int x, int y);

// The client area read pixel by pixel, row by row.
std::vector<COLORREF> Snapshot(HWND window);
// Pixels of one colour in a part of the client area (right and bottom
// exclusive), or in all of it.
int CountPixels(HWND window, const RECT& area, COLORREF colour);
int CountPixels(HWND window, COLORREF colour);

// Module handle of QUORL32.DLL as loaded in this process.
HMODULE LibraryModule();

// The library's registered message ids, looked up by name.
UINT FieldNameMessage();
UINT FocusNotifyMessage();
UINT PaintDCMessage();

// Builds a DLGTEMPLATE with items in memory, for CreateDialogIndirectParamA.
class DialogTemplate {
public:
    DialogTemplate(DWORD style, int x, int y, int cx, int cy, const char* title,
                   const char* className = nullptr);
    // Adds an item of a named class (or of a predefined class by ordinal
    // when className is null: 0x80 button, 0x81 edit, 0x82 static, ...).
    DialogTemplate& item(const char* className, const char* text, DWORD style, int x, int y, int cx,
                         int cy, WORD id, WORD classOrdinal = 0);
    const DLGTEMPLATE* get();
    HWND create(HWND owner, DLGPROC procedure = nullptr, LPARAM parameter = 0);

private:
    void align();
    void word(WORD value);
    void text(const char* value);
    std::vector<std::uint8_t> bytes_;
    std::size_t countOffset_ = 0;
    WORD count_ = 0;
};

} // namespace quorl_test
