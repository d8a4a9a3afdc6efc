# ABOUT answered 'y' three times: the four pages, page 4 without a prompt,
# then the banner.
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «ABOUT»
{{banner}}
{{about_p1}}

   [CONTINUE? (Y/N)]
   [KORVELIN-ABOUT-P1-CONT?]
 >>> «y»
{{about_p2}}

   [CONTINUE? (Y/N)]
   [KORVELIN-ABOUT-P2-CONT?]
 >>> «Y»
{{about_p3}}

   [CONTINUE? (Y/N)]
   [KORVELIN-ABOUT-P3-CONT?]
 >>> «yeah»
{{about_p4}}
{{banner}}

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»


Have a Nice Day :D

