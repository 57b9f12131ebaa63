#!/usr/bin/env bash
# Checks the 32-bit release programs and the two stand-in audio libraries by reading their PE
# headers, imports, exports and code, so that what only 32-bit x86 can get wrong (calling
# conventions, export names, runtime DLLs, PE flags) is caught where 32-bit code cannot run.
#
#   check_release.sh <32-bit build tree> <audio control names> <audio config names>
#
# The name files are the loaders' lists of entry points, one a line. Needs i686-w64-mingw32-objdump
# (OBJDUMP overrides it). Prints what it checked; exits 1 on any fault.
set -uo pipefail

tree=${1:?32-bit build tree}
control_names=${2:?audio control entry point list}
config_names=${3:?audio config entry point list}
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}

# The system DLLs each program needs, in lower case; it must import nothing else. Both: the C
# runtime (msvcrt), kernel32, user32, advapi32 (registry), shell32 and setupapi (devices). The panel
# adds drawing and common controls (gdi32, gdiplus, msimg32, comctl32), file dialogs (comdlg32),
# OLE and COM (ole32), path helpers (shlwapi), HID devices (hid) and the K27's mixer (winmm).
common_imports="msvcrt.dll kernel32.dll user32.dll advapi32.dll shell32.dll setupapi.dll"
marvane_imports="$common_imports gdi32.dll gdiplus.dll msimg32.dll comctl32.dll comdlg32.dll
  ole32.dll shlwapi.dll hid.dll winmm.dll"
pendrel_imports=$common_imports
# The mingw-w64 runtime as DLLs: the programs and the stand-ins link it statically.
runtime_dll_pattern='^(libstdc\+\+|libgcc_s|libwinpthread|libssp|libatomic|libgomp)'

faults=0
fault() {
  echo "FAULT: $*"
  faults=$((faults + 1))
}

# The lower-cased DLL names a PE file imports.
imports_of() {
  "$objdump" -p "$1" | sed -n 's/^\tDLL Name: //p' | tr 'A-Z' 'a-z' | sort -u
}

# Reads a 32-bit x86 file's PE header text into `header`; false, after a fault, when it is not
# PE32 i386.
read_pe32_header() {
  local file=$1
  header=$("$objdump" -p "$file" 2>/dev/null) || { fault "$file: not a PE32 i386 file"; return 1; }
  if ! grep -q 'file format pei-i386$' <<<"$header" ||
    ! grep -qP '^Magic\t+010b\t\(PE32\)' <<<"$header"; then
    fault "$file: not a PE32 i386 file"
    return 1
  fi
}

# A Windows GUI program with ASLR (its relocations kept) and DEP.
check_program_header() {
  local file=$1
  grep -qP '^Subsystem\t+[0-9a-f]+\t\(Windows GUI\)' <<<"$header" ||
    fault "$file: not a Windows GUI program"
  grep -qP '^\t+DYNAMIC_BASE$' <<<"$header" || fault "$file: no ASLR (DYNAMIC_BASE)"
  ! grep -qP '^\trelocations stripped$' <<<"$header" || fault "$file: relocations stripped, no ASLR"
  grep -qP '^\t+NX_COMPAT$' <<<"$header" || fault "$file: no DEP (NX_COMPAT)"
}

check_no_runtime_dll() {
  local file=$1 dll
  for dll in $(imports_of "$file"); do
    ! grep -qE "$runtime_dll_pattern" <<<"$dll" || fault "$file: imports the runtime DLL $dll"
  done
}

# check_program <file> <allowed imports> [<refused import>]: a refused import is one the program
# loads from the system folder itself.
check_program() {
  local file=$1 allowed=$2 refused=${3:-} header dll
  if [ ! -f "$file" ]; then
    fault "$file: missing"
    return
  fi
  read_pe32_header "$file" || return
  check_program_header "$file"
  check_no_runtime_dll "$file"
  for dll in $(imports_of "$file"); do
    if [ "$dll" = "$refused" ]; then
      fault "$file: imports $dll, which a planted copy beside the program would replace"
    elif ! grep -qE "$runtime_dll_pattern" <<<"$dll" && ! grep -qw -- "$dll" <<<"$allowed"; then
      fault "$file: imports $dll, beyond the system DLLs it needs"
    fi
  done
  echo "checked $file (PE32 i386 GUI, ASLR, DEP, imports):" $(imports_of "$file")
}

