# UPDATE matches rows by ID: a matched member takes the row's name, level
# and new stats and keeps its old ones; a new ID joins at the front; a
# member without a row keeps everything, and is named after the rows.  The
# save holds both tables' snapshots, dated by the files' times.
file week1.txt <<END
Ann (1) 10 100 200 300 400
Bob (2) 20 110 210 310 410
Cid (3) 30 120 220 320 420
END
file week2.txt <<END
Robert (2) 21 150 260 330 415
Ann (1) 11 105 201 305 399
Dee (4) 5 50 60 70 80
END
mtime week1.txt 2024-03-11
mtime week2.txt 2024-03-18
expect-file after.sav <<SAVED
{{save_head}}
|Dee                           : 4 : 5 : 50 : 60 : 70 : 80 : 1000 : 2.000000 : 50 : 60 : 70 : 80 : 1000 : 2.000000 |
|Ann                           : 1 : 11 : 100 : 200 : 300 : 400 : 1000 : 2.000000 : 105 : 201 : 305 : 399 : 1000 : 2.000000 |
|Robert                        : 2 : 21 : 110 : 210 : 310 : 410 : 1000 : 2.000000 : 150 : 260 : 330 : 415 : 1000 : 2.000000 |
|Cid                           : 3 : 30 : 120 : 220 : 320 : 420 : 1000 : 2.000000 : 120 : 220 : 320 : 420 : 1000 : 2.000000 |
}
  1  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    0  :    0  :    0  :    0  :    0  :    0  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :  
: 0.667000 : 2.120000 : 1.240000 : 1.434000 : 17 : 1 
}
HISTORY 1
2024-03-11 1 10 100 200 300 400 1000 2.000000 "Ann"
2024-03-11 2 20 110 210 310 410 1000 2.000000 "Bob"
2024-03-11 3 30 120 220 320 420 1000 2.000000 "Cid"
2024-03-18 1 11 105 201 305 399 1000 2.000000 "Ann"
2024-03-18 2 21 150 260 330 415 1000 2.000000 "Robert"
2024-03-18 4 5 50 60 70 80 1000 2.000000 "Dee"
SAVED
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load week1.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
Ann                            :      1 :  10 :   100 :   200 :   300 :    400 . . . . . . .   .done
Bob                            :      2 :  20 :   110 :   210 :   310 :    410 . . . . . . .   .done
Cid                            :      3 :  30 :   120 :   220 :   320 :    420 . . . . . . .   .done

   [KORVELIN-MAIN]
 >>> «update»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>> «week2.txt»
   [LOADING]
Robert                         :      2 :  21 :   150 :   260 :   330 :    415 . . . . . . .   .done
Ann                            :      1 :  11 :   105 :   201 :   305 :    399 . . . . . . .   .done
Dee                            :      4 :   5 :    50 :    60 :    70 :     80 . . . . . . .   .done
   [NOT IN THIS TABLE: 1 MEMBERS]
      Cid (3)

   [KORVELIN-MAIN]
 >>> «save after.sav»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>> |Dee                           :      4 :    5  :       50   :       60   :       70  :    1000    :    2.00  :       50   :       60   :       70   :    1000    :    2.00  |
|Ann                           :      1 :   11  :      100   :      200   :      300  :    1000    :    2.00  :      105   :      201   :      305   :    1000    :    2.00  |
|Robert                        :      2 :   21  :      110   :      210   :      310  :    1000    :    2.00  :      150   :      260   :      330   :    1000    :    2.00  |
|Cid                           :      3 :   30  :      120   :      220   :      320  :    1000    :    2.00  :      120   :      220   :      320   :    1000    :    2.00  |
}

{{quit_without_saving}}

