# ADD on an empty roster: ID 5, 'Ann', level 10, stats 100 to 500 and beg
# 2.5, confirmed with 'y'.  The confirmation row shows the values typed, and
# EDIT's DISPLAY then shows each value in both snapshots.
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «add»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«5»


   [ENTER NAME]{{name_prompt}}«Ann»


   [ENTER LEVEL]{{value_prompt}}«10»


   [ENTER SPEED]{{value_prompt}}«100»


   [ENTER POWER]{{value_prompt}}«200»


   [ENTER STRENGTH]{{value_prompt}}«300»


   [ENTER HEALTH]{{value_prompt}}«400»


   [ENTER INTEL]{{value_prompt}}«500»
 

  [ENTER BEG]{{value_prompt}}«2.5»
   [CONFIRM ADD? ('C' TO CANCEL) Y/N/C]
| Name                          : ID_NUM : Level : Speed : Power : Stren : Health : Intel :   Beg  :|
| Ann                           :      5 :   10  :   100 :   200 :   300 :    400 :   500 :   2.50 :|
   [KORVELIN-ADD-CONFIRM]
 >>> «y»
   [DONE!]

   [KORVELIN-MAIN]
 >>> «edit»

   [ID OF PLAYER TO EDIT?( '0' TO CANCEL)]
   [KORVELIN-EDIT]
 >>> «5»

    EDITING >> Ann                           
   [KORVELIN-EDIT]
 >>> «display»
{{edit_rules}}

NAME: Ann                          
ID_NUM :      5     Level:  10
: Init_Speed  : Init_Power : Init_Stren :
:      100    :      200   :      300   :
: Init_Health : Init_Intel :  Init_Beg  :
:       400   :     500    :     2.50   :
:  New_Speed  :  New_Power :  New_Stren :
:       100   :      200   :      300   :
:  New_Health :  New_Intel :  New_Beg   :
:       400   :     500    :     2.50   :



    EDITING >> Ann                           
   [KORVELIN-EDIT]
 >>> «done»

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

