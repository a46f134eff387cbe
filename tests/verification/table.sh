#!/bin/bash
# Prints the verification table: for each case of CASES, what CLI --json
# gives. Columns (tab-separated): name, exit status, step count, result
# field, mean, the five cells, the steady state (17 significant digits),
# and the titles of the messages shown.
set -euo pipefail
cli=$(realpath "$1")
cases=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The numbers of a JSON array (or one number) with 17 significant digits.
digits() {
    tr -d '[]' | tr ',' '\n' |
        awk 'NF { printf "%s%s", (n++ ? " " : ""), ($1 == "null" ? "" : sprintf("%.17g", $1)) }'
}

printf '#name\texit\tsteps\tresult\tmean\tcells\tsteady-state\tmessages\n'
while read -r name options; do
    [[ -z "$name" || "$name" == \#* ]] && continue
    status=0
    # shellcheck disable=SC2086  # the options are words
    json=$(cd "$work" && "$cli" --no-report --json $options 2>/dev/null) || status=$?
    field() { sed -n "s/.*\"$1\":\($2\).*/\1/p" <<<"$json"; }
    printf '%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$name" "$status" "$(field StepCount '[0-9]*')" \
        "$(field Text16 '"[^"]*"')" "$(field BayMeanConc '[^,]*' | digits)" \
        "$(field cells '\[[^]]*\]' | digits)" "$(field steadyState '[^]}]*]\{0,1\}' | digits)" \
        "$(grep -o '"title":"[^"]*"' <<<"$json" | sed 's/"title"://' | paste -sd ' ')"
done <"$cases"
