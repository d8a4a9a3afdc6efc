# CSV, and the exports read back.  roster.csv, as a spreadsheet saves it:
# a title line; a header row in another order, with extra columns; quoted
# names with a comma and doubled quotes, a quoted line end, the export's
# apostrophe before "=Boss" taken off, blanks around a name dropped; an ID
# cell without a number.  week2.csv: semicolons, the exports' keywords,
# intelligence and beg too, missing cells keeping the member's values.  The
# LIST after SNAP, written as CSV and TSV, loads and updates back alike.
file roster.csv <<END crlf
Week 12, as the spreadsheet keeps it
"Rank","ID #","Name","New Power","Speed","Strength","Health","Level","Notes"
1,101,"Rivet, ""Red""",2000,1000,3000,4000,10,"quoted, with a
line end"
2,102,'=Boss,900,800,700,600,20,
3,N/A,"No Id",1,1,1,1,1,
4,103," Padded ",5,6,7,8,9,extra

END
file week2.csv <<END
id;name;level;newspeed;newpower;newstren;newhealth;newintel;newbeg
101;Rivet, "Red";11;1100;2100;3100;4100;1200;2,50
102;=Boss;21;N/A;950;750;650;;
END
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load roster.csv»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
Rivet, "Red"                   :    101 :  10 :  1000 :  2000 :  3000 :   4000 . . . . . . .   .done
=Boss                          :    102 :  20 :   800 :   900 :   700 :    600 . . . . . . .   .done
Padded                         :    103 :   9 :     6 :     5 :     7 :      8 . . . . . . .   .done
   [SKIPPED 2 LINES WITHOUT AN ID]

   [KORVELIN-MAIN]
 >>> «update week2.csv»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>>    [LOADING]
Rivet, "Red"                   :    101 :  11 :  1100 :  2100 :  3100 :   4100 . . . . . . .   .done
=Boss                          :    102 :  21 :       :   950 :   750 :    650   [MISSING STATS]
   [1 ROWS WITH MISSING STATS]
   [NOT IN THIS TABLE: 1 MEMBERS]
      Padded (103)

   [KORVELIN-MAIN]
 >>> «snap»
UPDATING                  Rivet, "Red" : . . . . . .
UPDATING                         =Boss : . . . . . .
UPDATING                        Padded : . . . . . .
   [ALL VALUES SUCESSFULLY UPDATED TO MATCH LATEST VALUES]


   [KORVELIN-MAIN]
 >>> «list output gang.csv list output gang.tsv list back»

   [KORVELIN-LIST]
 >>>    [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> 
   [KORVELIN-LIST]
 >>> 
   [DATA SAVED SUCESSFULLY]


   [KORVELIN-LIST]
 >>>    [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> 
   [KORVELIN-LIST]
 >>> 
   [DATA SAVED SUCESSFULLY]


   [KORVELIN-LIST]
 >>> 
   [KORVELIN-MAIN]
 >>> «load gang.csv»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
Rivet, "Red"                   :    101 :  11 :  1100 :  2100 :  3100 :   4100 . . . . . . .   .done
=Boss                          :    102 :  21 :   800 :   950 :   750 :    650 . . . . . . .   .done
Padded                         :    103 :   9 :     6 :     5 :     7 :      8 . . . . . . .   .done

   [KORVELIN-MAIN]
 >>> «list list back»

   [KORVELIN-LIST]
 >>> | NAME:                        :  ID #  : Level : Old Speed : Old Power : Old Stren : Old Health : Old Intel : Old Beg :|
|***********************************************************************************************************************|
|Rivet, "Red"                  :    101 :   11  :     1100  :     2100  :     3100  :     4100   :    1200   :    2.50 :|
|=Boss                         :    102 :   21  :      800  :      950  :      750  :      650   :    1000   :    2.00 :|
|Padded                        :    103 :    9  :        6  :        5  :        7  :        8   :    1000   :    2.00 :|


   [KORVELIN-LIST]
 >>> 
   [KORVELIN-MAIN]
 >>> «update gang.tsv»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>>    [LOADING]
Rivet, "Red"                   :    101 :  11 :  1100 :  2100 :  3100 :   4100 . . . . . . .   .done
=Boss                          :    102 :  21 :   800 :   950 :   750 :    650 . . . . . . .   .done
Padded                         :    103 :   9 :     6 :     5 :     7 :      8 . . . . . . .   .done

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

