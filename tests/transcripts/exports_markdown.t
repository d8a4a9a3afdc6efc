# Markdown: a pipe table per table under a heading naming it, with the
# table's own headings; numeric columns right-aligned.  In names, "|" and
# the characters that would start markup ("<", "&" here) are escaped with a
# backslash, and a tab becomes a space.
file gang.sav <<END
{{exports_sav}}
END
expect-file team.md <<END
### PERCENT

| NAME | ID # | Total Gain | Speed Gain | Power Gain | Stren Gain | Intel Gain | Beg Gain | Total % | Speed % | Power % | Stren % | Intel % | Beg % |
| --- | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: |
| Zoé Kane | 3 | 757 | 100 | 50 | 100 | 500 | 7.50 | 31.54 | 12.50 | 5.56 | 14.29 | inf | 37.50 |
| Rivet, "Red" | 677814 | 600 | 100 | 200 | 300 | 0 | 0.00 | 8.57 | 10.00 | 10.00 | 10.00 | 0.00 | 0.00 |
| Ann | 101 | 0 | 0 | 0 | 0 | 0 | 0.00 | 0.00 | 0.00 | 0.00 | 0.00 | 0.00 | 0.00 |
| Pipe\|Line \<\&> | 2 | -50 | -50 | 0 | 0 | 0 | 0.00 | -4.17 | -10.00 | 0.00 | 0.00 | nan | nan |

### WC

| NAME | ID # | Level | New Speed | New Power | New Stren | New Health | Wt Total |
| --- | ---: | ---: | ---: | ---: | ---: | ---: | ---: |
| Rivet, "Red" | 677814 | 60 | 1100 | 2200 | 3300 | 4400 | 12727 |
| Zoé Kane | 3 | 12 | 900 | 950 | 800 | 700 | 4700 |
| Ann | 101 | 30 | 700 | 800 | 600 | 500 | 3670 |
| Pipe\|Line \<\&> | 2 | 5 | 450 | 400 | 300 | 0 | 1880 |
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
 >>> «team.md»

   [KORVELIN-LIST]
 >>> «percent»

   [DATA SAVED SUCESSFULLY]


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

