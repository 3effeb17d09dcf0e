#!/bin/sh
# engine_state.sh OBJDUMP LIBRARY...
#
# Fails when an engine library holds an object in .data or .bss (or their
# thread-local counterparts): a namespace-scope or function-static variable
# that is not constant. Section symbols and the compiler's reference to the
# exception personality routine (DW.ref.__gxx_personality_v0) are no
# variables.
objdump=$1
shift
status=0
for library in "$@"; do
  if [ ! -f "$library" ]; then
    echo "missing: $library"
    status=1
    continue
  fi
  symbols=$("$objdump" -t "$library" | grep -E '\sO\s+(\.data|\.bss|\.tdata|\.tbss)(\.|\s)' |
            grep -v 'data\.rel\.ro' | grep -v 'DW\.ref\.__gxx_personality_v0')
  if [ -n "$symbols" ]; then
    echo "mutable state in $library:"
    echo "$symbols" | c++filt
    status=1
  else
    echo "no mutable state: $library"
  fi
done
exit $status
