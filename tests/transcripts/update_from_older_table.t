# UPDATE from a table older than the latest snapshot (a missed week
# filled in): its snapshot joins the history, Cid's point too, and no
# member changes (SNAP and LIST show the latest stats).
file gang-2024-03-18.txt <<END
Ann (1) 10 100 200 300 400
Bob (2) 20 110 210 310 410
END
file gang-2024-03-11.txt <<END
Annie (1) 9 90 190 290 390
Cid (3) 5 50 60 70 80
END
expect-file history.csv <<END crlf
﻿Date,ID,Name,Level,Speed,Power,Strength,Health,Intel,Beg
2024-03-11,1,Annie,9,90,190,290,390,1000,2.00
2024-03-11,3,Cid,5,50,60,70,80,1000,2.00
2024-03-18,1,Ann,10,100,200,300,400,1000,2.00
2024-03-18,2,Bob,20,110,210,310,410,1000,2.00
END
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load gang-2024-03-18.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
Ann                            :      1 :  10 :   100 :   200 :   300 :    400 . . . . . . .   .done
Bob                            :      2 :  20 :   110 :   210 :   310 :    410 . . . . . . .   .done

   [KORVELIN-MAIN]
 >>> «update gang-2024-03-11.txt»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>>    [LOADING]
Annie                          :      1 :   9 :    90 :   190 :   290 :    390 . . . . . . .   .done
Cid                            :      3 :   5 :    50 :    60 :    70 :     80 . . . . . . .   .done
   [AN OLDER TABLE (2024-03-11): KEPT IN THE HISTORY ONLY]

   [KORVELIN-MAIN]
 >>> «snap»
UPDATING                           Ann : . . . . . .
UPDATING                           Bob : . . . . . .
   [ALL VALUES SUCESSFULLY UPDATED TO MATCH LATEST VALUES]


   [KORVELIN-MAIN]
 >>> «list list output history.csv history all back»

   [KORVELIN-LIST]
 >>> | NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :|
|***********************************************************************************************************************|
|Ann                           :      1 :   10  :      100  :      200  :      300  :      400   :    1000   :    2.00 :|
|Bob                           :      2 :   20  :      110  :      210  :      310  :      410   :    1000   :    2.00 :|


   [KORVELIN-LIST]
 >>>    [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> 
   [KORVELIN-LIST]
 >>> 
   [ID OF A MEMBER, 0 FOR THE WHOLE GANG, OR ALL]
   [KORVELIN-LIST-HISTORY]
 >>> 
   [DATA SAVED SUCESSFULLY]


   [KORVELIN-LIST]
 >>> 
   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

