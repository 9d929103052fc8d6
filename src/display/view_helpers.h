#pragma once
// Small steps that several display handlers share.
#include <cstdint>
#include <string_view>

#include "app/main_form.h"

namespace ztmca {

// Channels of the memory in use (MemorySize limited to the 8192-channel capacity).
int MemoryChannels(const MainForm& form);
// A channel limited to the memory in use, 0 .. MemorySize - 1.
std::int32_t LimitToMemory(const MainForm& form, std::int64_t channel);

// Decimal text with an optional suffix, formatted on the stack.
// Label7: the counts at the cursor, or "-" for a cursor outside the memory.
void ShowCursorCounts(MainForm& form);
// Label1, Label2 and Label3: start, end and cursor channel.
void ShowRangeLabels(MainForm& form);

// The scale in force, rebuilt in full.
void DrawCurrentAxis(MainForm& form);

// "$@C" + four digits + ";". The cursor is kept within the memory, so it always fits.
bool SendCursorCommand(MainForm& form);

// Acquisition modes 0 and 1 are PHA; the read-outs and ROIs belong to them.
inline bool PhaMode(const MainForm& form) {
    return form.State.Acq.AcquisitionMode == 0 || form.State.Acq.AcquisitionMode == 1;
}

// True while instrument commands may be sent.
inline bool InstrumentOpen(const MainForm& form) { return form.State.Acq.DeviceOpened == 1; }

// Puts the plot background and the top rows of the channel strips to a colour; the plot texts
// take the given text colour. The background fills keep it for the next layout change.
void SetPlotColours(MainForm& form, Colour back, Colour text);

}  // namespace ztmca
