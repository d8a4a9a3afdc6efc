# EDIT of every keyword, typed in mixed case, then DISPLAY: the stored values
# as typed (a negative stat, 12.5 shown as 12.50, zero intelligence as blank
# cells), and the prompt shows the new name at once.  A word that is not a
# keyword and a value that is not a number are refused.  The ID is changed
# to another member's: the member stays selected, and a later EDIT of that
# ID reaches the one that comes first in the roster.
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «add»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«10»


   [ENTER NAME]{{name_prompt}}«Fay»


   [ENTER LEVEL]{{value_prompt}}«1»


   [ENTER SPEED]{{value_prompt}}«1»


   [ENTER POWER]{{value_prompt}}«1»


   [ENTER STRENGTH]{{value_prompt}}«1»


   [ENTER HEALTH]{{value_prompt}}«1»


   [ENTER INTEL]{{value_prompt}}«1»
 

  [ENTER BEG]{{value_prompt}}«1»
   [CONFIRM ADD? ('C' TO CANCEL) Y/N/C]
| Name                          : ID_NUM : Level : Speed : Power : Stren : Health : Intel :   Beg  :|
| Fay                           :     10 :    1  :     1 :     1 :     1 :      1 :     1 :   1.00 :|
   [KORVELIN-ADD-CONFIRM]
 >>> «y»
   [DONE!]

   [KORVELIN-MAIN]
 >>> «add»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«20»


   [ENTER NAME]{{name_prompt}}«Gus»


   [ENTER LEVEL]{{value_prompt}}«2»


   [ENTER SPEED]{{value_prompt}}«2»


   [ENTER POWER]{{value_prompt}}«2»


   [ENTER STRENGTH]{{value_prompt}}«2»


   [ENTER HEALTH]{{value_prompt}}«2»


   [ENTER INTEL]{{value_prompt}}«2»
 

  [ENTER BEG]{{value_prompt}}«2»
   [CONFIRM ADD? ('C' TO CANCEL) Y/N/C]
| Name                          : ID_NUM : Level : Speed : Power : Stren : Health : Intel :   Beg  :|
| Gus                           :     20 :    2  :     2 :     2 :     2 :      2 :     2 :   2.00 :|
   [KORVELIN-ADD-CONFIRM]
 >>> «y»
   [DONE!]

   [KORVELIN-MAIN]
 >>> «Edit»

   [ID OF PLAYER TO EDIT?( '0' TO CANCEL)]
   [KORVELIN-EDIT]
 >>> «ten»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [ID OF PLAYER TO EDIT?( '0' TO CANCEL)]
   [KORVELIN-EDIT]
 >>> «10»

    EDITING >> Fay                           
   [KORVELIN-EDIT]
 >>> «help»
{{edit_help}}


    EDITING >> Fay                           
   [KORVELIN-EDIT]
 >>> «NAME»
{{name_prompt}}«Fay Two»

    EDITING >> Fay Two                       
   [KORVELIN-EDIT]
 >>> «Id»
{{value_prompt}}«20»

    EDITING >> Fay Two                       
   [KORVELIN-EDIT]
 >>> «OLDINTEL»
{{value_prompt}}«0»

    EDITING >> Fay Two                       
   [KORVELIN-EDIT]
 >>> «OldPower»
{{value_prompt}}«-5»

    EDITING >> Fay Two                       
   [KORVELIN-EDIT]
 >>> «oldStren»
{{value_prompt}}«300»

    EDITING >> Fay Two                       
   [KORVELIN-EDIT]
 >>> «OLDSPEED»
{{value_prompt}}«250»

    EDITING >> Fay Two                       
   [KORVELIN-EDIT]
 >>> «newintel»
{{value_prompt}}«0»

    EDITING >> Fay Two                       
   [KORVELIN-EDIT]
 >>> «OldHealth»
{{value_prompt}}«1000000»

    EDITING >> Fay Two                       
   [KORVELIN-EDIT]
 >>> «NEWHEALTH»
{{value_prompt}}«1000001»

    EDITING >> Fay Two                       
   [KORVELIN-EDIT]
 >>> «NewPower»
{{value_prompt}}«6»

    EDITING >> Fay Two                       
   [KORVELIN-EDIT]
 >>> «newstren»
{{value_prompt}}«301»

    EDITING >> Fay Two                       
   [KORVELIN-EDIT]
 >>> «NewSpeed»
{{value_prompt}}«260»

    EDITING >> Fay Two                       
   [KORVELIN-EDIT]
 >>> «LEVEL»
{{value_prompt}}«42»

    EDITING >> Fay Two                       
   [KORVELIN-EDIT]
 >>> «OLDBEG»
{{value_prompt}}«12.5»

    EDITING >> Fay Two                       
   [KORVELIN-EDIT]
 >>> «NewBeg»
{{value_prompt}}«abc»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]

{{value_prompt}}«-1.25»

    EDITING >> Fay Two                       
   [KORVELIN-EDIT]
 >>> «speed»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


    EDITING >> Fay Two                       
   [KORVELIN-EDIT]
 >>> «DISPLAY»
{{edit_rules}}

NAME: Fay Two                      
ID_NUM :     20     Level:  42
: Init_Speed  : Init_Power : Init_Stren :
:      250    :       -5   :      300   :
: Init_Health : Init_Intel :  Init_Beg  :
:   1000000   :            :    12.50   :
:  New_Speed  :  New_Power :  New_Stren :
:       260   :        6   :      301   :
:  New_Health :  New_Intel :  New_Beg   :
:   1000001   :            :    -1.25   :



    EDITING >> Fay Two                       
   [KORVELIN-EDIT]
 >>> «BACK»

   [KORVELIN-MAIN]
 >>> «edit»

   [ID OF PLAYER TO EDIT?( '0' TO CANCEL)]
   [KORVELIN-EDIT]
 >>> «10»

   [ERROR! NAME NOT FOUND!]

   [ID OF PLAYER TO EDIT?( '0' TO CANCEL)]
   [KORVELIN-EDIT]
 >>> «20»

    EDITING >> Gus                           
   [KORVELIN-EDIT]
 >>> «Done»

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

