// The iCalendar export, read back by libical, a real iCalendar parser.
#include <gtest/gtest.h>
#include <libical/ical.h>

#include <map>
#include <string>

#include "reports/icalendar.h"

using namespace quendal;

namespace {

struct Parsed {
  int events = 0;
  int errors = 0;  // X-LIC-ERROR properties anywhere, events without UID or DTSTAMP
  std::map<std::string, int> categories;
};

Parsed parse(const std::string& text) {
  Parsed p;
  icalcomponent* calendar = icalparser_parse_string(text.c_str());
  if (calendar == nullptr) return {0, -1, {}};
  p.errors = icalcomponent_count_errors(calendar);
  for (icalcomponent* e = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); e != nullptr;
       e = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
    ++p.events;
    icalproperty* c = icalcomponent_get_first_property(e, ICAL_CATEGORIES_PROPERTY);
    if (c != nullptr) ++p.categories[icalproperty_get_categories(c)];
    if (icalcomponent_get_first_property(e, ICAL_UID_PROPERTY) == nullptr ||
        icalcomponent_get_first_property(e, ICAL_DTSTAMP_PROPERTY) == nullptr)
      ++p.errors;
  }
  icalcomponent_free(calendar);
  return p;
}

bool validutf8lines(const std::string& text) {
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) return false;  // every line ends with CR LF
    if (end - start > 75) return false;
    // A continuation byte must not begin a physical line's content.
    std::size_t first = start;
    if (first < end && text[first] == ' ' && start > 0) ++first;
    if (first < end && (static_cast<unsigned char>(text[first]) & 0xC0) == 0x80) return false;
    start = end + 2;
  }
  return true;
}

std::string unfold(std::string text) {
  for (std::size_t i = text.find("\r\n "); i != std::string::npos; i = text.find("\r\n ", i)) text.erase(i, 3);
  return text;
}

}  // namespace

TEST(Icalendar, TextValuesAreEscaped) { EXPECT_EQ(icalendartext("a,b;c\\d\r\ne\nf"), "a\\,b\\;c\\\\d\\ne\\nf"); }

// A line of every length with a two-octet character at every place around
// the fold: no physical line exceeds 75 octets, none begins inside a
// character, and unfolding gives the line back.
TEST(Icalendar, FoldsAt75OctetsWithoutSplittingCharacters) {
  for (int before = 60; before <= 160; ++before)
    for (const char* character : {"ö", "€", "😀"}) {
      const std::string line = std::string(before, 'x') + character + std::string(20, 'y');
      const std::string folded = icalendarline(line);
      EXPECT_TRUE(validutf8lines(folded)) << before << " " << character;
      EXPECT_EQ(unfold(folded), line + "\r\n");
    }
}

// 2025 and 2026 as published: 4 eclipses each (2025: total lunar 14 March,
// partial solar 29 March, total lunar 7 September, partial solar
// 21 September; 2026: annular solar 17 February, total lunar 3 March, total
// solar 12 August, partial lunar 28 August); 4 seasons; 12 or 13 of every
// phase; the holiday catalogue's 32 rows of each of those years.
TEST(Icalendar, TwoYearsParseWithoutErrorsAndCountEveryEntry) {
  const CalendarStamp stamp{2026, 12, 6, 0, 0, 0};
  const std::string out =
      icalendar(calendarentries({.firstyear = 2025, .lastyear = 2026, .stamp = stamp}, german), stamp);
  EXPECT_EQ(icalendar(calendarentries({.firstyear = 2025, .lastyear = 2026, .stamp = stamp}, german), stamp), out);
  EXPECT_TRUE(validutf8lines(out));
  Parsed p = parse(out);
  EXPECT_EQ(p.errors, 0);
  EXPECT_EQ(p.categories["Finsternis"], 8);
  EXPECT_EQ(p.categories["Jahreszeit"], 8);
  EXPECT_GE(p.categories["Mondphase"], 96);
  EXPECT_LE(p.categories["Mondphase"], 100);
  EXPECT_EQ(p.categories["Gesetzlicher Feiertag"] + p.categories["Regionaler Feiertag"] +
                p.categories["Nationalfeiertag"] + p.categories["Besonderer Tag"] + p.categories["Sommerzeit"],
            64);
  EXPECT_EQ(p.categories["Sommerzeit"], 4);
  EXPECT_EQ(p.events, 8 + 8 + p.categories["Mondphase"] + 64);
  EXPECT_NE(out.find("SUMMARY:Totale Sonnenfinsternis"), std::string::npos);
  EXPECT_NE(out.find("DTSTAMP:20261206T000000Z\r\n"), std::string::npos);
  EXPECT_NE(out.find("UID:20251225-christmas-day@quendal.org\r\n"), std::string::npos);
}
