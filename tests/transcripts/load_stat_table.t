# LOAD of a stat table: each row's echo, names up to the "(" before
# the ID without the blanks at their ends, blank lines skipped, extra
# columns ignored but counted when they hold numbers.  QUIT then offers to
# save and a backslash quits without saving.
file table.txt <<END
Some Member (123456) 45 1200 1100 1000 900
Bob(12) 3 4 5 6 7

Mr (X) Man (77) 5 1 2 3 4
   Leading Spaces (8) 9 10 11 12 13 extra columns (99) 100
END
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load table.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
Some Member                    : 123456 :  45 :  1200 :  1100 :  1000 :    900 . . . . . . .   .done
Bob                            :     12 :   3 :     4 :     5 :     6 :      7 . . . . . . .   .done
Mr (X) Man                     :     77 :   5 :     1 :     2 :     3 :      4 . . . . . . .   .done
Leading Spaces                 :      8 :   9 :    10 :    11 :    12 :     13 . . . . . . .   .done
   [1 ROWS WITH MORE NUMBERS THAN STATS]

{{quit_without_saving}}

