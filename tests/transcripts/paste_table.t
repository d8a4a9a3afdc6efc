# LOAD and UPDATE of tables pasted at their prompts, typed ahead: a title,
# a header row and the empty lines before the first row do not end the
# table, the empty line after its rows does, and the next line is the next
# command; UPDATE's table (any case) ends with the input, its last line
# without a line end.  A file named paste is read in quotes; the prompt's
# help; no clipboard program (and none on Windows under Wine).
env PATH bin:/usr/bin:/bin
env DISPLAY
env WAYLAND_DISPLAY
file paste <<END
Ann (1) 5 1 2 3 4
END
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load clipboard»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [CANNOT READ THE CLIPBOARD.  LOAD ABORTED]

   [KORVELIN-MAIN]
 >>> «load "paste"»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
Ann                            :      1 :   5 :     1 :     2 :     3 :      4 . . . . . . .   .done

   [KORVELIN-MAIN]
 >>> «load help»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> {{table_prompt_help}}
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> «paste
Gang roster copied from the game

Name	ID	Level	Speed	Power	Strength	Health

Rivet	677814	60	17828	23411	18738	22821
Copperhead	483452	52	20540	17675	18498	18985

list
done
»
   [PASTE THE TABLE NOW.  AN EMPTY LINE AFTER IT ENDS IT]
   [LOADING]
Rivet                          : 677814 :  60 : 17828 : 23411 : 18738 :  22821 . . . . . . .   .done
Copperhead                     : 483452 :  52 : 20540 : 17675 : 18498 :  18985 . . . . . . .   .done
   [SKIPPED 1 LINES WITHOUT AN ID]

   [KORVELIN-MAIN]
 >>> 
   [KORVELIN-LIST]
 >>> 
   [KORVELIN-MAIN]
 >>> «update PASTE
Rivet (677814) 61 18000 23500 18800 22900
Sprocket Sal (721306) 12 3000 2800 3100 3500»   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>>    [PASTE THE TABLE NOW.  AN EMPTY LINE AFTER IT ENDS IT]
   [LOADING]
Rivet                          : 677814 :  61 : 18000 : 23500 : 18800 :  22900 . . . . . . .   .done
Sprocket Sal                   : 721306 :  12 :  3000 :  2800 :  3100 :   3500 . . . . . . .   .done
   [NOT IN THIS TABLE: 1 MEMBERS]
      Copperhead (483452)

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

