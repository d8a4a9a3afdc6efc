# ADD answered 'no' and then 'c' adds nothing, and neither does an ADD
# answered 'cancel' at once: only the first letter of the answer counts.  A
# later EDIT cannot find the ID.  ADD answered 0 at the ID prompt returns
# with no message.
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «add»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«8»


   [ENTER NAME]{{name_prompt}}«Cy»


   [ENTER LEVEL]{{value_prompt}}«2»


   [ENTER SPEED]{{value_prompt}}«3»


   [ENTER POWER]{{value_prompt}}«4»


   [ENTER STRENGTH]{{value_prompt}}«5»


   [ENTER HEALTH]{{value_prompt}}«6»


   [ENTER INTEL]{{value_prompt}}«7»
 

  [ENTER BEG]{{value_prompt}}«8»
   [CONFIRM ADD? ('C' TO CANCEL) Y/N/C]
| Name                          : ID_NUM : Level : Speed : Power : Stren : Health : Intel :   Beg  :|
| Cy                            :      8 :    2  :     3 :     4 :     5 :      6 :     7 :   8.00 :|
   [KORVELIN-ADD-CONFIRM]
 >>> «no»


   [ENTER NAME]{{name_prompt}}«Cyd»


   [ENTER LEVEL]{{value_prompt}}«2»


   [ENTER SPEED]{{value_prompt}}«3»


   [ENTER POWER]{{value_prompt}}«4»


   [ENTER STRENGTH]{{value_prompt}}«5»


   [ENTER HEALTH]{{value_prompt}}«6»


   [ENTER INTEL]{{value_prompt}}«7»
 

  [ENTER BEG]{{value_prompt}}«8.126»
   [CONFIRM ADD? ('C' TO CANCEL) Y/N/C]
| Name                          : ID_NUM : Level : Speed : Power : Stren : Health : Intel :   Beg  :|
| Cyd                           :      8 :    2  :     3 :     4 :     5 :      6 :     7 :   8.13 :|
   [KORVELIN-ADD-CONFIRM]
 >>> «c»

   [KORVELIN-MAIN]
 >>> «add»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«8»


   [ENTER NAME]{{name_prompt}}«Cy»


   [ENTER LEVEL]{{value_prompt}}«2»


   [ENTER SPEED]{{value_prompt}}«3»


   [ENTER POWER]{{value_prompt}}«4»


   [ENTER STRENGTH]{{value_prompt}}«5»


   [ENTER HEALTH]{{value_prompt}}«6»


   [ENTER INTEL]{{value_prompt}}«7»
 

  [ENTER BEG]{{value_prompt}}«8»
   [CONFIRM ADD? ('C' TO CANCEL) Y/N/C]
| Name                          : ID_NUM : Level : Speed : Power : Stren : Health : Intel :   Beg  :|
| Cy                            :      8 :    2  :     3 :     4 :     5 :      6 :     7 :   8.00 :|
   [KORVELIN-ADD-CONFIRM]
 >>> «cancel»

   [KORVELIN-MAIN]
 >>> «edit»

   [ID OF PLAYER TO EDIT?( '0' TO CANCEL)]
   [KORVELIN-EDIT]
 >>> «8»

   [ERROR! NAME NOT FOUND!]

   [ID OF PLAYER TO EDIT?( '0' TO CANCEL)]
   [KORVELIN-EDIT]
 >>> «0»

   [KORVELIN-MAIN]
 >>> «add»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«0»

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

