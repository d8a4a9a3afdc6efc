# File names at the file prompts: a 40-character name read whole, a quoted
# name with a space (the quotes are not part of it) saved and loaded back,
# an open quote refused by SAVE, LOAD and OUTPUT with their own failure
# messages, OUTPUT leaving alone the save file it would have emptied, and
# QUIT saving to a 34-character name.
file gang-roster-week-12-final-2024-table.txt <<END
{{gang4_file}}
END
file gang.sav <<END
{{gang4_sav}}
END
expect-file gang.sav <<END
{{gang4_sav}}
END
expect-file list.txt <<END
{{gang4_wc}}
END
expect-file gang-roster-week-12-final-2024.sav <<END
{{gang4_sav}}
END
---
{{banner}}

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
 >>> «list»

   [KORVELIN-LIST]
 >>> «output gang.sav»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>>    [THAT IS A SAVE FILE.  OUTPUT SET TO SCREEN]

   [KORVELIN-LIST]
 >>> «wc»
{{gang4_wc}}


   [KORVELIN-LIST]
 >>> «output "list.txt"»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> 
   [KORVELIN-LIST]
 >>> «wc»

   [DATA SAVED SUCESSFULLY]


   [KORVELIN-LIST]
 >>> «output "list.txt»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>>    [ERROR OPENING FILE.  OUTPUT SET TO SCREEN]

   [KORVELIN-LIST]
 >>> «done»

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

