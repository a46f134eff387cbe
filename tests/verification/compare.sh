#!/bin/bash
# Fails when what the program gives differs from expected.tsv, showing how.
# Usage: compare.sh path/to/tidewell-cli
set -euo pipefail
here=$(dirname "$0")
diff -u "$here/expected.tsv" <("$here/table.sh" "$1" "$here/cases.txt")
