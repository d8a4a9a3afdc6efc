# LOAD and UPDATE: a backslash cancels silently; a missing file or a
# folder gives the open-failure message.  QUIT on the empty roster offers
# no save.
dir folder
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> «\»

   [KORVELIN-MAIN]
 >>> «load»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> «missing.txt»
   [ERROR OPENING FILE.  LOAD ABORTED]
   [No such file or directory]

   [KORVELIN-MAIN]
 >>> «LOAD folder»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [ERROR OPENING FILE.  LOAD ABORTED]
   [Is a directory]

   [KORVELIN-MAIN]
 >>> «update \»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>> 
   [KORVELIN-MAIN]
 >>> «update missing.txt»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>>    [ERROR OPENING FILE.  UPDATE ABORTED]
   [No such file or directory]

   [KORVELIN-MAIN]
 >>> «update»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>> «folder»
   [ERROR OPENING FILE.  UPDATE ABORTED]
   [Is a directory]

   [KORVELIN-MAIN]
 >>> «quit y»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> 

Have a Nice Day :D

