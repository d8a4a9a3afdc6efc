# The clipboard through stand-ins for its programs, first on PATH: wl-paste
# and wl-copy fail, so xclip (the next tried) gives a CSV table with CR LF
# line ends and keeps what COPY gives it, with its arguments.  COPY before
# any table has nothing to copy; the WC table goes as TSV with its header
# row.  Once xclip is gone, no program works: COPY and UPDATE say so.
posix-only the stand-in clipboard programs are shell scripts
env PATH bin:/usr/bin:/bin
env DISPLAY
env WAYLAND_DISPLAY
file bin/wl-paste <<END exec
#!/bin/sh
exit 1
END
file bin/wl-copy <<END exec
#!/bin/sh
cat >/dev/null
exit 1
END
file bin/xclip <<END exec
#!/bin/sh
if [ "$3" = -o ]; then
  printf 'Name,ID,Level,Speed,Power,Strength,Health\r\n"Nails, the",173248,55,12546,8866,8581,10952\r\n'
else
  { echo "$*"; cat; } >copied.txt
fi
END
expect-file copied.txt <<END
-selection clipboard
name	id	level	newspeed	newpower	newstren	newhealth	wtotal
Nails, the	173248	55	12546	8866	8581	10952	57201
END
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load clipboard»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>>    [LOADING]
Nails, the                     : 173248 :  55 : 12546 :  8866 :  8581 :  10952 . . . . . . .   .done

   [KORVELIN-MAIN]
 >>> «list»

   [KORVELIN-LIST]
 >>> «copy»
   [NOTHING TO COPY]

   [KORVELIN-LIST]
 >>> «wc»
| NAME:                        :  ID #  : Level : New Speed : New Power : New Stren : New Health :  Wt Total :|
|*************************************************************************************************************|
|Nails, the                    : 173248 :   55  :    12546  :     8866  :     8581  :    10952   :    57201  :|


   [KORVELIN-LIST]
 >>> «COPY»
   [COPIED 1 ROWS]

   [KORVELIN-LIST]
 >>> «!rm bin/xclip»«copy»
   [CANNOT WRITE THE CLIPBOARD]

   [KORVELIN-LIST]
 >>> «done»

   [KORVELIN-MAIN]
 >>> «update clipboard»
   [FILE TO UPDATE FROM? '\' TO CANCEL]
   [KORVELIN-UPDATE]
 >>>    [CANNOT READ THE CLIPBOARD.  UPDATE ABORTED]

   [KORVELIN-MAIN]
 >>> 

Have a Nice Day :D

