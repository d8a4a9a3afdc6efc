# QUIT answered 'Yes' on an empty roster: no save offer, the farewell, exit 0.
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «Yes»


Have a Nice Day :D

