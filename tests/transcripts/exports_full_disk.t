# A full disk under a JSON name: a table that cannot be written gives the
# write failure and returns the tables to the screen, and so does a JSON
# document whose end cannot be written when it stops being the output.
# The device stays a device.
posix-only the full-disk device is a Linux device
file roster.sav <<END
{{exports_sav}}
END
device full.json
expect-device full.json
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load roster.sav»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> {{exports_echo}}

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «output full.json»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> 
   [KORVELIN-LIST]
 >>> «list»

   [ERROR WRITING FILE.  OUTPUT SET TO SCREEN]

   [KORVELIN-LIST]
 >>> «output full.json»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> 
   [KORVELIN-LIST]
 >>> «done»
   [ERROR WRITING FILE.  OUTPUT SET TO SCREEN]

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

