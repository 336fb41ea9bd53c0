// The schedule control's private record and its painting, shared by the
// message code and the painting code.
#pragma once

#include <windows.h>

#include <cstddef>

#include "controls/schedule/schedule_grid.h"

namespace quorl::schedule {

// One per window, in a movable local block whose handle is window long
// GSHWL_BLOCK. Handles are pointer-sized; on 32-bit Windows the record is
// laid out as the control has always kept it.
struct ScheduleBlock {
    HFONT font; // not owned: the shared control font or one the parent gave
    HWND parent;
    HWND monthBox;
    HWND yearBox;
    LONG boxesShown; // 1 when the client area is wide enough for the boxes
    LONG id;         // low 16 bits go into the notifications
    GridState grid;  // metrics, cell size, current date, cell flags
    char fieldName[kFieldNameLength + 1];
    LONG tellingDayChange; // 1 while the parent handles GSHN_DAYCHANGED
};
#ifndef _WIN64
static_assert(offsetof(ScheduleBlock, parent) == 4);
static_assert(offsetof(ScheduleBlock, monthBox) == 8);
static_assert(offsetof(ScheduleBlock, yearBox) == 12);
static_assert(offsetof(ScheduleBlock, boxesShown) == 16);
static_assert(offsetof(ScheduleBlock, id) == 20);
static_assert(offsetof(ScheduleBlock, grid) + offsetof(GridState, charWidth) == 24);
static_assert(offsetof(ScheduleBlock, grid) + offsetof(GridState, charHeight) == 28);
static_assert(offsetof(ScheduleBlock, grid) + offsetof(GridState, margin) == 32);
static_assert(offsetof(ScheduleBlock, grid) + offsetof(GridState, boxHeight) == 36);
static_assert(offsetof(ScheduleBlock, grid) + offsetof(GridState, cellWidth) == 40);
static_assert(offsetof(ScheduleBlock, grid) + offsetof(GridState, cellHeight) == 44);
static_assert(offsetof(ScheduleBlock, grid) + offsetof(GridState, date) == 48);
static_assert(offsetof(ScheduleBlock, grid) + offsetof(GridState, cells) == 52);
static_assert(offsetof(ScheduleBlock, fieldName) == 136);
#endif

// Paints the whole control; block may be null (then only the frame or the
// focus mark). Stores the cell size of this painting in the block.
void PaintSchedule(HWND window, HDC dc, ScheduleBlock* block);

} // namespace quorl::schedule
