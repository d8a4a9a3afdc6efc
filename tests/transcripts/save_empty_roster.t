# SAVE with no member asks nothing and writes nothing.
expect-no-file save
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «save»

   [KORVELIN-MAIN]
 >>> «save»

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»


Have a Nice Day :D

