# DELETE: an ID no member has gets the error with the ID prompt on the same
# line; 'no' aborts; 'Y' removes the only member without a word, after which
# neither EDIT nor DELETE finds it, and 0 leaves DELETE silently.
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «add»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«3»


   [ENTER NAME]{{name_prompt}}«Dee»


   [ENTER LEVEL]{{value_prompt}}«1»


   [ENTER SPEED]{{value_prompt}}«1»


   [ENTER POWER]{{value_prompt}}«1»


   [ENTER STRENGTH]{{value_prompt}}«1»


   [ENTER HEALTH]{{value_prompt}}«1»


   [ENTER INTEL]{{value_prompt}}«1»
 

  [ENTER BEG]{{value_prompt}}«1»
   [CONFIRM ADD? ('C' TO CANCEL) Y/N/C]
| Name                          : ID_NUM : Level : Speed : Power : Stren : Health : Intel :   Beg  :|
| Dee                           :      3 :    1  :     1 :     1 :     1 :      1 :     1 :   1.00 :|
   [KORVELIN-ADD-CONFIRM]
 >>> «y»
   [DONE!]

   [KORVELIN-MAIN]
 >>> «delete»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«4»
   [ERROR, ID NOT FOUND]   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«3»
ENTRY: Dee                          
   [CONFIRM DELETE?(Y/N)]
   [KORVELIN-DELETE-CONFIRM]
 >>> «no»
   [DELETE ABORTED!]

   [KORVELIN-MAIN]
 >>> «Delete»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«3»
ENTRY: Dee                          
   [CONFIRM DELETE?(Y/N)]
   [KORVELIN-DELETE-CONFIRM]
 >>> «Y»

   [KORVELIN-MAIN]
 >>> «edit»

   [ID OF PLAYER TO EDIT?( '0' TO CANCEL)]
   [KORVELIN-EDIT]
 >>> «3»

   [ERROR! NAME NOT FOUND!]

   [ID OF PLAYER TO EDIT?( '0' TO CANCEL)]
   [KORVELIN-EDIT]
 >>> «0»

   [KORVELIN-MAIN]
 >>> «delete»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«3»
   [ERROR, ID NOT FOUND]   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«0»

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

