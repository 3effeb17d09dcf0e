// The equation-of-time graph window's drawing as numbers and texts: the
// curve of one calendar year, the zero line and the grid every 4 minutes,
// the markers every two months, the title, the turning points and the size
// line. The window paints them (into an off-screen image or on a printer);
// nothing here knows how.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "almanac/eot_year_cache.h"
#include "calendar/text.h"
#include "reports/calendar_display.h"

namespace quendal {

// The client size the graph needs: a width below 480 becomes 550, a height
// below 240 becomes 280. enlarged: the window must be resized (and nothing
// drawn this time).
struct EotGraphSize {
  int width = 0, height = 0;
  bool enlarged = false;
};
EotGraphSize eotgraphsize(int width, int height);

// Leap year of the graph: every fourth year before 1583, the Gregorian rule
// from 1583 on.
bool eotgraphleapyear(int year);

struct GraphPoint {
  int x = 0, y = 0;
};
struct GraphLine {
  GraphPoint from, to;
};
struct GraphText {
  GraphPoint at;  // top left of the text
  std::string text;
};

inline constexpr int eotgraphpointcount = 780;  // half days from 20 December of the year before
inline constexpr int eotgraphmarkers = 7;       // 1 January, 1 March, ... 1 January of the next year

// The colours of the graph on the canvas (canvasrgb). Each is drawn as
// text or as lines and keeps a contrast of at least 3:1 to the canvas.
struct EotGraphColours {
  Rgb curve{0, 150, 35};          // green
  Rgb grid{145, 145, 145};        // the zero line, the grid and the markers: grey
  Rgb text{50, 50, 50};           // the scale and the size line
  Rgb markerlabel{180, 0, 0};     // the month names: red
  Rgb title{180, 50, 0};          // brown-red
  Rgb turningpoint{150, 50, 50};  // the turning points below the graph
};
inline constexpr EotGraphColours eotgraphcolours{};

struct EotGraph {
  int plotheight = 0;  // ph = h - 50, at least 50
  int zeroline = 0;    // y0 = ph / 2
  std::array<GraphPoint, eotgraphpointcount> curve{};
  int smallestrow = 0, largestrow = 0;         // from the second point on
  double largestvalue = 0, smallestvalue = 0;  // E, minutes
  std::vector<GraphLine> grid;                 // the zero line first; from x = 36 to width - 20
  std::vector<GraphText> gridlabels;           // "%2d" minutes, at x = 4 left of the grid
  std::array<GraphLine, eotgraphmarkers> markers{};
  std::array<GraphText, eotgraphmarkers> markerlabels{};  // "1. Jan." ...
  GraphText title;                                        // at (40, 15)
};

// The graph of the year (1000..4000) for a client of width x height pixels
// (as eotgraphsize gives it).
EotGraph buildeotgraph(int year, int width, int height, Language language);

// The turning points and the size line below the graph, for the title's text
// height th (pixels): the two-line summary when width > 450 and 350 < height
// < 630, the five detailed lines when width > 450 and height >= 630, none
// otherwise; then "Größe Ausgabefeld: %d x %d   " / "Size of Window: ...".
struct EotGraphFooter {
  std::vector<GraphText> turningpoints;
  GraphText size;
};
EotGraphFooter buildeotgraphfooter(const EotYearTurningPoints& events, int width, int height, int th,
                                   Language language);

}  // namespace quendal
