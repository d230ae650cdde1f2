#!/usr/bin/env python3
"""The 32-bit probe says "no" for a refused 32-bit x86 program only, and never for a missing,
unusable or other kind of program, whatever kernel runs the test: each row's program stands for
one case (a relocatable 32-bit x86 object is refused by every kernel, as a program of any kind is
on a kernel with IA-32 emulation off)."""
import os
import struct
import subprocess
import sys
import tempfile

PROBE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "kernel-runs-32-bit.py")
ET_REL = 1
EM_386 = 3
EM_X86_64 = 62


def elf_object(elf_class, machine):
    ident = b"\x7fELF" + bytes([elf_class, 1, 1]) + bytes(9)
    return ident + struct.pack("<HHI", ET_REL, machine, 1) + bytes(64)


CASES = [
    # name, file content (None: no file), mode, expected status, expected start of the answer
    ("refused 32-bit x86 program", elf_object(1, EM_386), 0o755, 1, "no"),
    ("executed program that fails", b"#!/bin/sh\nexit 3\n", 0o755, 0, "yes"),
    ("executed program that succeeds", b"#!/bin/sh\nexit 0\n", 0o755, 0, "yes"),
    ("missing program", None, 0, 2, "unknown:"),
    ("32-bit x86 program not executable", elf_object(1, EM_386), 0o644, 2, "unknown:"),
    ("refused 64-bit program", elf_object(2, EM_X86_64), 0o755, 2, "unknown:"),
    ("refused text file", b"not a program\n", 0o755, 2, "unknown:"),
    ("refused file shorter than an ELF header", b"\x7fELF\x01", 0o755, 2, "unknown:"),
]

failed = 0
with tempfile.TemporaryDirectory() as folder:
    for index, (name, content, mode, status, answer) in enumerate(CASES):
        program = os.path.join(folder, f"program-{index}")
        if content is not None:
            with open(program, "wb") as file:
                file.write(content)
            os.chmod(program, mode)
        run = subprocess.run([sys.executable, PROBE], env={**os.environ, "IA32_PROBE_PROGRAM": program},
                             capture_output=True, text=True, check=False)
        if run.returncode != status or not run.stdout.startswith(answer):
            print(f"{name}: expected {status} '{answer}...', got {run.returncode} '{run.stdout.strip()}'")
            failed += 1
print(f"{len(CASES) - failed} passed, {failed} failed")
sys.exit(1 if failed else 0)
