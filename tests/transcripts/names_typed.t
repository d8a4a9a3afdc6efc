# Names typed at ADD and EDIT in any script (expected output worked out by
# hand: names are counted and padded by characters).  "Дракон" holds the byte 0x94
# inside its first letter, which is no control character there, so the name
# is read whole.  Thirty CJK characters typed: the first 29 are kept and the
# 30th is dropped, as for any name.  The confirmation row, EDIT's prompt
# and DISPLAY, DELETE's ENTRY line, SNAP's right-aligned names and the
# DEFAULT preset all pad by characters.
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «add»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«7»


   [ENTER NAME]{{name_prompt}}«Дракон»


   [ENTER LEVEL]{{value_prompt}}«10»


   [ENTER SPEED]{{value_prompt}}«100»


   [ENTER POWER]{{value_prompt}}«200»


   [ENTER STRENGTH]{{value_prompt}}«300»


   [ENTER HEALTH]{{value_prompt}}«400»


   [ENTER INTEL]{{value_prompt}}«500»
 

  [ENTER BEG]{{value_prompt}}«2.5»
   [CONFIRM ADD? ('C' TO CANCEL) Y/N/C]
| Name                          : ID_NUM : Level : Speed : Power : Stren : Health : Intel :   Beg  :|
| Дракон                        :      7 :   10  :   100 :   200 :   300 :    400 :   500 :   2.50 :|
   [KORVELIN-ADD-CONFIRM]
 >>> «y»
   [DONE!]

   [KORVELIN-MAIN]
 >>> «add»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«8»


   [ENTER NAME]{{name_prompt}}«龍龍龍龍龍龍龍龍龍龍龍龍龍龍龍虎虎虎虎虎虎虎虎虎虎虎虎虎虎虎»


   [ENTER LEVEL]{{value_prompt}}«20»


   [ENTER SPEED]{{value_prompt}}«1»


   [ENTER POWER]{{value_prompt}}«2»


   [ENTER STRENGTH]{{value_prompt}}«3»


   [ENTER HEALTH]{{value_prompt}}«4»


   [ENTER INTEL]{{value_prompt}}«5»
 

  [ENTER BEG]{{value_prompt}}«1»
   [CONFIRM ADD? ('C' TO CANCEL) Y/N/C]
| Name                          : ID_NUM : Level : Speed : Power : Stren : Health : Intel :   Beg  :|
| 龍龍龍龍龍龍龍龍龍龍龍龍龍龍龍虎虎虎虎虎虎虎虎虎虎虎虎虎虎 :      8 :   20  :     1 :     2 :     3 :      4 :     5 :   1.00 :|
   [KORVELIN-ADD-CONFIRM]
 >>> «y»
   [DONE!]

   [KORVELIN-MAIN]
 >>> «add»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«9»


   [ENTER NAME]{{name_prompt}}«🐉 Ωmega Jérôme»


   [ENTER LEVEL]{{value_prompt}}«30»


   [ENTER SPEED]{{value_prompt}}«7»


   [ENTER POWER]{{value_prompt}}«8»


   [ENTER STRENGTH]{{value_prompt}}«9»


   [ENTER HEALTH]{{value_prompt}}«10»


   [ENTER INTEL]{{value_prompt}}«11»
 

  [ENTER BEG]{{value_prompt}}«3»
   [CONFIRM ADD? ('C' TO CANCEL) Y/N/C]
| Name                          : ID_NUM : Level : Speed : Power : Stren : Health : Intel :   Beg  :|
| 🐉 Ωmega Jérôme                :      9 :   30  :     7 :     8 :     9 :     10 :    11 :   3.00 :|
   [KORVELIN-ADD-CONFIRM]
 >>> «y»
   [DONE!]

   [KORVELIN-MAIN]
 >>> «edit»

   [ID OF PLAYER TO EDIT?( '0' TO CANCEL)]
   [KORVELIN-EDIT]
 >>> «7»

    EDITING >> Дракон                        
   [KORVELIN-EDIT]
 >>> «display»
{{edit_rules}}

NAME: Дракон                       
ID_NUM :      7     Level:  10
: Init_Speed  : Init_Power : Init_Stren :
:      100    :      200   :      300   :
: Init_Health : Init_Intel :  Init_Beg  :
:       400   :     500    :     2.50   :
:  New_Speed  :  New_Power :  New_Stren :
:       100   :      200   :      300   :
:  New_Health :  New_Intel :  New_Beg   :
:       400   :     500    :     2.50   :



    EDITING >> Дракон                        
   [KORVELIN-EDIT]
 >>> «name»
{{name_prompt}}«Αλεξανδρος»

    EDITING >> Αλεξανδρος                    
   [KORVELIN-EDIT]
 >>> «done»

   [KORVELIN-MAIN]
 >>> «delete»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«8»
ENTRY: 龍龍龍龍龍龍龍龍龍龍龍龍龍龍龍虎虎虎虎虎虎虎虎虎虎虎虎虎虎
   [CONFIRM DELETE?(Y/N)]
   [KORVELIN-DELETE-CONFIRM]
 >>> «n»
   [DELETE ABORTED!]

   [KORVELIN-MAIN]
 >>> «snap»
UPDATING                🐉 Ωmega Jérôme : . . . . . .
UPDATING 龍龍龍龍龍龍龍龍龍龍龍龍龍龍龍虎虎虎虎虎虎虎虎虎虎虎虎虎虎 : . . . . . .
UPDATING                    Αλεξανδρος : . . . . . .
   [ALL VALUES SUCESSFULLY UPDATED TO MATCH LATEST VALUES]


   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «default»
| NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :|
|***********************************************************************************************************************|
|Αλεξανδρος                    :      7 :   10  :      100  :      200  :      300  :      400   :     500   :    2.50 :|
|龍龍龍龍龍龍龍龍龍龍龍龍龍龍龍虎虎虎虎虎虎虎虎虎虎虎虎虎虎 :      8 :   20  :        1  :        2  :        3  :        4   :       5   :    1.00 :|
|🐉 Ωmega Jérôme                :      9 :   30  :        7  :        8  :        9  :       10   :      11   :    3.00 :|


   [KORVELIN-LIST]
 >>> «back»

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

