# Names in any script, counted by characters (a character is a UTF-8
# sequence or a single byte) and shown padded by the columns a terminal
# gives them (expected output worked out by hand).
# names.txt, a stat table with a UTF-8 byte-order mark (invisible here,
# before the first name): Cyrillic "Дракон", whose "Д" holds the byte 0x94;
# accented Latin and an emoji; a Greek name of 28 characters and its space
# (29: kept whole); 30 CJK characters (cut to 29, the ID still read; 58
# columns, so shown cut to the cells); a Latin-1 name (J\xE9r\xF4me,
# single bytes) kept as it is.  update.txt, marked, with CR LF line ends,
# renames a member and adds one.  ADD takes a typed
# name of 30 characters (29 kept), EDIT's DISPLAY and DELETE's ENTRY line
# pad by columns, EDIT renames to a typed emoji, Greek and accented
# name.  LIST and WC pad each name to its cell (WC passes over the four
# members update.txt lacks: they have left); the save file holds the
# UTF-8 bytes, and its history the names as each table had them; a copy of
# it with a byte-order mark and no history (as an earlier version saved
# it) is still a save file, reads back as written and saves again byte for
# byte, without a history.
file names.txt <<END
﻿Дракон (1) 10 100 200 300 400
Zoë Lefèvre 🔥 (2) 20 110 210 310 410
Αλέξανδρος Παπαδόπουλος Ζωής (3) 30 120 220 320 420
龍龍龍龍龍龍龍龍龍龍龍龍龍龍龍虎虎虎虎虎虎虎虎虎虎虎虎虎虎虎(4) 40 130 230 330 430
J�r�me (5) 50 140 240 340 440
END
file update.txt <<END crlf
﻿Дракон Великий (1) 11 150 250 350 450
Νίκη (6) 5 50 60 70 80
END
file marked.sav <<END
﻿{{names_sav}}
END
mtime names.txt 2026-11-03
mtime update.txt 2026-11-10
expect-file names.sav <<END
{{names_sav}}
HISTORY 1
2026-11-03 1 10 100 200 300 400 1000 2.000000 "Дракон"
2026-11-03 2 20 110 210 310 410 1000 2.000000 "Zoë Lefèvre 🔥"
2026-11-03 3 30 120 220 320 420 1000 2.000000 "Αλέξανδρος Παπαδόπουλος Ζωής"
2026-11-03 4 40 130 230 330 430 1000 2.000000 "龍龍龍龍龍龍龍龍龍龍龍龍龍龍龍虎虎虎虎虎虎虎虎虎虎虎虎虎虎"
2026-11-03 5 50 140 240 340 440 1000 2.000000 "J�r�me"
2026-11-10 1 11 150 250 350 450 1000 2.000000 "Дракон Великий"
2026-11-10 6 5 50 60 70 80 1000 2.000000 "Νίκη"
END
expect-file again.sav <<END
{{names_sav}}
END
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load names.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
Дракон                         :      1 :  10 :   100 :   200 :   300 :    400 . . . . . . .   .done
Zoë Lefèvre 🔥                 :      2 :  20 :   110 :   210 :   310 :    410 . . . . . . .   .done
Αλέξανδρος Παπαδόπουλος Ζωής   :      3 :  30 :   120 :   220 :   320 :    420 . . . . . . .   .done
龍龍龍龍龍龍龍龍龍龍龍龍龍龍龍 :      4 :  40 :   130 :   230 :   330 :    430 . . . . . . .   .done
J�r�me                         :      5 :  50 :   140 :   240 :   340 :    440 . . . . . . .   .done

   [KORVELIN-MAIN]
 >>> «update update.txt»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>>    [LOADING]
Дракон Великий                 :      1 :  11 :   150 :   250 :   350 :    450 . . . . . . .   .done
Νίκη                           :      6 :   5 :    50 :    60 :    70 :     80 . . . . . . .   .done
   [NOT IN THIS TABLE: 4 MEMBERS]
      Zoë Lefèvre 🔥 (2)
      Αλέξανδρος Παπαδόπουλος Ζωής (3)
      龍龍龍龍龍龍龍龍龍龍龍龍龍龍龍虎虎虎虎虎虎虎虎虎虎虎虎虎虎 (4)
      J�r�me (5)

   [KORVELIN-MAIN]
 >>> «add»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«7»


   [ENTER NAME]{{name_prompt}}«Дракон 龍龍龍龍龍龍龍龍龍龍龍龍龍龍龍龍龍龍龍龍龍龍虎»


   [ENTER LEVEL]{{value_prompt}}«70»


   [ENTER SPEED]{{value_prompt}}«1»


   [ENTER POWER]{{value_prompt}}«2»


   [ENTER STRENGTH]{{value_prompt}}«3»


   [ENTER HEALTH]{{value_prompt}}«4»


   [ENTER INTEL]{{value_prompt}}«5»
 

  [ENTER BEG]{{value_prompt}}«2.5»
   [CONFIRM ADD? ('C' TO CANCEL) Y/N/C]
