# A stat table copied from the browser, named on the command line: it is
# loaded after the banner as LOAD loads it.  It is tab-separated, with a
# title row, a blank line, a line of spaces and a tab, and a stray line at
# the end.  Each cell after the ID's is one value (the tab inside
# "Big<TAB>Tom" is a space of the name, the empty cell after it a missing
# level); the title row and the stray line hold no "(" directly followed
# by a digit, so they are skipped and counted, the blank lines are
# skipped without a count.  UPDATE from a table whose
# title row alone is counted, with numbers grouped by thousands (the last
# row tab-separated): a comma directly followed by exactly three digits
# (and then no digit) continues the number, in the ID, the level and the
# four stats, while "1,23" and "12,3456" stay two numbers each (counted).  A
# 35-character name keeps its first 29 characters, the rest is dropped up
# to the "(" of its ID, and the ID and stats are read from their own places.
args browser.txt
file browser.txt <<END
Name	Level	Speed	Power	Strength	Health

  	  
Rustjaw Mcgee (439563)	44	11776	10011	9871	12000
Ann Vale (1002)	12	900	800	700	600
Big	Tom (1003)		30	3000	2500	2000	1500
Cid (1004)	7	70	80	90	100
Dee Dee (1005)	99	123456	654321	111111	222222
Showing 5 of 5 members (all)
END
file week2.txt <<END
Name	Level	Speed	Power	Strength	Health
Rustjaw Mcgee (439,563) 1,044 11,776 10,011 1,234,567 900
Odd Numbers (5) 12 1,23 12,3456 7 8
Bartholomew Fitzgerald-Worthingtons (77) 9 1 2 3 4
Short (78)	10	5,000	6,000	7,000	8,000
END
---
{{banner}}
   [LOADING]
Rustjaw Mcgee                  : 439563 :  44 : 11776 : 10011 :  9871 :  12000 . . . . . . .   .done
Ann Vale                       :   1002 :  12 :   900 :   800 :   700 :    600 . . . . . . .   .done
Big Tom                        :   1003 :     :    30 :  3000 :  2500 :   2000   [MISSING STATS]
Cid                            :   1004 :   7 :    70 :    80 :    90 :    100 . . . . . . .   .done
Dee Dee                        :   1005 :  99 : 123456 : 654321 : 111111 : 222222 . . . . . . .   .done
   [SKIPPED 2 LINES WITHOUT AN ID]
   [1 ROWS WITH MISSING STATS]

   [KORVELIN-MAIN]
 >>> «update week2.txt»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>>    [LOADING]
Rustjaw Mcgee                  : 439563 : 1044 : 11776 : 10011 : 1234567 :    900 . . . . . . .   .done
Odd Numbers                    :      5 :  12 :     1 :    23 :    12 :   3456 . . . . . . .   .done
Bartholomew Fitzgerald-Worthi  :     77 :   9 :     1 :     2 :     3 :      4 . . . . . . .   .done
Short                          :     78 :  10 :  5000 :  6000 :  7000 :   8000 . . . . . . .   .done
   [SKIPPED 1 LINES WITHOUT AN ID]
   [1 ROWS WITH MORE NUMBERS THAN STATS]
   [NOT IN THIS TABLE: 4 MEMBERS]
      Ann Vale (1002)
      Big Tom (1003)
      Cid (1004)
      Dee Dee (1005)

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

