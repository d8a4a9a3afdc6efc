# The input ends at a weight's value prompt, after a word that is not a
# number: the farewell at once.
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
 >>> «speed»
{{value_prompt}}«fast»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [INPUT VALUE]
   [KORVELIN-GET VALUE]
 >>> 

Have a Nice Day :D

