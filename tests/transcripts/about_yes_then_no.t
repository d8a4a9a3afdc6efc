# ABOUT answered 'Yes' then 'no': pages 1 and 2, then the banner.
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «about»
{{banner}}
{{about_p1}}

   [CONTINUE? (Y/N)]
   [KORVELIN-ABOUT-P1-CONT?]
 >>> «Yes»
{{about_p2}}

   [CONTINUE? (Y/N)]
   [KORVELIN-ABOUT-P2-CONT?]
 >>> «no»
{{banner}}

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»


Have a Nice Day :D

