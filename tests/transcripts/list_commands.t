# LIST, HELP, an unknown word, every preset on four members, DONE and BACK.
# The custom list is the import's: ascending ID, the default columns.  WC
# ranks by the Wt Total it shows (Bob, Dan, Cat, Ann), POWER by new power
# (Cat, Dan, Ann, Bob).
# PERCENT with no gains: every key equal, reverse roster order.  A preset
# leaves the custom list alone: LIST afterwards shows it unchanged.
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
 >>> «LIST»

   [KORVELIN-LIST]
 >>> «list»
{{gang4_default}}


   [KORVELIN-LIST]
 >>> «Help»
{{list_help}}

   [KORVELIN-LIST]
 >>> «lists»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [KORVELIN-LIST]
 >>> «wc»
{{gang4_wc}}


   [KORVELIN-LIST]
 >>> «Speed»
{{gang4_speed}}


   [KORVELIN-LIST]
 >>> «POWER»
{{gang4_power}}


   [KORVELIN-LIST]
 >>> «strength»
{{gang4_strength}}


   [KORVELIN-LIST]
 >>> «percent»
| NAME:                        :  ID #  : Total Gain : Speed Gain : Power Gain : Stren Gain : Intel Gain : Beg Gain : Total % : Speed % : Power % : Stren % : Intel % :  Beg %  :|
|********************************************************************************************************************************************************************************|
|Dan                           :    104 :        0   :        0   :        0   :        0   :        0   :    0.00  :    0.00  :    0.00 :    0.00 :    0.00 :    0.00 :    0.00 :|
|Cat                           :    103 :        0   :        0   :        0   :        0   :        0   :    0.00  :    0.00  :    0.00 :    0.00 :    0.00 :    0.00 :    0.00 :|
|Bob                           :    102 :        0   :        0   :        0   :        0   :        0   :    0.00  :    0.00  :    0.00 :    0.00 :    0.00 :    0.00 :    0.00 :|
|Ann                           :    101 :        0   :        0   :        0   :        0   :        0   :    0.00  :    0.00  :    0.00 :    0.00 :    0.00 :    0.00 :    0.00 :|


   [KORVELIN-LIST]
 >>> «default»
{{gang4_default}}


   [KORVELIN-LIST]
 >>> «list»
{{gang4_default}}


   [KORVELIN-LIST]
 >>> «done»

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «BACK»

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

