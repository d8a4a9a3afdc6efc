# The input ends at a continue prompt of ABOUT: the program ends at once
# with the farewell (no banner after the pages), saving nothing.
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «about»
{{banner}}
{{about_p1}}

   [CONTINUE? (Y/N)]
   [KORVELIN-ABOUT-P1-CONT?]
 >>> 

Have a Nice Day :D

