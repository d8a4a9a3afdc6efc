# File names at the file prompts.  A save file named on the command line is
# loaded after the banner as LOAD loads it, and OUTPUT, given its name in
# quotes, leaves it alone rather than empty it.  A 40-character name is read
# whole; a quoted name with a space (the quotes are not part of it) is saved
# and loaded back; an open quote is refused by OUTPUT, SAVE and LOAD with
# their own failure messages; QUIT saves to a 34-character name.
args gang.sav
file gang.sav <<END
{{gang4_sav}}
END
file gang-roster-week-12-final-2024-table.txt <<END
{{gang4_file}}
END
mtime gang-roster-week-12-final-2024-table.txt 2024-03-18
expect-file gang.sav <<END
{{gang4_sav}}
END
expect-file gang-roster-week-12-final-2024.sav <<END
{{gang4_sav}}
{{gang4_history}}
END
---
{{banner}}
{{gang4_load_echo}}

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «output "gang.sav"»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>>    [THAT IS A SAVE FILE.  OUTPUT SET TO SCREEN]

   [KORVELIN-LIST]
 >>> «wc»
{{gang4_wc}}


   [KORVELIN-LIST]
 >>> «output "list.txt»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>>    [ERROR OPENING FILE.  OUTPUT SET TO SCREEN]

   [KORVELIN-LIST]
 >>> «done»

   [KORVELIN-MAIN]
 >>> «load gang-roster-week-12-final-2024-table.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> {{gang4_echo}}

   [KORVELIN-MAIN]
 >>> «save "gang roster.sav"»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>> {{gang4_save_echo}}

   [KORVELIN-MAIN]
 >>> «load»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> «"gang roster.sav"»
{{gang4_load_echo}}

   [KORVELIN-MAIN]
 >>> «save "never closed.sav»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>>    [ERROR SAVING FILE.  SAVE ABORTED]

   [KORVELIN-MAIN]
 >>> «load "gang roster.sav»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [ERROR OPENING FILE.  LOAD ABORTED]

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»
   [FILE TO SAVE TO? '\' TO QUIT WITHOUT SAVING]
   [KORVELIN-QUIT-SAVE]
 >>> «gang-roster-week-12-final-2024.sav»
{{gang4_save_echo}}


Have a Nice Day :D

