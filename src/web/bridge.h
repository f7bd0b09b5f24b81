// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The page's way into the program, without the WebAssembly glue: it runs the
// same Session as the desktop, passes it what the page's script reports (a
// command by its row in the command table, a tick, the box's text, the
// languages asked for) and answers with what the call changed, as a JSON
// Answer of the page contract. webform.cpp exports these calls to the page;
// the page_contract check drives them natively.
#pragma once

#include "app/session.h"

#include <string>
#include <string_view>

namespace vantrel::page {

class Bridge {
public:
    // The session after its load step, whole.
    std::string start();
    // A control pressed or its key: `row` is the command's place in the command table.
    std::string command(int row);
    std::string tick();
    // Every edit of the box, as the desktop reports it: Set Angle reads the text then.
    std::string textChanged(std::string_view text);
    // The language the page asks for, by its address or the browser's list.
    std::string setLanguage(std::string_view tags);
    // The arrangement for a viewport of this many CSS pixels, with where each
    // of its regions goes and how tall the page is then: an Arranged object.
    // One of the lab panel's check boxes or buttons: `row` is its place in the lab table.
    std::string lab(int row);
    // A phase's amplitude typed in percent: 0 R, 1 Y, 2 B.
    std::string amplitude(int phase, int percent);
    // The lab as the address's pairs, "key=value" a line, ask for it; nothing
    // when none of them is the lab's.
    std::string openLink(std::string_view lines);
    // The address's query for the lab and the angle on screen: a Link answer.
    std::string link();
    static std::string layout(double widthPx, double heightPx, bool coarsePointer);

    const Session& session() const { return session_; }
    // The first breach of the contract in any answer so far; empty when none.
    const std::string& fault() const { return fault_; }

private:
    std::string answer(const Change& change, bool whole = false);

    Session session_;
    std::string fault_;
    // The experiment the page's chart was last told of.
    Experiment charted_;
};

} // namespace vantrel::page
