# SORT: its help (in any case, no invalid-input message after it), words
# that are not options ('wintel' and 'wbeg' are listed by the help but are
# no options), the directions in any case (the prompt's own spellings are
# walked in sort_order_check), BACK and DONE keeping the list, two words on
# one line, and the chosen sort lasting into the next visit, where a "\"
# at the direction prompt has changed neither option nor direction.
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
 >>> «sort»

   [SORT BY WHAT?]
   [KORVELIN-LIST-SORT-OPTION]
 >>> «HELP»
{{sort_help}}

   [SORT BY WHAT?]
   [KORVELIN-LIST-SORT-OPTION]
 >>> «Help»
{{sort_help}}

   [SORT BY WHAT?]
   [KORVELIN-LIST-SORT-OPTION]
 >>> «wintel»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [SORT BY WHAT?]
   [KORVELIN-LIST-SORT-OPTION]
 >>> «wbeg»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [SORT BY WHAT?]
   [KORVELIN-LIST-SORT-OPTION]
 >>> «ids»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [SORT BY WHAT?]
   [KORVELIN-LIST-SORT-OPTION]
 >>> «NewSpeed»

   [ACCENDING OR DECENTING??]
   [KORVELIN-LIST-SORT-DIRECTION]
 >>> «upward»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [ACCENDING OR DECENTING??]
   [KORVELIN-LIST-SORT-DIRECTION]
 >>> «down»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [ACCENDING OR DECENTING??]
   [KORVELIN-LIST-SORT-DIRECTION]
 >>> «help»

   [ACCENDING OR DECENTING??]
   [KORVELIN-LIST-SORT-DIRECTION]
 >>> «descending»

   [KORVELIN-LIST]
 >>> «list»
| NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :|
|***********************************************************************************************************************|
|Bob                           :    102 :   20  :     4000  :     1000  :     2000  :     3000   :    1000   :    2.00 :|
|Cat                           :    103 :   30  :     3000  :     4000  :     1000  :     2000   :    1000   :    2.00 :|
|Dan                           :    104 :   40  :     2000  :     3000  :     4000  :     1000   :    1000   :    2.00 :|
|Ann                           :    101 :   10  :     1000  :     2000  :     3000  :     4000   :    1000   :    2.00 :|


   [KORVELIN-LIST]
 >>> «sort»

   [SORT BY WHAT?]
   [KORVELIN-LIST-SORT-OPTION]
 >>> «back»

   [KORVELIN-LIST]
 >>> «list»
| NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :|
|***********************************************************************************************************************|
|Bob                           :    102 :   20  :     4000  :     1000  :     2000  :     3000   :    1000   :    2.00 :|
|Cat                           :    103 :   30  :     3000  :     4000  :     1000  :     2000   :    1000   :    2.00 :|
|Dan                           :    104 :   40  :     2000  :     3000  :     4000  :     1000   :    1000   :    2.00 :|
|Ann                           :    101 :   10  :     1000  :     2000  :     3000  :     4000   :    1000   :    2.00 :|


   [KORVELIN-LIST]
 >>> «sort»

   [SORT BY WHAT?]
   [KORVELIN-LIST-SORT-OPTION]
 >>> «Done»

   [KORVELIN-LIST]
 >>> «list»
| NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :|
|***********************************************************************************************************************|
|Bob                           :    102 :   20  :     4000  :     1000  :     2000  :     3000   :    1000   :    2.00 :|
|Cat                           :    103 :   30  :     3000  :     4000  :     1000  :     2000   :    1000   :    2.00 :|
|Dan                           :    104 :   40  :     2000  :     3000  :     4000  :     1000   :    1000   :    2.00 :|
|Ann                           :    101 :   10  :     1000  :     2000  :     3000  :     4000   :    1000   :    2.00 :|


   [KORVELIN-LIST]
 >>> «sort»

   [SORT BY WHAT?]
   [KORVELIN-LIST-SORT-OPTION]
 >>> «level Desc»

   [ACCENDING OR DECENTING??]
   [KORVELIN-LIST-SORT-DIRECTION]
 >>> 
   [KORVELIN-LIST]
 >>> «list»
| NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :|
|***********************************************************************************************************************|
|Dan                           :    104 :   40  :     2000  :     3000  :     4000  :     1000   :    1000   :    2.00 :|
|Cat                           :    103 :   30  :     3000  :     4000  :     1000  :     2000   :    1000   :    2.00 :|
|Bob                           :    102 :   20  :     4000  :     1000  :     2000  :     3000   :    1000   :    2.00 :|
|Ann                           :    101 :   10  :     1000  :     2000  :     3000  :     4000   :    1000   :    2.00 :|


   [KORVELIN-LIST]
 >>> «sort»

   [SORT BY WHAT?]
   [KORVELIN-LIST-SORT-OPTION]
 >>> «id»

   [ACCENDING OR DECENTING??]
   [KORVELIN-LIST-SORT-DIRECTION]
 >>> «ASC»

   [KORVELIN-LIST]
 >>> «list»
{{gang4_default}}


   [KORVELIN-LIST]
 >>> «sort»

   [SORT BY WHAT?]
   [KORVELIN-LIST-SORT-OPTION]
 >>> «oldpower»

   [ACCENDING OR DECENTING??]
   [KORVELIN-LIST-SORT-DIRECTION]
 >>> «Ascending»

   [KORVELIN-LIST]
 >>> «sort»

   [SORT BY WHAT?]
   [KORVELIN-LIST-SORT-OPTION]
 >>> «oldspeed»

   [ACCENDING OR DECENTING??]
   [KORVELIN-LIST-SORT-DIRECTION]
 >>> «\»

   [KORVELIN-LIST]
 >>> «done»

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «list»
| NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :|
|***********************************************************************************************************************|
|Bob                           :    102 :   20  :     4000  :     1000  :     2000  :     3000   :    1000   :    2.00 :|
|Ann                           :    101 :   10  :     1000  :     2000  :     3000  :     4000   :    1000   :    2.00 :|
|Dan                           :    104 :   40  :     2000  :     3000  :     4000  :     1000   :    1000   :    2.00 :|
|Cat                           :    103 :   30  :     3000  :     4000  :     1000  :     2000   :    1000   :    2.00 :|


   [KORVELIN-LIST]
 >>> «done»

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

