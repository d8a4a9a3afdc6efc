# HTML: one page with an HTML table per table, captioned with its name,
# the table's own headings, names and headings escaped.  Every numeric cell
# draws a bar (--w) as long as its value's share of the largest magnitude
# in its column (to one decimal; none for zero and nan, a full one for
# inf), negative values in the second colour (class neg).  The page's
# style and script are the program's own and fetch nothing.
file gang.sav <<END
{{exports_sav}}
END
expect-file Report.HTM <<END
{{exports_page_start}}
<table>
<caption>PERCENT</caption>
<thead>
<tr><th scope="col">NAME</th><th scope="col" class="n">ID #</th><th scope="col" class="n">Total Gain</th><th scope="col" class="n">Speed Gain</th><th scope="col" class="n">Power Gain</th><th scope="col" class="n">Stren Gain</th><th scope="col" class="n">Intel Gain</th><th scope="col" class="n">Beg Gain</th><th scope="col" class="n">Total %</th><th scope="col" class="n">Speed %</th><th scope="col" class="n">Power %</th><th scope="col" class="n">Stren %</th><th scope="col" class="n">Intel %</th><th scope="col" class="n">Beg %</th></tr>
</thead>
<tbody>
<tr><td>Zoé	Kane</td><td class="n" style="--w: 0.0%">3</td><td class="n" style="--w: 100.0%">757</td><td class="n" style="--w: 100.0%">100</td><td class="n" style="--w: 25.0%">50</td><td class="n" style="--w: 33.3%">100</td><td class="n" style="--w: 100.0%">500</td><td class="n" style="--w: 100.0%">7.50</td><td class="n" style="--w: 100.0%">31.54</td><td class="n" style="--w: 100.0%">12.50</td><td class="n" style="--w: 55.6%">5.56</td><td class="n" style="--w: 100.0%">14.29</td><td class="n" style="--w: 100.0%">inf</td><td class="n" style="--w: 100.0%">37.50</td></tr>
<tr><td>Rivet, &quot;Red&quot;</td><td class="n" style="--w: 100.0%">677814</td><td class="n" style="--w: 79.3%">600</td><td class="n" style="--w: 100.0%">100</td><td class="n" style="--w: 100.0%">200</td><td class="n" style="--w: 100.0%">300</td><td class="n">0</td><td class="n">0.00</td><td class="n" style="--w: 27.2%">8.57</td><td class="n" style="--w: 80.0%">10.00</td><td class="n" style="--w: 100.0%">10.00</td><td class="n" style="--w: 70.0%">10.00</td><td class="n">0.00</td><td class="n">0.00</td></tr>
<tr><td>Ann</td><td class="n" style="--w: 0.0%">101</td><td class="n">0</td><td class="n">0</td><td class="n">0</td><td class="n">0</td><td class="n">0</td><td class="n">0.00</td><td class="n">0.00</td><td class="n">0.00</td><td class="n">0.00</td><td class="n">0.00</td><td class="n">0.00</td><td class="n">0.00</td></tr>
<tr><td>Pipe|Line &lt;&amp;&gt;</td><td class="n" style="--w: 0.0%">2</td><td class="n neg" style="--w: 6.6%">-50</td><td class="n neg" style="--w: 50.0%">-50</td><td class="n">0</td><td class="n">0</td><td class="n">0</td><td class="n">0.00</td><td class="n neg" style="--w: 13.2%">-4.17</td><td class="n neg" style="--w: 80.0%">-10.00</td><td class="n">0.00</td><td class="n">0.00</td><td class="n">nan</td><td class="n">nan</td></tr>
</tbody>
</table>
<table>
<caption>WC</caption>
<thead>
<tr><th scope="col">NAME</th><th scope="col" class="n">ID #</th><th scope="col" class="n">Level</th><th scope="col" class="n">New Speed</th><th scope="col" class="n">New Power</th><th scope="col" class="n">New Stren</th><th scope="col" class="n">New Health</th><th scope="col" class="n">Wt Total</th></tr>
</thead>
<tbody>
<tr><td>Rivet, &quot;Red&quot;</td><td class="n" style="--w: 100.0%">677814</td><td class="n" style="--w: 100.0%">60</td><td class="n" style="--w: 100.0%">1100</td><td class="n" style="--w: 100.0%">2200</td><td class="n" style="--w: 100.0%">3300</td><td class="n" style="--w: 100.0%">4400</td><td class="n" style="--w: 100.0%">12727</td></tr>
<tr><td>Zoé	Kane</td><td class="n" style="--w: 0.0%">3</td><td class="n" style="--w: 20.0%">12</td><td class="n" style="--w: 81.8%">900</td><td class="n" style="--w: 43.2%">950</td><td class="n" style="--w: 24.2%">800</td><td class="n" style="--w: 15.9%">700</td><td class="n" style="--w: 36.9%">4700</td></tr>
<tr><td>Ann</td><td class="n" style="--w: 0.0%">101</td><td class="n" style="--w: 50.0%">30</td><td class="n" style="--w: 63.6%">700</td><td class="n" style="--w: 36.4%">800</td><td class="n" style="--w: 18.2%">600</td><td class="n" style="--w: 11.4%">500</td><td class="n" style="--w: 28.8%">3670</td></tr>
<tr><td>Pipe|Line &lt;&amp;&gt;</td><td class="n" style="--w: 0.0%">2</td><td class="n" style="--w: 8.3%">5</td><td class="n" style="--w: 40.9%">450</td><td class="n" style="--w: 18.2%">400</td><td class="n" style="--w: 9.1%">300</td><td class="n">0</td><td class="n" style="--w: 14.8%">1880</td></tr>
</tbody>
</table>
{{exports_page_end}}
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
 >>> «Report.HTM»

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

