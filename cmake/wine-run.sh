#!/bin/sh
# Runs a Windows executable under Wine with the environment set up by scripts/wine-env.
exec wine "$@"
