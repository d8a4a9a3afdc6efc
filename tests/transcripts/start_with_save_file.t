# A save file named on the command line is loaded after the banner as LOAD
# loads it after its file prompt: the rows are echoed the save reader's way.
args gang.sav
file gang.sav <<SAVED
{{gang4_sav}}
SAVED
---
{{banner}}
{{gang4_load_echo}}

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

