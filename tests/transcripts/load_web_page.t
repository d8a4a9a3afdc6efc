# A saved page: its table's rows read by their header row; tags, links,
# text outside cells, the script, the style sheet and the comment dropped;
# white space one space, references decoded ("6&nbsp;154" is 6154).
file page.html <<END
<!DOCTYPE html>
<HTML><head><title>Rusty Gears &amp; Co &mdash; members</title>
<style>td.n { text-align: right } /* <tr><td>Not (1)</td><td>1</td></tr> */</style>
<script>
  var row = "<tr><td>Fake (66)</td><td>1</td></tr>";
  if (a < b && c > d) {}
</script></head>
<body><!-- <tr><td>Hidden (77)</td><td>1</td></tr> -->
<table class="members">
<thead><TR><TH>Name</TH><TH>ID</TH><TH>Level</TH><TH>Speed</TH><TH>Power</TH><TH>Strength</TH><TH>Health</TH></TR></thead>
<tbody>
<tr><td><a href="/profile?id=514002&amp;tab=stats" title="a > b">Bolt &amp; Thrower</a></td>
    <td>514002</td><td>22</td><td>N/A</td><td>6,429</td><td>6&nbsp;154</td><td>8119</td></tr>
<tr><td>
      <a href='/profile?id=7'>Ann &lt;3&gt;   &quot;Q&quot; O&#39;Ne&#x69;l</a>
    </td><td>7</td><td>5</td><td>1</td><td>&#50;</td><td>3</td><td>4</td></tr>
<tr><td colspan="7">Showing 2 of 2 members</td></tr>
</tbody></table><p>Last update: <b>today</b></p></body></HTML>
END
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load page.html»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
Bolt & Thrower                 : 514002 :  22 :       :  6429 :  6154 :   8119   [MISSING STATS]
Ann <3> "Q" O'Neil             :      7 :   5 :     1 :     2 :     3 :      4 . . . . . . .   .done
   [SKIPPED 1 LINES WITHOUT AN ID]
   [1 ROWS WITH MISSING STATS]

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

