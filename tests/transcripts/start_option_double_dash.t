# "--" ends the options: the word after it is the file to load, though its
# name begins with "-".
args -- -gang.txt
file -gang.txt <<END
{{gang4_file}}
END
---
{{banner}}
{{gang4_echo}}

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

