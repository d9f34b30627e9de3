#!/bin/sh
# Installs what is missing, builds Klikoman and starts it.
set -eu
cd "$(dirname "$0")"
scripts/install-deps play
exec make run
