# A stat table copied from the browser: tab-separated, with a title row, a
# blank line, a line of spaces and a tab, and a stray line at the end.  Tabs
# separate the fields like spaces (the tab inside "Big<TAB>Tom" is a space of
# the name); the title row and the stray line hold no "(" and digit, so they
# are skipped and counted, the blank lines are skipped without a count.  The
# same for UPDATE from such a table, whose title row alone is counted.
file browser.txt <<END
Name	Level	Speed	Power	Strength	Health

  	  
Rustjaw Mcgee (439563)	44	11776	10011	9871	12000
Ann Vale (1002)	12	900	800	700	600
Big	Tom (1003)		30	3000	2500	2000	1500
Cid (1004)	7	70	80	90	100
Dee Dee (1005)	99	123456	654321	111111	222222
Showing 5 of 5 members
END
file week2.txt <<END
Name	Level	Speed	Power	Strength	Health
Rustjaw Mcgee (439563)	45	12000	10100	9900	12100
Eve (1006)	1	10	20	30	40
END
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load browser.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
Rustjaw Mcgee                  : 439563 :  44 : 11776 : 10011 :  9871 :  12000 . . . . . . .   .done
Ann Vale                       :   1002 :  12 :   900 :   800 :   700 :    600 . . . . . . .   .done
Big Tom                        :   1003 :  30 :  3000 :  2500 :  2000 :   1500 . . . . . . .   .done
Cid                            :   1004 :   7 :    70 :    80 :    90 :    100 . . . . . . .   .done
Dee Dee                        :   1005 :  99 : 123456 : 654321 : 111111 : 222222 . . . . . . .   .done
   [SKIPPED 2 LINES WITHOUT AN ID]

   [KORVELIN-MAIN]
 >>> «update week2.txt»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>>    [LOADING]
Rustjaw Mcgee                  : 439563 :  45 : 12000 : 10100 :  9900 :  12100 . . . . . . .   .done
Eve                            :   1006 :   1 :    10 :    20 :    30 :     40 . . . . . . .   .done
   [SKIPPED 1 LINES WITHOUT AN ID]

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»
   [FILE TO SAVE TO? '\' TO QUIT WITHOUT SAVING]
   [KORVELIN-QUIT-SAVE]
 >>> «\»


Have a Nice Day :D

