#!/bin/sh
# puppeteer.sh FOLDER: puppeteer-core, as pinned in node/package-lock.json
# beside this script, installed into FOLDER (the build tree's node/) from the
# npm registry, unless that exact lock is installed there already. No
# browser comes with it: the journey drives Debian's /usr/bin/chromium.
#
# 24.43.1 is the last puppeteer-core that runs on Debian 12's Node.js 18
# (25 wants 22.12) and speaks the DevTools protocol of Debian's Chromium 156.
set -eu
bron=$(cd "$(dirname "$0")/node" && pwd)
doel=$1
if cmp -s "$bron/package-lock.json" "$doel/package-lock.json" && [ -f "$doel/node_modules/puppeteer-core/package.json" ]; then
    echo "puppeteer-core is installed in $doel"
    exit 0
fi
mkdir -p "$doel"
cp "$bron/package.json" "$bron/package-lock.json" "$doel/"
npm ci --prefix "$doel" --ignore-scripts --no-audit --no-fund
