# Tables pasted from web pages: every number stays on its row.  week1.txt:
# a title row; Ann's last cell "N/A" (Bob's row after it is still read);
# Bob's row ends after two stats; Ann again (a repeated ID: not echoed or
# taken); an ID-0 row (counted as a line without an ID); a no-break space
# in "Cinder Vale", a narrow one in "11 776", and "1.234.567"; a line of a
# byte A0, a space and U+3000 (blank); Dee's row cut short by the end.
# week2.txt, lone CR line ends: a title row, Ann without health, Bob
# ending after his level and twice, Eve (new) twice; Cinder and Dee are
# named as not in it.
args week1.txt
file week1.txt <<END noeol
Name	Level	Speed	Power	Strength	Health
Ann Vale (1) 10 100 200 300 N/A
Bob (2) 20 110 210
Ann Vale (1) 11 999 999 999 999
Nobody (0) 1 2 3 4 5
Cinder Vale (3) 30 11 776 1.234.567 7 8
� 　
Dee (4) 5 60
END
file week2.txt <<END cr
Name Level Speed Power Strength Health
Ann Vale (1) 12 150 250 350
Bob (2) 21
Bob (2) 22 1 2 3 4
Eve (5) 1 10 20 30 40
Eve (5) 2 11 21 31 41
END
---
{{banner}}
   [LOADING]
Ann Vale                       :      1 :  10 :   100 :   200 :   300   [MISSING STATS]
Bob                            :      2 :  20 :   110 :   210   [MISSING STATS]
Cinder Vale                    :      3 :  30 : 11776 : 1234567 :     7 :      8 . . . . . . .   .done
Dee                            :      4 :   5 :    60   [MISSING STATS]
   [SKIPPED 2 LINES WITHOUT AN ID]
   [SKIPPED 1 ROWS WITH A REPEATED ID]
   [3 ROWS WITH MISSING STATS]

   [KORVELIN-MAIN]
 >>> «update week2.txt»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>>    [LOADING]
Ann Vale                       :      1 :  12 :   150 :   250 :   350   [MISSING STATS]
Bob                            :      2 :  21
Eve                            :      5 :   1 :    10 :    20 :    30 :     40 . . . . . . .   .done
   [SKIPPED 1 LINES WITHOUT AN ID]
   [SKIPPED 2 ROWS WITH A REPEATED ID]
   [2 ROWS WITH MISSING STATS]
   [NOT IN THIS TABLE: 2 MEMBERS]
      Cinder Vale (3)
      Dee (4)

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

