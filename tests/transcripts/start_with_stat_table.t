# A file named on the command line is loaded after the banner as LOAD loads
# it after its file prompt (here a stat table, with its echo); then the main
# prompt.  QUIT offers to save, so the roster holds the members.
args table.txt
file table.txt include/gang4_file.txt
---
{{banner}}
{{gang4_echo}}

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»
   [FILE TO SAVE TO? '\' TO QUIT WITHOUT SAVING]
   [KORVELIN-QUIT-SAVE]
 >>> «\»


Have a Nice Day :D

