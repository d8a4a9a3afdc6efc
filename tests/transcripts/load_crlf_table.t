# A stat table saved with CR LF line ends loads exactly like one with LF.
file windows.txt <<END crlf
Some Member (123456) 45 1200 1100 1000 900
Bob(12) 3 4 5 6 7

Mr (X) Man (77) 5 1 2 3 4
   Leading Spaces (8) 9 10 11 12 13 extra columns (99) 100
END
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load windows.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
Some Member                    : 123456 :  45 :  1200 :  1100 :  1000 :    900 . . . . . . .   .done
Bob                            :     12 :   3 :     4 :     5 :     6 :      7 . . . . . . .   .done
Mr (X) Man                     :     77 :   5 :     1 :     2 :     3 :      4 . . . . . . .   .done
Leading Spaces                 :      8 :   9 :    10 :    11 :    12 :     13 . . . . . . .   .done
   [1 ROWS WITH MORE NUMBERS THAN STATS]

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «n»
   [QUIT ABORTED]


   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»
   [FILE TO SAVE TO? '\' TO QUIT WITHOUT SAVING]
   [KORVELIN-QUIT-SAVE]
 >>> «\back»


Have a Nice Day :D

