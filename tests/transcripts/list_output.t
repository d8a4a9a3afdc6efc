# OUTPUT: tables go to the named file (its name keeps its case; an existing
# file is emptied), one after another, with only the line end and the saved
# message on the screen.  A new OUTPUT closes the old file; a word beginning
# with a backslash returns output to the screen; a file that cannot be opened
# leaves output on the screen.  The next visit starts on the screen again.
file gang4.txt <<END
{{gang4_file}}
END
file second.txt <<END
an older table
END
expect-file Out1.txt <<END
{{gang4_default}}
{{gang4_wc}}
END
expect-file second.txt <<END
{{gang4_speed}}
END
expect-file third.txt <<END
END
expect-no-file nodir
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
 >>> «output»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> «Out1.txt»

   [KORVELIN-LIST]
 >>> «list»

   [DATA SAVED SUCESSFULLY]


   [KORVELIN-LIST]
 >>> «wc»

   [DATA SAVED SUCESSFULLY]


   [KORVELIN-LIST]
 >>> «OUTPUT»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> «second.txt»

   [KORVELIN-LIST]
 >>> «speed»

   [DATA SAVED SUCESSFULLY]


   [KORVELIN-LIST]
 >>> «output»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> «\screen»

   [KORVELIN-LIST]
 >>> «list»
{{gang4_default}}


   [KORVELIN-LIST]
 >>> «output»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> «nodir/x.txt»
   [ERROR OPENING FILE.  OUTPUT SET TO SCREEN]
   [No such file or directory]

   [KORVELIN-LIST]
 >>> «list»
{{gang4_default}}


   [KORVELIN-LIST]
 >>> «output»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> «third.txt»

   [KORVELIN-LIST]
 >>> «done»

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «wc»
{{gang4_wc}}


   [KORVELIN-LIST]
 >>> «back»

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

