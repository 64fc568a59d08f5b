#!/bin/sh
# Judges the package in the folder $1 as Debian does: lintian, failing on any error or warning
# (what the package overrides, it says why in /usr/share/lintian/overrides/acctprep).
set -eu
deb=$(ls "$1"/acctprep_*.deb)
lintian --version
lintian --fail-on error,warning --display-info --pedantic --tag-display-limit 0 "$deb"
echo "lintian: no errors or warnings in $deb"
