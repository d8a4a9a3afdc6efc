# JSON: one array with an object per table written (its name, its column
# keywords, its rows); reals with the table's decimals, null where the
# table shows inf or nan, names as UTF-8 with quotes and tabs escaped.  The
# array is closed when the file stops being the output: by a new OUTPUT
# (team.json), DONE (list.json), BACK (empty.json, which holds no table) and
# the end of the input (last.json).
file gang.sav <<END
{{exports_sav}}
END
expect-file team.json <<END
[
{"table": "percent", "columns": ["name", "id", "totalgain", "speedgain", "powergain", "strengain", "intelgain", "beggain", "totalp", "speedp", "powerp", "strenp", "intelp", "begp"], "rows": [
{"name": "Zoé\tKane", "id": 3, "totalgain": 757, "speedgain": 100, "powergain": 50, "strengain": 100, "intelgain": 500, "beggain": 7.50, "totalp": 31.54, "speedp": 12.50, "powerp": 5.56, "strenp": 14.29, "intelp": null, "begp": 37.50},
{"name": "Rivet, \"Red\"", "id": 677814, "totalgain": 600, "speedgain": 100, "powergain": 200, "strengain": 300, "intelgain": 0, "beggain": 0.00, "totalp": 8.57, "speedp": 10.00, "powerp": 10.00, "strenp": 10.00, "intelp": 0.00, "begp": 0.00},
{"name": "Ann", "id": 101, "totalgain": 0, "speedgain": 0, "powergain": 0, "strengain": 0, "intelgain": 0, "beggain": 0.00, "totalp": 0.00, "speedp": 0.00, "powerp": 0.00, "strenp": 0.00, "intelp": 0.00, "begp": 0.00},
{"name": "Pipe|Line <&>", "id": 2, "totalgain": -50, "speedgain": -50, "powergain": 0, "strengain": 0, "intelgain": 0, "beggain": 0.00, "totalp": -4.17, "speedp": -10.00, "powerp": 0.00, "strenp": 0.00, "intelp": null, "begp": null}
]},
{"table": "wc", "columns": ["name", "id", "level", "newspeed", "newpower", "newstren", "newhealth", "wtotal"], "rows": [
{"name": "Rivet, \"Red\"", "id": 677814, "level": 60, "newspeed": 1100, "newpower": 2200, "newstren": 3300, "newhealth": 4400, "wtotal": 12727},
{"name": "Zoé\tKane", "id": 3, "level": 12, "newspeed": 900, "newpower": 950, "newstren": 800, "newhealth": 700, "wtotal": 4700},
{"name": "Ann", "id": 101, "level": 30, "newspeed": 700, "newpower": 800, "newstren": 600, "newhealth": 500, "wtotal": 3670},
{"name": "Pipe|Line <&>", "id": 2, "level": 5, "newspeed": 450, "newpower": 400, "newstren": 300, "newhealth": 0, "wtotal": 1880}
]}
]
END
expect-file list.json <<END
[
{"table": "list", "columns": ["name", "level"], "rows": [
{"name": "Pipe|Line <&>", "level": 5},
{"name": "Zoé\tKane", "level": 12},
{"name": "Ann", "level": 30},
{"name": "Rivet, \"Red\"", "level": 60}
]}
]
END
expect-file empty.json <<END
[]
END
expect-file last.json <<END
[
{"table": "default", "columns": ["name", "id", "level", "oldspeed", "oldpower", "oldstren", "oldhealth", "oldintel", "oldbeg"], "rows": [
{"name": "Pipe|Line <&>", "id": 2, "level": 5, "oldspeed": 500, "oldpower": 400, "oldstren": 300, "oldhealth": 200, "oldintel": 0, "oldbeg": 0.00},
{"name": "Zoé\tKane", "id": 3, "level": 12, "oldspeed": 800, "oldpower": 900, "oldstren": 700, "oldhealth": 600, "oldintel": 0, "oldbeg": 2.00},
{"name": "Ann", "id": 101, "level": 30, "oldspeed": 700, "oldpower": 800, "oldstren": 600, "oldhealth": 500, "oldintel": 1000, "oldbeg": 2.00},
{"name": "Rivet, \"Red\"", "id": 677814, "level": 60, "oldspeed": 1000, "oldpower": 2000, "oldstren": 3000, "oldhealth": 4000, "oldintel": 1000, "oldbeg": 2.00}
]}
]
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
 >>> «team.json»

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
 >>> «list.json»

   [KORVELIN-LIST]
 >>> «list»

   [DATA SAVED SUCESSFULLY]


   [KORVELIN-LIST]
 >>> «done»

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «output»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> «empty.json»

   [KORVELIN-LIST]
 >>> «back»

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «output»
   [FILE TO OUTPUT TO? '\' TO OUTPUT TO SCREEN]
   [KORVELIN-LIST-OUTPUT]
 >>> «last.json»

   [KORVELIN-LIST]
 >>> «default»

   [DATA SAVED SUCESSFULLY]


   [KORVELIN-LIST]
 >>> 

Have a Nice Day :D

