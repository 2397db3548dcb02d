#!/usr/bin/env bash
# The bash completion of rotaplan-cli, sourced into a plain bash and asked as bash asks it: COMP_WORDS and
# COMP_CWORD set, the completion function called, its COMPREPLY compared (sorted) with what it should offer.
#
#   bash_completion_test.sh COMPLETION-FILE
set -uo pipefail

completion=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir duties office
touch duties.csv

# shellcheck source=/dev/null
source "$completion"
function=$(complete -p rotaplan-cli | sed -n 's/.*-F \([^ ]*\) .*/\1/p')
if [ -z "$function" ]; then
    echo "FAIL: $completion registers no completion function for rotaplan-cli"
    exit 1
fi

failures=0
# expect "WORD|WORD|...|CURRENT" "EXPECTED REPLIES": the last word is the one being completed.
expect() {
    local words
    IFS='|' read -r -a words <<<"$1|"
    COMP_WORDS=(rotaplan-cli "${words[@]}")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    "$function" rotaplan-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    local got
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sed '/^$/d' | sort | tr '\n' ' ')
    got=${got% }
    if [ "$got" != "$2" ]; then
        echo "FAIL: rotaplan-cli ${1//|/ } <TAB>: got '$got', expected '$2'"
        failures=$((failures + 1))
    fi
}

expect ""                                  "check generate report"
expect "re"                                "report"
expect "-"                                 "--app-folder --help --version"
expect "--app-folder|office|"              "check generate report"
expect "--app-folder=office|c"             "check"
expect "report|"                           "agents assignments sites"
expect "report|as"                         "assignments"
expect "report|sites|--"                   "--app-folder"
expect "report|assignments|--ca"           "--calendar"
expect "report|assignments|--calendar|2|--" "--app-folder --fill-gaps --generate --month --rotation-start"
expect "generate|--"                       "--app-folder --csv --fill-gaps --ics --month --rotation-start"
expect "generate|--fill-gaps|--f"          ""
expect "check|--j"                         "--json"
expect "check|--month|"                    ""
expect "generate|--ics|d"                  "duties"
expect "generate|--csv|d"                  "duties duties.csv"
expect "--app-folder|"                     "duties office"
expect "--app-folder|=|o"                  "office"
expect "--app-folder|="                    "duties office"
expect "--app-folder=of"                   "--app-folder=office"

if [ $failures -ne 0 ]; then
    echo "$failures completion(s) wrong"
    exit 1
fi
echo "all completions as expected"
