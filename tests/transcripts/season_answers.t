# Two of the README's weeks (examples/), worked out by hand: Gritty Nell
# leaves on 2026-11-17, Marla Quickfingers stops training.  WC passes over
# Nell once she has no point at the latest date (with her 47097 she would
# be eighth) and Soot (41363) comes in tenth.  Marla's total (24606) did
# not move: no Last Rise, 1.0 weeks from her first point.  REPORT: 25
# points of 593963 against 587623, the week's gains, Nell's leave and ten
# level changes by ID.  At 1 week and 301, Tobias Wrench is on the edge
# (16326 to 16627).  With one date, REPORT and STALLED ask for another.
# DELETE's `left` takes Nell out, UNDO puts her back.
file gang-2026-11-10.txt ../../examples/gang-2026-11-10.txt
file gang-2026-11-17.txt ../../examples/gang-2026-11-17.txt
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load gang-2026-11-10.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
Rustjaw Mcgee                  : 439563 :  44 : 12966 : 10525 : 10669 :   8901 . . . . . . .   .done
Cinder Vale                    : 258176 :  17 :  4450 :  5155 :  6763 :   5476 . . . . . . .   .done
Bolt Thrower                   : 514002 :  22 :  7475 :  6429 :  6154 :   8119 . . . . . . .   .done
Newt Fizzlewick                : 536875 :  12 :  2650 :  2410 :  2890 :   3300 . . . . . . .   .done
Marla Quickfingers             : 782554 :  29 :  8534 :  7886 :  8186 :  11146 . . . . . . .   .done
Old Tom Ricket                 : 150631 :  12 :  2509 :  2294 :  2597 :   2181 . . . . . . .   .done
Spanner the Great              : 175954 :  26 :  8945 :  5941 :  9285 :   8184 . . . . . . .   .done
Gritty Nell                    : 961168 :  37 :  8123 :  8015 :  7496 :  13775 . . . . . . .   .done
Duke of Dross                  : 661913 :  34 : 10068 :  8950 : 10883 :  13076 . . . . . . .   .done
Ivy Slagheap                   : 198702 :  17 :  4603 :  2965 :  5076 :   4413 . . . . . . .   .done
Copperhead                     : 483452 :  54 : 22678 : 19521 : 20128 :  19948 . . . . . . .   .done
Fennick Grubb                  : 711097 :  11 :  1883 :  2096 :  2066 :   2903 . . . . . . .   .done
Lady Scrapwell                 : 160816 :  12 :  3073 :  2312 :  2555 :   3218 . . . . . . .   .done
Junkyard Jax                   : 632084 :  29 :  4535 :  6943 :  6767 :   6517 . . . . . . .   .done
Pip Tinker                     : 325127 :  44 :  9919 :  7473 :  9515 :   7774 . . . . . . .   .done
Soot                           : 190122 :  31 :  7803 :  7253 :  6090 :   6135 . . . . . . .   .done
Widow Ashcombe                 : 554710 :  33 :  5668 :  5593 :  5519 :   6745 . . . . . . .   .done
Crowbar Kate                   : 538485 :  14 :  3419 :  3349 :  3257 :   3360 . . . . . . .   .done
Nails Norbury                  : 173248 :  55 : 14055 :  9924 :  9548 :  11773 . . . . . . .   .done
Tobias Wrench                  : 352353 :  17 :  5675 :  4017 :  6634 :   7388 . . . . . . .   .done
Mags the Beggar                : 195119 :  24 :  5077 :  5064 :  6358 :   6242 . . . . . . .   .done
Rivet                          : 677814 :  60 : 19395 : 25350 : 20122 :  24237 . . . . . . .   .done
Big Bertha Coil                : 545140 :  19 :  3258 :  4498 :  3133 :   3727 . . . . . . .   .done
Skint Sid                      : 161981 :  23 :  4966 :  6727 :  5778 :   6752 . . . . . . .   .done
Quill Burrows                  : 967017 :  53 : 14045 : 14725 : 13767 :  19724 . . . . . . .   .done
Dolly Gearbox                  : 227529 :  21 :  5100 :  4870 :  5230 :   6010 . . . . . . .   .done

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «report»
   [A REPORT NEEDS TWO SNAPSHOT DATES.  UPDATE FROM A NEWER STAT TABLE]

   [KORVELIN-LIST]
 >>> «stalled»
   [STALLED NEEDS SNAPSHOTS A WEEK APART.  UPDATE FROM A NEWER STAT TABLE]

   [KORVELIN-LIST]
 >>> «done»

   [KORVELIN-MAIN]
 >>> «update gang-2026-11-17.txt»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>>    [LOADING]
