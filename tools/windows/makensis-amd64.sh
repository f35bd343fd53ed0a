#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# makensis for CPack with NSIS's 64-bit stub, so that the installer runs on 64-bit Windows
# and under a 64-bit-only wine (CPack would split an extra argument given it at the space).
exec makensis "-XTarget amd64-unicode" "$@"
