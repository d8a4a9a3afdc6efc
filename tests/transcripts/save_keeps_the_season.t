# A save file cut short, Bob's row two fields short (it takes none of Cat's),
# asks first: "n" loads nothing.  A save over a save file holding more
# dates or members asks (SAVE, QUIT): "n" keeps it.  An edit in place of
# the file last loaded, its size and time put back, is noticed.
file season.sav <<END
{{gang4_sav}}
{{season4_history}}
END
file cut.sav <<END
{{save_head}}
|Ann                           : 101 : 10 : 1000 : 2000 : 3000 : 4000 : 1000 : 2.000000 : 1000 : 2000 : 3000 : 4000 : 1000 : 2.000000 |
|Bob                           : 102 : 20 : 4000 : 1000 : 2000 : 3000 : 1000 : 2.000000 : 4000 : 1000 : 2000 : 3000 |
|Cat                           : 103 : 30 : 3000 : 4000 : 1000 : 2000 : 1000 : 2.000000 : 3000 : 4000 : 1000 : 2000 : 1000 : 2.000000 |
END
file gang-2024-03-25.txt <<END
{{gang4_file}}
END
expect-file season.sav <<END
{{gang4_sav}}
{{season4_history}}
END
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load cut.sav»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> |Ann                           :    101 :  10 :   1000 :   2000 :   3000 :   4000 : 1000  :   2.00 :   1000 :   2000 :   3000 :   4000 :  1000 :   2.00 |
|Cat                           :    103 :  30 :   3000 :   4000 :   1000 :   2000 : 1000  :   2.00 :   3000 :   4000 :   1000 :   2000 :  1000 :   2.00 |
   [THAT SAVE FILE IS DAMAGED: 2 MEMBERS READ, 1 LINES DAMAGED.  LOAD WHAT WAS READ? 'Y' TO CONFIRM]
 >>> «n»
   [LOAD ABORTED]

   [KORVELIN-MAIN]
 >>> «load season.sav»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> {{gang4_load_echo}}

   [KORVELIN-MAIN]
 >>> «!cp -p season.sav kept; printf X | dd of=season.sav bs=1 seek=300 conv=notrunc 2>/dev/null; touch -r kept season.sav»
«save season.sav»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>>    [THAT FILE CHANGED SINCE IT WAS LOADED OR SAVED.  SAVE OVER IT? 'Y' TO CONFIRM]
 >>> «y»
{{gang4_save_echo}}

   [KORVELIN-MAIN]
 >>> «load gang-2024-03-25.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> {{gang4_echo}}

   [KORVELIN-MAIN]
 >>> «save season.sav»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>>    [THAT FILE HOLDS 4 DATES AND 4 MEMBERS, THIS SAVE 1 DATES AND 4 MEMBERS.  SAVE OVER IT? 'Y' TO CONFIRM]
 >>> «n»
   [NOT SAVED]

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»
   [FILE TO SAVE TO? '\' TO QUIT WITHOUT SAVING]
   [KORVELIN-QUIT-SAVE]
 >>> «season.sav»
   [THAT FILE HOLDS 4 DATES AND 4 MEMBERS, THIS SAVE 1 DATES AND 4 MEMBERS.  SAVE OVER IT? 'Y' TO CONFIRM]
 >>> «n»
   [NOT SAVED]

{{quit_without_saving}}

