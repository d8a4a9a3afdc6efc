# ABOUT answered 'n' at the first continue prompt: banner, page 1, and the
# banner again from the main protocol.  Then the input ends at the main
# prompt: the farewell, exit 0.
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «about»
{{banner}}
{{about_p1}}

   [CONTINUE? (Y/N)]
   [KORVELIN-ABOUT-P1-CONT?]
 >>> «n»
{{banner}}

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

