# The export formats, chosen by the extension of OUTPUT's file name in any
# case, each holding the custom list of a saved roster (level, new health,
# new beg, speed gain, intel %, weighted total; by ID) as worked out by
# hand: names with a comma and quotes, "|" and "<&>", a tab and a Latin-1
# byte (written as UTF-8); a negative gain; an infinite and a NaN
# percentage; a zero the table leaves blank (Pipe's new health).  A .txt
# name still gets the fixed table, and a save file is never emptied, even
# under an export name.  A JSON document is closed when the file stops
# being the output: by a new OUTPUT (team.json), DONE, BACK and the end of
# the input (the last three hold no table).
file roster.json <<END
{{exports_sav}}
END
expect-file roster.json <<END
{{exports_sav}}
END
expect-file team.csv <<END crlf
﻿name,level,newhealth,newbeg,speedgain,intelp,wtotal
Pipe|Line <&>,5,0,0.00,-50,nan,1880
Zoé	Kane,12,700,2.50,100,inf,4700
Ann,30,500,2.00,0,0.00,3670
"Rivet, ""Red""",60,4400,2.00,100,0.00,12727
END
expect-file team.TSV <<END
name	level	newhealth	newbeg	speedgain	intelp	wtotal
Pipe|Line <&>	5	0	0.00	-50	nan	1880
Zoé Kane	12	700	2.50	100	inf	4700
Ann	30	500	2.00	0	0.00	3670
Rivet, "Red"	60	4400	2.00	100	0.00	12727
END
expect-file team.json <<END
[
{"table": "list", "columns": ["name", "level", "newhealth", "newbeg", "speedgain", "intelp", "wtotal"], "rows": [
{"name": "Pipe|Line <&>", "level": 5, "newhealth": 0, "newbeg": 0.00, "speedgain": -50, "intelp": null, "wtotal": 1880},
{"name": "Zoé\tKane", "level": 12, "newhealth": 700, "newbeg": 2.50, "speedgain": 100, "intelp": null, "wtotal": 4700},
{"name": "Ann", "level": 30, "newhealth": 500, "newbeg": 2.00, "speedgain": 0, "intelp": 0.00, "wtotal": 3670},
{"name": "Rivet, \"Red\"", "level": 60, "newhealth": 4400, "newbeg": 2.00, "speedgain": 100, "intelp": 0.00, "wtotal": 12727}
]}
]
END
expect-file team.md <<END
### LIST

