// The table of feasts; see feasts.h.
#include "calendar/feasts.h"

#include "calendar/easter.h"

namespace quendal {

const MovableFeast movablefeasts[movablefeastcount] = {
    {ashwednesday, namedday, {"Aschermittwoch", "Ash Wednesday"}, listedinboth},
    {palmsunday, publicholiday, {"Palmsonntag", "Palm Sunday"}, listedinboth},
    {maundythursday, namedday, {"Gründonnerstag", "Maundy Thursday"}, notlisted},
    {goodfriday, regionalholiday, {"Karfreitag", "Good Friday"}, listedinboth},
    {eastersunday, publicholiday, {"Ostersonntag", "Easter Sunday"}, listedinboth},
    {eastermonday, publicholiday, {"Ostermontag", "Easter Monday"}, listedinboth},
    {ascensionday, publicholiday, {"Christi Himmelfahrt", "Ascension Day"}, listedinboth},
    {whitsunday, publicholiday, {"Pfingstsonntag", "Pentecost - Whit Sunday"}, listedinboth},
    {whitmonday, publicholiday, {"Pfingstmontag", "Pentecost - Whit Monday"}, listedinboth},
    {corpuschristi, publicholiday, {"Fronleichnam", "Corpus Christi"}, listedinboth},
};

const FixedFeast fixedfeasts[fixedfeastcount] = {
    {1, 1, publicholiday, {"Neujahrstag", "New Year's Day"}, listedinboth},
    {6, 1, regionalholiday, {"Dreikönigstag", "Epiphany"}, listedinboth},
    {1, 5, publicholiday, {"Erster Mai (Tag der Arbeit)", "First May"}, listedinboth},
    {15, 8, regionalholiday, {"Mariä Himmelfahrt", "Assumption"}, listedinboth},
    {1, 11, publicholiday, {"Allerheiligen", "All Saints' Day"}, listedinboth},
    {8, 12, regionalholiday, {"Mariä Empfängnis", "Immaculate Conception"}, listedinboth},
    {24, 12, namedday, {"Heiliger Abend", "Christmas Eve"}, notlisted},
    {25, 12, publicholiday, {"Christtag  (1. Weihnachtstag)", "Christmas Day"}, listedinboth},
    {26, 12, publicholiday, {"Stefanitag (2. Weihnachtstag)", "Boxing Day"}, listedinboth},
    {31, 12, namedday, {"Silvester", "New Year's Eve"}, listedinboth},
};

const FixedFeast nationaldays[nationaldaycount] = {
    {26, 10, nationalday, {"Staatsfeiertag Österreich", "National Holiday Austria"}, listedinboth, "AT"},
    {3, 10, nationalday, {"Staatsfeiertag Deutschland", "National Holiday Germany"}, listedinboth, "DE"},
    {1, 8, nationalday, {"Staatsfeiertag Schweiz", "National Holiday Switzerland"}, listedinboth, "CH"},
    {23, 6, nationalday, {"Staatsfeiertag Luxemburg", "National Holiday Luxembourg"}, listedinboth, "LU"},
    {15, 8, nationalday, {"Staatsfeiertag Liechtenstein", "National Holiday Liechtenstein"}, listedingerman, "LI"},
    {4, 7, nationalday, {"Staatsfeiertag USA", "National Holiday USA"}, listedinenglish, "US"},
};

const FeastName adventsundaynames[4] = {
    {"1. Adventsonntag", "1st Advent Sunday"},
    {"2. Adventsonntag", "2nd Advent Sunday"},
    {"3. Adventsonntag", "3rd Advent Sunday"},
    {"4. Adventsonntag", "4th Advent Sunday"},
};

const FeastName leapdayname = {"Schalttag", "Leap Day"};
const FeastName summertimebeginname = {"Beginn der Sommerzeit (Europa)", "Begin of Daylight Savings Time (Europe)"};
const FeastName summertimeendname = {"Ende der Sommerzeit (Europa)", "End of Daylight Savings Time (Europe)"};

}  // namespace quendal