| Name                          : ID_NUM : Level : Speed : Power : Stren : Health : Intel :   Beg  :|
| Дракон 龍龍龍龍龍龍龍龍龍龍龍 :      7 :   70  :     1 :     2 :     3 :      4 :     5 :   2.50 :|
   [KORVELIN-ADD-CONFIRM]
 >>> «y»
   [DONE!]

   [KORVELIN-MAIN]
 >>> «edit»

   [ID OF PLAYER TO EDIT?( '0' TO CANCEL)]
   [KORVELIN-EDIT]
 >>> «6»

    EDITING >> Νίκη                          
   [KORVELIN-EDIT]
 >>> «display»
{{edit_rules}}

NAME: Νίκη                         
ID_NUM :      6     Level:   5
: Init_Speed  : Init_Power : Init_Stren :
:       50    :       60   :       70   :
: Init_Health : Init_Intel :  Init_Beg  :
:        80   :    1000    :     2.00   :
:  New_Speed  :  New_Power :  New_Stren :
:        50   :       60   :       70   :
:  New_Health :  New_Intel :  New_Beg   :
:        80   :    1000    :     2.00   :



    EDITING >> Νίκη                          
   [KORVELIN-EDIT]
 >>> «name»
{{name_prompt}}«🐉 Ωmega Jérôme»

    EDITING >> 🐉 Ωmega Jérôme               
   [KORVELIN-EDIT]
 >>> «done»

   [KORVELIN-MAIN]
 >>> «delete»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«1»
ENTRY: Дракон Великий               
   [CONFIRM DELETE?(Y/N)]
   [KORVELIN-DELETE-CONFIRM]
 >>> «y»

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «list»
| NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :|
|***********************************************************************************************************************|
|Zoë Lefèvre 🔥                :      2 :   20  :      110  :      210  :      310  :      410   :    1000   :    2.00 :|
|Αλέξανδρος Παπαδόπουλος Ζωής  :      3 :   30  :      120  :      220  :      320  :      420   :    1000   :    2.00 :|
|龍龍龍龍龍龍龍龍龍龍龍龍龍龍  :      4 :   40  :      130  :      230  :      330  :      430   :    1000   :    2.00 :|
|J�r�me                        :      5 :   50  :      140  :      240  :      340  :      440   :    1000   :    2.00 :|
|🐉 Ωmega Jérôme               :      6 :    5  :       50  :       60  :       70  :       80   :    1000   :    2.00 :|
|Дракон 龍龍龍龍龍龍龍龍龍龍龍 :      7 :   70  :        1  :        2  :        3  :        4   :       5   :    2.50 :|


   [KORVELIN-LIST]
 >>> «wc»
| NAME:                        :  ID #  : Level : New Speed : New Power : New Stren : New Health :  Wt Total :|
|*************************************************************************************************************|
|🐉 Ωmega Jérôme               :      6 :    5  :       50  :       60  :       70  :       80   :      334  :|
|Дракон 龍龍龍龍龍龍龍龍龍龍龍 :      7 :   70  :        1  :        2  :        3  :        4   :       12  :|


   [KORVELIN-LIST]
 >>> «done»

   [KORVELIN-MAIN]
 >>> «save names.sav»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>> {{names_save_echo}}

   [KORVELIN-MAIN]
 >>> «load marked.sav»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> |Дракон 龍龍龍龍龍龍龍龍龍龍龍 :      7 :  70 :      1 :      2 :      3 :      4 :    5  :   2.50 :      1 :      2 :      3 :      4 :     5 :   2.50 |
|🐉 Ωmega Jérôme               :      6 :   5 :     50 :     60 :     70 :     80 : 1000  :   2.00 :     50 :     60 :     70 :     80 :  1000 :   2.00 |
|Zoë Lefèvre 🔥                :      2 :  20 :    110 :    210 :    310 :    410 : 1000  :   2.00 :    110 :    210 :    310 :    410 :  1000 :   2.00 |
|Αλέξανδρος Παπαδόπουλος Ζωής  :      3 :  30 :    120 :    220 :    320 :    420 : 1000  :   2.00 :    120 :    220 :    320 :    420 :  1000 :   2.00 |
|龍龍龍龍龍龍龍龍龍龍龍龍龍龍  :      4 :  40 :    130 :    230 :    330 :    430 : 1000  :   2.00 :    130 :    230 :    330 :    430 :  1000 :   2.00 |
|J�r�me                        :      5 :  50 :    140 :    240 :    340 :    440 : 1000  :   2.00 :    140 :    240 :    340 :    440 :  1000 :   2.00 |

   [KORVELIN-MAIN]
 >>> «save again.sav»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>> {{names_save_echo}}

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