Pip Tinker                     : 325127 :  45 : 10152 :  7641 :  9925 :   8101 . . . . . . .   .done
Cinder Vale                    : 258176 :  18 :  4785 :  5541 :  7161 :   5722 . . . . . . .   .done
Dolly Gearbox                  : 227529 :  21 :  5160 :  4923 :  5318 :   6085 . . . . . . .   .done
Skint Sid                      : 161981 :  23 :  5404 :  6996 :  6180 :   7240 . . . . . . .   .done
Lady Scrapwell                 : 160816 :  12 :  3272 :  2409 :  2705 :   3399 . . . . . . .   .done
Crowbar Kate                   : 538485 :  14 :  3618 :  3524 :  3581 :   3688 . . . . . . .   .done
Tobias Wrench                  : 352353 :  17 :  5751 :  4099 :  6777 :   7525 . . . . . . .   .done
Big Bertha Coil                : 545140 :  20 :  3472 :  4858 :  3333 :   4079 . . . . . . .   .done
Mags the Beggar                : 195119 :  25 :  5286 :  5219 :  6584 :   6359 . . . . . . .   .done
Rustjaw Mcgee                  : 439563 :  44 : 13312 : 10795 : 10912 :   9060 . . . . . . .   .done
Ivy Slagheap                   : 198702 :  17 :  4692 :  3039 :  5152 :   4529 . . . . . . .   .done
Newt Fizzlewick                : 536875 :  13 :  2933 :  2691 :  3173 :   3485 . . . . . . .   .done
Spanner the Great              : 175954 :  26 :  9185 :  6055 :  9478 :   8327 . . . . . . .   .done
Soot                           : 190122 :  31 :  8378 :  7871 :  6628 :   6502 . . . . . . .   .done
Bolt Thrower                   : 514002 :  23 :  7753 :  6880 :  6428 :   8481 . . . . . . .   .done
Old Tom Ricket                 : 150631 :  12 :  2595 :  2449 :  2712 :   2259 . . . . . . .   .done
Duke of Dross                  : 661913 :  34 : 11226 :  9892 : 12035 :  14294 . . . . . . .   .done
Widow Ashcombe                 : 554710 :  34 :  6196 :  6228 :  5995 :   7272 . . . . . . .   .done
Junkyard Jax                   : 632084 :  29 :  4616 :  7092 :  6989 :   6656 . . . . . . .   .done
Fennick Grubb                  : 711097 :  11 :  1898 :  2125 :  2100 :   2938 . . . . . . .   .done
Nails Norbury                  : 173248 :  56 : 14749 : 10539 : 10159 :  12620 . . . . . . .   .done
Quill Burrows                  : 967017 :  54 : 14687 : 15497 : 14834 :  21206 . . . . . . .   .done
Marla Quickfingers             : 782554 :  29 :  8534 :  7886 :  8186 :  11146 . . . . . . .   .done
Copperhead                     : 483452 :  55 : 23543 : 20323 : 20910 :  21138 . . . . . . .   .done
Rivet                          : 677814 :  60 : 21242 : 27899 : 21798 :  25994 . . . . . . .   .done
   [NOT IN THIS TABLE: 1 MEMBERS]
      Gritty Nell (961168)

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «wc»
| NAME:                        :  ID #  : Level : New Speed : New Power : New Stren : New Health :  Wt Total :|
|*************************************************************************************************************|
|Rivet                         : 677814 :   60  :    21242  :    27899  :    21798  :    25994   :   128224  :|
|Copperhead                    : 483452 :   55  :    23543  :    20323  :    20910  :    21138   :   119196  :|
|Quill Burrows                 : 967017 :   54  :    14687  :    15497  :    14834  :    21206   :    85769  :|
|Nails Norbury                 : 173248 :   56  :    14749  :    10539  :    10159  :    12620   :    67322  :|
|Rustjaw Mcgee                 : 439563 :   44  :    13312  :    10795  :    10912  :     9060   :    63298  :|
|Duke of Dross                 : 661913 :   34  :    11226  :     9892  :    12035  :    14294   :    62857  :|
|Pip Tinker                    : 325127 :   45  :    10152  :     7641  :     9925  :     8101   :    50633  :|
|Marla Quickfingers            : 782554 :   29  :     8534  :     7886  :     8186  :    11146   :    47044  :|
|Spanner the Great             : 175954 :   26  :     9185  :     6055  :     9478  :     8327   :    46126  :|
|Soot                          : 190122 :   31  :     8378  :     7871  :     6628  :     6502   :    41363  :|


   [KORVELIN-LIST]
 >>> «stalled»
