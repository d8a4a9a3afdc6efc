# A file that yields no member changes nothing: LOAD of an empty file, of
# a CSV export without the ID column (with its byte-order mark and CR LF
# line ends), whose header row is then no header row, and of a title row
# alone, and UPDATE from that title row, leave the gang loaded from the
# command line as it was.
args gang.txt
file gang.txt <<END
{{gang4_file}}
END
file empty.txt <<END
END
file gang.csv <<END crlf
﻿name,level,oldspeed,oldpower,oldstren,oldhealth,oldintel,oldbeg
Ann,10,1000,2000,3000,4000,1000,2.00
END
file titles.txt <<END
Name	Level	Speed	Power	Strength	Health
END
---
{{banner}}
{{gang4_echo}}

   [KORVELIN-MAIN]
 >>> «load empty.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
   [NO MEMBERS IN THAT FILE.  LOAD ABORTED]

   [KORVELIN-MAIN]
 >>> «load gang.csv»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
   [SKIPPED 2 LINES WITHOUT AN ID]
   [NO MEMBERS IN THAT FILE.  LOAD ABORTED]

   [KORVELIN-MAIN]
 >>> «load titles.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
   [SKIPPED 1 LINES WITHOUT AN ID]
   [NO MEMBERS IN THAT FILE.  LOAD ABORTED]

   [KORVELIN-MAIN]
 >>> «update titles.txt»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>>    [LOADING]
   [SKIPPED 1 LINES WITHOUT AN ID]
   [NO MEMBERS IN THAT FILE.  UPDATE ABORTED]

   [KORVELIN-MAIN]
 >>> «list list back»

   [KORVELIN-LIST]
 >>> {{gang4_default}}


   [KORVELIN-LIST]
 >>> 
   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

