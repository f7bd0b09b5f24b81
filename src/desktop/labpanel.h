// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The lab's panel beside the scene: one widget for each row of the lab's
// table, in its order, showing what the session holds and passing every
// press on to it through the window.
#pragma once

#include "app/session.h"

#include <QGroupBox>

#include <array>

class QLabel;

namespace vantrel {

class MainWindow;

class LabPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit LabPanel(MainWindow& form);

    QWidget* control(LabId id) const { return controls_[static_cast<std::size_t>(id)]; }

    // The experiment and the view as the session holds them now.
    void showLab(const Session& session);
    // The field's size in the read-out: on every frame, since it changes
    // with the angle. A reader is told of it only once the frame has
    // settled, as with the angle's read-out, not on every tick.
    void showFieldSize(const Session& session, bool settled);
    // Every caption again, in the session's language.
    void showWords(const Session& session);

private:
    QLabel* readOut() const;

    MainWindow& form_;
    std::array<QWidget*, static_cast<std::size_t>(LabId::count_)> controls_{};
    // The amplitudes' own captions, beside their boxes.
    std::array<QLabel*, static_cast<std::size_t>(LabId::count_)> labels_{};
};

} // namespace vantrel
