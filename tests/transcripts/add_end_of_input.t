# The input ends in the middle of ADD: the half-entered member is dropped
# and the program ends with the farewell.  (The line end directly after the
# last value prompt belongs to the include, so two blank lines follow it.)
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «add»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«5»


   [ENTER NAME]{{name_prompt}}«Ann»


   [ENTER LEVEL]{{value_prompt}}


Have a Nice Day :D

