#!/usr/bin/env python3
"""Builds the driver's table file TABEN.DDF from hart-common-codes.tsv.

The table file is INI text in one-byte (Windows-1252) encoding with the sections the driver
looks codes up in. Run from this folder:  python3 make-table-file.py > TABEN.DDF
"""
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent

SECTIONS = [
    ("Distributors", "manufacturer",
     "Manufacturer identification codes: command 0 byte 1, and from HART 7 on bytes 17-18."),
    ("Units", "unit", "Engineering unit codes."),
    ("TransferFunction", "transfer_function", "Transfer function codes."),
    ("AlarmSelectionCode", "alarm_selection", "Analog output alarm selection codes."),
    ("WriteProtectCode", "write_protect", "Write protect codes."),
]

MESSAGES = [
    "Undefined Error!", "Invalid Selection!", "Passed Parameter too Large!",
    "Passed Parameter too Small!", "Too Few Bytes Received!", "Transmitter-Specific Command Error",
    "In Write Protect Mode", "Warning #8: Set to Nearest Possible Value!",
    "Error #9, See Help File!", "Error #10, See Help File!", "Error #11, See Help File!",
    "Error #12, See Help File!", "Error #13, See Help File!", "Error #14, See Help File!",
    "Error #15, See Help File!", "Access Restricted", "Invalid Range Units Code",
    "Command Not Supported", "Primary Variable Out of Limits!",
    "Variable (not Primary) Out of Limits!", "Analog Output Saturated!", "Output Current Fixed!",
    "Cold Start!", "Configuration Changed!", "Device Malfunction!", "Device is busy!",
]


def read_codes(path):
    """The codes by table; a line with an empty name or a code listed twice stops the build, since
    the driver would show a blank line or a name chosen by chance for it."""
    codes = {}
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), start=1):
        if not line or line.startswith("#") or line.startswith("table\t"):
            continue
        table, code, name = line.split("\t", 2)
        name = name.strip()
        if not name:
            sys.exit(f"{path.name}:{number}: {table} code {code} has no name; leave the code out "
                     "instead, so that it shows as its number")
        if any(c == int(code) for c, _ in codes.get(table, [])):
            sys.exit(f"{path.name}:{number}: {table} code {code} is listed twice")
        codes.setdefault(table, []).append((int(code), name))
    return codes


def main():
    codes = read_codes(HERE / "hart-common-codes.tsv")
    out = [
        "; HART code tables of the driver, English. INI format, one-byte (Windows-1252) text.",
        "; Keys are decimal codes; a code missing here is shown as its number.",
        "; Built from hart-common-codes.tsv by make-table-file.py.",
    ]
    for section, table, comment in SECTIONS:
        out += ["", f"; {comment}", f"[{section}]"]
        # Manufacturer codes above 255 are the 16-bit codes that HART 7 devices report in
        # command 0 (reply bytes 17-18); the driver looks them up when the expanded device type
        # names no manufacturer.
        out += [f"{c}={n}" for c, n in sorted(codes.get(table, []))]
    out += ["", "; Expanded device types of HART 7 devices (\"byte1,byte2\") that name a manufacturer",
            "; the Distributors section lacks. Add entries for the devices on your loops.",
            "[ExpDevTypeMfr]",
            "", "; Device models by \"manufacturer,device type\". Add entries for your devices.",
            "[Instruments]",
            "", "; Response code and device status texts.", "[Messages]"]
    out += [f"{k}={t}" for k, t in enumerate(MESSAGES, start=1)]
    sys.stdout.buffer.write(("\r\n".join(out) + "\r\n").encode("cp1252", errors="replace"))


if __name__ == "__main__":
    main()
