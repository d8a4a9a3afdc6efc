# SET: its help, an unknown word, the backslash, and ENTRIES: a number
# below the roster size, 0 (all members, silently), a number above it and a
# number beyond the int range (both reset with the message), a negative number
# (LIST prints the two header lines only), and words that are not numbers:
# the setting stays and the word, sign and all, is the next List command.
# Several words on one line answer the prompts in turn.  VIEW switches the
# viewer off, then on, which cannot open here: the output is not a
# terminal.
file gang4.txt <<END
{{gang4_file}}
END
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> «gang4.txt»
{{gang4_echo}}

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «set»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> «help»
{{list_set_help}}

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> «entry»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> «\»

   [KORVELIN-LIST]
 >>> «set»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> «ENTRIES»

   [CURRENT NUMBER OF ENTRIES TO SHOW = 4]
   [INPUT NEW NUMBER OF ENTRIES TO SHOW? ( 0 = MAX )]
   [KORVELIN-LIST-SET-ENTRIES]
 >>> «2»

   [KORVELIN-LIST]
 >>> «list»
| NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :|
|***********************************************************************************************************************|
|Ann                           :    101 :   10  :     1000  :     2000  :     3000  :     4000   :    1000   :    2.00 :|
|Bob                           :    102 :   20  :     4000  :     1000  :     2000  :     3000   :    1000   :    2.00 :|


   [KORVELIN-LIST]
 >>> «set»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> «entries»

   [CURRENT NUMBER OF ENTRIES TO SHOW = 2]
   [INPUT NEW NUMBER OF ENTRIES TO SHOW? ( 0 = MAX )]
   [KORVELIN-LIST-SET-ENTRIES]
 >>> «0»

   [KORVELIN-LIST]
 >>> «list»
{{gang4_default}}


   [KORVELIN-LIST]
 >>> «set»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> «entries»

   [CURRENT NUMBER OF ENTRIES TO SHOW = 4]
   [INPUT NEW NUMBER OF ENTRIES TO SHOW? ( 0 = MAX )]
   [KORVELIN-LIST-SET-ENTRIES]
 >>> «9»

   [INVALID VALUE.  VALUE RESET TO MAX]
   [KORVELIN-LIST]
 >>> «list»
{{gang4_default}}


   [KORVELIN-LIST]
 >>> «set»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> «entries»

   [CURRENT NUMBER OF ENTRIES TO SHOW = 4]
   [INPUT NEW NUMBER OF ENTRIES TO SHOW? ( 0 = MAX )]
   [KORVELIN-LIST-SET-ENTRIES]
 >>> «99999999999»

   [INVALID VALUE.  VALUE RESET TO MAX]
   [KORVELIN-LIST]
 >>> «set»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> «entries»

   [CURRENT NUMBER OF ENTRIES TO SHOW = 4]
   [INPUT NEW NUMBER OF ENTRIES TO SHOW? ( 0 = MAX )]
   [KORVELIN-LIST-SET-ENTRIES]
 >>> «4»

   [KORVELIN-LIST]
 >>> «set»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> «entries»

   [CURRENT NUMBER OF ENTRIES TO SHOW = 4]
   [INPUT NEW NUMBER OF ENTRIES TO SHOW? ( 0 = MAX )]
   [KORVELIN-LIST-SET-ENTRIES]
 >>> «-1»

   [KORVELIN-LIST]
 >>> «list»
| NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :|
|***********************************************************************************************************************|


   [KORVELIN-LIST]
 >>> «set»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> «entries»

   [CURRENT NUMBER OF ENTRIES TO SHOW = -1]
   [INPUT NEW NUMBER OF ENTRIES TO SHOW? ( 0 = MAX )]
   [KORVELIN-LIST-SET-ENTRIES]
 >>> «abc»

   [KORVELIN-LIST]
 >>>    [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [KORVELIN-LIST]
 >>> «set»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> «entries»

   [CURRENT NUMBER OF ENTRIES TO SHOW = -1]
   [INPUT NEW NUMBER OF ENTRIES TO SHOW? ( 0 = MAX )]
   [KORVELIN-LIST-SET-ENTRIES]
 >>> «2»

   [KORVELIN-LIST]
 >>> «set»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> «entries»

   [CURRENT NUMBER OF ENTRIES TO SHOW = 2]
   [INPUT NEW NUMBER OF ENTRIES TO SHOW? ( 0 = MAX )]
   [KORVELIN-LIST-SET-ENTRIES]
 >>> «list»

   [KORVELIN-LIST]
 >>> | NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :|
|***********************************************************************************************************************|
|Ann                           :    101 :   10  :     1000  :     2000  :     3000  :     4000   :    1000   :    2.00 :|
|Bob                           :    102 :   20  :     4000  :     1000  :     2000  :     3000   :    1000   :    2.00 :|


   [KORVELIN-LIST]
 >>> «set»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> «entries»

   [CURRENT NUMBER OF ENTRIES TO SHOW = 2]
   [INPUT NEW NUMBER OF ENTRIES TO SHOW? ( 0 = MAX )]
   [KORVELIN-LIST-SET-ENTRIES]
 >>> «-list»

   [KORVELIN-LIST]
 >>>    [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [KORVELIN-LIST]
 >>> «set entries 1»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> 
   [CURRENT NUMBER OF ENTRIES TO SHOW = 2]
   [INPUT NEW NUMBER OF ENTRIES TO SHOW? ( 0 = MAX )]
   [KORVELIN-LIST-SET-ENTRIES]
 >>> 
   [KORVELIN-LIST]
 >>> «list»
| NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :|
|***********************************************************************************************************************|
|Ann                           :    101 :   10  :     1000  :     2000  :     3000  :     4000   :    1000   :    2.00 :|


   [KORVELIN-LIST]
 >>> «set view»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>>    [VIEWER OFF.  TABLES ARE PRINTED LINE BY LINE]

   [KORVELIN-LIST]
 >>> «set view»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>>    [VIEWER ON, BUT IT CANNOT OPEN HERE.  TABLES ARE PRINTED LINE BY LINE]

   [KORVELIN-LIST]
 >>> «done»

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

