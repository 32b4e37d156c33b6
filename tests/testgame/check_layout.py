#!/usr/bin/python3
"""Reads a built stand-in game with pefile and checks every fixed place that
the modules rely on: the bytes at each file offset, the address the section
table maps it to, the kind of section that holds it, the data addresses, the
image base and the version resource.

usage: check_layout.py EXE VERSION      (VERSION: 1.2.7.0, 1.4.0.0 or 1.0.0.5)
Prints every mismatch and exits 1 when there is one."""

import sys

import pefile

IMAGE_BASE = 0x400000
ITEM_COUNT, ITEM_RECORD = 285, 28

# name: (file offset, expected bytes); data: (address, size)
RELEASES = {
    "1.2.7.0": {
        "code": {
            "message-poll site": (0xB3D12, bytes.fromhex("FF15E4456100")),
            "inn stay-length site": (0x6066, bytes.fromhex("6A018BCE6A1E")),
            "flag site": (0x9E55C, bytes.fromhex("1BF6F7DE85F67505")),
        },
        "item table": 0xDBDF0,
        "data": {
            "poll slot": (0x6145E4, 4),
            "carried-item slots": (0x58DE50, 64),
            "game date": (0x571058, 12),
        },
    },
    "1.4.0.0": {
        "code": {
            "message-poll site": (0xAB22A, bytes.fromhex("FF1524C24B00")),
            "inn stay-length site": (0x56DE5, bytes.fromhex("6A016A1E8BCE")),
            "flag site": (0x40A92, bytes.fromhex("85FF7508C744240C8CC55200")),
        },
        "item table": 0xD9118,
        "data": {
            "poll slot": (0x4BC224, 4),
            "carried-item slots": (0x5FE1C0, 64),
            "game date": (0x57CA90, 12),
        },
    },
    "1.0.0.5": None,  # a release no module serves: version and base only
}


