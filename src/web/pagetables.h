// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's fixed tables and its web manifests, written through the page
// contract: tools/webtables prints them at build time, and the page_contract
// check reads them natively.
#pragma once

#include "web/contract.h"
#include "window/locales.h"

namespace vantrel::page {

// The designed elements with their roles, the commands and their keys, the
// tab order, the scheme and bevel colours, the group boxes' caption placing,
// the regions and arrangements of a small screen and the languages: a
// Tables object.
PageWriter tables();

// The web manifest in one language: a Manifest object.
PageWriter manifest(const LanguageDef& def);

} // namespace vantrel::page
