# A season: four weekly tables dated by their names (2026-11-03, -10, -16
# and -24: 7, 6 and 8 days apart), worked out by hand.  Dee joins in week
# 2; Cid leaves in week 3 and is then deleted, his points staying; Bob is
# Robert from week 3; week 3's table has Ann's speed wrong (1510), and a
# second table of the same date holding Ann alone corrects her point only;
# Eve joins in the last week (a single point: after the others, no Per
# Week).  TREND TOTAL and POWER (the latter limited to 3 rows by the
# entries setting), HISTORY of a member, of a deleted one, of 0, of an ID
# without points, and ALL into a CSV file; the save ends with the history,
# by date, then ID.
file gang-2026-11-03.txt <<END
Ann (1) 10 1000 1000 1000 500
Bob (2) 20 2000 2000 2000 900
Cid (3) 5 300 300 300 200
END
file gang-2026-11-10.txt <<END
Ann (1) 11 1100 1050 1050 520
Bob (2) 20 2000 2000 2000 900
Cid (3) 5 330 310 300 210
Dee (4) 3 200 200 200 100
END
file gang-2026-11-16.txt <<END
Ann (1) 11 1510 1100 1050 540
Robert (2) 20 2120 2000 2000 950
Dee (4) 4 270 240 250 120
END
file gang-2026-11-16-fixed.txt <<END
Ann (1) 11 1150 1100 1050 540
END
file gang-2026-11-24.txt <<END
Ann (1) 12 1250 1160 1100 560
Robert (2) 21 2120 2080 2000 950
Dee (4) 5 300 300 300 150
Eve (5) 1 100 100 100 50
END
expect-file season.csv <<END crlf
﻿Date,ID,Name,Level,Speed,Power,Strength,Health,Intel,Beg
2026-11-03,1,Ann,10,1000,1000,1000,500,1000,2.00
2026-11-03,2,Bob,20,2000,2000,2000,900,1000,2.00
2026-11-03,3,Cid,5,300,300,300,200,1000,2.00
2026-11-10,1,Ann,11,1100,1050,1050,520,1000,2.00
2026-11-10,2,Bob,20,2000,2000,2000,900,1000,2.00
2026-11-10,3,Cid,5,330,310,300,210,1000,2.00
2026-11-10,4,Dee,3,200,200,200,100,1000,2.00
2026-11-16,1,Ann,11,1150,1100,1050,540,1000,2.00
2026-11-16,2,Robert,20,2120,2000,2000,950,1000,2.00
2026-11-16,4,Dee,4,270,240,250,120,1000,2.00
2026-11-24,1,Ann,12,1250,1160,1100,560,1000,2.00
2026-11-24,2,Robert,21,2120,2080,2000,950,1000,2.00
2026-11-24,4,Dee,5,300,300,300,150,1000,2.00
2026-11-24,5,Eve,1,100,100,100,50,1000,2.00
END
expect-file season.sav <<END
{{save_head}}
|Eve                           : 5 : 1 : 100 : 100 : 100 : 50 : 1000 : 2.000000 : 100 : 100 : 100 : 50 : 1000 : 2.000000 |
|Dee                           : 4 : 5 : 200 : 200 : 200 : 100 : 1000 : 2.000000 : 300 : 300 : 300 : 150 : 1000 : 2.000000 |
|Ann                           : 1 : 12 : 1000 : 1000 : 1000 : 500 : 1000 : 2.000000 : 1250 : 1160 : 1100 : 560 : 1000 : 2.000000 |
|Robert                        : 2 : 21 : 2000 : 2000 : 2000 : 900 : 1000 : 2.000000 : 2120 : 2080 : 2000 : 950 : 1000 : 2.000000 |
}
  1  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    0  :    0  :    0  :    0  :    0  :    0  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :  