# Lines "<address> <name>" of every export: the image base plus the export's RVA, in hex without
# leading zeros (as the disassembly is compared below).
exports_of() {
  local header base table="" line
  local -A rvas
  # "[   2] +base[   3] 14b0 Export RVA" or "[   2] name": the table index, then the RVA or name.
  local entry=$'^\t\\[ *([0-9]+)\\] (\\+base\\[ *[0-9]+\\] )?([^ ]+)'
  header=$("$objdump" -p "$1")
  base=$(sed -n 's/^ImageBase\t*//p' <<<"$header")
  while IFS= read -r line; do
    case $line in
      "Export Address Table -- "*) table=address ;;
      "[Ordinal/Name Pointer] Table"*) table=name ;;
      "") table="" ;;
      *)
        [[ -n $table && $line =~ $entry ]] || continue
        if [ "$table" = address ]; then
          rvas[${BASH_REMATCH[1]}]=${BASH_REMATCH[3]}
        else
          printf '%x %s\n' $((0x$base + 0x${rvas[${BASH_REMATCH[1]}]})) "${BASH_REMATCH[3]}"
        fi ;;
    esac
  done <<<"$header"
}

# The exports whose own code ends in "ret $n": they pop their arguments (__stdcall), while the
# panel calls them as plain C functions that leave the arguments to the caller. The code of an
# export runs from its address to the next symbol or export.
exports_popping_arguments() {
  local file=$1 exports=$2
  "$objdump" -d --no-show-raw-insn "$file" | awk -v exports="$exports" '
    function trimmed(address) { sub(/^0+/, "", address); return address }
    BEGIN {
      n = split(exports, lines, "\n")
      for (i = 1; i <= n; i++) if (split(lines[i], f, " ") == 2) start[f[1]] = f[2]
    }
    /^[0-9a-f]+ <.*>:$/ { address = trimmed($1); owner = (address in start) ? start[address] : ""; next }
    /^ *[0-9a-f]+:/ {
      address = trimmed(substr($1, 1, length($1) - 1))
      if (address in start) owner = start[address]
      if (owner != "" && $2 == "ret" && $3 ~ /^\$/) popping[owner] = 1
    }
    END { for (name in popping) print name }' | sort
}

check_standin() {
  local file=$1 names=$2 header exports exported expected name
  if [ ! -f "$file" ]; then
    fault "$file: missing"
    return
  fi
  read_pe32_header "$file" || return
  check_no_runtime_dll "$file"
  exports=$(exports_of "$file")
  # The Standin* exports steer the stand-in from tests; the rest are the library's entry points.
  exported=$(cut -d' ' -f2 <<<"$exports" | grep -v '^Standin' | sort)
  expected=$(tr -d '\r' <"$names" | grep -v '^$' | sort)
  if [ "$exported" != "$expected" ]; then
    fault "$file: exports differ from the loader's names:"
    diff <(echo "$expected") <(echo "$exported") | sed -n 's/^</  missing:/p; s/^>/  extra:/p'
  fi
  for name in $(cut -d' ' -f2 <<<"$exports" | grep -E '@|^\?|^_'); do
    fault "$file: decorated export name $name"
  done
  for name in $(exports_popping_arguments "$file" "$exports"); do
    fault "$file: $name pops its own arguments (not plain C)"
  done
  echo "checked $file (PE32 i386, no runtime DLL, exports undecorated and plain C):" \
    "$(wc -l <<<"$exported") entry points against the loader's names"
}

check_program "$tree/dist/Marvane.exe" "$marvane_imports"
# The setup program runs with administrator rights from wherever it was saved: it loads
# version.dll from the system folder, never as an import searched for beside it first.
check_program "$tree/dist/Toklin/Binary/Pendrel_x32.exe" "$pendrel_imports" version.dll
check_standin "$tree/testbin/Harkin_UsbAudio73xx_x32.dll" "$control_names"
check_standin "$tree/testbin/SDK/x86/vista/osConfLib.dll" "$config_names"

if [ "$faults" -gt 0 ]; then
  echo "release check: $faults fault(s)"
  exit 1
fi
echo "release check: passed"
