# Words that are not commands get the invalid-input message; a command must
# match whole.  Words longer than 19 characters are split and each part is a
# word of its own; several words on a line answer successive prompts.
---
{{banner}}

   [KORVELIN-MAIN]
 >>> «helps»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [KORVELIN-MAIN]
 >>> «hel»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [KORVELIN-MAIN]
 >>> «snapshot»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [KORVELIN-MAIN]
 >>> «abcdefghijklmnopqrstuvwxyz123456789»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [KORVELIN-MAIN]
 >>>    [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [KORVELIN-MAIN]
 >>> «ZZZZZZZZZZZZZZZZZZZHeLp»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [KORVELIN-MAIN]
 >>> {{help_main}}

   [KORVELIN-MAIN]
 >>> «bogus quit y»
   [INVALID DATA INPUT]
   [TYPE 'Help' FOR LIST OF COMMANDS]


   [KORVELIN-MAIN]
 >>>    [ARE YOU SURE? 'Y' TO CONFIRM]
   [KORVELIN-QUIT-CONFIRM]
 >>> 

Have a Nice Day :D

