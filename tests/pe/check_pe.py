#!/usr/bin/env python3
"""Checks the hardening of a built Windows executable by reading its PE headers.

ASLR needs both the dynamic-base flag and a relocation table; DEP needs the
NX flag; 64-bit images also want high-entropy ASLR. No section may be both
writable and executable, and only system DLLs may be imported.
Prints one line per check and "N passed, N failed"; exits 1 on any failure.
"""
import struct
import sys

DYNAMIC_BASE = 0x0040
HIGH_ENTROPY_VA = 0x0020
NX_COMPAT = 0x0100
RELOCS_STRIPPED = 0x0001
SCN_EXECUTE = 0x20000000
SCN_WRITE = 0x80000000
SYSTEM_DLLS = {
    "kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "comdlg32.dll",
    "advapi32.dll", "msvcrt.dll", "version.dll", "ole32.dll", "comctl32.dll",
    "shlwapi.dll", "ntdll.dll", "uxtheme.dll",
}


def read_image(path):
    with open(path, "rb") as f:
        data = f.read()
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE image")
    machine, sections, _, _, _, optional_size, characteristics = struct.unpack_from(
        "<HHIIIHH", data, pe + 4)
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    pe32plus = magic == 0x20B
    dll_characteristics = struct.unpack_from("<H", data, optional + 70)[0]
    directories = optional + (112 if pe32plus else 96)
    table = []
    for i in range(sections):
        at = optional + optional_size + 40 * i
        name = data[at:at + 8].rstrip(b"\0").decode("ascii", "replace")
        vsize, vaddr, rsize, raddr = struct.unpack_from("<IIII", data, at + 8)
        flags = struct.unpack_from("<I", data, at + 36)[0]
        table.append((name, vaddr, vsize, raddr, rsize, flags))
    return data, pe32plus, characteristics, dll_characteristics, directories, table


def rva_to_offset(table, rva):
    for _, vaddr, vsize, raddr, rsize, _ in table:
        if vaddr <= rva < vaddr + max(vsize, rsize):
            return raddr + (rva - vaddr)
    raise ValueError("address outside every section")


def imported_dlls(data, directories, table):
    rva, size = struct.unpack_from("<II", data, directories + 8)
    names = []
    if not rva:
        return names
    at = rva_to_offset(table, rva)
    while True:
        name_rva = struct.unpack_from("<I", data, at + 12)[0]
        if not name_rva:
            break
        start = rva_to_offset(table, name_rva)
        names.append(data[start:data.index(b"\0", start)].decode("ascii").lower())
        at += 20
    return names


def main(path):
    data, pe32plus, characteristics, dll_flags, directories, table = read_image(path)
    reloc_rva, reloc_size = struct.unpack_from("<II", data, directories + 5 * 8)
    checks = [
        ("dynamic base (ASLR)", bool(dll_flags & DYNAMIC_BASE)),
        ("relocation table present", reloc_size > 0 and not characteristics & RELOCS_STRIPPED),
        ("NX compatible (DEP)", bool(dll_flags & NX_COMPAT)),
    ]
    if pe32plus:
        checks.append(("high-entropy VA", bool(dll_flags & HIGH_ENTROPY_VA)))
    wx = [name for name, *_, flags in table if flags & SCN_WRITE and flags & SCN_EXECUTE]
    checks.append(("no writable and executable section" + (f" ({', '.join(wx)})" if wx else ""),
                   not wx))
    foreign = [dll for dll in imported_dlls(data, directories, table)
               if dll not in SYSTEM_DLLS and not dll.startswith("api-ms-win-")]
    checks.append(("only system DLLs imported" + (f" ({', '.join(foreign)})" if foreign else ""),
                   not foreign))
    failed = 0
    for name, ok in checks:
        print(("ok    " if ok else "FAIL  ") + name)
        failed += not ok
    print(f"{len(checks) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: check_pe.py IMAGE.exe")
    sys.exit(main(sys.argv[1]))
