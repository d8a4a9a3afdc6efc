# CSV: a name ending in .csv, in any case, writes every table of the visit
# as CSV (RFC 4180) into the one file: a byte-order mark, a row of column
# keywords per table, CR LF line ends, an empty line between tables.  The
# name with a comma and quotes is quoted with its quotes doubled; the tab
# and the Latin-1 byte (written as UTF-8) are not.  Values say what the
# table shows: a blank zero is 0 (the new health of Pipe), reals with the
# table's decimals, "inf" and "nan".  A name ending in .txt still gets the
# fixed table.
file gang.sav <<END
{{exports_sav}}
END
expect-file Team.CSV <<END crlf
﻿name,id,totalgain,speedgain,powergain,strengain,intelgain,beggain,totalp,speedp,powerp,strenp,intelp,begp
Zoé	Kane,3,757,100,50,100,500,7.50,31.54,12.50,5.56,14.29,inf,37.50
"Rivet, ""Red""",677814,600,100,200,300,0,0.00,8.57,10.00,10.00,10.00,0.00,0.00
Ann,101,0,0,0,0,0,0.00,0.00,0.00,0.00,0.00,0.00,0.00
Pipe|Line <&>,2,-50,-50,0,0,0,0.00,-4.17,-10.00,0.00,0.00,nan,nan

name,id,level,newspeed,newpower,newstren,newhealth,wtotal
"Rivet, ""Red""",677814,60,1100,2200,3300,4400,12727
Zoé	Kane,3,12,900,950,800,700,4700
Ann,101,30,700,800,600,500,3670
Pipe|Line <&>,2,5,450,400,300,0,1880
END
expect-file team.csv.txt <<END
{{exports_wc}}
END
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load gang.sav»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> {{exports_echo}}

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «output»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> «Team.CSV»

   [KORVELIN-LIST]
 >>> «percent»

   [DATA SAVED SUCESSFULLY]


   [KORVELIN-LIST]
 >>> «wc»

   [DATA SAVED SUCESSFULLY]


   [KORVELIN-LIST]
 >>> «output»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> «team.csv.txt»

   [KORVELIN-LIST]
 >>> «wc»

   [DATA SAVED SUCESSFULLY]


   [KORVELIN-LIST]
 >>> «done»

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»
   [FILE TO SAVE TO? '\' TO QUIT WITHOUT SAVING]
   [KORVELIN-QUIT-SAVE]
 >>> «\»


Have a Nice Day :D