| NAME:                        :   ID # : Level : Last Rise  : Weeks :     Gain : Per Week :|
|*******************************************************************************************|
|Marla Quickfingers            : 782554 :    29 :            :   1.0 :        0 :      0.0 :|


   [KORVELIN-LIST]
 >>> «report»
GANG REPORT 2026-11-17 (SINCE 2026-11-10)

GANG TOTAL
  Total of 25 members  593963
  Change                +6340

BEST GAINS PER WEEK
  Rivet          6072.0
  Duke of Dross  3252.0
  Quill Burrows  2481.0
  Copperhead     2449.0
  Nails Norbury  1920.0

STALLED
  Marla Quickfingers  1.0 WEEKS

CHANGES
  Gritty Nell      LEFT
  Nails Norbury    LEVEL 55 -> 56
  Mags the Beggar  LEVEL 24 -> 25
  Cinder Vale      LEVEL 17 -> 18
  Pip Tinker       LEVEL 44 -> 45
  Copperhead       LEVEL 54 -> 55
  Bolt Thrower     LEVEL 22 -> 23
  Newt Fizzlewick  LEVEL 12 -> 13
  Big Bertha Coil  LEVEL 19 -> 20
  Widow Ashcombe   LEVEL 33 -> 34
  Quill Burrows    LEVEL 53 -> 54

WAR CHAMBER
  Rivet               128224
  Copperhead          119196
  Quill Burrows        85769
  Nails Norbury        67322
  Rustjaw Mcgee        63298
  Duke of Dross        62857
  Pip Tinker           50633
  Marla Quickfingers   47044
  Spanner the Great    46126
  Soot                 41363


   [KORVELIN-LIST]
 >>> «set»

   [ENTRIES, WEIGHTS OR OPTIONS? ( '\' TO CANCEL )]
   [KORVELIN-LIST-SET
 >>> «stall»

   [CURRENT STALL BAR = 0 A WEEK OVER 3 WEEKS]
   [INPUT NEW NUMBER OF WEEKS? ( 1-52 )]
   [KORVELIN-LIST-SET-STALL]
 >>> «1»

   [INPUT NEW STALL BAR A WEEK? ( 0 OR MORE )]
   [KORVELIN-LIST-SET-STALL]
 >>> «301»

   [KORVELIN-LIST]
 >>> «stalled»
| NAME:                        :   ID # : Level : Last Rise  : Weeks :     Gain : Per Week :|
|*******************************************************************************************|
|Marla Quickfingers            : 782554 :    29 :            :   1.0 :        0 :      0.0 :|
|Fennick Grubb                 : 711097 :    11 : 2026-11-17 :   0.0 :       78 :     78.0 :|
|Dolly Gearbox                 : 227529 :    21 : 2026-11-17 :   0.0 :      201 :    201.0 :|
|Ivy Slagheap                  : 198702 :    17 : 2026-11-17 :   0.0 :      239 :    239.0 :|
|Tobias Wrench                 : 352353 :    17 : 2026-11-17 :   0.0 :      301 :    301.0 :|


   [KORVELIN-LIST]
 >>> «done»

   [KORVELIN-MAIN]
 >>> «delete»
   [ENTER ID NUMBER.  '0' TO CANCEL]
{{value_prompt}}«Left»
      Gritty Nell (961168)
   [DELETE THESE 1 MEMBERS? 'Y' TO CONFIRM]
 >>> «y»

   [KORVELIN-MAIN]
 >>> «undo»
   [UNDONE: DELETE]

{{quit_without_saving}}

