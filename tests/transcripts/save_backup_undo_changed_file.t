# The safety net of saves.  SAVE over a file keeps its previous content as
# NAME.bak: a second SAVE makes game.sav.bak the first save, byte for byte.
# UNDO takes back the last change, the EDIT (SAVE is no step); with nothing
# to take back it says so.  A file that another program wrote since this
# run saved it is saved over only when the user confirms: "n" saves
# nothing, "y" replaces it and the other program's version becomes the
# backup.  QUIT still offers to save.  (tests/shell/undo_test.cpp takes back
# every kind of command.)
file gang.txt <<END
Ann(1) 10 100 200 300 400
END
mtime gang.txt 2026-11-17
expect-file game.sav.bak <<END
{{save_head}}
|Ann                           : 1 : 10 : 100 : 200 : 300 : 400 : 1000 : 2.000000 : 100 : 200 : 300 : 400 : 1000 : 2.000000 |
}
  1  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    0  :    0  :    0  :    0  :    0  :    0  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :  
: 0.667000 : 2.120000 : 1.240000 : 1.434000 : 17 : 1 
}
HISTORY 1
2026-11-17 1 10 100 200 300 400 1000 2.000000 "Ann"
END
expect-file other.sav.bak <<END
written by another program
END
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «undo»
   [NOTHING TO UNDO]

   [KORVELIN-MAIN]
 >>> «load gang.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
Ann                            :      1 :  10 :   100 :   200 :   300 :    400 . . . . . . .   .done

   [KORVELIN-MAIN]
 >>> «save game.sav»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>> |Ann                           :      1 :   10  :      100   :      200   :      300  :    1000    :    2.00  :      100   :      200   :      300   :    1000    :    2.00  |
}

   [KORVELIN-MAIN]
 >>> «edit 1 level 11 done»

   [ID OF PLAYER TO EDIT?( '0' TO CANCEL)]
   [KORVELIN-EDIT]
 >>> 
    EDITING >> Ann                           
   [KORVELIN-EDIT]
 >>> {{value_prompt}}

    EDITING >> Ann                           
   [KORVELIN-EDIT]
 >>> 
   [KORVELIN-MAIN]
 >>> «save game.sav»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>> |Ann                           :      1 :   11  :      100   :      200   :      300  :    1000    :    2.00  :      100   :      200   :      300   :    1000    :    2.00  |
}

   [KORVELIN-MAIN]
 >>> «undo»
   [UNDONE: EDIT]

   [KORVELIN-MAIN]
 >>> «save other.sav»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>> |Ann                           :      1 :   10  :      100   :      200   :      300  :    1000    :    2.00  :      100   :      200   :      300   :    1000    :    2.00  |
}

   [KORVELIN-MAIN]
 >>> «!printf 'written by another program\n' > other.sav»
«save other.sav»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>>    [THAT FILE CHANGED SINCE IT WAS LOADED OR SAVED.  SAVE OVER IT? 'Y' TO CONFIRM]
 >>> «n»
   [NOT SAVED]

   [KORVELIN-MAIN]
 >>> «save other.sav»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>>    [THAT FILE CHANGED SINCE IT WAS LOADED OR SAVED.  SAVE OVER IT? 'Y' TO CONFIRM]
 >>> «y»
|Ann                           :      1 :   10  :      100   :      200   :      300  :    1000    :    2.00  :      100   :      200   :      300   :    1000    :    2.00  |
}

{{quit_without_saving}}

