# Numbers grouped by thousands with commas: a comma directly followed by
# exactly three digits (and then no digit) continues the number, in the ID,
# the level and the four stats.  "1,23" and "12,3456" are not groups: they
# stay two numbers each.  A 35-character name keeps its first 29 characters,
# the rest is dropped up to the "(" of its ID, and the ID and stats are read
# from their own places.
file grouped.txt <<END
Rustjaw Mcgee (439,563) 1,044 11,776 10,011 1,234,567 900
Odd Numbers (5) 12 1,23 12,3456 7 8
Bartholomew Fitzgerald-Worthingtons (77) 9 1 2 3 4
Short (78) 10 5,000 6,000 7,000 8,000
END
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load grouped.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
Rustjaw Mcgee                  : 439563 : 1044 : 11776 : 10011 : 1234567 :    900 . . . . . . .   .done
Odd Numbers                    :      5 :  12 :     1 :    23 :    12 :   3456 . . . . . . .   .done
Bartholomew Fitzgerald-Worthi  :     77 :   9 :     1 :     2 :     3 :      4 . . . . . . .   .done
Short                          :     78 :  10 :  5000 :  6000 :  7000 :   8000 . . . . . . .   .done

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»
   [FILE TO SAVE TO? '\' TO QUIT WITHOUT SAVING]
   [KORVELIN-QUIT-SAVE]
 >>> «\»


Have a Nice Day :D

