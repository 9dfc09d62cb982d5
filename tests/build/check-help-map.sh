#!/bin/sh
# Fails when a topic of the help-context map names a page or an anchor that the compiled
# help file does not hold, or when the file lacks its table of contents.
chm="$1"
map="$2"
pages=$(mktemp -d)
trap 'rm -rf "$pages"' EXIT
chmls extractall "$chm" "$pages" >/dev/null 2>&1 || { echo "cannot read $chm"; exit 1; }
[ -f "$pages/TableOfContents/TableOfContents.htm" ] || { echo "no table of contents"; exit 1; }
status=0
count=0
topics=$(sed -n 's/^ *\([0-9]*\), "::\/\(Description\/[A-Za-z]*\.htm\)\(#[0-9]*\)\{0,1\}".*/\1 \2 \3/p' "$map")
while read -r number page anchor; do
    count=$((count + 1))
    if [ ! -f "$pages/$page" ]; then
        echo "$number: no page $page"; status=1
    elif [ -n "$anchor" ] && ! grep -q "<a name=\"${anchor#\#}\" id=\"${anchor#\#}\">" "$pages/$page"; then
        echo "$number: no anchor $anchor in $page"; status=1
    fi
done <<TOPICS
$topics
TOPICS
# 229 topics and the one entry that holds a notice instead.
[ "$count" -eq 229 ] || { echo "expected 229 topics, found $count"; status=1; }
[ $status -eq 0 ] && echo "all $count topics found"
exit $status
