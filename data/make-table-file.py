#!/usr/bin/env python3
"""Builds the HART table files from hart-common-codes.tsv and table-words.tsv.

A table file is INI text in one-byte encoding with the sections the programs look codes up in.
TABEN.DDF (Windows-1252) is the driver's; the translated files are the logger's, one per language,
in that language's code page: TABCZ.DDF, TABPL.DDF and TABSK.DDF in Windows-1250, TABDE.DDF,
TABES.DDF and TABFR.DDF in Windows-1252. The words of transfer functions, alarm selection, write
protection and the messages are translated; units and manufacturers stay as they are.

Run from this folder:  python3 make-table-file.py [LANGUAGE] > FILE   (LANGUAGE: en, cs, de, ...)
                  or:  python3 make-table-file.py --all                (writes every file here)
"""
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent

# Language code: file name, language name, code page.
LANGUAGES = {
    "en": ("TABEN.DDF", "English", "cp1252"),
    "cs": ("TABCZ.DDF", "Czech", "cp1250"),
    "de": ("TABDE.DDF", "German", "cp1252"),
    "es": ("TABES.DDF", "Spanish", "cp1252"),
    "fr": ("TABFR.DDF", "French", "cp1252"),
    "pl": ("TABPL.DDF", "Polish", "cp1250"),
    "sk": ("TABSK.DDF", "Slovak", "cp1250"),
}

# Section, table of hart-common-codes.tsv, comment, whether its names are words to translate.
SECTIONS = [
    ("Distributors", "manufacturer",
     "Manufacturer identification codes: command 0 byte 1, and from HART 7 on bytes 17-18.", False),
    ("Units", "unit", "Engineering unit codes.", False),
    ("TransferFunction", "transfer_function", "Transfer function codes.", True),
    ("AlarmSelectionCode", "alarm_selection", "Analog output alarm selection codes.", True),
    ("WriteProtectCode", "write_protect", "Write protect codes.", True),
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


def read_words(path):
    """English word -> {language code: translation}."""
    words = {}
    languages = []
    for line in path.read_text(encoding="utf-8").splitlines():
        if not line or line.startswith("#"):
            continue
        fields = line.split("\t")
        if fields[0] == "en":
            languages = fields[1:]
            continue
        words[fields[0]] = dict(zip(languages, fields[1:]))
    return words


def table_text(language, codes, words):
    file_name, language_name, code_page = LANGUAGES[language]

    def word(english):
        if language == "en":
            return english
        translation = words.get(english, {}).get(language)
        if not translation:
            sys.exit(f"make-table-file: no {language_name} word for '{english}' in table-words.tsv")
        return translation

    owner = "the driver" if language == "en" else "the logger"
    out = [
        f"; HART code tables of {owner}, {language_name}. INI format, one-byte "
        f"(Windows-{code_page[2:]}) text.",
        "; Keys are decimal codes; a code missing here is shown as its number.",
        "; Built from hart-common-codes.tsv" + ("" if language == "en" else " and table-words.tsv") +
        " by make-table-file.py.",
    ]
    for section, table, comment, translated in SECTIONS:
        out += ["", f"; {comment}", f"[{section}]"]
        # Manufacturer codes above 255 are the 16-bit codes that HART 7 devices report in
        # command 0 (reply bytes 17-18); the driver looks them up when the expanded device type
        # names no manufacturer.
        out += [f"{c}={word(n) if translated else n}" for c, n in sorted(codes.get(table, []))]
    out += ["", "; Expanded device types of HART 7 devices (\"byte1,byte2\") that name a manufacturer",
            "; the Distributors section lacks. Add entries for the devices on your loops.",
            "[ExpDevTypeMfr]",
            "", "; Device models by \"manufacturer,device type\". Add entries for your devices.",
            "[Instruments]",
            "", "; Response code and device status texts.", "[Messages]"]
    out += [f"{k}={word(t)}" for k, t in enumerate(MESSAGES, start=1)]
    # Every character must exist in the code page: a substitute would be a wrong word.
    return ("\r\n".join(out) + "\r\n").encode(code_page, errors="strict")


def main():
    codes = read_codes(HERE / "hart-common-codes.tsv")
    words = read_words(HERE / "table-words.tsv")
    if sys.argv[1:] == ["--all"]:
        for language, (file_name, _, _) in LANGUAGES.items():
            (HERE / file_name).write_bytes(table_text(language, codes, words))
        return
    language = sys.argv[1] if len(sys.argv) > 1 else "en"
    if language not in LANGUAGES:
        sys.exit(f"make-table-file: unknown language '{language}' (one of {', '.join(LANGUAGES)})")
    sys.stdout.buffer.write(table_text(language, codes, words))


if __name__ == "__main__":
    main()
