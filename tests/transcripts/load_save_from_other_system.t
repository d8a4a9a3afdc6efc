# A save file written with LF line ends (as on Linux) and the same file with
# CR LF line ends (as on Windows) load alike on either system, and saving
# again writes the same file, settings included.
file unix.sav <<SAVED
{{save_head}}
|Ann                           : 1 : 10 : 100 : 200 : 300 : 400 : 1000 : 2.000000 : 150 : 260 : 330 : 415 : 1100 : 2.500000 |
|Bob the Builder               : 2 : 20 : 110 : 210 : 310 : 410 : 0 : 0.000000 : 110 : 210 : 310 : 410 : 0 : 0.000000 |
}
  1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    0  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    0  :    1  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :  
: 0.500000 : 3.250000 : 1.000000 : 14.999999 : 15 : 0 
}
SAVED
file windows.sav <<SAVED crlf
{{save_head}}
|Ann                           : 1 : 10 : 100 : 200 : 300 : 400 : 1000 : 2.000000 : 150 : 260 : 330 : 415 : 1100 : 2.500000 |
|Bob the Builder               : 2 : 20 : 110 : 210 : 310 : 410 : 0 : 0.000000 : 110 : 210 : 310 : 410 : 0 : 0.000000 |
}
  1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    0  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    0  :    1  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :  
: 0.500000 : 3.250000 : 1.000000 : 14.999999 : 15 : 0 
}
SAVED
expect-file again.sav <<SAVED
{{save_head}}
|Ann                           : 1 : 10 : 100 : 200 : 300 : 400 : 1000 : 2.000000 : 150 : 260 : 330 : 415 : 1100 : 2.500000 |
|Bob the Builder               : 2 : 20 : 110 : 210 : 310 : 410 : 0 : 0.000000 : 110 : 210 : 310 : 410 : 0 : 0.000000 |
}
  1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    0  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    0  :    1  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :  
: 0.500000 : 3.250000 : 1.000000 : 14.999999 : 15 : 0 
}
SAVED
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load unix.sav»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> |Ann                           :      1 :  10 :    100 :    200 :    300 :    400 : 1000  :   2.00 :    150 :    260 :    330 :    415 :  1100 :   2.50 |
|Bob the Builder               :      2 :  20 :    110 :    210 :    310 :    410 :       :   0.00 :    110 :    210 :    310 :    410 :       :   0.00 |

   [KORVELIN-MAIN]
 >>> «load windows.sav»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> |Ann                           :      1 :  10 :    100 :    200 :    300 :    400 : 1000  :   2.00 :    150 :    260 :    330 :    415 :  1100 :   2.50 |
|Bob the Builder               :      2 :  20 :    110 :    210 :    310 :    410 :       :   0.00 :    110 :    210 :    310 :    410 :       :   0.00 |

   [KORVELIN-MAIN]
 >>> «save again.sav»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>> |Ann                           :      1 :   10  :      100   :      200   :      300  :    1000    :    2.00  :      150   :      260   :      330   :    1100    :    2.50  |
|Bob the Builder               :      2 :   20  :      110   :      210   :      310  :            :    0.00  :      110   :      210   :      310   :            :    0.00  |
}

{{quit_without_saving}}

