# SET OPTIONS: its help, DISPLAY of the custom columns, keyword toggles in
# any case (ID off and on again, Wt Total in its fixed place whatever the
# order of toggling), 'wintel' and 'wbeg' refused, DEFAULT, every column
# off (the name column alone), and LIST showing the new columns, the Total %
# cells one wider than their heading.
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
 >>> «options»

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «help»
{{option_set_help}}

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «display»
| NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :|
|***********************************************************************************************************************|

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «ID»

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «wtotal»

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «Level»

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «display»
| NAME:                        : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :  Wt Total :|
|******************************************************************************************************************|

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «wintel»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «WBEG»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «toggle»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «id»

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «display»
| NAME:                        :  ID #  : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :  Wt Total :|
|***************************************************************************************************************************|

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «default»

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «display»
| NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :|
|***********************************************************************************************************************|

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «id»

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «level»

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «oldspeed»

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «oldpower»

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «oldstren»

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «oldhealth»

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «oldintel»

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «oldbeg»

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «display»
| NAME:                        :|
|*******************************|

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «done»

   [KORVELIN-LIST]
 >>> «list»
| NAME:                        :|
|*******************************|
|Ann                           :|
|Bob                           :|
|Cat                           :|
|Dan                           :|


   [KORVELIN-LIST]
 >>> «set»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> «Options»

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «default»

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «totalp»

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «OLDTOTAL»

   [TOGGLE WHICH OPTION?]
   [KORVELIN-LIST-SET-OPTION]
 >>> «back»

   [KORVELIN-LIST]
 >>> «list»
| NAME:                        :  ID #  : Level : Old Total : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg : Total % :|
|*********************************************************************************************************************************************|
|Ann                           :    101 :   10  :     6000  :     1000  :     2000  :     3000  :     4000   :    1000   :    2.00 :    0.00  :|
|Bob                           :    102 :   20  :     7000  :     4000  :     1000  :     2000  :     3000   :    1000   :    2.00 :    0.00  :|
|Cat                           :    103 :   30  :     8000  :     3000  :     4000  :     1000  :     2000   :    1000   :    2.00 :    0.00  :|
|Dan                           :    104 :   40  :     9000  :     2000  :     3000  :     4000  :     1000   :    1000   :    2.00 :    0.00  :|


   [KORVELIN-LIST]
 >>> «done»

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

