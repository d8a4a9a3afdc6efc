# --help prints the usage on standard output, without the banner, and ends
# with status 0 without reading anything.
args --help
---
{{usage}}
