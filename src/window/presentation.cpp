// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "window/presentation.h"

#include "window/commands.h"

#include <algorithm>
#include <array>

namespace vantrel {
namespace {

constexpr std::array kTabOrder{Id::playButton, Id::slowOption, Id::mediumOption, Id::fastOption,
                               Id::angleBox, Id::setAngleButton, Id::aboutButton};

bool someCommandClicks(Id id)
{
    const auto commands = commandTable();
    return std::any_of(commands.begin(), commands.end(), [id](const CommandDef& c) { return c.control == id; });
}

} // namespace

Role roleOf(Id id)
{
    const ElementDef& def = element(id);
    if (def.kind == Kind::Timer)
        return Role::None;
    if (!isPainted(def.kind))
        return Role::Control;
    return someCommandClicks(id) ? Role::PictureButton : Role::Painted;
}

std::span<const Id> tabOrder() { return kTabOrder; }

} // namespace vantrel
