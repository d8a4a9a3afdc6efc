# ADD answered 'n' at the first confirmation enters the member again under
# the same ID, without asking the ID; 'Yes' then confirms.  Only the second
# set of values is kept: DISPLAY shows them, with blank cells for the zero
# intelligence.  A second ADD of the same ID, typed after a word that is not
# a number, is refused.
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «ADD»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«7»


   [ENTER NAME]{{name_prompt}}«Bob»


   [ENTER LEVEL]{{value_prompt}}«1»


   [ENTER SPEED]{{value_prompt}}«11»


   [ENTER POWER]{{value_prompt}}«12»


   [ENTER STRENGTH]{{value_prompt}}«13»


   [ENTER HEALTH]{{value_prompt}}«14»


   [ENTER INTEL]{{value_prompt}}«15»
 

  [ENTER BEG]{{value_prompt}}«1.5»
   [CONFIRM ADD? ('C' TO CANCEL) Y/N/C]
| Name                          : ID_NUM : Level : Speed : Power : Stren : Health : Intel :   Beg  :|
| Bob                           :      7 :    1  :    11 :    12 :    13 :     14 :    15 :   1.50 :|
   [KORVELIN-ADD-CONFIRM]
 >>> «n»


   [ENTER NAME]{{name_prompt}}«Bobby Tables»


   [ENTER LEVEL]{{value_prompt}}«123»


   [ENTER SPEED]{{value_prompt}}«21000»


   [ENTER POWER]{{value_prompt}}«-22»


   [ENTER STRENGTH]{{value_prompt}}«23»


   [ENTER HEALTH]{{value_prompt}}«1234567»


   [ENTER INTEL]{{value_prompt}}«0»
 

  [ENTER BEG]{{value_prompt}}«0»
   [CONFIRM ADD? ('C' TO CANCEL) Y/N/C]
| Name                          : ID_NUM : Level : Speed : Power : Stren : Health : Intel :   Beg  :|
| Bobby Tables                  :      7 :  123  : 21000 :   -22 :    23 : 1234567 :     0 :   0.00 :|
   [KORVELIN-ADD-CONFIRM]
 >>> «Yes»
   [DONE!]

   [KORVELIN-MAIN]
 >>> «edit»

   [ID OF PLAYER TO EDIT?( '0' TO CANCEL)]
   [KORVELIN-EDIT]
 >>> «7»

    EDITING >> Bobby Tables                  
   [KORVELIN-EDIT]
 >>> «display»
{{edit_rules}}

NAME: Bobby Tables                 
ID_NUM :      7     Level: 123
: Init_Speed  : Init_Power : Init_Stren :
:    21000    :      -22   :       23   :
: Init_Health : Init_Intel :  Init_Beg  :
:   1234567   :            :     0.00   :
:  New_Speed  :  New_Power :  New_Stren :
:     21000   :      -22   :       23   :
:  New_Health :  New_Intel :  New_Beg   :
:   1234567   :            :     0.00   :



    EDITING >> Bobby Tables                  
   [KORVELIN-EDIT]
 >>> «back»

   [KORVELIN-MAIN]
 >>> «add»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«seven»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]

{{value_prompt}}«7»
   [ERROR! ID ALREADY EXISTS!]

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

