# Answers typed as meant.  A space after ADD's ID, a line of a tab alone
# and the spaces around the name are not part of the name; numbers may
# group their digits by thousands ("11,776", "1,000,000"), while "1,23" is
# 1 and leaves ",23" to the next prompt, which refuses it.  EDIT's NAME
# followed by blanks alone waits for the name on the next line, and ID 0 is
# refused; FIND reads its text as a name ("find Rust" on one line).
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «add»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«5 »


   [ENTER NAME]{{name_prompt}}«	»
«  Rustjaw Mcgee  »


   [ENTER LEVEL]{{value_prompt}}«44 11,776 1,000,000 1,23»


   [ENTER SPEED]{{value_prompt}}


   [ENTER POWER]{{value_prompt}}


   [ENTER STRENGTH]{{value_prompt}}


   [ENTER HEALTH]{{value_prompt}}   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]

{{value_prompt}}«8700»


   [ENTER INTEL]{{value_prompt}}«1000»
 

  [ENTER BEG]{{value_prompt}}«2»
   [CONFIRM ADD? ('C' TO CANCEL) Y/N/C]
| Name                          : ID_NUM : Level : Speed : Power : Stren : Health : Intel :   Beg  :|
| Rustjaw Mcgee                 :      5 :   44  : 11776 : 1000000 :     1 :   8700 :  1000 :   2.00 :|
   [KORVELIN-ADD-CONFIRM]
 >>> «y»
   [DONE!]

   [KORVELIN-MAIN]
 >>> «edit 5»

   [ID OF PLAYER TO EDIT?( '0' TO CANCEL)]
   [KORVELIN-EDIT]
 >>> 
    EDITING >> Rustjaw Mcgee                 
   [KORVELIN-EDIT]
 >>> «name  »
{{name_prompt}}«Rusty»

    EDITING >> Rusty                         
   [KORVELIN-EDIT]
 >>> «id 0»
{{value_prompt}}   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


    EDITING >> Rusty                         
   [KORVELIN-EDIT]
 >>> «done»

   [KORVELIN-MAIN]
 >>> «find Rust»

   [NAME OR PART OF A NAME? '\' TO CANCEL]
   [KORVELIN-FIND]
 >>> | Name                          : ID_NUM : Level :|
| Rusty                         :      5 :   44  :|
   [1 FOUND]

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

