#!/usr/bin/env python3
"""Tells whether this Linux kernel executes 32-bit x86 programs, which Debian's Wine needs to run
our 32-bit DLL. Some kernels refuse them (IA-32 emulation switched off); there the Windows side
cannot run at all.

Prints one line and exits by it:
  0  yes               the probe program was executed (whatever it then did);
  1  no                the kernel refused a well-formed 32-bit x86 program as not executable
                       (ENOEXEC, "Exec format error"): the one answer that skips the Windows side;
  2  unknown: REASON   anything else (the program missing, not executable, not a 32-bit x86
                       program): never taken for "no", so that a broken installation still fails
                       the Windows tests loudly.

The program probed is the 32-bit loader that Wine's 32-bit packages bring, run as
"ld-linux.so.2 --version"; IA32_PROBE_PROGRAM names another (the probe's own test uses that to
stand for either kind of kernel)."""
import errno
import os
import subprocess
import sys

DEFAULT_PROGRAM = "/lib/i386-linux-gnu/ld-linux.so.2"
ELF_MAGIC = b"\x7fELF"
ELF_CLASS_32 = 1  # e_ident[EI_CLASS]
EM_386 = 3  # e_machine, a little-endian 16-bit value at offset 18


def is_32_bit_x86_elf(path):
    with open(path, "rb") as program:
        header = program.read(20)
    return (len(header) == 20 and header[:4] == ELF_MAGIC and header[4] == ELF_CLASS_32 and
            int.from_bytes(header[18:20], "little") == EM_386)


def probe(path):
    try:
        # Not through a shell: a shell would try a refused file as a script and lose the errno.
        subprocess.run([path, "--version"], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, check=False, timeout=60)
    except OSError as error:
        if error.errno != errno.ENOEXEC:
            return 2, f"unknown: {path}: {error.strerror}"
        try:
            refused_x86 = is_32_bit_x86_elf(path)
        except OSError as read_error:
            return 2, f"unknown: {path}: {read_error.strerror}"
        if not refused_x86:
            return 2, f"unknown: {path} is not a 32-bit x86 program, and cannot be executed"
        return 1, "no"
    except subprocess.TimeoutExpired:
        pass  # executed, and still running: that is all the probe asks
    return 0, "yes"


if __name__ == "__main__":
    status, answer = probe(os.environ.get("IA32_PROBE_PROGRAM") or DEFAULT_PROGRAM)
    print(answer)
    sys.exit(status)
