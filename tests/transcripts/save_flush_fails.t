# The disk refuses to flush the new file (tests/files/fsync_fails.cpp,
# preloaded by tests/files/preload.sh): SAVE and QUIT say the save failed,
# the old file keeps every byte, no temporary file remains and QUIT returns
# to the main prompt.
posix-only the failing flush is a Linux library preloaded into the program
file gang4.txt <<END
{{gang4_file}}
END
file game.sav <<END
the previous save
END
expect-file game.sav <<END
the previous save
END
expect-listing game.sav gang4.txt
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load gang4.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> {{gang4_echo}}

   [KORVELIN-MAIN]
 >>> «save game.sav»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>> |Ann                           :    101 :   10  :     1000   :     2000   :     3000  :    1000    :    2.00  :     1000   :     2000   :     3000   :    1000    :    2.00  |
|Bob                           :    102 :   20  :     4000   :     1000   :     2000  :    1000    :    2.00  :     4000   :     1000   :     2000   :    1000    :    2.00  |
|Cat                           :    103 :   30  :     3000   :     4000   :     1000  :    1000    :    2.00  :     3000   :     4000   :     1000   :    1000    :    2.00  |
|Dan                           :    104 :   40  :     2000   :     3000   :     4000  :    1000    :    2.00  :     2000   :     3000   :     4000   :    1000    :    2.00  |
}
   [ERROR SAVING FILE.  SAVE ABORTED]

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»
   [FILE TO SAVE TO? '\' TO QUIT WITHOUT SAVING]
   [KORVELIN-QUIT-SAVE]
 >>> «game.sav»
|Ann                           :    101 :   10  :     1000   :     2000   :     3000  :    1000    :    2.00  :     1000   :     2000   :     3000   :    1000    :    2.00  |
|Bob                           :    102 :   20  :     4000   :     1000   :     2000  :    1000    :    2.00  :     4000   :     1000   :     2000   :    1000    :    2.00  |
|Cat                           :    103 :   30  :     3000   :     4000   :     1000  :    1000    :    2.00  :     3000   :     4000   :     1000   :    1000    :    2.00  |
|Dan                           :    104 :   40  :     2000   :     3000   :     4000  :    1000    :    2.00  :     2000   :     3000   :     4000   :    1000    :    2.00  |
}
   [ERROR SAVING FILE.  SAVE ABORTED]

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»
   [FILE TO SAVE TO? '\' TO QUIT WITHOUT SAVING]
   [KORVELIN-QUIT-SAVE]
 >>> «\»


Have a Nice Day :D