class Checker:
    def __init__(self, path):
        self.path = path
        self.pe = pefile.PE(path)
        self.raw = open(path, "rb").read()
        self.problems = []

    def fail(self, text):
        self.problems.append(text)

    # --- section table, read the way the game loader and the host read it ---

    def section_of_file_offset(self, offset):
        """First section in table order whose raw data holds the offset."""
        for s in self.pe.sections:
            if s.PointerToRawData <= offset < s.PointerToRawData + s.SizeOfRawData:
                return s
        return None

    def section_of_rva(self, rva, size):
        for s in self.pe.sections:
            if s.VirtualAddress <= rva and rva + size <= s.VirtualAddress + s.Misc_VirtualSize:
                return s
        return None

    def mapped(self, rva, size):
        """Bytes of the image as the loader maps it (raw data, then zeros)."""
        s = self.section_of_rva(rva, size)
        if s is None:
            return None
        start = rva - s.VirtualAddress
        data = self.raw[s.PointerToRawData:s.PointerToRawData + s.SizeOfRawData]
        data = data + bytes(max(0, s.Misc_VirtualSize - len(data)))
        return data[start:start + size]

    @staticmethod
    def name(section):
        return section.Name.rstrip(b"\0").decode("ascii", "replace")

    def file_offset_to_address(self, what, offset, size):
        s = self.section_of_file_offset(offset)
        if s is None:
            self.fail(f"{what}: file offset {offset:#x} lies in no section's raw data")
            return None, None
        if offset + size > s.PointerToRawData + s.SizeOfRawData:
            self.fail(f"{what}: {size} bytes at file offset {offset:#x} run past the raw data of {self.name(s)}")
        rva = s.VirtualAddress + (offset - s.PointerToRawData)
        if rva + size > s.VirtualAddress + s.Misc_VirtualSize:
            self.fail(f"{what}: file offset {offset:#x} lies beyond the mapped size of {self.name(s)}")
        return s, IMAGE_BASE + rva

    def in_data_directory(self, rva):
        for index, d in enumerate(self.pe.OPTIONAL_HEADER.DATA_DIRECTORY[:15]):
            if d.Size and d.VirtualAddress <= rva < d.VirtualAddress + d.Size:
                return index
        return None

    # --- checks ---

    def check_headers(self, version):
        oh = self.pe.OPTIONAL_HEADER
        if oh.ImageBase != IMAGE_BASE:
            self.fail(f"image base {oh.ImageBase:#x}, expected {IMAGE_BASE:#x}")
        if oh.DllCharacteristics & pefile.DLL_CHARACTERISTICS["IMAGE_DLLCHARACTERISTICS_DYNAMIC_BASE"]:
            self.fail("DYNAMIC_BASE is set: the image may be moved away from its base")
        if not hasattr(self.pe, "VS_FIXEDFILEINFO"):
            self.fail("no version resource")
        else:
            info = self.pe.VS_FIXEDFILEINFO[0]
            found = "%d.%d.%d.%d" % (info.FileVersionMS >> 16, info.FileVersionMS & 0xFFFF,
                                     info.FileVersionLS >> 16, info.FileVersionLS & 0xFFFF)
            if found != version:
                self.fail(f"fixed file version {found}, expected {version}")

    def check_section_table(self):
        if self.pe.FILE_HEADER.SizeOfOptionalHeader != 224:
            self.fail(f"optional header of {self.pe.FILE_HEADER.SizeOfOptionalHeader} bytes: readers "
                      "that expect the section table at NT headers + 248 would miss it")
        align = self.pe.OPTIONAL_HEADER.SectionAlignment
        expected = None
        for s in self.pe.sections:
            if self.name(s).startswith(".debug"):
                self.fail(f"debug section {self.name(s)} left in the image")
            if expected is not None and s.VirtualAddress != expected:
                self.fail(f"section {self.name(s)} starts at RVA {s.VirtualAddress:#x}, "
                          f"not where the previous one ends ({expected:#x})")
            expected = s.VirtualAddress + (s.Misc_VirtualSize + align - 1) // align * align
        first = min(s.PointerToRawData for s in self.pe.sections if s.SizeOfRawData)
        if first != self.pe.OPTIONAL_HEADER.SizeOfHeaders:
            self.fail(f"first raw data at {first:#x}, headers end at {self.pe.OPTIONAL_HEADER.SizeOfHeaders:#x}")

    def check_code(self, what, offset, expected):
        found = self.raw[offset:offset + len(expected)]
        if found != expected:
            self.fail(f"{what}: file offset {offset:#x} holds {found.hex(' ').upper()}, "
                      f"expected {expected.hex(' ').upper()}")
        section, address = self.file_offset_to_address(what, offset, len(expected))
        if section is None:
            return None
        if not section.Characteristics & pefile.SECTION_CHARACTERISTICS["IMAGE_SCN_MEM_EXECUTE"]:
            self.fail(f"{what}: section {self.name(section)} at {address:#x} is not executable")
        if self.mapped(address - IMAGE_BASE, len(expected)) != expected:
            self.fail(f"{what}: the mapped image at {address:#x} does not hold the expected bytes")
        directory = self.in_data_directory(address - IMAGE_BASE)
        if directory is not None:
            self.fail(f"{what}: {address:#x} lies inside data directory {directory}, where nothing may be patched")
        return address

    def check_executable_target(self, what, address):
        s = self.section_of_rva(address - IMAGE_BASE, 1)
        if s is None or not s.Characteristics & pefile.SECTION_CHARACTERISTICS["IMAGE_SCN_MEM_EXECUTE"]:
            self.fail(f"{what}: target {address:#x} is not in an executable section")

    def rel32_target(self, address):
        """Target of the five-byte call or jmp at `address`."""
        code = self.mapped(address - IMAGE_BASE, 5)
        return code[0], address + 5 + int.from_bytes(code[1:5], "little", signed=True)

    def check_following_code(self, version, sites):
        # The inn site is followed by the call of the stay function.
        inn = sites.get("inn stay-length site")
        if inn is not None:
            opcode, target = self.rel32_target(inn + 6)
            if opcode != 0xE8:
                self.fail(f"inn stay-length site: site + 6 ({inn + 6:#x}) is no call (opcode {opcode:#04x})")
            else:
                self.check_executable_target("stay function", target)
        # 1.2.7.0: "jne +5" skips a five-byte zero path; the patched "jmp +6"
        # lands on the same place, site + 13.
        flag = sites.get("flag site")
        if version == "1.2.7.0" and flag is not None:
            opcode, target = self.rel32_target(flag + 8)
            if opcode != 0xE9:
                self.fail(f"flag site: the zero path at site + 8 is no five-byte jmp (opcode {opcode:#04x})")
            else:
                self.check_executable_target("flag zero path", target)
            self.check_executable_target("flag non-zero path", flag + 13)

    def check_data(self, what, address, size):
        s = self.section_of_rva(address - IMAGE_BASE, size)
        if s is None:
            self.fail(f"{what}: {size} bytes at {address:#x} are not inside one mapped section")
        elif not s.Characteristics & pefile.SECTION_CHARACTERISTICS["IMAGE_SCN_MEM_WRITE"]:
            self.fail(f"{what}: section {self.name(s)} at {address:#x} is not writable")

    def check_item_table(self, offset):
        size = ITEM_COUNT * ITEM_RECORD
        section, address = self.file_offset_to_address("item table", offset, size)
        if section is None:
            return
        if not section.Characteristics & pefile.SECTION_CHARACTERISTICS["IMAGE_SCN_MEM_READ"]:
            self.fail(f"item table: section {self.name(section)} is not readable")
        table = self.mapped(address - IMAGE_BASE, size)
        if table is None:
            self.fail("item table: not mapped")
            return
        names = []
        for k in range(ITEM_COUNT):
            pointer = int.from_bytes(table[k * ITEM_RECORD:k * ITEM_RECORD + 4], "little")
            if pointer == 0:
                names.append(None)
                continue
            s = self.section_of_rva(pointer - IMAGE_BASE, 1)
            if s is None or not s.Characteristics & pefile.SECTION_CHARACTERISTICS["IMAGE_SCN_MEM_READ"]:
                self.fail(f"item {k}: name pointer {pointer:#x} is not in a readable section")
                names.append(None)
                continue
            rest = self.mapped(pointer - IMAGE_BASE, s.VirtualAddress + s.Misc_VirtualSize - (pointer - IMAGE_BASE))
            if b"\0" not in rest:
                self.fail(f"item {k}: name at {pointer:#x} has no terminating zero")
                names.append(None)
                continue
            raw = rest[:rest.index(b"\0")]
            try:
                names.append(raw.decode("cp932"))
            except UnicodeDecodeError:
                self.fail(f"item {k}: name {raw!r} is not CP932 text")
                names.append(None)
        present = [n for n in names if n is not None]
        if len(present) == ITEM_COUNT:
            self.fail("item table: no null name pointers")
        if not any(not n.isascii() for n in present):
            self.fail("item table: no Japanese names")
        folded = {}
        for n in present:
            folded.setdefault(n.casefold(), set()).add(n)
        if not any(len(v) > 1 for v in folded.values()):
            self.fail("item table: no names that differ only in letter case")

    def run(self, version):
        self.check_headers(version)
        layout = RELEASES[version]
        if layout is None:
            return
        self.check_section_table()
        sites = {}
        for what, (offset, expected) in layout["code"].items():
            address = self.check_code(what, offset, expected)
            if address is not None:
                sites[what] = address
        self.check_following_code(version, sites)
        self.check_item_table(layout["item table"])
        for what, (address, size) in layout["data"].items():
            self.check_data(what, address, size)


def main():
    if len(sys.argv) != 3 or sys.argv[2] not in RELEASES:
        print(__doc__)
        return 2
    checker = Checker(sys.argv[1])
    checker.run(sys.argv[2])
    for p in checker.problems:
        print(f"{sys.argv[1]} ({sys.argv[2]}): {p}")
    if checker.problems:
        return 1
    print(f"{sys.argv[1]}: layout of {sys.argv[2]} as expected")
    return 0


if __name__ == "__main__":
    sys.exit(main())
