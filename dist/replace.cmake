# SPDX-License-Identifier: GPL-3.0-or-later
# Copies IN to OUT with each FROM replaced by TO.
# Takes -DIN=<file> -DOUT=<file> -DFROM=<text> -DTO=<text>.
file(READ "${IN}" text)
string(REPLACE "${FROM}" "${TO}" text "${text}")
file(WRITE "${OUT}" "${text}")
