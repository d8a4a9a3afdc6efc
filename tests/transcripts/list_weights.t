# SET WEIGHTS: the weights with six decimals, the help, words in any case
# ('Speed' and 'POWER' taken, 'spd' and 'hp' refused), the bounds (15 and
# 0 taken, 15.01 and -1 refused; health 10 taken, 10.5 and 12 refused),
# 'stren' and 'strength' setting one weight, a word that is not a number
# asked again, and WC at once ranked by the Wt Total of the new weights (0,
# 2, 3.5, 10).
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
 >>> «weights»

   [CURRENT WEIGHTS:]
   SPEED: 2.120000
   POWER: 1.240000
   STRENGTH: 1.434000
   HEALTH: 0.667000
   [CHANGE WHICH WEIGHT?]
   [KORVELIN-LIST-SET-WEIGHTS]
 >>> «help»
{{weights_help}}

   [CURRENT WEIGHTS:]
   SPEED: 2.120000
   POWER: 1.240000
   STRENGTH: 1.434000
   HEALTH: 0.667000
   [CHANGE WHICH WEIGHT?]
   [KORVELIN-LIST-SET-WEIGHTS]
 >>> «spd»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [CURRENT WEIGHTS:]
   SPEED: 2.120000
   POWER: 1.240000
   STRENGTH: 1.434000
   HEALTH: 0.667000
   [CHANGE WHICH WEIGHT?]
   [KORVELIN-LIST-SET-WEIGHTS]
 >>> «hp»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [CURRENT WEIGHTS:]
   SPEED: 2.120000
   POWER: 1.240000
   STRENGTH: 1.434000
   HEALTH: 0.667000
   [CHANGE WHICH WEIGHT?]
   [KORVELIN-LIST-SET-WEIGHTS]
 >>> «Speed»
{{value_prompt}}«15»

   [CURRENT WEIGHTS:]
   SPEED: 15.000000
   POWER: 1.240000
   STRENGTH: 1.434000
   HEALTH: 0.667000
   [CHANGE WHICH WEIGHT?]
   [KORVELIN-LIST-SET-WEIGHTS]
 >>> «speed»
{{value_prompt}}«15.01»
   [ERROR, VALUE OUTSIDE ALLOWED RANGE( 0-15 )]

   [CURRENT WEIGHTS:]
   SPEED: 15.000000
   POWER: 1.240000
   STRENGTH: 1.434000
   HEALTH: 0.667000
   [CHANGE WHICH WEIGHT?]
   [KORVELIN-LIST-SET-WEIGHTS]
 >>> «speed»
{{value_prompt}}«0»

   [CURRENT WEIGHTS:]
   SPEED: 0.000000
   POWER: 1.240000
   STRENGTH: 1.434000
   HEALTH: 0.667000
   [CHANGE WHICH WEIGHT?]
   [KORVELIN-LIST-SET-WEIGHTS]
 >>> «speed»
{{value_prompt}}«-0»

   [CURRENT WEIGHTS:]
   SPEED: 0.000000
   POWER: 1.240000
   STRENGTH: 1.434000
   HEALTH: 0.667000
   [CHANGE WHICH WEIGHT?]
   [KORVELIN-LIST-SET-WEIGHTS]
 >>> «health»
{{value_prompt}}«10»

   [CURRENT WEIGHTS:]
   SPEED: 0.000000
   POWER: 1.240000
   STRENGTH: 1.434000
   HEALTH: 10.000000
   [CHANGE WHICH WEIGHT?]
   [KORVELIN-LIST-SET-WEIGHTS]
 >>> «health»
{{value_prompt}}«10.5»
   [ERROR, VALUE OUTSIDE ALLOWED RANGE( 0-10 )]

   [CURRENT WEIGHTS:]
   SPEED: 0.000000
   POWER: 1.240000
   STRENGTH: 1.434000
   HEALTH: 10.000000
   [CHANGE WHICH WEIGHT?]
   [KORVELIN-LIST-SET-WEIGHTS]
 >>> «health»
{{value_prompt}}«12»
   [ERROR, VALUE OUTSIDE ALLOWED RANGE( 0-10 )]

   [CURRENT WEIGHTS:]
   SPEED: 0.000000
   POWER: 1.240000
   STRENGTH: 1.434000
   HEALTH: 10.000000
   [CHANGE WHICH WEIGHT?]
   [KORVELIN-LIST-SET-WEIGHTS]
 >>> «POWER»
{{value_prompt}}«-1»
   [ERROR, VALUE OUTSIDE ALLOWED RANGE( 0-15 )]

   [CURRENT WEIGHTS:]
   SPEED: 0.000000
   POWER: 1.240000
   STRENGTH: 1.434000
   HEALTH: 10.000000
   [CHANGE WHICH WEIGHT?]
   [KORVELIN-LIST-SET-WEIGHTS]
 >>> «stren»
{{value_prompt}}«2»

   [CURRENT WEIGHTS:]
   SPEED: 0.000000
   POWER: 1.240000
   STRENGTH: 2.000000
   HEALTH: 10.000000
   [CHANGE WHICH WEIGHT?]
   [KORVELIN-LIST-SET-WEIGHTS]
 >>> «strength»
{{value_prompt}}«3.5»

   [CURRENT WEIGHTS:]
   SPEED: 0.000000
   POWER: 1.240000
   STRENGTH: 3.500000
   HEALTH: 10.000000
   [CHANGE WHICH WEIGHT?]
   [KORVELIN-LIST-SET-WEIGHTS]
 >>> «power»
{{value_prompt}}«abc»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]

{{value_prompt}}«2»

   [CURRENT WEIGHTS:]
   SPEED: 0.000000
   POWER: 2.000000
   STRENGTH: 3.500000
   HEALTH: 10.000000
   [CHANGE WHICH WEIGHT?]
   [KORVELIN-LIST-SET-WEIGHTS]
 >>> «done»

   [KORVELIN-LIST]
 >>> «wc»
| NAME:                        :  ID #  : Level : New Speed : New Power : New Stren : New Health :  Wt Total :|
|*************************************************************************************************************|
|Ann                           :    101 :   10  :     1000  :     2000  :     3000  :     4000   :    54500  :|
|Bob                           :    102 :   20  :     4000  :     1000  :     2000  :     3000   :    39000  :|
|Cat                           :    103 :   30  :     3000  :     4000  :     1000  :     2000   :    31500  :|
|Dan                           :    104 :   40  :     2000  :     3000  :     4000  :     1000   :    30000  :|


   [KORVELIN-LIST]
 >>> «set»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> «weights»

   [CURRENT WEIGHTS:]
   SPEED: 0.000000
   POWER: 2.000000
   STRENGTH: 3.500000
   HEALTH: 10.000000
   [CHANGE WHICH WEIGHT?]
   [KORVELIN-LIST-SET-WEIGHTS]
 >>> «back»

   [KORVELIN-LIST]
 >>> «done»

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

