// The tables of a web page saved from the browser ("Save page as"), as the
// text the browser would copy of them: a line for each row, its cells
// separated by tabs.
#pragma once

#include <string>

namespace korvelin {

// Rewrites `page`, an HTML document, in place as the rows of its tables:
// each "<tr>" a line ending in LF, each "<td>" or "<th>" in it a cell, the
// cells separated by tabs.  A cell holds its text as a browser shows it:
// other tags dropped ("<br>", "<p>" and "<div>" read as a space), each run
// of white space one space, none at its ends, and the character references
// decoded (&amp; &lt; &gt; &quot; &apos; &nbsp; &#NNN; &#xHH;; one that
// stands for a tab or a line end is a space, and one for no character
// U+FFFD).  Text outside the cells, comments, and what scripts and style
// sheets hold are not part of it.  The text is never longer than the page,
// which is why it can take its place.
void WebTablesToText(std::string& page);

}  // namespace korvelin
