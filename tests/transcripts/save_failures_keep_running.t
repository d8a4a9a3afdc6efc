# A save that cannot be written (a missing folder, a folder as the name)
# gives the failure message and writes nothing; a QUIT whose save fails
# returns to the main prompt, so nothing is lost.
dir folder
file gang.txt <<END
Ann (1) 10 100 200 300 400
Bob the Builder (2) 20 110 210 310 410
END
mtime gang.txt 2024-03-18
expect-file saved.sav <<SAVED
{{save_head}}
|Ann                           : 1 : 10 : 100 : 200 : 300 : 400 : 1000 : 2.000000 : 100 : 200 : 300 : 400 : 1000 : 2.000000 |
|Bob the Builder               : 2 : 20 : 110 : 210 : 310 : 410 : 1000 : 2.000000 : 110 : 210 : 310 : 410 : 1000 : 2.000000 |
}
  1  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    0  :    0  :    0  :    0  :    0  :    0  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :  
: 0.667000 : 2.120000 : 1.240000 : 1.434000 : 17 : 1 
}
{{ann_bob_history}}
SAVED
expect-no-file nowhere
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load gang.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
Ann                            :      1 :  10 :   100 :   200 :   300 :    400 . . . . . . .   .done
Bob the Builder                :      2 :  20 :   110 :   210 :   310 :    410 . . . . . . .   .done

   [KORVELIN-MAIN]
 >>> «save»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>> «nowhere/x.sav»
   [ERROR SAVING FILE.  SAVE ABORTED]
   [No such file or directory]

   [KORVELIN-MAIN]
 >>> «save»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>> «folder»
   [ERROR SAVING FILE.  SAVE ABORTED]
   [Is a directory]

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»
   [FILE TO SAVE TO? '\' TO QUIT WITHOUT SAVING]
   [KORVELIN-QUIT-SAVE]
 >>> «nowhere/x.sav»
   [ERROR SAVING FILE.  SAVE ABORTED]
   [No such file or directory]

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»
   [FILE TO SAVE TO? '\' TO QUIT WITHOUT SAVING]
   [KORVELIN-QUIT-SAVE]
 >>> «saved.sav»
|Ann                           :      1 :   10  :      100   :      200   :      300  :    1000    :    2.00  :      100   :      200   :      300   :    1000    :    2.00  |
|Bob the Builder               :      2 :   20  :      110   :      210   :      310  :    1000    :    2.00  :      110   :      210   :      310   :    1000    :    2.00  |
}


Have a Nice Day :D

