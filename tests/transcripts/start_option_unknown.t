# An option the program does not have: the usage on standard error, nothing
# on standard output, status 2.
args --verbose
expect-stderr <<END
{{usage}}
END
expect-exit 2
---
