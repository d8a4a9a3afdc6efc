# cells.txt: tabbed rows, each cell after the ID's one value, one without
# a digit ("N/A", an em dash, "-", empty) missing, "4 784" one number; a
# title row naming no ID column; an ID inside a name.  week2.txt: UPDATE
# from tabbed rows keeps the members' values of missing cells (SNAP, LIST).
file cells.txt <<END
Name	Level	Speed	Power	Strength	Health
Bolt Thrower (514002)	22	N/A	6429	6154	8119
Marla Ricket (3)	—	40	4 784	1,200	90
Ivy Vale (4)	7	8	9	-	
Agent (007) Bond (445566) 30 5000 5000 5000 5000
END
file week2.txt <<END
Bolt Thrower (514002)	23	N/A	6500	?	8200
Marla Ricket (3)		41	—	1250	
END
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load cells.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
Bolt Thrower                   : 514002 :  22 :       :  6429 :  6154 :   8119   [MISSING STATS]
Marla Ricket                   :      3 :     :    40 :  4784 :  1200 :     90   [MISSING STATS]
Ivy Vale                       :      4 :   7 :     8 :     9   [MISSING STATS]
Agent (007) Bond               : 445566 :  30 :  5000 :  5000 :  5000 :   5000 . . . . . . .   .done
   [SKIPPED 1 LINES WITHOUT AN ID]
   [3 ROWS WITH MISSING STATS]

   [KORVELIN-MAIN]
 >>> «update week2.txt»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>>    [LOADING]
Bolt Thrower                   : 514002 :  23 :       :  6500 :       :   8200   [MISSING STATS]
Marla Ricket                   :      3 :     :    41 :       :  1250   [MISSING STATS]
   [2 ROWS WITH MISSING STATS]
   [NOT IN THIS TABLE: 2 MEMBERS]
      Ivy Vale (4)
      Agent (007) Bond (445566)

   [KORVELIN-MAIN]
 >>> «snap»
UPDATING                  Bolt Thrower : . . . . . .
UPDATING                  Marla Ricket : . . . . . .
UPDATING                      Ivy Vale : . . . . . .
UPDATING              Agent (007) Bond : . . . . . .
   [ALL VALUES SUCESSFULLY UPDATED TO MATCH LATEST VALUES]


   [KORVELIN-MAIN]
 >>> «list list back»

   [KORVELIN-LIST]
 >>> | NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :|
|***********************************************************************************************************************|
|Marla Ricket                  :      3 :       :       41  :     4784  :     1250  :       90   :    1000   :    2.00 :|
|Ivy Vale                      :      4 :    7  :        8  :        9  :           :            :    1000   :    2.00 :|
|Agent (007) Bond              : 445566 :   30  :     5000  :     5000  :     5000  :     5000   :    1000   :    2.00 :|
|Bolt Thrower                  : 514002 :   23  :           :     6500  :     6154  :     8200   :    1000   :    2.00 :|


   [KORVELIN-LIST]
 >>> 
   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