: 0.667000 : 2.120000 : 1.240000 : 1.434000 : 17 : 1 
}
HISTORY 1
2026-11-03 1 10 1000 1000 1000 500 1000 2.000000 "Ann"
2026-11-03 2 20 2000 2000 2000 900 1000 2.000000 "Bob"
2026-11-03 3 5 300 300 300 200 1000 2.000000 "Cid"
2026-11-10 1 11 1100 1050 1050 520 1000 2.000000 "Ann"
2026-11-10 2 20 2000 2000 2000 900 1000 2.000000 "Bob"
2026-11-10 3 5 330 310 300 210 1000 2.000000 "Cid"
2026-11-10 4 3 200 200 200 100 1000 2.000000 "Dee"
2026-11-16 1 11 1150 1100 1050 540 1000 2.000000 "Ann"
2026-11-16 2 20 2120 2000 2000 950 1000 2.000000 "Robert"
2026-11-16 4 4 270 240 250 120 1000 2.000000 "Dee"
2026-11-24 1 12 1250 1160 1100 560 1000 2.000000 "Ann"
2026-11-24 2 21 2120 2080 2000 950 1000 2.000000 "Robert"
2026-11-24 4 5 300 300 300 150 1000 2.000000 "Dee"
2026-11-24 5 1 100 100 100 50 1000 2.000000 "Eve"
END
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load gang-2026-11-03.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
Ann                            :      1 :  10 :  1000 :  1000 :  1000 :    500 . . . . . . .   .done
Bob                            :      2 :  20 :  2000 :  2000 :  2000 :    900 . . . . . . .   .done
Cid                            :      3 :   5 :   300 :   300 :   300 :    200 . . . . . . .   .done

   [KORVELIN-MAIN]
 >>> «update gang-2026-11-10.txt»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>>    [LOADING]
Ann                            :      1 :  11 :  1100 :  1050 :  1050 :    520 . . . . . . .   .done
Bob                            :      2 :  20 :  2000 :  2000 :  2000 :    900 . . . . . . .   .done
Cid                            :      3 :   5 :   330 :   310 :   300 :    210 . . . . . . .   .done
Dee                            :      4 :   3 :   200 :   200 :   200 :    100 . . . . . . .   .done

   [KORVELIN-MAIN]
 >>> «update gang-2026-11-16.txt»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>>    [LOADING]
Ann                            :      1 :  11 :  1510 :  1100 :  1050 :    540 . . . . . . .   .done
Robert                         :      2 :  20 :  2120 :  2000 :  2000 :    950 . . . . . . .   .done
Dee                            :      4 :   4 :   270 :   240 :   250 :    120 . . . . . . .   .done
   [NOT IN THIS TABLE: 1 MEMBERS]
      Cid (3)

   [KORVELIN-MAIN]
 >>> «update gang-2026-11-16-fixed.txt»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>>    [LOADING]
Ann                            :      1 :  11 :  1150 :  1100 :  1050 :    540 . . . . . . .   .done
   [NOT IN THIS TABLE: 3 MEMBERS]
      Dee (4)
      Robert (2)
      Cid (3)

   [KORVELIN-MAIN]
 >>> «delete»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«3»
ENTRY: Cid                          
   [CONFIRM DELETE?(Y/N)]
   [KORVELIN-DELETE-CONFIRM]
 >>> «y»

   [KORVELIN-MAIN]
 >>> «update gang-2026-11-24.txt»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>>    [LOADING]
Ann                            :      1 :  12 :  1250 :  1160 :  1100 :    560 . . . . . . .   .done
Robert                         :      2 :  21 :  2120 :  2080 :  2000 :    950 . . . . . . .   .done
Dee                            :      4 :   5 :   300 :   300 :   300 :    150 . . . . . . .   .done
Eve                            :      5 :   1 :   100 :   100 :   100 :     50 . . . . . . .   .done

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «trend»

   [TREND OF WHAT? TOTAL, SPEED, POWER, STRENGTH, HEALTH OR WTOTAL]
   [KORVELIN-LIST-TREND]
 >>> «totals»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [TREND OF WHAT? TOTAL, SPEED, POWER, STRENGTH, HEALTH OR WTOTAL]
   [KORVELIN-LIST-TREND]
 >>> «Total»
| NAME:                        :   ID # :    11-03 :    11-10 :    11-16 :    11-24 :     Gain : Per Week : Trend :|
|******************************************************************************************************************|
|Ann                           :      1 :     3000 :     3200 :     3300 :     3510 :      510 :    170.0 : ▁▄▅█  :|
|Dee                           :      4 :          :      600 :      760 :      900 :      300 :    150.0 :  ▁▅█  :|
|Robert                        :      2 :     6000 :     6000 :     6120 :     6200 :      200 :     66.7 : ▁▁▅█  :|
|Eve                           :      5 :          :          :          :      300 :        0 :          :    ▁  :|


   [KORVELIN-LIST]
 >>> «set entries 3»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> 
   [CURRENT NUMBER OF ENTRIES TO SHOW = 4]
   [INPUT NEW NUMBER OF ENTRIES TO SHOW? ( 0 = MAX )]
   [KORVELIN-LIST-SET-ENTRIES]
 >>> 
   [KORVELIN-LIST]
 >>> «trend power»

   [TREND OF WHAT? TOTAL, SPEED, POWER, STRENGTH, HEALTH OR WTOTAL]
   [KORVELIN-LIST-TREND]
 >>> | NAME:                        :   ID # :    11-03 :    11-10 :    11-16 :    11-24 :     Gain : Per Week : Trend :|
