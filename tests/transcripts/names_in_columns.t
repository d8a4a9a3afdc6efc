# Names padded by the columns a terminal gives them (expected output worked
# out by hand): the four members of gang4 renamed to a CJK name (10
# columns), an emoji among Latin letters (11), "Renée" spelt with e
# and a combining acute (6 characters, 5 columns) and 29 CJK characters (58
# columns: cut to 28 columns and a space in 29-column cells, to 30 in the
# load echo).  Every | and : of a row stands where the header's does.  The
# save file pads names by characters and keeps the long one whole: found
# again after the reload by its last character.
file table.txt <<END
龍王の剣士(101) 10 1000 2000 3000 4000
Zoë 🐉 Fire(102) 20 4000 1000 2000 3000
Renée(103) 30 3000 4000 1000 2000
天地玄黄宇宙洪荒日月盈昃辰宿列张寒来暑往秋收冬藏闰余成岁王(104) 40 2000 3000 4000 1000
END
mtime table.txt 2024-03-18
expect-file gang.sav <<END
{{save_head}}
|龍王の剣士                         : 101 : 10 : 1000 : 2000 : 3000 : 4000 : 1000 : 2.000000 : 1000 : 2000 : 3000 : 4000 : 1000 : 2.000000 |
|Zoë 🐉 Fire                    : 102 : 20 : 4000 : 1000 : 2000 : 3000 : 1000 : 2.000000 : 4000 : 1000 : 2000 : 3000 : 1000 : 2.000000 |
|Renée                        : 103 : 30 : 3000 : 4000 : 1000 : 2000 : 1000 : 2.000000 : 3000 : 4000 : 1000 : 2000 : 1000 : 2.000000 |
|天地玄黄宇宙洪荒日月盈昃辰宿列张寒来暑往秋收冬藏闰余成岁王 : 104 : 40 : 2000 : 3000 : 4000 : 1000 : 1000 : 2.000000 : 2000 : 3000 : 4000 : 1000 : 1000 : 2.000000 |
}
  1  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    0  :    0  :    0  :    0  :    0  :    0  :    1  :    1  :    0  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :    1  :  
: 0.667000 : 2.120000 : 1.240000 : 1.434000 : 17 : 1 
}
HISTORY 1
2024-03-18 101 10 1000 2000 3000 4000 1000 2.000000 "龍王の剣士"
2024-03-18 102 20 4000 1000 2000 3000 1000 2.000000 "Zoë 🐉 Fire"
2024-03-18 103 30 3000 4000 1000 2000 1000 2.000000 "Renée"
2024-03-18 104 40 2000 3000 4000 1000 1000 2.000000 "天地玄黄宇宙洪荒日月盈昃辰宿列张寒来暑往秋收冬藏闰余成岁王"
END
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load table.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
龍王の剣士                     :    101 :  10 :  1000 :  2000 :  3000 :   4000 . . . . . . .   .done
Zoë 🐉 Fire                    :    102 :  20 :  4000 :  1000 :  2000 :   3000 . . . . . . .   .done
Renée                          :    103 :  30 :  3000 :  4000 :  1000 :   2000 . . . . . . .   .done
天地玄黄宇宙洪荒日月盈昃辰宿列 :    104 :  40 :  2000 :  3000 :  4000 :   1000 . . . . . . .   .done

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «wc»
| NAME:                        :  ID #  : Level : New Speed : New Power : New Stren : New Health :  Wt Total :|
|*************************************************************************************************************|
|Zoë 🐉 Fire                   :    102 :   20  :     4000  :     1000  :     2000  :     3000   :    14589  :|
|天地玄黄宇宙洪荒日月盈昃辰宿  :    104 :   40  :     2000  :     3000  :     4000  :     1000   :    14363  :|
|Renée                         :    103 :   30  :     3000  :     4000  :     1000  :     2000   :    14088  :|
|龍王の剣士                    :    101 :   10  :     1000  :     2000  :     3000  :     4000   :    11570  :|


   [KORVELIN-LIST]
 >>> «done»

   [KORVELIN-MAIN]
 >>> «save gang.sav»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>> |龍王の剣士                    :    101 :   10  :     1000   :     2000   :     3000  :    1000    :    2.00  :     1000   :     2000   :     3000   :    1000    :    2.00  |
|Zoë 🐉 Fire                   :    102 :   20  :     4000   :     1000   :     2000  :    1000    :    2.00  :     4000   :     1000   :     2000   :    1000    :    2.00  |
|Renée                         :    103 :   30  :     3000   :     4000   :     1000  :    1000    :    2.00  :     3000   :     4000   :     1000   :    1000    :    2.00  |
|天地玄黄宇宙洪荒日月盈昃辰宿  :    104 :   40  :     2000   :     3000   :     4000  :    1000    :    2.00  :     2000   :     3000   :     4000   :    1000    :    2.00  |
}

   [KORVELIN-MAIN]
 >>> «load gang.sav»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> |龍王の剣士                    :    101 :  10 :   1000 :   2000 :   3000 :   4000 : 1000  :   2.00 :   1000 :   2000 :   3000 :   4000 :  1000 :   2.00 |
|Zoë 🐉 Fire                   :    102 :  20 :   4000 :   1000 :   2000 :   3000 : 1000  :   2.00 :   4000 :   1000 :   2000 :   3000 :  1000 :   2.00 |
|Renée                         :    103 :  30 :   3000 :   4000 :   1000 :   2000 : 1000  :   2.00 :   3000 :   4000 :   1000 :   2000 :  1000 :   2.00 |
|天地玄黄宇宙洪荒日月盈昃辰宿  :    104 :  40 :   2000 :   3000 :   4000 :   1000 : 1000  :   2.00 :   2000 :   3000 :   4000 :   1000 :  1000 :   2.00 |

   [KORVELIN-MAIN]
 >>> «find»

   [NAME OR PART OF A NAME? '\' TO CANCEL]
   [KORVELIN-FIND]
 >>> «王»
| Name                          : ID_NUM : Level :|
| 龍王の剣士                    :    101 :   10  :|
| 天地玄黄宇宙洪荒日月盈昃辰宿  :    104 :   40  :|
   [2 FOUND]

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

