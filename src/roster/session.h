// Session: everything a run of the program works on, created once by main
// and handed to every command that reads or changes it.  Nothing of it lives
// anywhere else.
//
// Who changes what:
//   roster    LOAD and UPDATE (files/), ADD, DELETE, SNAP and EDIT (maintenance/)
//   list      LOAD (both kinds of file); the List protocol's SORT and SET WEIGHTS (list/)
//   columns   LOAD (both kinds of file); the List protocol's SET OPTIONS (list/)
//   history   LOAD (both kinds of file) and UPDATE (files/)
// SAVE writes all four; the List protocol's tables and FIND only read them.
#pragma once

#include "roster/columns.h"
#include "roster/history.h"
#include "roster/roster.h"
#include "roster/settings.h"

struct Session {
  Roster roster;      // the members, in roster order
  ListSettings list;  // the custom list's sort and the weights
  ColumnSet columns;  // the custom list's columns; none at start-up
  History history;    // every stat table read, dated; none at start-up
};

static_assert(OptionNumber("healthp") == ListSettings{}.sort_option,
              "a new session sorts by healthp, as the program always has");
