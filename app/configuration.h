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

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "app/place.h"

namespace quendal {

// One configured place: a place (latitude 0..90, longitude 0..180 degrees,
// minutes 0..59, no seconds) with its name. Its decimal degrees are
// latitudeof and longitudeof (app/place.h).
struct LocationRecord : GeoPlace {
  int inuse = 0;     // 1 the entry holds a place
  std::string name;  // UTF-8, at most 39 characters
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
constexpr int configurationnamelength = 39;           // characters
constexpr std::size_t configurationmaxbytes = 65540;  // larger files are refused

// The configured places. Entries in use form a contiguous run from index 0;
// entry 0 always holds a place (the default place "Sankt Pölten (Austria)",
// 48°12' N 15°37' E, unless the file names places).
using LocationTable = std::array<LocationRecord, locationtablesize>;
using PersonalDateTable = std::array<PersonalDate, personaldatetablesize>;

// The preset place table: the default place at index 0, the rest empty.
LocationTable presetlocationtable();

// What one reading of the configuration file gives.
struct Configuration {
  int result = 0;  // 1 read (with or without usable lines), 0 no file, -1 larger than 65,540 bytes
  LocationTable locationTable = presetlocationtable();  // the preset table unless result is 1
  PersonalDateTable personalDateTable{};                // no dates unless result is 1
  int languageoverride = 0;                             // 3079, 1031 or 2000 from the last language line; 0 without one
  std::string path;                                     // the file read (result 1 or -1) as it was opened; "" for none
};

// Reads the first of configurationcandidates() that counts as a file:
// QUENDAL6.INI from the working directory, or QUENDAL5.INI when that cannot
// be read, else the same names in $XDG_CONFIG_HOME/quendal/. Both programs
// look the file up this way. Only regular files are read: a FIFO or a device
// counts as no file and is never opened.
Configuration readConfiguration();
// The same for the first of the given files that counts as a file (result 0
// when none does).
Configuration readConfiguration(const std::vector<std::string>& files);
// The files looked for, in order: QUENDAL6.INI and QUENDAL5.INI in the
// working directory (bare names), then in $XDG_CONFIG_HOME/quendal/
// (~/.config/quendal/ when XDG_CONFIG_HOME is unset or not absolute; none
// there when HOME is unset or empty too).
std::vector<std::string> configurationcandidates();
// The same for one given file (no fallback).
Configuration readConfigurationFile(const std::string& path);
// The same for the bytes of a file already in memory (result -1 when there
// are more than 65,540 of them, else 1).
Configuration readConfigurationContent(std::string_view bytes);

// Number of places in use (the contiguous run from index 0), 1..32.
int locationsinuse(const LocationTable& table);

}  // namespace quendal
