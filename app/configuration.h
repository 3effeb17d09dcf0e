// The configuration file QUENDAL6.INI: places, dates of personal interest and
// a language choice, written by the user with any text editor and never
// written by the program. It is read afresh whenever a consumer needs it.
//
// The file is plain text of at most 65,540 bytes, decoded as UTF-8 when it is
// well-formed UTF-8 and as Windows-1252 otherwise (a leading UTF-8 byte-order
// mark is dropped). Lines end at every CR and every LF. Each line is
// classified by its shape alone; columns below are 1-based characters.
//
//   Language   "A ..." Austrian German (3079), "D ..." German (1031),
//              "E ..." English (2000); upper or lower case; the last one wins.
//   Date       YYYY?MM?DD text      year 1601..9998, a valid Gregorian date,
//              separators of any kind at columns 5 and 8, text from column 12.
//   Place      DD N MM   DDDE MM name    latitude degrees 1-2, N/S at 4,
//              minutes 6-7; longitude degrees 10-13, E/O/W at 14, minutes
//              16-17 (or shifted one column right: 11-14, 15, 17-18); name
//              from column 19. Lines beginning with ';', ':' or ',' are
//              comments.
//
// Names and texts keep at most 39 characters (code points), without leading
// or trailing blanks; tabs and other control characters count as blanks.
#pragma once

#include <string>
#include <string_view>

namespace quendal {

// One configured place.
struct LocationRecord {
  int latitudedegrees = 0;   // 0..90
  int latitudeminutes = 0;   // 0..59
  int longitudedegrees = 0;  // 0..180
  int longitudeminutes = 0;  // 0..59
  int north = 1;             // 1 north latitude, 0 south
  int east = 1;              // 1 east longitude, 0 west
  int inuse = 0;             // 1 the entry holds a place
  std::string name;          // UTF-8, at most 39 characters
  double longitude = 0.0;    // decimal degrees, east positive, -180..+180
  double latitude = 0.0;     // decimal degrees, north positive, -90..+90
};

// One date of personal interest; all zero and an empty text when unused.
struct PersonalDate {
  int day = 0;
  int month = 0;     // 1..12
  int year = 0;      // 1601..9998
  std::string text;  // UTF-8, at most 39 characters
};

constexpr int locationtablesize = 32;
constexpr int personaldatetablesize = 12;
constexpr int configurationnamelength = 39;          // characters
constexpr std::size_t configurationmaxbytes = 65540;  // larger files are refused

// Entries in use form a contiguous run from index 0; entry 0 always holds a
// place (the default place "Sankt Pölten (Austria)", 48°12' N 15°37' E,
// unless the file names places).
extern LocationRecord locationTable[locationtablesize];
extern PersonalDate personalDateTable[personaldatetablesize];

// Reads QUENDAL6.INI from the working directory, or QUENDAL5.INI when that
// cannot be read. 1 = read (with or without usable lines), 0 = no file,
// -1 = file larger than 65,540 bytes. Both tables are reset first; with 0 and
// -1 they keep only the default place. languageoverride (calendar/text.h) is
// set by a language line and otherwise left as it was.
int readConfiguration();
// The same for one given file (no fallback).
int readConfigurationFile(const std::string& path);
// The same for the bytes of a file already in memory: -1 when there are more
// than 65,540 of them, else 1.
int readConfigurationContent(std::string_view bytes);

// Both tables to their preset state: the default place at index 0, no dates.
void resetConfiguration();

// Number of places in use (the contiguous run from index 0), 1..32.
int locationsinuse();

}  // namespace quendal
