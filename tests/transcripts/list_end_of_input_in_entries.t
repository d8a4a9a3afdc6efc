# The input ends at the ENTRIES prompt: the farewell at once, no further
# List prompt.
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
 >>> «entries»

   [CURRENT NUMBER OF ENTRIES TO SHOW = 4]
   [INPUT NEW NUMBER OF ENTRIES TO SHOW? ( 0 = MAX )]
   [KORVELIN-LIST-SET-ENTRIES]
 >>> 

Have a Nice Day :D

