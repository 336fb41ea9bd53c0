// Pages from dialog templates: the controls of a page are made once, hidden,
// as children of the dialog; its labels are kept to be painted by the
// switcher; a page with an anchor grows with the switcher.
#include <cstring>

#include "controls/pageswitcher/label_list.h"
#include "controls/pageswitcher/pageswitcher_data.h"
#include "core/library.h"
#include "core/rect_convert.h"

namespace quorl::pageswitcher {

namespace {

constexpr char kMissingText[] = "GSeite : Ressource nicht gefunden";
constexpr DWORD kMissingStyle = WS_CHILD | WS_VISIBLE | WS_BORDER;
constexpr int kMissingX = 30;
constexpr int kMissingY = 30;
constexpr int kMissingWidth = 200;
constexpr int kMissingHeight = 60;

constexpr DWORD kControlExStyle = WS_EX_NOPARENTNOTIFY;
constexpr int kMeasureWeight = FW_BOLD;
constexpr char kMeasureText[] = "x";
constexpr int kPointsPerInch = 72;

constexpr SIZE_T kFirstLabelListSize = 1024;
constexpr UINT kGrowFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW;
constexpr UINT kMoveFlags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOREDRAW;

void ShowMissing(HWND switcher, HINSTANCE module) {
    CreateWindowExA(0, "static", kMissingText, kMissingStyle, kMissingX, kMissingY, kMissingWidth,
                    kMissingHeight, switcher, nullptr, module, nullptr);
}

struct BaseUnits {
    int x;
    int y;
};

BaseUnits SystemBaseUnits() {
    const LONG units = GetDialogBaseUnits();
    return {LOWORD(units), HIWORD(units)};
}

// The template's own font in bold: its "x" is the horizontal unit, its
// height plus one the vertical one.
BaseUnits FontBaseUnits(const DialogHeader& header, BaseUnits fallback) {
    HDC dc = CreateCompatibleDC(nullptr);
    if (dc == nullptr) {
        return fallback;
    }
    const int height = MulDiv(header.pointSize, GetDeviceCaps(dc, LOGPIXELSY), kPointsPerInch);
    HFONT font = CreateFontA(height, 0, 0, 0, kMeasureWeight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH, header.faceName);
    BaseUnits units = fallback;
    if (font != nullptr) {
        HGDIOBJ previous = SelectObject(dc, font);
        SIZE extent{};
        if (GetTextExtentPoint32A(dc, kMeasureText, 1, &extent)) {
            units = {static_cast<int>(extent.cx), static_cast<int>(extent.cy) + 1};
        }
        SelectObject(dc, previous);
        DeleteObject(font);
    }
    DeleteDC(dc);
    return units;
}

// Collects a page's labels in a block that grows as needed.
class LabelCollector {
public:
    ~LabelCollector() {
        if (list_ != nullptr) {
            LocalFree(list_);
        }
    }
    LabelCollector() = default;
    LabelCollector(const LabelCollector&) = delete;
    LabelCollector& operator=(const LabelCollector&) = delete;

    void Add(const PixelRect& rect, std::uint32_t style, const char* text) {
        const SIZE_T size = LabelRecordSize(text);
        if (!Reserve(used_ + size + kLabelEndSize)) {
            MessageBeep(0);
            return;
        }
        auto* bytes = static_cast<std::uint8_t*>(LocalLock(list_));
        if (bytes == nullptr) {
            MessageBeep(0);
            return;
        }
        WriteLabel(bytes + used_, rect, style, text);
        EndLabels(bytes + used_ + size);
        LocalUnlock(list_);
        used_ += size;
    }

    // Hands the list over, shrunk to what it holds.
    HLOCAL Release() {
        HLOCAL list = list_;
        list_ = nullptr;
        if (list != nullptr) {
            if (HLOCAL shrunk = LocalReAlloc(list, used_ + kLabelEndSize, LMEM_MOVEABLE)) {
                list = shrunk;
            }
        }
        return list;
    }

private:
    bool Reserve(SIZE_T needed) {
        if (needed <= capacity_) {
            return true;
        }
        SIZE_T size = capacity_ == 0 ? kFirstLabelListSize : capacity_ * 2;
        while (size < needed) {
            size *= 2;
        }
        HLOCAL grown = list_ == nullptr ? LocalAlloc(LMEM_MOVEABLE | LMEM_ZEROINIT, size)
                                        : LocalReAlloc(list_, size, LMEM_MOVEABLE | LMEM_ZEROINIT);
        if (grown == nullptr) {
            return false;
        }
        list_ = grown;
        capacity_ = size;
        return true;
    }

    HLOCAL list_ = nullptr;
    SIZE_T capacity_ = 0;
    SIZE_T used_ = 0;
};

HWND CreateControl(const DialogItem& item, const PixelRect& at, bool first, const RECT& frame,
                   HWND parent, HINSTANCE module) {
    if (!item.hasClass) {
        return nullptr;
    }
    const auto style = static_cast<DWORD>(ControlStyle(item.style, first));
    void* data = item.creationSize != 0 ? const_cast<std::uint8_t*>(item.creationData) : nullptr;
    return CreateWindowExA(kControlExStyle, item.className, item.title, style, frame.left + at.left,
                           frame.top + at.top, at.width(), at.height(), parent,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(item.id)), module, data);
}

// Reads the items into the page: controls into its list, labels into the
// collector.
void LoadItems(DialogTemplateReader& reader, BaseUnits units, PageRecord& page, HWND parent,
               HINSTANCE module, const RECT& frame, LabelCollector& labels) {
    HWND* controls = ControlsOf(page);
    bool first = true;
    DialogItem item;
    while (reader.Next(item)) {
        const PixelRect at =
            ItemRect(item.x, item.y, item.cx, item.cy, units.x, units.y, g_library.scale);
        if (IsLabelId(item.id)) {
            labels.Add(at, item.style, item.title);
            continue;
        }
        HWND control = CreateControl(item, at, first, frame, parent, module);
        first = false;
        controls[page.controlCount++] = control;
        if ((item.style & GS_ANCHOR) != 0 && control != nullptr) {
            page.anchor = control;
            page.baseWidth = page.currentWidth = frame.right - frame.left;
            page.baseHeight = page.currentHeight = frame.bottom - frame.top;
        }
    }
}

} // namespace

