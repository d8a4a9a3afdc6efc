# A file on the command line that cannot be opened: LOAD's failure message
# after the banner, then the main prompt with the roster still empty (QUIT
# offers no save).
args missing.txt
---
{{banner}}
   [ERROR OPENING FILE.  LOAD ABORTED]

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»


Have a Nice Day :D

