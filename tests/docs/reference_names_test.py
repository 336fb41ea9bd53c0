#!/usr/bin/env python3
"""Every public name of the headers (macros, types, functions, record
fields) appears in docs/reference.md as `code`, and every name the reference
writes as `code` in the headers' style of a public name exists in a header.

Usage: reference_names_test.py SOURCE_DIR"""
import os
import re
import sys
import unittest

SOURCE = sys.argv[1]
HEADERS = ["quorl32.h", "quorl32_styles.h", "quorl32_dates.h", "quorl32x.h"]
INCLUDE_GUARDS = {"QUORL32_H", "QUORL32_STYLES_H", "QUORL32_DATES_H", "QUORL32X_H"}
# Names from the system's headers that the reference quotes, and the
# registered messages, which are known by their name strings.
SYSTEM = re.compile(r"^(WM_|BM_|BN_|BS_|BST_|WS_|DS_|DT_|CS_|EN_|CBN_|MF_|DLGC_|VK_|GWL_|SW_|"
                    r"COLOR_|IDC_ARROW|IDOK|IDCANCEL|MAKEINTRESOURCE|LTGRAY_BRUSH|SYSTEM_FONT|"
                    r"UNICODE|RC_|OBJID_|ROLE_|STATE_|CHILDID_|EVENT_|DLGWINDOWEXTRA|SIZE_|"
                    r"PRF_|E_|DISP_E_|RPC_E_|SELFLAG_|S_OK$|BWM_GETFIELDNAME$|BWM_FOCUSNOTIFY$|BWM_PAINTDC$)")


def strip_comments(text):
    return re.sub(r"/\*.*?\*/|//[^\n]*", " ", text, flags=re.S)


def header_names():
    names = set()
    for header in HEADERS:
        with open(os.path.join(SOURCE, "include", header), encoding="utf-8") as f:
            text = strip_comments(f.read())
        names |= set(re.findall(r"^\s*#\s*define\s+(\w+)", text, re.M))
        names |= set(re.findall(r"\}\s*(\w+)\s*;", text))  # typedef struct {...} Name;
        names |= set(re.findall(r"\bWINAPI\s*\*?\s*(\w+)\s*\)?\s*\(", text))  # functions, pointers
        for body in re.findall(r"struct\s+\w*\s*\{(.*?)\}", text, re.S):  # record fields
            names |= set(re.findall(r"(\w+)\s*(?:\[[^\]]*\])?\s*;", body))
    return names - INCLUDE_GUARDS


def reference_text():
    with open(os.path.join(SOURCE, "docs", "reference.md"), encoding="utf-8") as f:
        return f.read()


class ReferenceNames(unittest.TestCase):
    def test_header_names_are_found(self):
        # The patterns above find what they should in a known line.
        names = header_names()
        for name in ["InitQuorl", "QUORL_CLASS", "QUORL_CLASSW", "DateRec", "year",
                     "Gauge_SetPos", "GAUGEWL_POS", "QCS_TABMODE", "bitmapName"]:
            self.assertIn(name, names)
        self.assertNotIn("QUORL32_H", names)

    def test_every_public_name_is_documented(self):
        quoted = set(re.findall(r"`([^`]*)`", reference_text()))
        words = {w for q in quoted for w in re.findall(r"\w+", q)}
        missing = sorted(header_names() - words)
        self.assertEqual(missing, [], "names of the headers missing from docs/reference.md")

    def test_every_documented_name_exists(self):
        names = header_names()
        quoted = set(re.findall(r"`(\w+)`", reference_text()))
        styled = {q for q in quoted if re.fullmatch(r"[A-Z][A-Z0-9]*_[A-Z0-9_]+[AW]?", q)}
        unknown = sorted(q for q in styled - names if not SYSTEM.match(q))
        self.assertEqual(unknown, [], "docs/reference.md names what no header defines")


if __name__ == "__main__":
    unittest.main(argv=[sys.argv[0], "-v"])
