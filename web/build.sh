#!/usr/bin/env bash
# `make web`: installs what the browser edition needs (Debian's emscripten,
# Chromium for its tests, rsvg-convert for the app icons, the tests' two npm
# packages from the lock file), builds the core with emscripten and writes
# the folder, by default build/web.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/web}
jobs=${JOBS:-2}

./scripts/install-deps.sh --web
# Debian's emscripten finds its JavaScript optimiser's parser (node-acorn) only here.
export NODE_PATH=/usr/share/nodejs

if [ ! -d web/node_modules/puppeteer-core ] || [ web/package-lock.json -nt web/node_modules/.package-lock.json ]; then
  (cd web && npm ci --no-audit --no-fund --loglevel=error)
fi

core=$(dirname "$out")/web-core
mkdir -p "$core"
emcmake cmake -S web -B "$core" -DCMAKE_BUILD_TYPE=Release > "$core.configure.log" 2>&1 || { cat "$core.configure.log"; exit 1; }
cmake --build "$core" -j"$jobs"
simd=$(dirname "$out")/web-core-simd
emcmake cmake -S web -B "$simd" -DCMAKE_BUILD_TYPE=Release -DTARROWIN_WASM_SIMD=ON > "$simd.configure.log" 2>&1 || { cat "$simd.configure.log"; exit 1; }
cmake --build "$simd" -j"$jobs" --target tarrowin-page
python3 web/tools/assemble.py --root . --core "$core" --core-simd "$simd" --out "$out"
echo "The browser edition is in $out (python3 -m http.server -d $out serves it)."
