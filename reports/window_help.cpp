// The windows' keyboard help boxes; see window_help.h.
#include "reports/window_help.h"

#include "calendar/text.h"
#include "reports/web_addresses.h"

namespace quendal {

namespace {

WindowHelp box(Language language) { return {language == english ? "Keyboard Configuration:" : "Tastenbelegung:", ""}; }

void credits(std::string& t, const char* germanalgorithms, const char* englishalgorithms, Language language) {
  const bool german = language != english;
  t += german ? "\n\n Das Quendal-Projekt: " : "\n\n The Quendal Project: ";
  t += homepageaddress;
  t += german ? germanalgorithms : englishalgorithms;
}

void ending(std::string& t, const AboutPlatform& platform, Language language) {
  t += platformlines(platform, language);
  t += "\n\n";
}

}  // namespace

WindowHelp calendarwindowhelp(bool printing, const AboutPlatform& platform, Language language) {
  WindowHelp h = box(language);
  std::string& t = h.text;
  if (language != english) {
    t = "\n Cursor left\t1 Monat zurück \n Cursor right\t1 Monat weiter "
        "\n Cursor down\t1 Jahr  zurück \n Cursor up\t1 Jahr  weiter "
        "\n\n F1\tTastenbelegung anzeigen \n F2\tWechsel des Fonts (klein <-> groß) ";
    if (printing) t += "\n F3\tDrucken ";
    t += "\n F4\t10 Jahre zurück \n F5\t10 Jahre weiter \n F6\tOrt zurück \n F7\tOrt weiter "
         "\n F8\t100 Jahre zurück \n F9\t100 Jahre weiter \n F11\tSprache wechseln \n F12\tAnsicht wechseln "
         "\n (Kalender, Feiertage, Mondphasen) ";
  } else {
    t = "\n Cursor left\t1 Month minus \n Cursor right\t1 Month plus "
        "\n Cursor down\t1 Year  minus \n Cursor up\t1 Year  plus "
        "\n\n F1\tShow Keyboard Configuration \n F2\tChange of Font (small <-> big) ";
    if (printing) t += "\n F3\tPrint ";
    t += "\n F4\t10 Years minus \n F5\t10 Years plus \n F6\tLocation back \n F7\tLocation forward "
         "\n F8\t100 Years minus \n F9\t100 Years plus \n F11\tChange of Language \n F12\tChange of View "
         "\n (Calendar, Holidays, Phases of the Moon) ";
  }
  credits(t, "\n Sonnenauf- und -untergang nach O. Montenbruck und T. Pfleger, Mondphasen nach J. Meeus ",
          "\n Sunrise and sunset after O. Montenbruck and T. Pfleger, moon phases after J. Meeus ", language);
  ending(t, platform, language);
  return h;
}

// The arrow keys up and down step ten years, as the window's keys do.
WindowHelp eotwindowhelp(bool printing, const AboutPlatform& platform, Language language) {
  WindowHelp h = box(language);
  std::string& t = h.text;
  if (language != english) {
    t = "\n Cursor down\t10 Jahre zurück \n Cursor up\t10 Jahre weiter "
        "\n\n F1\tTastenbelegung anzeigen \n F2\tButtons anzeigen oder nicht anzeigen ";
    if (printing) t += "\n F3\tDrucken ";
    t += "\n F4\t10 Jahre zurück \n F5\t10 Jahre weiter \n F8\t100 Jahre zurück \n F9\t100 Jahre weiter "
         "\n F11\tSprache wechseln \n\n Zeitgleichung - Equation of Time ";
  } else {
    t = "\n Cursor down\t10 Years minus \n Cursor up\t10 Years plus "
        "\n\n F1\tShow Keyboard Configuration \n F2\tButtons are shown or not shown ";
    if (printing) t += "\n F3\tPrint ";
    t += "\n F4\t10 Years minus \n F5\t10 Years plus \n F8\t100 Years minus \n F9\t100 Years plus "
         "\n F11\tChange of Language \n\n Equation of Time ";
  }
  credits(t, "\n Methode von W.M. Smart ", "\n Method of W.M. Smart ", language);
  ending(t, platform, language);
  return h;
}

WindowHelp skychartwindowhelp(int view, bool printing, const AboutPlatform& platform, Language language) {
  WindowHelp h = box(language);
  std::string& t = h.text;
  const bool chart = view == 0;
  if (language != english) {
    t = chart ? "\n Cursor left\t1 Stunde zurück \n Cursor right\t1 Stunde weiter "
                "\n Cursor down\tZoom minus \n Cursor up\tZoom plus "
                "\n\n +        \t1 Minute weiter \n -        \t1 Minute zurück "
              : "\n Cursor left\t1 Woche zurück \n Cursor right\t1 Woche weiter "
                "\n Cursor down\t1 Monat zurück \n Cursor up\t1 Monat weiter ";
    t += "\n\n F1\tTastenbelegung anzeigen \n F2\tButtons anzeigen oder nicht anzeigen ";
    if (printing) t += "\n F3\tDrucken ";
    t += chart ? "\n F4\t1 Monat zurück \n F5\t1 Monat weiter \n F8\t1 Jahr zurück \n F9\t1 Jahr weiter "
                 "\n\n F10\tStandort und Datum ändern\n F6\tNord <-> Süd Ansicht wechseln "
                 "\n F7\tPlaneteninfo anzeigen <-> nicht anzeigen "
               : "\n F4\t1 Jahr zurück \n F5\t1 Jahr weiter \n F8\t10 Jahre zurück \n F9\t10 Jahre weiter ";
    t += "\n F11\tSprache wechseln \n F12\tAnsicht wechseln \n\n Position der Planeten gem. VSOP87D ";
  } else {
    t = chart ? "\n Cursor left\t1 Hour minus \n Cursor right\t1 Hour plus "
                "\n Cursor down\tZoom minus \n Cursor up\tZoom plus "
                "\n\n +        \t1 Minute plus \n -        \t1 Minute minus "
              : "\n Cursor left\t1 Week minus \n Cursor right\t1 Week plus "
                "\n Cursor down\t1 Month  minus \n Cursor up\t1 Month  plus ";
    t += "\n\n F1\tShow Keyboard Configuration \n F2\tButtons are shown or not shown ";
    if (printing) t += "\n F3\tPrint ";
    t += chart ? "\n F4\t1 Month minus \n F5\t1 Month plus \n F8\t1 Year minus \n F9\t1 Year plus "
                 "\n\n F10\tChange Location and Date\n F6\tChange North <-> South View "
                 "\n F7\tShow <-> not show Planets' Info "
               : "\n F4\t1 Year minus \n F5\t1 Year plus \n F8\t10 Years minus \n F9\t10 Years plus ";
    t += "\n F11\tChange of Language \n F12\tChange of View \n\n Position of the Planets (VSOP87D) ";
  }
  credits(t, "\n Planetentheorie VSOP87D von P. Bretagnon und G. Francou, Algorithmen nach J. Meeus ",
          "\n Planetary theory VSOP87D by P. Bretagnon and G. Francou, algorithms after J. Meeus ", language);
  ending(t, platform, language);
  return h;
}

}  // namespace quendal
