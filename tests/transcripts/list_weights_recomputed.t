# Weighted stats are recomputed before every List prompt: after a new
# health weight LIST shows the new Wt Total values in the order the custom
# list had when it was sorted; only SORT puts them in the new order.
file gang4.txt <<END
{{gang4_file}}
END
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> «gang4.txt»
{{gang4_echo}}

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «set»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> «options»

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «wtotal»

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «done»

   [KORVELIN-LIST]
 >>> «sort»

   [SORT BY WHAT?]
   [KORVELIN-LIST-SORT-OPTION]
 >>> «wtotal»

   [ACCENDING OR DECENTING??]
   [KORVELIN-LIST-SORT-DIRECTION]
 >>> «decending»

   [KORVELIN-LIST]
 >>> «list»
| NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :  Wt Total :|
|***********************************************************************************************************************************|
|Bob                           :    102 :   20  :     4000  :     1000  :     2000  :     3000   :    1000   :    2.00 :    14589  :|
|Dan                           :    104 :   40  :     2000  :     3000  :     4000  :     1000   :    1000   :    2.00 :    14363  :|
|Cat                           :    103 :   30  :     3000  :     4000  :     1000  :     2000   :    1000   :    2.00 :    14088  :|
|Ann                           :    101 :   10  :     1000  :     2000  :     3000  :     4000   :    1000   :    2.00 :    11570  :|


   [KORVELIN-LIST]
 >>> «set»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> «weights»

   [CURRENT WEIGHTS:]
   SPEED: 2.120000
   POWER: 1.240000
   STRENGTH: 1.434000
   HEALTH: 0.667000
   [CHANGE WHICH WEIGHT?]
   [KORVELIN-LIST-SET-WEIGHTS]
 >>> «health»
{{value_prompt}}«10»

   [CURRENT WEIGHTS:]
   SPEED: 2.120000
   POWER: 1.240000
   STRENGTH: 1.434000
   HEALTH: 10.000000
   [CHANGE WHICH WEIGHT?]
   [KORVELIN-LIST-SET-WEIGHTS]
 >>> «done»

   [KORVELIN-LIST]
 >>> «list»
| NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :  Wt Total :|
|***********************************************************************************************************************************|
|Bob                           :    102 :   20  :     4000  :     1000  :     2000  :     3000   :    1000   :    2.00 :    42588  :|
|Dan                           :    104 :   40  :     2000  :     3000  :     4000  :     1000   :    1000   :    2.00 :    23696  :|
|Cat                           :    103 :   30  :     3000  :     4000  :     1000  :     2000   :    1000   :    2.00 :    32754  :|
|Ann                           :    101 :   10  :     1000  :     2000  :     3000  :     4000   :    1000   :    2.00 :    48902  :|


   [KORVELIN-LIST]
 >>> «sort»

   [SORT BY WHAT?]
   [KORVELIN-LIST-SORT-OPTION]
 >>> «wtotal»

   [ACCENDING OR DECENTING??]
   [KORVELIN-LIST-SORT-DIRECTION]
 >>> «decending»

   [KORVELIN-LIST]
 >>> «list»
| NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :  Wt Total :|
|***********************************************************************************************************************************|
|Ann                           :    101 :   10  :     1000  :     2000  :     3000  :     4000   :    1000   :    2.00 :    48902  :|
|Bob                           :    102 :   20  :     4000  :     1000  :     2000  :     3000   :    1000   :    2.00 :    42588  :|
|Cat                           :    103 :   30  :     3000  :     4000  :     1000  :     2000   :    1000   :    2.00 :    32754  :|
|Dan                           :    104 :   40  :     2000  :     3000  :     4000  :     1000   :    1000   :    2.00 :    23696  :|


   [KORVELIN-LIST]
 >>> «done»

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

