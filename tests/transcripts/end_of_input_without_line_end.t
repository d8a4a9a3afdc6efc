# A last command without a line end still runs; then the input is over.
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «help»{{help_main}}

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

