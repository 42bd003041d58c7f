#!/usr/bin/python3
"""Checks what the script extender and a mod manager see of Zorvane.dll without running it:
its exports, the version record's bytes in the image, its version resource, and that it
needs only Windows system DLLs."""
import struct
import sys

import pefile

PLUGIN_NAME = "Zorvane - SFSE Plugin by Pelloquin"
AUTHOR = "Pelloquin"
SYSTEM_DLLS = {"kernel32.dll", "msvcrt.dll", "user32.dll", "shell32.dll", "advapi32.dll", "ntdll.dll",
               "api-ms-win-crt-runtime-l1-1-0.dll"}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def expected_record():
    record = struct.pack("<II", 1, 0x01000000)
    record += PLUGIN_NAME.encode().ljust(256, b"\0")
    record += AUTHOR.encode().ljust(256, b"\0")
    record += struct.pack("<II", 0, 0)
    record += struct.pack("<16I", 0x010E04A0, *([0] * 15))
    record += struct.pack("<III", 0, 0, 0)
    assert len(record) == 604
    return record


def main(path):
    pe = pefile.PE(path)
    check(pe.FILE_HEADER.Machine == 0x8664, "not an x64 image")
    check(pe.is_dll(), "not a DLL")

    exports = {e.name.decode(): e.address for e in pe.DIRECTORY_ENTRY_EXPORT.symbols}
    check(set(exports) == {"SFSEPlugin_Version", "SFSEPlugin_Load", "SFSEPlugin_HandleOnPostDataLoad"},
          "unexpected exports: %s" % sorted(exports))
    if "SFSEPlugin_Version" in exports:
        record = pe.get_data(exports["SFSEPlugin_Version"], 604)
        check(record == expected_record(), "version record bytes differ: %r" % record)
        section = pe.get_section_by_rva(exports["SFSEPlugin_Version"])
        check(section is not None and section.SizeOfRawData > 0, "version record not stored in the file")

    imports = {entry.dll.decode().lower() for entry in pe.DIRECTORY_ENTRY_IMPORT}
    check(imports <= SYSTEM_DLLS, "needs non-system DLLs: %s" % sorted(imports - SYSTEM_DLLS))

    fixed = pe.VS_FIXEDFILEINFO[0]
    check((fixed.FileVersionMS, fixed.FileVersionLS) == (0x00010000, 0), "file version is not 1.0.0.0")
    check((fixed.ProductVersionMS, fixed.ProductVersionLS) == (0x00010000, 0), "product version is not 1.0.0.0")
    strings = {}
    for info in pe.FileInfo[0]:
        if info.Key == b"StringFileInfo":
            for table in info.StringTable:
                strings.update({k.decode(): v.decode() for k, v in table.entries.items()})
    for key in ("FileDescription", "InternalName", "OriginalFilename", "ProductName"):
        check(strings.get(key) == PLUGIN_NAME, "%s is %r" % (key, strings.get(key)))
    check(strings.get("CompanyName") == AUTHOR, "CompanyName is %r" % strings.get("CompanyName"))

    for failure in failures:
        print("FAILED: " + failure)
    print("%s: %s" % (path, "ok" if not failures else "%d problems" % len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
