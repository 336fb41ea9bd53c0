// Shared fixtures for tests that drive the library's windows under Wine:
// a parent window that records what its children send it, pixel reading,
// in-memory dialog templates and message pumping.
#pragma once

#include <windows.h>

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

// Reads a pixel of a window's client area through a fresh window DC.
COLORREF ClientPixel(HWND window, int x, int y);

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
