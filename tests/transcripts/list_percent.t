# PERCENT after an UPDATE: ranked by total gain (Bob 300, Dan 200, Ann 100,
# Cat 0) with the gains and percentage gains (Total % over old total, old
# intelligence and old begging skill: 300 / 8002 is 3.75 %), and following
# the entries setting.
file gang4.txt <<END
{{gang4_file}}
END
file week2.txt <<END
Ann(101) 10 1100 2000 3000 4000
Bob(102) 20 4000 1300 2000 3000
Cat(103) 30 3000 4000 1000 2000
Dan(104) 40 2000 3000 4200 1000
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
 >>> «update»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>> «week2.txt»
   [LOADING]
Ann                            :    101 :  10 :  1100 :  2000 :  3000 :   4000 . . . . . . .   .done
Bob                            :    102 :  20 :  4000 :  1300 :  2000 :   3000 . . . . . . .   .done
Cat                            :    103 :  30 :  3000 :  4000 :  1000 :   2000 . . . . . . .   .done
Dan                            :    104 :  40 :  2000 :  3000 :  4200 :   1000 . . . . . . .   .done

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «percent»
| NAME:                        :  ID #  : Total Gain : Speed Gain : Power Gain : Stren Gain : Intel Gain : Beg Gain : Total % : Speed % : Power % : Stren % : Intel % :  Beg %  :|
|********************************************************************************************************************************************************************************|
|Bob                           :    102 :      300   :        0   :      300   :        0   :        0   :    0.00  :    3.75  :    0.00 :   30.00 :    0.00 :    0.00 :    0.00 :|
|Dan                           :    104 :      200   :        0   :        0   :      200   :        0   :    0.00  :    2.00  :    0.00 :    0.00 :    5.00 :    0.00 :    0.00 :|
|Ann                           :    101 :      100   :      100   :        0   :        0   :        0   :    0.00  :    1.43  :   10.00 :    0.00 :    0.00 :    0.00 :    0.00 :|
|Cat                           :    103 :        0   :        0   :        0   :        0   :        0   :    0.00  :    0.00  :    0.00 :    0.00 :    0.00 :    0.00 :    0.00 :|


   [KORVELIN-LIST]
 >>> «set»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> «entries»

   [CURRENT NUMBER OF ENTRIES TO SHOW = 4]
   [INPUT NEW NUMBER OF ENTRIES TO SHOW? ( 0 = MAX )]
   [KORVELIN-LIST-SET-ENTRIES]
 >>> «2»

   [KORVELIN-LIST]
 >>> «percent»
| NAME:                        :  ID #  : Total Gain : Speed Gain : Power Gain : Stren Gain : Intel Gain : Beg Gain : Total % : Speed % : Power % : Stren % : Intel % :  Beg %  :|
|********************************************************************************************************************************************************************************|
|Bob                           :    102 :      300   :        0   :      300   :        0   :        0   :    0.00  :    3.75  :    0.00 :   30.00 :    0.00 :    0.00 :    0.00 :|
|Dan                           :    104 :      200   :        0   :        0   :      200   :        0   :    0.00  :    2.00  :    0.00 :    0.00 :    5.00 :    0.00 :    0.00 :|


   [KORVELIN-LIST]
 >>> «done»

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

