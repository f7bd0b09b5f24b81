# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the core's frames and the reference's, and fails on the first line
# where they differ.
execute_process(COMMAND ${CHECK} frames ${OUT}/frames.txt RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "core_check frames failed: ${status}")
endif()
execute_process(COMMAND ${PYTHON} ${REFERENCE} OUTPUT_FILE ${OUT}/frames-reference.txt RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "frames.py failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT}/frames.txt ${OUT}/frames-reference.txt
  RESULT_VARIABLE differ)
if(differ)
  execute_process(COMMAND ${PYTHON} -c [[
import sys
got, want = (open(name, "rb").read().split(b"\n") for name in sys.argv[1:3])
first = next(i for i, (a, b) in enumerate(zip(got + [b"(end)"], want + [b"(end)"])) if a != b)
print("core:      %s\nreference: %s" % (got[first].decode(), want[first].decode()))
]] ${OUT}/frames.txt ${OUT}/frames-reference.txt)
  message(FATAL_ERROR "the core's frames differ from the reference")
endif()
