# SAVE to a symbolic link writes the file the link names.
posix-only Wine shows the program a link as the file itself
file gang.txt <<END
Ann (1) 10 100 200 300 400
Bob the Builder (2) 20 110 210 310 410
END
mtime gang.txt 2024-03-18
file real.sav <<OLD
old save
OLD
symlink link.sav real.sav
expect-file real.sav <<SAVED
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
 >>> «save link.sav»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>> |Ann                           :      1 :   10  :      100   :      200   :      300  :    1000    :    2.00  :      100   :      200   :      300   :    1000    :    2.00  |
|Bob the Builder               :      2 :   20  :      110   :      210   :      310  :    1000    :    2.00  :      110   :      210   :      310   :    1000    :    2.00  |
}

{{quit_without_saving}}

