# Only an answer starting with y confirms QUIT; anything else aborts it and
# the main prompt comes back.
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «n»
   [QUIT ABORTED]


   [KORVELIN-MAIN]
 >>> «QUIT»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «quit»
   [QUIT ABORTED]


   [KORVELIN-MAIN]
 >>> «Quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «Y»


Have a Nice Day :D

