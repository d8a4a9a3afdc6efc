# Files written as UTF-16 (Notepad's "Unicode") read as their text: a
# little-endian table with CR LF line ends and a title row (named on the
# command line), a big-endian one for UPDATE whose name holds an emoji (a
# surrogate pair in UTF-16), and a save file.
args le.txt
file le.txt <<END utf16le crlf
Name	Level	Speed	Power	Strength	Health
Zoë (101) 10 1000 2000 3000 4000
END
file be.txt <<END utf16be
Zoë 🔥 (101) 11 1100 2100 3100 4100
END
file gang.sav <<END utf16le crlf
{{gang4_sav}}
END
---
{{banner}}
   [LOADING]
Zoë                            :    101 :  10 :  1000 :  2000 :  3000 :   4000 . . . . . . .   .done
   [SKIPPED 1 LINES WITHOUT AN ID]

   [KORVELIN-MAIN]
 >>> «update be.txt»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>>    [LOADING]
Zoë 🔥                         :    101 :  11 :  1100 :  2100 :  3100 :   4100 . . . . . . .   .done

   [KORVELIN-MAIN]
 >>> «load gang.sav»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> {{gang4_load_echo}}

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

