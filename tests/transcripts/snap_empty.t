# SNAP on an empty roster prints only its final message.
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «snap»
   [ALL VALUES SUCESSFULLY UPDATED TO MATCH LATEST VALUES]


   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

