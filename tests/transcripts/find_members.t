# FIND lists, in roster order, the members whose name contains the typed
# part, A-Z and a-z alike: an empty roster (a file named on the command line
# that cannot be opened gives LOAD's failure after the banner and leaves the
# roster empty), several matches, one (a part with a space), parts in other
# case, no match, and a backslash that cancels.
args missing.txt
file table.txt <<END
Rustjaw Mcgee (439563) 44 11776 10011 9746 8700
Gritty Nell (961168) 37 8000 7694 7346 13595
Marla McCall (782554) 27 8453 7681 8217 10727
Pip Tinker (325127) 42 9021 6865 8481 7457
END
---
{{banner}}
   [ERROR OPENING FILE.  LOAD ABORTED]
   [No such file or directory]

   [KORVELIN-MAIN]
 >>> «find»

   [NAME OR PART OF A NAME? '\' TO CANCEL]
   [KORVELIN-FIND]
 >>> «Rustjaw»
   [NO MEMBER FOUND]

   [KORVELIN-MAIN]
 >>> «load table.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
Rustjaw Mcgee                  : 439563 :  44 : 11776 : 10011 :  9746 :   8700 . . . . . . .   .done
Gritty Nell                    : 961168 :  37 :  8000 :  7694 :  7346 :  13595 . . . . . . .   .done
Marla McCall                   : 782554 :  27 :  8453 :  7681 :  8217 :  10727 . . . . . . .   .done
Pip Tinker                     : 325127 :  42 :  9021 :  6865 :  8481 :   7457 . . . . . . .   .done

   [KORVELIN-MAIN]
 >>> «FIND»

   [NAME OR PART OF A NAME? '\' TO CANCEL]
   [KORVELIN-FIND]
 >>> «mC»
| Name                          : ID_NUM : Level :|
| Rustjaw Mcgee                 : 439563 :   44  :|
| Marla McCall                  : 782554 :   27  :|
   [2 FOUND]

   [KORVELIN-MAIN]
 >>> «find»

   [NAME OR PART OF A NAME? '\' TO CANCEL]
   [KORVELIN-FIND]
 >>> «TY N»
| Name                          : ID_NUM : Level :|
| Gritty Nell                   : 961168 :   37  :|
   [1 FOUND]

   [KORVELIN-MAIN]
 >>> «find»

   [NAME OR PART OF A NAME? '\' TO CANCEL]
   [KORVELIN-FIND]
 >>> «mcx»
   [NO MEMBER FOUND]

   [KORVELIN-MAIN]
 >>> «find»

   [NAME OR PART OF A NAME? '\' TO CANCEL]
   [KORVELIN-FIND]
 >>> «\mc»

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

