# A name holding U+202E, which would turn the text after it around (its
# numbers included), is written with U+FFFD in its place wherever a table
# or an echo shows it: LOAD's echo, FIND, the table on the screen, a
# Markdown export and SAVE's echo, and the lists of names UPDATE and
# DELETE's `left` print.  The save file and its history keep the name as it
# is.  Expected output worked out by hand.
file table.txt <<END
Ann ‮evil(101) 10 1000 2000 3000 4000
Bob(102) 20 4000 1000 2000 3000
END
mtime table.txt 2024-03-18
file newer.txt <<END
Bob(102) 21 4100 1100 2100 3100
END
mtime newer.txt 2024-03-25
expect-file team.md <<END
### WC

| NAME | ID # | Level | New Speed | New Power | New Stren | New Health | Wt Total |
| --- | ---: | ---: | ---: | ---: | ---: | ---: | ---: |
| Bob | 102 | 20 | 4000 | 1000 | 2000 | 3000 | 14589 |
| Ann �evil | 101 | 10 | 1000 | 2000 | 3000 | 4000 | 11570 |
END
expect-file gang.sav <<END
{{save_head}}
|Ann ‮evil                     : 101 : 10 : 1000 : 2000 : 3000 : 4000 : 1000 : 2.000000 : 1000 : 2000 : 3000 : 4000 : 1000 : 2.000000 |
|Bob                           : 102 : 20 : 4000 : 1000 : 2000 : 3000 : 1000 : 2.000000 : 4000 : 1000 : 2000 : 3000 : 1000 : 2.000000 |
}
  1  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    0  :    0  :    0  :    0  :    0  :    0  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :  
: 0.667000 : 2.120000 : 1.240000 : 1.434000 : 17 : 1 
}
HISTORY 1
2024-03-18 101 10 1000 2000 3000 4000 1000 2.000000 "Ann ‮evil"
2024-03-18 102 20 4000 1000 2000 3000 1000 2.000000 "Bob"
END
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load table.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
Ann �evil                      :    101 :  10 :  1000 :  2000 :  3000 :   4000 . . . . . . .   .done
Bob                            :    102 :  20 :  4000 :  1000 :  2000 :   3000 . . . . . . .   .done

   [KORVELIN-MAIN]
 >>> «find evil»

   [NAME OR PART OF A NAME? '\' TO CANCEL]
   [KORVELIN-FIND]
 >>> | Name                          : ID_NUM : Level :|
| Ann �evil                     :    101 :   10  :|
   [1 FOUND]

   [KORVELIN-MAIN]
 >>> «list wc»

   [KORVELIN-LIST]
 >>> | NAME:                        :  ID #  : Level : New Speed : New Power : New Stren : New Health :  Wt Total :|
|*************************************************************************************************************|
|Bob                           :    102 :   20  :     4000  :     1000  :     2000  :     3000   :    14589  :|
|Ann �evil                     :    101 :   10  :     1000  :     2000  :     3000  :     4000   :    11570  :|


   [KORVELIN-LIST]
 >>> «output team.md wc done»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> 
   [KORVELIN-LIST]
 >>> 
   [DATA SAVED SUCESSFULLY]


   [KORVELIN-LIST]
 >>> 
   [KORVELIN-MAIN]
 >>> «save gang.sav»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>> |Ann �evil                     :    101 :   10  :     1000   :     2000   :     3000  :    1000    :    2.00  :     1000   :     2000   :     3000   :    1000    :    2.00  |
|Bob                           :    102 :   20  :     4000   :     1000   :     2000  :    1000    :    2.00  :     4000   :     1000   :     2000   :    1000    :    2.00  |
}

   [KORVELIN-MAIN]
 >>> «update newer.txt»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>>    [LOADING]
Bob                            :    102 :  21 :  4100 :  1100 :  2100 :   3100 . . . . . . .   .done
   [NOT IN THIS TABLE: 1 MEMBERS]
      Ann �evil (101)

   [KORVELIN-MAIN]
 >>> «delete»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«left»
      Ann �evil (101)
   [DELETE THESE 1 MEMBERS? 'Y' TO CONFIRM]
 >>> «n»
   [DELETE ABORTED!]

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

