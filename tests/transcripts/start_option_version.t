# --version prints the program's name and version and ends with status 0.
args --version
---
korvelin 1.2
