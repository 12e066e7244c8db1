#!/usr/bin/env python3
"""Writes Qt's translation cut down to the texts the program shows: the line edit's context
menu, the one window of Qt's own that the program opens.
usage: qm-cut.py QTBASE_JA.qm OUTPUT.qm"""
import sys

import qm

SHOWN_CONTEXTS = {b"QLineEdit"}

if __name__ == "__main__":
    qm.cut(sys.argv[1], sys.argv[2], SHOWN_CONTEXTS)
