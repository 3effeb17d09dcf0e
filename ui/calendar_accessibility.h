// The calendar window to screen readers: the lines it paints (its display
// list) as the window's accessible text, one line of text per line of the
// list in the list's order, with the place of each character on the screen.
#pragma once

namespace quendal {

class CalendarWindow;

// Tells assistive technology that the window shows other lines (another
// view, month, place or language); the window calls it whenever it rebuilt
// its display list. The first call makes the calendar windows' text
// accessible at all.
void calendarlineschanged(CalendarWindow& window);

}  // namespace quendal
