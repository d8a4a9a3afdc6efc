# LIST with nothing loaded: the empty-database message and back at the main
# prompt at once, in any case of the word.
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «list»
   [DATABASE EMPTY.  PLEASE LOAD A DATABASE FIRST]


   [KORVELIN-MAIN]
 >>> «List»
   [DATABASE EMPTY.  PLEASE LOAD A DATABASE FIRST]


   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»


Have a Nice Day :D