|******************************************************************************************************************|
|Ann                           :      1 :     1000 :     1050 :     1100 :     1160 :      160 :     53.3 : ▁▃▅█  :|
|Dee                           :      4 :          :      200 :      240 :      300 :      100 :     50.0 :  ▁▄█  :|
|Robert                        :      2 :     2000 :     2000 :     2000 :     2080 :       80 :     26.7 : ▁▁▁█  :|


   [KORVELIN-LIST]
 >>> «history»

   [ID OF A MEMBER, 0 FOR THE WHOLE GANG, OR ALL]
   [KORVELIN-LIST-HISTORY]
 >>> «\»

   [KORVELIN-LIST]
 >>> «history 2»

   [ID OF A MEMBER, 0 FOR THE WHOLE GANG, OR ALL]
   [KORVELIN-LIST-HISTORY]
 >>> | Date       : NAME:                         : Level :    Speed :    Power : Strength :   Health :  Intel :    Beg :     Total :   Change : Per Week :|
|*****************************************************************************************************************************************************|
| 2026-11-03 : Bob                           :    20 :     2000 :     2000 :     2000 :      900 :   1000 :   2.00 :      6000 :          :          :|
| 2026-11-10 : Bob                           :    20 :     2000 :     2000 :     2000 :      900 :   1000 :   2.00 :      6000 :        0 :      0.0 :|
| 2026-11-16 : Robert                        :    20 :     2120 :     2000 :     2000 :      950 :   1000 :   2.00 :      6120 :      120 :    140.0 :|
| 2026-11-24 : Robert                        :    21 :     2120 :     2080 :     2000 :      950 :   1000 :   2.00 :      6200 :       80 :     70.0 :|


   [KORVELIN-LIST]
 >>> «history 3»

   [ID OF A MEMBER, 0 FOR THE WHOLE GANG, OR ALL]
   [KORVELIN-LIST-HISTORY]
 >>> | Date       : NAME:                         : Level :    Speed :    Power : Strength :   Health :  Intel :    Beg :     Total :   Change : Per Week :|
|*****************************************************************************************************************************************************|
| 2026-11-03 : Cid                           :     5 :      300 :      300 :      300 :      200 :   1000 :   2.00 :       900 :          :          :|
| 2026-11-10 : Cid                           :     5 :      330 :      310 :      300 :      210 :   1000 :   2.00 :       940 :       40 :     40.0 :|


   [KORVELIN-LIST]
 >>> «history 0»

   [ID OF A MEMBER, 0 FOR THE WHOLE GANG, OR ALL]
   [KORVELIN-LIST-HISTORY]
 >>> | Date       : Members :      Speed :      Power :   Strength :     Health :       Total :     Change :|
|******************************************************************************************************|
| 2026-11-03 :       3 :       3300 :       3300 :       3300 :       1600 :        9900 :            :|
| 2026-11-10 :       4 :       3630 :       3560 :       3550 :       1730 :       10740 :        840 :|
| 2026-11-16 :       3 :       3540 :       3340 :       3300 :       1610 :       10180 :       -560 :|
| 2026-11-24 :       4 :       3770 :       3640 :       3500 :       1710 :       10910 :        730 :|


   [KORVELIN-LIST]
 >>> «history 9»

   [ID OF A MEMBER, 0 FOR THE WHOLE GANG, OR ALL]
   [KORVELIN-LIST-HISTORY]
 >>>    [NO HISTORY FOR THAT ID]

   [KORVELIN-LIST]
 >>> «output season.csv»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> 
   [KORVELIN-LIST]
 >>> «history all»

   [ID OF A MEMBER, 0 FOR THE WHOLE GANG, OR ALL]
   [KORVELIN-LIST-HISTORY]
 >>> 
   [DATA SAVED SUCESSFULLY]


   [KORVELIN-LIST]
 >>> «done»

   [KORVELIN-MAIN]
 >>> «save season.sav»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>> |Eve                           :      5 :    1  :      100   :      100   :      100  :    1000    :    2.00  :      100   :      100   :      100   :    1000    :    2.00  |
|Dee                           :      4 :    5  :      200   :      200   :      200  :    1000    :    2.00  :      300   :      300   :      300   :    1000    :    2.00  |
|Ann                           :      1 :   12  :     1000   :     1000   :     1000  :    1000    :    2.00  :     1250   :     1160   :     1100   :    1000    :    2.00  |
|Robert                        :      2 :   21  :     2000   :     2000   :     2000  :    1000    :    2.00  :     2120   :     2080   :     2000   :    1000    :    2.00  |
}

{{quit_without_saving}}

