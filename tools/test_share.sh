#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Lines of tests against lines of production code: non-blank lines that are
# not only a // comment, in the C and C++ files git knows; fuzz/, bench/ and
# tools/ count as neither.
cd "$(dirname "$0")/.." || exit 1
git ls-files '*.c' '*.cc' '*.cpp' '*.h' '*.hpp' | grep -vE '^(fuzz|bench|tools)/' |
    while read -r f; do
        printf '%s %s\n' "$(grep -cvE '^[[:space:]]*($|//)' "$f")" "$f"
    done |
    awk '$2 ~ /^tests\// { t += $1; next } { p += $1 }
         END { printf "tests %d / production %d = %.4f\n", t, p, t / p }'
