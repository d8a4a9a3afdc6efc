# The input ends at the direction prompt of SORT: the farewell at once.
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
 >>> «sort»

   [SORT BY WHAT?]
   [KORVELIN-LIST-SORT-OPTION]
 >>> «level»

   [ACCENDING OR DECENTING??]
   [KORVELIN-LIST-SORT-DIRECTION]
 >>> 

Have a Nice Day :D

