# SAVE writes the save file and echoes its rows; LOAD recognises it by its
# header and echoes the rows its own way; a second SAVE is byte-identical.
file gang.txt <<END
Ann (1) 10 100 200 300 400
Bob the Builder (2) 20 110 210 310 410
END
mtime gang.txt 2024-03-18
expect-file gang.sav <<SAVED
{{save_head}}
|Ann                           : 1 : 10 : 100 : 200 : 300 : 400 : 1000 : 2.000000 : 100 : 200 : 300 : 400 : 1000 : 2.000000 |
|Bob the Builder               : 2 : 20 : 110 : 210 : 310 : 410 : 1000 : 2.000000 : 110 : 210 : 310 : 410 : 1000 : 2.000000 |
}
  1  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    0  :    0  :    0  :    0  :    0  :    0  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :  
: 0.667000 : 2.120000 : 1.240000 : 1.434000 : 17 : 1 
}
{{ann_bob_history}}
SAVED
expect-file gang2.sav <<SAVED
{{save_head}}
|Ann                           : 1 : 10 : 100 : 200 : 300 : 400 : 1000 : 2.000000 : 100 : 200 : 300 : 400 : 1000 : 2.000000 |
|Bob the Builder               : 2 : 20 : 110 : 210 : 310 : 410 : 1000 : 2.000000 : 110 : 210 : 310 : 410 : 1000 : 2.000000 |
}
  1  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    0  :    0  :    0  :    0  :    0  :    0  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :  
: 0.667000 : 2.120000 : 1.240000 : 1.434000 : 17 : 1 
}
{{ann_bob_history}}
SAVED
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
 >>> «gang.sav»
|Ann                           :      1 :   10  :      100   :      200   :      300  :    1000    :    2.00  :      100   :      200   :      300   :    1000    :    2.00  |
|Bob the Builder               :      2 :   20  :      110   :      210   :      310  :    1000    :    2.00  :      110   :      210   :      310   :    1000    :    2.00  |
}

   [KORVELIN-MAIN]
 >>> «load»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> «gang.sav»
|Ann                           :      1 :  10 :    100 :    200 :    300 :    400 : 1000  :   2.00 :    100 :    200 :    300 :    400 :  1000 :   2.00 |
|Bob the Builder               :      2 :  20 :    110 :    210 :    310 :    410 : 1000  :   2.00 :    110 :    210 :    310 :    410 :  1000 :   2.00 |

   [KORVELIN-MAIN]
 >>> «save gang2.sav»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>> |Ann                           :      1 :   10  :      100   :      200   :      300  :    1000    :    2.00  :      100   :      200   :      300   :    1000    :    2.00  |
|Bob the Builder               :      2 :   20  :      110   :      210   :      310  :    1000    :    2.00  :      110   :      210   :      310   :    1000    :    2.00  |
}

{{quit_without_saving}}

