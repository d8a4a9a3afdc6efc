# HELP in any case prints the main help, the same every time.
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «help»
{{help_main}}

   [KORVELIN-MAIN]
 >>> «HELP»
{{help_main}}

   [KORVELIN-MAIN]
 >>> «Help»
{{help_main}}

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»


Have a Nice Day :D

