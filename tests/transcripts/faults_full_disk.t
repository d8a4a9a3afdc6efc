# A full disk and a folder as the target: SAVE and QUIT echo the rows and
# then say the save failed, QUIT returns to the main prompt, the device
# stays a device and nothing else is left in the folder; OUTPUT to them
# returns the tables to the screen, under a JSON name too, where the end of
# the document that cannot be written when DONE closes it fails alike.
posix-only the full-disk device is a Linux device
file gang4.txt <<END
{{gang4_file}}
END
dir folder
device full
device full.json
expect-device full
expect-device full.json
expect-listing folder full full.json gang4.txt
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load gang4.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> {{gang4_echo}}

   [KORVELIN-MAIN]
 >>> «save»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>> «full»
{{gang4_save_echo}}
   [ERROR SAVING FILE.  SAVE ABORTED]
   [No space left on device]

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»
   [FILE TO SAVE TO? '\' TO QUIT WITHOUT SAVING]
   [KORVELIN-QUIT-SAVE]
 >>> «full»
{{gang4_save_echo}}
   [ERROR SAVING FILE.  SAVE ABORTED]
   [No space left on device]

   [KORVELIN-MAIN]
 >>> «save»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>> «folder»
   [ERROR SAVING FILE.  SAVE ABORTED]
   [Is a directory]

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «output»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> «folder»
   [ERROR OPENING FILE.  OUTPUT SET TO SCREEN]
   [Is a directory]

   [KORVELIN-LIST]
 >>> «output»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> «full»

   [KORVELIN-LIST]
 >>> «wc»

   [ERROR WRITING FILE.  OUTPUT SET TO SCREEN]
   [No space left on device]

   [KORVELIN-LIST]
 >>> «wc»
{{gang4_wc}}


   [KORVELIN-LIST]
 >>> «output full.json»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> 
   [KORVELIN-LIST]
 >>> «wc»

   [ERROR WRITING FILE.  OUTPUT SET TO SCREEN]
   [No space left on device]

   [KORVELIN-LIST]
 >>> «output full.json»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> 
   [KORVELIN-LIST]
 >>> «done»
   [ERROR WRITING FILE.  OUTPUT SET TO SCREEN]
   [No space left on device]

{{quit_without_saving}}