HLOCAL LoadPage(HINSTANCE module, const char* name, HWND switcher, HINSTANCE controlModule,
                const RECT& frame, char (&caption)[kCaptionSize]) {
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    HRSRC found = FindResourceA(module, name, RT_DIALOG);
    HGLOBAL loaded = found != nullptr ? LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    DialogTemplateReader reader(bytes, bytes != nullptr ? SizeofResource(module, found) : 0);
    if (!reader.valid()) {
        ShowMissing(switcher, module);
        return nullptr;
    }
    const DialogHeader& header = reader.header();
    HLOCAL handle = Page::Allocate(sizeof(PageRecord) + sizeof(HWND) * header.itemCount);
    Page page(handle);
    if (!page) {
        if (handle != nullptr) {
            LocalFree(handle);
        }
        return nullptr;
    }
    BaseUnits units = SystemBaseUnits();
    if (header.hasFont) {
        units = FontBaseUnits(header, units);
    }
    std::memcpy(caption, header.caption, sizeof caption);
    LabelCollector labels;
    LoadItems(reader, units, *page.get(), GetParent(switcher),
              controlModule != nullptr ? controlModule : module, frame, labels);
    page->labels = labels.Release();
    return handle;
}

int FreePage(HLOCAL handle, bool destroyControls) {
    int destroyed = 0;
    {
        Page page(handle);
        if (!page) {
            return 0;
        }
        HWND* controls = ControlsOf(*page.get());
        for (LONG i = 0; destroyControls && i < page->controlCount; ++i) {
            if (controls[i] != nullptr && DestroyWindow(controls[i])) {
                ++destroyed;
            }
        }
        if (page->labels != nullptr) {
            LocalFree(page->labels);
        }
    }
    LocalFree(handle);
    return destroyed;
}

namespace {

void MoveControl(HWND control, HWND parent, const RECT& r, int dx, int dy) {
    POINT corner = {r.left + dx, r.top + dy};
    ScreenToClient(parent, &corner);
    SetWindowPos(control, nullptr, corner.x, corner.y, 0, 0, kMoveFlags);
}

void ResizeControl(HWND control, const RECT& r, int dx, int dy) {
    SetWindowPos(control, nullptr, 0, 0, r.right - r.left + dx, r.bottom - r.top + dy, kGrowFlags);
}

void FollowAnchor(HWND parent, PageRecord& page, const RECT& anchor, int dx, int dy) {
    HWND* controls = ControlsOf(page);
    for (LONG i = 0; i < page.controlCount; ++i) {
        RECT r;
        if (controls[i] == nullptr || controls[i] == page.anchor ||
            !GetWindowRect(controls[i], &r)) {
            continue;
        }
        switch (ControlFollow(ToPixelRect(anchor), ToPixelRect(r))) {
        case Follow::MovesDown:
            MoveControl(controls[i], parent, r, 0, dy);
            break;
        case Follow::MovesRight:
            MoveControl(controls[i], parent, r, dx, 0);
            break;
        case Follow::Widens:
            ResizeControl(controls[i], r, dx, dy);
            break;
        case Follow::Stays:
            break;
        }
    }
}

void MoveLabels(HWND switcher, HLOCAL list, RECT anchor, int dx, int dy) {
    if (list == nullptr) {
        return;
    }
    MapWindowPoints(nullptr, switcher, reinterpret_cast<POINT*>(&anchor), 2);
    auto* bytes = static_cast<std::uint8_t*>(LocalLock(list));
    if (bytes == nullptr) {
        return;
    }
    LabelWalk walk(bytes, LocalSize(list));
    Label label;
    while (walk.Next(label)) {
        SetLabelRect(bytes, label.offset,
                     LabelAfterGrowth(ToPixelRect(anchor), label.rect, dx, dy));
    }
    LocalUnlock(list);
}

} // namespace

void GrowPageContents(HWND switcher, const RECT& frame, HLOCAL handle) {
    Page page(handle);
    RECT anchor;
    if (!page || page->anchor == nullptr || !GetWindowRect(page->anchor, &anchor)) {
        return;
    }
    PageSize current = {page->currentWidth, page->currentHeight};
    const Growth growth = GrowPage({page->baseWidth, page->baseHeight}, current,
                                   {frame.right - frame.left, frame.bottom - frame.top});
    page->currentWidth = current.width;
    page->currentHeight = current.height;
    if (growth.dx == 0 && growth.dy == 0) {
        return;
    }
    ResizeControl(page->anchor, anchor, growth.dx, growth.dy);
    FollowAnchor(GetParent(switcher), *page.get(), anchor, growth.dx, growth.dy);
    MoveLabels(switcher, page->labels, anchor, growth.dx, growth.dy);
}

} // namespace quorl::pageswitcher
