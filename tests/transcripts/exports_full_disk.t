# A full disk under a JSON name: the table that cannot be written gives
# the write failure and returns the tables to the screen; a JSON document
# whose closing cannot be written says so when it stops being the output.
# The device stays a device.
posix-only the full-disk device is a Linux device
file gang.sav <<END
{{exports_sav}}
END
device full.json
expect-device full.json
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load gang.sav»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> {{exports_echo}}

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «output»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> «full.json»

   [KORVELIN-LIST]
 >>> «wc»

   [ERROR WRITING FILE.  OUTPUT SET TO SCREEN]

   [KORVELIN-LIST]
 >>> «wc»
{{exports_wc}}


   [KORVELIN-LIST]
 >>> «output»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> «full.json»

   [KORVELIN-LIST]
 >>> «done»
   [ERROR WRITING FILE.  OUTPUT SET TO SCREEN]

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»
   [FILE TO SAVE TO? '\' TO QUIT WITHOUT SAVING]
   [KORVELIN-QUIT-SAVE]
 >>> «\»


Have a Nice Day :D

