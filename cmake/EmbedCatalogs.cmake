# SPDX-FileCopyrightText: 2026 The Vantrel developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Writes the compiled catalogs into a C++ source as byte arrays, so that both
# editions carry them inside the program.
#   cmake -DOUT=catalogs.cpp -DCODES="de;fr" -DFILES="de.mo;fr.mo" -P EmbedCatalogs.cmake
set(arrays "")
set(rows "")
foreach(code file IN ZIP_LISTS CODES FILES)
  file(READ "${file}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n    " bytes "${bytes}")
  string(MAKE_C_IDENTIFIER "${code}" id)
  string(APPEND arrays "alignas(4) constexpr std::uint8_t k_${id}[] = {\n    ${bytes}\n};\n")
  string(APPEND rows "    {\"${code}\", k_${id}},\n")
endforeach()
file(CONFIGURE OUTPUT "${OUT}" CONTENT [[
// Generated from po/*.po by cmake/EmbedCatalogs.cmake: do not edit.
#include "window/locales.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <utility>

namespace vantrel {
namespace {
@arrays@
const std::pair<std::string_view, std::span<const std::uint8_t>> kCatalogs[] = {
@rows@};
} // namespace

std::span<const std::uint8_t> compiledCatalog(std::string_view code)
{
    for (const auto& [name, bytes] : kCatalogs) {
        if (name == code)
            return bytes;
    }
    return {};
}

} // namespace vantrel
]] @ONLY)
