// The table of feasts: the named days of the holiday catalogue with their
// dates, marking kinds and German and English names, and in which language
// the holiday list of a year (the large view) names each of them. The
// holiday table (calendar/holidays.h) and the large view both read it.
#pragma once

#include "calendar/text.h"

namespace quendal {

// Marking classes of a feast.
enum HolidayKind {
  namedday = 0,  // a named day without a holiday mark
  publicholiday = 1,
  regionalholiday = 8,  // a holiday only in some regions
  nationalday = 9,      // the national day of one country, or a summer-time change
};

struct FeastName {
  const char* german;
  const char* english;
};

// In which languages the holiday list of a year names a feast.
enum FeastListing {
  notlisted = 0,
  listedingerman = 1,
  listedinenglish = 2,
  listedinboth = 3,
};

// True when the listing names the feast in the language.
inline bool listedin(int listing, Language language) {
  return (listing & (language == english ? listedinenglish : listedingerman)) != 0;
}

struct MovableFeast {
  int offset;  // days from Easter Sunday (a FeastOffset, calendar/easter.h)
  int kind;    // a HolidayKind
  FeastName name;
  int listing;  // a FeastListing
};

struct FixedFeast {
  int day, month;
  int kind;  // a HolidayKind
  FeastName name;
  int listing;               // a FeastListing
  const char* country = "";  // a national day's country (ISO 3166 alpha-2), else ""
};

inline constexpr int movablefeastcount = 10;
inline constexpr int fixedfeastcount = 10;
inline constexpr int nationaldaycount = 6;

// Ash Wednesday, Palm Sunday, Maundy Thursday, Good Friday, Easter Sunday,
// Easter Monday, Ascension Day, Whit Sunday, Whit Monday, Corpus Christi.
extern const MovableFeast movablefeasts[movablefeastcount];
// New Year's Day, Epiphany, First May, Assumption, All Saints' Day,
// Immaculate Conception, Christmas Eve, Christmas Day, Boxing Day, New
// Year's Eve.
extern const FixedFeast fixedfeasts[fixedfeastcount];

// The national days, in the order of the holiday table.
enum NationalDay {
  nationalaustria,
  nationalgermany,
  nationalswitzerland,
  nationalluxembourg,
  nationalliechtenstein,
  nationalusa,
};
extern const FixedFeast nationaldays[nationaldaycount];

// The names of the first to fourth Sunday of Advent, the leap day and the
// European summer-time changes.
extern const FeastName adventsundaynames[4];
extern const FeastName leapdayname;
extern const FeastName summertimebeginname;
extern const FeastName summertimeendname;

}  // namespace quendal
