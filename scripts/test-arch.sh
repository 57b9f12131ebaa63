#!/usr/bin/env bash
# Prints the width the tests run in: i686 where Wine's 32-bit half runs, else x86_64. Some virtual
# machines cannot run 32-bit code at all; there the tests are built as 64-bit Windows programs and
# run under Wine's 64-bit half, while the release programs stay 32-bit.
if [ -n "${TEST_ARCH:-}" ]; then
  echo "$TEST_ARCH"
elif /usr/lib/wine/wineserver32 --version >/dev/null 2>&1; then
  echo i686
else
  echo x86_64
fi