| NAME | Level | New Health | New Beg | Speed Gain | Intel % | Wt Total |
| --- | ---: | ---: | ---: | ---: | ---: | ---: |
| Pipe\|Line \<\&> | 5 | 0 | 0.00 | -50 | nan | 1880 |
| Zoé Kane | 12 | 700 | 2.50 | 100 | inf | 4700 |
| Ann | 30 | 500 | 2.00 | 0 | 0.00 | 3670 |
| Rivet, "Red" | 60 | 4400 | 2.00 | 100 | 0.00 | 12727 |
END
# Bars (--w): each value's share of its column's largest magnitude, to one
# decimal; none for 0 and nan, a full one for inf; "neg" for a negative
# value; none for the level, which is not a stat.
expect-file team.Htm <<END
{{exports_page_start}}
<table>
<caption>LIST</caption>
<thead>
<tr><th scope="col">NAME</th><th scope="col" class="n">Level</th><th scope="col" class="n">New Health</th><th scope="col" class="n">New Beg</th><th scope="col" class="n">Speed Gain</th><th scope="col" class="n">Intel %</th><th scope="col" class="n">Wt Total</th></tr>
</thead>
<tbody>
<tr><td>Pipe|Line &lt;&amp;&gt;</td><td class="n">5</td><td class="n">0</td><td class="n">0.00</td><td class="n neg" style="--w: 50.0%">-50</td><td class="n">nan</td><td class="n" style="--w: 14.8%">1880</td></tr>
<tr><td>Zoé	Kane</td><td class="n">12</td><td class="n" style="--w: 15.9%">700</td><td class="n" style="--w: 100.0%">2.50</td><td class="n" style="--w: 100.0%">100</td><td class="n" style="--w: 100.0%">inf</td><td class="n" style="--w: 36.9%">4700</td></tr>
<tr><td>Ann</td><td class="n">30</td><td class="n" style="--w: 11.4%">500</td><td class="n" style="--w: 80.0%">2.00</td><td class="n">0</td><td class="n">0.00</td><td class="n" style="--w: 28.8%">3670</td></tr>
<tr><td>Rivet, &quot;Red&quot;</td><td class="n">60</td><td class="n" style="--w: 100.0%">4400</td><td class="n" style="--w: 80.0%">2.00</td><td class="n" style="--w: 100.0%">100</td><td class="n">0.00</td><td class="n" style="--w: 100.0%">12727</td></tr>
</tbody>
</table>
{{exports_page_end}}
END
expect-file team.csv.txt <<END
| NAME:                        : Level : New Health : New Beg : Speed Gain : Intel % :  Wt Total :|
|*************************************************************************************************|
|Pipe|Line <&>                 :    5  :            :    0.00 :      -50   :     nan :     1880  :|
|Zo�	Kane                      :   12  :      700   :    2.50 :      100   :     inf :     4700  :|
|Ann                           :   30  :      500   :    2.00 :        0   :    0.00 :     3670  :|
|Rivet, "Red"                  :   60  :     4400   :    2.00 :      100   :    0.00 :    12727  :|
END
expect-file done.json <<END
[]
END
expect-file back.json <<END
[]
END
expect-file eof.json <<END
[]
END
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load roster.json»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> |Rivet, "Red"                  : 677814 :  60 :   1000 :   2000 :   3000 :   4000 : 1000  :   2.00 :   1100 :   2200 :   3300 :   4400 :  1000 :   2.00 |
|Pipe|Line <&>                 :      2 :   5 :    500 :    400 :    300 :    200 :       :   0.00 :    450 :    400 :    300 :        :       :   0.00 |
|Zo�	Kane                      :      3 :  12 :    800 :    900 :    700 :    600 :       :   2.00 :    900 :    950 :    800 :    700 :   500 :   2.50 |
|Ann                           :    101 :  30 :    700 :    800 :    600 :    500 : 1000  :   2.00 :    700 :    800 :    600 :    500 :  1000 :   2.00 |

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «output roster.json»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>>    [THAT IS A SAVE FILE.  OUTPUT SET TO SCREEN]

   [KORVELIN-LIST]
 >>> «output team.csv»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> 
   [KORVELIN-LIST]
 >>> «list»

   [DATA SAVED SUCESSFULLY]


   [KORVELIN-LIST]
 >>> «output team.TSV»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> 
   [KORVELIN-LIST]
 >>> «list»

   [DATA SAVED SUCESSFULLY]


   [KORVELIN-LIST]
 >>> «output team.json»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> 
   [KORVELIN-LIST]
 >>> «list»

   [DATA SAVED SUCESSFULLY]


   [KORVELIN-LIST]
 >>> «output team.md»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> 
   [KORVELIN-LIST]
 >>> «list»

   [DATA SAVED SUCESSFULLY]


   [KORVELIN-LIST]
 >>> «output team.Htm»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> 
   [KORVELIN-LIST]
 >>> «list»

   [DATA SAVED SUCESSFULLY]


   [KORVELIN-LIST]
 >>> «output team.csv.txt»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> 
   [KORVELIN-LIST]
 >>> «list»

   [DATA SAVED SUCESSFULLY]


   [KORVELIN-LIST]
 >>> «output done.json»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> 
   [KORVELIN-LIST]
 >>> «done»

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «output back.json»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> 
   [KORVELIN-LIST]
 >>> «back»

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «output eof.json»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> 
   [KORVELIN-LIST]
 >>> 

Have a Nice Day :D

