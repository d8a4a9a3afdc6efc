# The input ends at QUIT's confirmation: the farewell, exit 0.
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> 

Have a Nice Day :D

