# A save killed part-way leaves its temporary file beside the target.  SAVE
# and QUIT remove those of earlier saves of the same target whose process is
# no longer running (no process has the number 2000000000); those of other
# targets stay.
file gang4.txt <<END
{{gang4_file}}
END
file game.sav <<END
the previous save
END
file .game.sav.saving-2000000000-0 <<END
cut short
END
file .week2.sav.saving-2000000000-3 <<END
cut short
END
file .other.sav.saving-2000000000-0 <<END
another target's
END
expect-listing game.sav gang4.txt week2.sav .other.sav.saving-2000000000-0
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «load gang4.txt»
   [FILE TO LOAD? '\' TO CANCEL]
   [KORVELIN-LOAD]
 >>> {{gang4_echo}}

   [KORVELIN-MAIN]
 >>> «save game.sav»
   [FILE TO SAVE TO? '\' TO CANCEL]
   [KORVELIN-SAVE]
 >>> {{gang4_save_echo}}

   [KORVELIN-MAIN]
 >>> «quit»
   [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> «y»
   [FILE TO SAVE TO? '\' TO QUIT WITHOUT SAVING]
   [KORVELIN-QUIT-SAVE]
 >>> «week2.sav»
{{gang4_save_echo}}


Have a Nice Day :D

