// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame each 16-bit angle must draw, as tests/reference/frames.py works
// it out apart from the program, and a drawn scene compared against it.
// The build writes the script's output to a file and names it in the
// environment variable VANTREL_REFERENCE_FRAMES. Shared by the every-angle
// test and the Set Angle fuzz target.
#pragma once

#include "window/scenestate.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <array>
#include <charconv>
#include <cstdint>
#include <vector>

namespace reference {

// What a phase's marks show: the cross on the first conductor and the dot
// on the second, the opposite, nothing, or what the frame before showed.
enum class Marks : std::uint8_t { Cross, Dot, None, Keep };

struct Frame {
    int degrees = 0;
    int cursor = 0;
    std::array<Marks, 3> marks{}; // R, Y, B
    std::array<float, 8> ends{};  // x, y of LineR, LineY, LineB, LineW
};

class Frames {
public:
    static constexpr int kFirst = -32768;
    static constexpr int kCount = 65536;

    Frames() { load(); }

    // Empty when every angle was read; otherwise why not.
    const QString& error() const { return error_; }

    // Empty when `after` is what drawing `angle` over `before` must leave,
    // otherwise the first element that differs.
    QString mismatch(int angle, const vantrel::SceneState& before, const vantrel::SceneState& after) const
    {
        using vantrel::Id;
        const Frame& f = frames_.at(static_cast<std::size_t>(angle - kFirst));
        vantrel::SceneState want = before;
        want[Id::readOut].caption = std::to_string(f.degrees) + " deg.";
        want[Id::timeCursor].x1 = want[Id::timeCursor].x2 = static_cast<float>(f.cursor);

        // Each phase's two crosses (two lines each) and two dots, first
        // conductor then second, and its phasor.
        struct Phase {
            Id cross1a, cross1b, dot1, cross2a, cross2b, dot2, phasor;
        };
        static constexpr Phase kPhases[] = {
            {Id::r1CrossA, Id::r1CrossB, Id::r1Dot, Id::r2CrossA, Id::r2CrossB, Id::r2Dot, Id::rPhasor},
            {Id::y1CrossA, Id::y1CrossB, Id::y1Dot, Id::y2CrossA, Id::y2CrossB, Id::y2Dot, Id::yPhasor},
            {Id::b1CrossA, Id::b1CrossB, Id::b1Dot, Id::b2CrossA, Id::b2CrossB, Id::b2Dot, Id::bPhasor},
        };
        for (std::size_t p = 0; p < 3; ++p) {
            const Phase& ph = kPhases[p];
            if (f.marks[p] != Marks::Keep) {
                const bool cross = f.marks[p] == Marks::Cross, dot = f.marks[p] == Marks::Dot;
                for (Id id : {ph.cross1a, ph.cross1b, ph.dot2})
                    want[id].visible = cross;
                for (Id id : {ph.dot1, ph.cross2a, ph.cross2b})
                    want[id].visible = dot;
            }
        }
        const Id lines[] = {Id::rPhasor, Id::yPhasor, Id::bPhasor, Id::resultant};
        for (std::size_t i = 0; i < 4; ++i) {
            vantrel::ElementState& line = want[lines[i]];
            line.x1 = line.y1 = 4500.0f;
            line.x2 = f.ends[2 * i];
            line.y2 = f.ends[2 * i + 1];
        }

        for (const vantrel::ElementDef& def : vantrel::elementTable()) {
            const vantrel::ElementState &got = after[def.id], &exp = want[def.id];
            if (got == exp)
                continue;
            const auto show = [](const vantrel::ElementState& s) {
                return QStringLiteral("(%1, %2)-(%3, %4) %5 \"%6\"")
                    .arg(double{s.x1}, 0, 'g', 9).arg(double{s.y1}, 0, 'g', 9)
                    .arg(double{s.x2}, 0, 'g', 9).arg(double{s.y2}, 0, 'g', 9)
                    .arg(QLatin1String(s.visible ? "shown" : "hidden"), QString::fromStdString(s.caption));
            };
            return QStringLiteral("angle %1: %2 is %3, expected %4")
                .arg(angle)
                .arg(QLatin1String(def.name), show(got), show(exp));
        }
        return {};
    }

private:
    void load()
    {
        const QString path = qEnvironmentVariable("VANTREL_REFERENCE_FRAMES");
        QFile file(path);
        if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
            error_ = QStringLiteral("cannot read the reference frames from \"%1\" (VANTREL_REFERENCE_FRAMES)").arg(path);
            return;
        }
        frames_.reserve(kCount);
        while (!file.atEnd()) {
            const QByteArray line = file.readLine().trimmed();
            const QList<QByteArray> f = line.split(' ');
            Frame frame;
            int angle = 0;
            bool ok = f.size() == 17 && number(f[0], angle) && angle == kFirst + int(frames_.size())
                      && number(f[1], frame.degrees) && number(f[2], frame.cursor);
            for (std::size_t p = 0; ok && p < 3; ++p)
                ok = marks(f[6 + int(p)], frame.marks[p]);
            for (std::size_t i = 0; ok && i < 8; ++i)
                ok = number(f[9 + int(i)], frame.ends[i]);
            if (!ok) {
                error_ = QStringLiteral("%1, line %2 unreadable: %3").arg(path).arg(frames_.size() + 1).arg(QLatin1String(line));
                return;
            }
            frames_.push_back(frame);
        }
        if (frames_.size() != kCount)
            error_ = QStringLiteral("%1 holds %2 angles, not %3").arg(path).arg(frames_.size()).arg(kCount);
    }

    // The whole field, read straight into the type: a coordinate's shortest
    // decimal reads back as exactly the 32-bit float it stands for.
    template <typename T>
    static bool number(const QByteArray& text, T& value)
    {
        const char* end = text.constData() + text.size();
        const auto [ptr, ec] = std::from_chars(text.constData(), end, value);
        return ec == std::errc{} && ptr == end;
    }

    static bool marks(const QByteArray& text, Marks& m)
    {
        static const std::array<const char*, 4> words{"cross", "dot", "none", "keep"};
        for (std::size_t i = 0; i < words.size(); ++i) {
            if (text == words[i]) {
                m = static_cast<Marks>(i);
                return true;
            }
        }
        return false;
    }

    std::vector<Frame> frames_;
    QString error_;
};

} // namespace reference
