#!/bin/sh
# Installs what is missing, builds Klikoman and runs every test headless.
set -eu
cd "$(dirname "$0")"
scripts/install-deps test
exec make test
