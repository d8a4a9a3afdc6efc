# An option the program does not have: it is named on a line of its own,
# then the usage on standard error, nothing on standard output, status 2.
args --verbose
expect-stderr <<END
korvelin: unknown option '--verbose'
{{usage}}
END
expect-exit 2
---
