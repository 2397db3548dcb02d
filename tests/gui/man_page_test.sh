#!/usr/bin/env bash
# The manual pages: groff formats each without a single warning (all warnings on), man formats it as lintian
# does without a message, lexgrog reads its NAME line for the whatis database, and the page of rotaplan-cli
# names every option its --help lists.
#
#   man_page_test.sh ROTAPLAN-CLI PAGE...
set -uo pipefail

cli=$1
shift
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

for page in "$@"; do
    name=$(basename "$page")
    messages=$(groff -man -ww -z "$page" 2>&1)
    [ -z "$messages" ] || fail "groff warns about $name:"$'\n'"$messages"
    messages=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    [ -z "$messages" ] || fail "man warns about $name:"$'\n'"$messages"
    whatis=$(lexgrog "$page" 2>&1) || fail "lexgrog cannot read $name: $whatis"
    [[ $whatis == *": \"${name%.1} - "* ]] || fail "lexgrog reads no NAME line of ${name%.1} in $name: $whatis"
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS "EXIT STATUS" ENVIRONMENT FILES EXAMPLES "SEE ALSO"; do
        grep -qE "^\.SH \"?$section\"?$" "$page" || fail "$name has no $section section"
    done
done

cli_page=
for page in "$@"; do
    [ "$(basename "$page")" = rotaplan-cli.1 ] && cli_page=$page
done
if [ -z "$cli_page" ]; then
    fail "no rotaplan-cli.1 among the pages"
else
    # The page as text, its \- turned into -, holds every option the program's help names.
    text=$(sed 's/\\-/-/g' "$cli_page")
    # The options are those the help's option list opens a line with ("  --month YYYY-MM  ...").
    options=$("$cli" --help | grep -oE -- '^ +(-[a-z], )?--[a-z][a-z-]*' | grep -oE -- '--[a-z][a-z-]*' | sort -u)
    [ -n "$options" ] || fail "$cli --help lists no option"
    for option in $options; do
        grep -qF -- "$option" <<<"$text" || fail "rotaplan-cli.1 does not describe $option"
    done
fi

if [ $failures -ne 0 ]; then
    echo "$failures problem(s) in the manual pages"
    exit 1
fi
echo "manual pages clean"
