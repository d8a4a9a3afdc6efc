# UNDO takes back, newest first, the commands that changed what a save
# writes: a LOAD over an edited roster, and a List visit that changed a
# weight and a column (one step).  SAVE is no step: after it, the step taken
# back is the EDIT before it, and QUIT offers to save.  The file saved holds
# the roster as loaded and edited, with the settings of the import.
# (tests/shell/undo_test.cpp takes back every other kind of command.)
file gang.txt <<END
Ann(1) 10 100 200 300 400
END
expect-file kept.sav <<END
{{save_head}}
|Ann                           : 1 : 10 : 100 : 200 : 300 : 400 : 1000 : 2.000000 : 100 : 200 : 300 : 400 : 1000 : 5.000000 |
}
  1  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    0  :    0  :    0  :    0  :    0  :    0  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :  
: 0.667000 : 2.120000 : 1.240000 : 1.434000 : 17 : 1 
}
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
 >>> «edit 1 newbeg 5 done»

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
 >>> «load gang.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
Ann                            :      1 :  10 :   100 :   200 :   300 :    400 . . . . . . .   .done

   [KORVELIN-MAIN]
 >>> «undo»
   [UNDONE: LOAD]

   [KORVELIN-MAIN]
 >>> «list set weights speed 3 done set options wtotal done done»

   [KORVELIN-LIST]
 >>> 
   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> 
   [CURRENT WEIGHTS:]
   SPEED: 2.120000
   POWER: 1.240000
   STRENGTH: 1.434000
   HEALTH: 0.667000
   [CHANGE WHICH WEIGHT?]
   [KORVELIN-LIST-SET-WEIGHTS]
 >>> {{value_prompt}}

   [CURRENT WEIGHTS:]
   SPEED: 3.000000
   POWER: 1.240000
   STRENGTH: 1.434000
   HEALTH: 0.667000
   [CHANGE WHICH WEIGHT?]
   [KORVELIN-LIST-SET-WEIGHTS]
 >>> 
   [KORVELIN-LIST]
 >>> 
   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> 
   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> 
   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> 
   [KORVELIN-LIST]
 >>> 
   [KORVELIN-MAIN]
 >>> «undo»
   [UNDONE: LIST]

   [KORVELIN-MAIN]
 >>> «save kept.sav»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>> |Ann                           :      1 :   10  :      100   :      200   :      300  :    1000    :    2.00  :      100   :      200   :      300   :    1000    :    5.00  |
}

   [KORVELIN-MAIN]
 >>> «undo»
   [UNDONE: EDIT]

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»
   [FILE TO SAVE TO? '\' TO QUIT WITHOUT SAVING]
   [KORVELIN-QUIT-SAVE]
 >>> «\»


Have a Nice Day :D

