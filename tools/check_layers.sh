#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints every include in the core that points to a higher layer, and fails
# if there is one. The core's layers, lowest first: app, image, model, file,
# clone; ui, cli and sim sit above them all. A qt/ folder belongs to its
# layer. Usage: tools/check_layers.sh [SOURCE_ROOT]
set -euo pipefail
root=${1:-$(dirname "$0")/..}
cd "$root/src"
rank() {
  case $1 in
    app) echo 0 ;; image) echo 1 ;; model) echo 2 ;; file) echo 3 ;; clone) echo 4 ;;
    *) echo 9 ;;
  esac
}
bad=0
for layer in app image model file clone; do
  mine=$(rank "$layer")
  while IFS= read -r hit; do
    target=${hit#*#include \"}
    target=${target%%/*}
    if [ "$(rank "$target")" -gt "$mine" ]; then
      echo "src/$hit"
      bad=1
    fi
  done < <(grep -rn '#include "[a-z]*/' "$layer" --include='*.h' --include='*.cpp' || true)
done
[ "$bad" = 0 ] || { echo "includes above point up: move what both layers need into the lower one" >&2; exit 1; }
