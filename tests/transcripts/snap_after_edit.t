# SNAP after EDIT changed new values: one line per member in roster order
# (the member added last comes first), names right-aligned in 29 columns;
# afterwards DISPLAY shows every old stat equal to the new one, zeros blank.
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «add»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«1»


   [ENTER NAME]{{name_prompt}}«Eve»


   [ENTER LEVEL]{{value_prompt}}«5»


   [ENTER SPEED]{{value_prompt}}«100»


   [ENTER POWER]{{value_prompt}}«110»


   [ENTER STRENGTH]{{value_prompt}}«120»


   [ENTER HEALTH]{{value_prompt}}«130»


   [ENTER INTEL]{{value_prompt}}«0»
 

  [ENTER BEG]{{value_prompt}}«2»
   [CONFIRM ADD? ('C' TO CANCEL) Y/N/C]
| Name                          : ID_NUM : Level : Speed : Power : Stren : Health : Intel :   Beg  :|
| Eve                           :      1 :    5  :   100 :   110 :   120 :    130 :     0 :   2.00 :|
   [KORVELIN-ADD-CONFIRM]
 >>> «y»
   [DONE!]

   [KORVELIN-MAIN]
 >>> «add»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«2»


   [ENTER NAME]{{name_prompt}}«Abcdefghijklmnopqrstuvwxyz012»


   [ENTER LEVEL]{{value_prompt}}«9»


   [ENTER SPEED]{{value_prompt}}«1»


   [ENTER POWER]{{value_prompt}}«2»


   [ENTER STRENGTH]{{value_prompt}}«3»


   [ENTER HEALTH]{{value_prompt}}«4»


   [ENTER INTEL]{{value_prompt}}«5»
 

  [ENTER BEG]{{value_prompt}}«6»
   [CONFIRM ADD? ('C' TO CANCEL) Y/N/C]
| Name                          : ID_NUM : Level : Speed : Power : Stren : Health : Intel :   Beg  :|
| Abcdefghijklmnopqrstuvwxyz012 :      2 :    9  :     1 :     2 :     3 :      4 :     5 :   6.00 :|
   [KORVELIN-ADD-CONFIRM]
 >>> «y»
   [DONE!]

   [KORVELIN-MAIN]
 >>> «edit»

   [ID OF PLAYER TO EDIT?( '0' TO CANCEL)]
   [KORVELIN-EDIT]
 >>> «1»

    EDITING >> Eve                           
   [KORVELIN-EDIT]
 >>> «newspeed»
{{value_prompt}}«150»

    EDITING >> Eve                           
   [KORVELIN-EDIT]
 >>> «newhealth»
{{value_prompt}}«0»

    EDITING >> Eve                           
   [KORVELIN-EDIT]
 >>> «newintel»
{{value_prompt}}«9»

    EDITING >> Eve                           
   [KORVELIN-EDIT]
 >>> «newbeg»
{{value_prompt}}«4.75»

    EDITING >> Eve                           
   [KORVELIN-EDIT]
 >>> «done»

   [KORVELIN-MAIN]
 >>> «snap»
UPDATING Abcdefghijklmnopqrstuvwxyz012 : . . . . . .
UPDATING                           Eve : . . . . . .
   [ALL VALUES SUCESSFULLY UPDATED TO MATCH LATEST VALUES]


   [KORVELIN-MAIN]
 >>> «edit»

   [ID OF PLAYER TO EDIT?( '0' TO CANCEL)]
   [KORVELIN-EDIT]
 >>> «1»

    EDITING >> Eve                           
   [KORVELIN-EDIT]
 >>> «display»
{{edit_rules}}

NAME: Eve                          
ID_NUM :      1     Level:   5
: Init_Speed  : Init_Power : Init_Stren :
:      150    :      110   :      120   :
: Init_Health : Init_Intel :  Init_Beg  :
:             :       9    :     4.75   :
:  New_Speed  :  New_Power :  New_Stren :
:       150   :      110   :      120   :
:  New_Health :  New_Intel :  New_Beg   :
:             :       9    :     4.75   :



    EDITING >> Eve                           
   [KORVELIN-EDIT]
 >>> «done»

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

