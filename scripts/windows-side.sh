# Sourced by the scripts that run the Windows side under Wine. Debian's Wine runs our 32-bit DLL
# only where the Linux kernel executes 32-bit programs; some kernels refuse them (IA-32 emulation
# off), and there nothing of the Windows side can run.
windows_side_refused="this Linux kernel cannot execute 32-bit programs (IA-32 emulation is off)."

# True only where the probe saw the kernel refuse a 32-bit program; any other doubt is said on
# standard error and counts as a kernel that runs them, so that a broken Wine still fails loudly.
kernel_refuses_32_bit() {
  local answer status=0
  answer=$(scripts/kernel-runs-32-bit.py) || status=$?
  if [ "$status" -eq 2 ]; then
    echo "$0: cannot tell whether this kernel executes 32-bit programs (${answer#unknown: }); trying Wine" >&2
  fi
  [ "$status" -eq 1 ]
}
