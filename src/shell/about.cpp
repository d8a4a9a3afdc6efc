// The about pages.
#include "shell/shell.h"

namespace korvelin {

namespace {

const char* const kPages[] = {
    "   The Scrapton Rankulatorium [KORVELIN] was created to be the Do-All and End-All of all "
    "stat calculators.  It grew out of a stat calculator written for a competition in Scrapton, "
    "and it aims to be the most complete stat calculator the game has ever had: 35 options to "
    "sort and display by, a free choice of which columns are shown and of the variable the list "
    "is sorted by, weighted stats with weights you can adjust, and the saving and loading of "
    "whole databases.  With it a gang leader can follow the gang's activity and progress, keep "
    "track of the beggars, and pick the War Chamber team in seconds with the preset displays.\n"
    "   KORVELIN was first written for a few gangs of Scrapton, and is now released to all of "
    "its players.  Enjoy!\n"
    "   FOR BEST VIEWING: at a terminal, a table too wide or too long for the window opens in "
    "the table viewer, its headings held at the top and the names at the left while the rest "
    "scrolls.  The arrow keys, PgUp, PgDn, Home and End move about it, '/' finds a name and 'n' "
    "the next, and 'q' or Esc closes it.  SET VIEW in the list protocol switches it off and on, "
    "and 'korvelin --plain' starts without it.  On Windows, where tables are printed, widen the "
    "console window (a screen buffer 200 wide) or send the tables to a file with OUTPUT.",

    "\n   KORVELIN WC Calculation Features:\n"
    "   The main feature of KORVELIN is choosing your War Chamber team by a weighted stat.  Once "
    "a database has been loaded, from a save file or from a stat table, type LIST and then WC "
    "to see the top 10 members by descending weighted total, together with their fighting "
    "stats, level and ID.\n"
    "   The default weights for speed, power, strength and health are 2.12, 1.24, 1.434 and "
    "0.667.  Type SET and then WEIGHTS in the list protocol to change them; the weights are "
    "saved and loaded with the database.\n"
    "   SPEED, POWER and STRENGTH in the list protocol show the top 15 members by that stat, in "
    "descending order.",

    "\n   KORVELIN Progress Tracking Features:\n"
    "   Every stat is stored twice, as an old and a new value.  UPDATE replaces the new stats "
    "from a more recent stat table, so that they can be compared with the old ones.  PERCENT "
    "in the list protocol shows each member's gain and percentage gain in every stat and "
    "overall, sorted by descending total gain: a rough guide to who trains the most.  The "
    "begging gain is multiplied by 15 to make up for its slower growth.\n"
    "   The old values change through SNAP, which copies all the new values over the old ones "
    "(all gains then show 0), or through EDIT, which edits a member's name, old stats, new "
    "stats and level by ID number.  EDIT is the only way to set the new begging skill, since "
    "stat tables do not carry it, and apart from an update the only way to change the level.",

    "\n   KORVELIN Advanced Features and Customisation:\n"
    "   ADD and DELETE enter and remove members by hand; DELETE is useful when a member leaves "
    "the gang.  SAVE saves the database whenever you like, and QUIT offers to save before "
    "closing.\n"
    "   LOAD should be the first command of almost every run: it tells stat tables and save "
    "files apart by itself.  Save files are not to be edited, since their reader is much "
    "stricter than the stat table import.  Stat tables must be put in text files without their "
    "title row, for loading and for updating alike.\n"
    "   Custom displays are saved with the database.  SET in the list protocol offers WEIGHTS, "
    "ENTRIES (the number of rows shown; some presets ignore it) and OPTIONS (which columns are "
    "shown).  SORT chooses the sort variable and ascending or descending order; the presets "
    "ignore it and sort their own way.  OUTPUT sends the list output to a file instead of the "
    "screen, where special characters that the console may show wrongly come out right; the "
    "output is otherwise identical.",
};

const char* const kContinuePrompts[] = {
    "\n   [CONTINUE? (Y/N)]\n   [KORVELIN-ABOUT-P1-CONT?]\n >>> ",
    "\n   [CONTINUE? (Y/N)]\n   [KORVELIN-ABOUT-P2-CONT?]\n >>> ",
    "\n   [CONTINUE? (Y/N)]\n   [KORVELIN-ABOUT-P3-CONT?]\n >>> ",
};

}  // namespace

void ShowAbout(Console& console) {
  PrintBanner(console);
  for (int page = 0; page < 3; ++page) {
    console.PrintLine(kPages[page]);
    console.Print(kContinuePrompts[page]);
    bool yes = false;
    if (!console.ReadYes(yes) || !yes) return;
  }
  console.PrintLine(kPages[3]);
}

}  // namespace korvelin
