// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A link to a lab experiment, read from its query as a page's address hands
// it over: each row is a query and the experiment a teacher means by it.
#include "check.h"

#include "window/labaddress.h"

#include <string>
#include <utility>
#include <vector>

using namespace vantrel;

namespace corecheck {

void checkLabAddress()
{
    using Query = std::vector<std::pair<std::string, std::string>>;
    const std::string tooLong = "rby" + std::string(100, ' ');
    const struct {
        Query query;
        bool open;
        Sequence sequence;
        std::array<bool, 3> connected;
        bool neutral;
        std::array<int, 3> amplitude;
        bool path, hidden;
    } rows[] = {
        {{}, false, Sequence::RYB, {true, true, true}, true, {100, 100, 100}, false, false},
        {{{"angle", "90"}, {"locale", "de"}}, false, Sequence::RYB, {true, true, true}, true, {100, 100, 100}, false, false},
        {{{"sequence", "rby"}}, true, Sequence::RBY, {true, true, true}, true, {100, 100, 100}, false, false},
        {{{"sequence", "RBY"}, {"open", "Y"}}, true, Sequence::RBY, {true, false, true}, true, {100, 100, 100}, false, false},
        {{{"open", "r"}, {"neutral", "no"}, {"locus", ""}}, true, Sequence::RYB, {false, true, true}, false, {100, 100, 100}, true, false},
        {{{"amplitude", "100,50,100"}, {"field", "hidden"}}, true, Sequence::RYB, {true, true, true}, true, {100, 50, 100}, false, true},
        // The first of a repeated key counts, even when the second means more.
        {{{"open", "b"}, {"open", "r"}}, true, Sequence::RYB, {true, true, false}, true, {100, 100, 100}, false, false},
        {{{"sequence", "evil"}, {"sequence", "rby"}}, false, Sequence::RYB, {true, true, true}, true, {100, 100, 100}, false, false},
        // Bad values are left out, and the lab stays closed when nothing is left.
        {{{"amplitude", "<b>x</b>"}, {"sequence", "evil"}}, false, Sequence::RYB, {true, true, true}, true, {100, 100, 100}, false, false},
        {{{"amplitude", "100,50"}, {"open", "rb"}, {"neutral", "maybe"}, {"field", ""}}, false, Sequence::RYB,
         {true, true, true}, true, {100, 100, 100}, false, false},
        {{{"amplitude", "151,0,0"}}, false, Sequence::RYB, {true, true, true}, true, {100, 100, 100}, false, false},
        {{{"amplitude", "0,150,5,"}}, false, Sequence::RYB, {true, true, true}, true, {100, 100, 100}, false, false},
        {{{"amplitude", "0,150,-5"}}, false, Sequence::RYB, {true, true, true}, true, {100, 100, 100}, false, false},
        {{{"amplitude", "0,150,75"}}, true, Sequence::RYB, {true, true, true}, true, {0, 150, 75}, false, false},
        {{{"sequence", tooLong}}, false, Sequence::RYB, {true, true, true}, true, {100, 100, 100}, false, false},
        {{{"locus", "no"}, {"neutral", "yes"}}, true, Sequence::RYB, {true, true, true}, true, {100, 100, 100}, false, false},
    };
    for (const auto& row : rows) {
        const LabLink got = labFromQuery(row.query);
        const Experiment& e = got.experiment;
        std::string query;
        for (const auto& [k, v] : row.query)
            query += k + "=" + v.substr(0, 20) + "&";
        if (got.view.open != row.open || e.sequence != row.sequence || e.connected != row.connected ||
            e.neutral != row.neutral || e.amplitude != row.amplitude || got.view.path != row.path ||
            got.view.fieldHidden != row.hidden)
            fail("lab link " + printable(query) + ": not the experiment meant");
    }

    // The page passes the pairs a line each; what is written reads back.
    const struct {
        std::string_view lines;
        std::string written;
    } links[] = {
        {"open=r\nneutral=no\nlocus", "open=r&neutral=no&locus"},
        {"field=hidden\namplitude=100,50,100\nsequence=rby", "sequence=rby&amplitude=100,50,100&field=hidden"},
        {"sequence=ryb\n=\n\nlocus=yes", "locus"},
        {"junk", ""},
    };
    for (const auto& l : links) {
        const LabLink got = labFromLines(l.lines);
        if (labQuery(got.experiment, got.view) != l.written)
            fail("lab link lines " + printable(l.lines) + " written as " + printable(labQuery(got.experiment, got.view)));
    }
}

} // namespace corecheck
