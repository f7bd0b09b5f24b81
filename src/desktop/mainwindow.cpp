// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/mainwindow.h"

#include "desktop/commandkeys.h"
#include "desktop/designlook.h"
#include "desktop/elementgroupbox.h"
#include "desktop/elementpainter.h"
#include "desktop/labpanel.h"
#include "desktop/optionrowkeys.h"
#include "desktop/qtpictures.h"
#include "window/presentation.h"
#include "desktop/zoomsteps.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontMetricsF>
#include <QHelpEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTimer>
#include <QToolTip>

#include <algorithm>

namespace {
// The colour whose darker shade Fusion draws controls' edges with, in high
// contrast: #595959, 7:1 on white, its edges darker still.
constexpr unsigned kControlEdgeRgb = 0x595959;
} // namespace

namespace vantrel {

MainWindow::MainWindow(Session& session, QWidget* parent)
    : QWidget(parent)
    , session_(session)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kProgramName));
    setWindowIcon(makeWindowIcon());
    setPalette(designPalette());
    setAutoFillBackground(true);
    resize(toQSize(clientSizeAt(zoom_)));

    createControls();
    placeControls();

    const ElementDef& timerDef = element(Id::ticker);
    ticker_ = new QTimer(this);
    ticker_->setObjectName(QString::fromLatin1(timerDef.name));
    ticker_->setTimerType(Qt::PreciseTimer); // a cycle must take its nominal time
    ticker_->start(session_.controls().tickMs);
    showControls();

    // A picture button is painted and takes no focus here: its key stands in.
    QWidget* previous = nullptr;
    for (Id id : tabOrder()) {
        if (roleOf(id) == Role::PictureButton)
            continue;
        QWidget* w = widget(id);
        if (previous)
            setTabOrder(previous, w);
        previous = w;
    }
    widget(tabOrder().front())->setFocus();

    // Tab enters the speed group at the chosen speed, as on other desktops,
    // and the arrows move on from there. Left alone, Qt would stop at the
    // first option in the chain until one of them had been focused.
    const auto tabToChosenSpeed = [this] {
        for (QRadioButton* option : {slowOption(), mediumOption(), fastOption()})
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QRadioButton* option : {slowOption(), mediumOption(), fastOption()})
        connect(option, &QRadioButton::toggled, this, tabToChosenSpeed);
    tabToChosenSpeed();
    new OptionRowKeys({slowOption(), mediumOption(), fastOption()}, this);

    angleBox()->installEventFilter(this);
    bindCommands();
}

// The panel is made when the lab first opens: until then the window has
// not a widget more than it had before there was a lab.
void MainWindow::makeLab()
{
    lab_ = new LabPanel(*this);
    // In the Tab order after the designed controls, and round to the first.
    QWidget* previous = nullptr;
    for (Id id : tabOrder()) {
        if (roleOf(id) != Role::PictureButton)
            previous = widget(id);
    }
    for (const LabControlDef& def : labControls()) {
        QWidget* w = lab_->control(def.id);
        if (w->focusPolicy() == Qt::NoFocus)
            continue;
        setTabOrder(previous, w);
        previous = w;
    }
    setTabOrder(previous, widget(tabOrder().front()));
    for (QWidget* box : lab_->findChildren<QAbstractSpinBox*>())
        box->installEventFilter(this);
    for (QWidget* box : lab_->findChildren<QLineEdit*>())
        box->installEventFilter(this);
}

// Every control and key reaches the session by the command table.
void MainWindow::bindCommands()
{
    connect(ticker_, &QTimer::timeout, this, &MainWindow::tick);
    connect(angleBox(), &QLineEdit::textChanged, this,
            [this](const QString& text) { showChange(session_.textChanged(text.toStdString())); });
    for (const CommandDef& def : commandTable()) {
        const Command c = def.command;
        if (c == Command::Lab || c == Command::StepBack || c == Command::StepForward) {
            for (const QKeySequence& key : keysOf(c)) {
                auto* shortcut = new QShortcut(key, this, nullptr, nullptr, Qt::WindowShortcut);
                connect(shortcut, &QShortcut::activated, this, [this, c] { run(c); });
                if (c != Command::Lab) {
                    shortcut->setEnabled(false);
                    stepKeys_.append(shortcut);
                }
            }
        }
        if (c == Command::HighContrast) {
            for (const QKeySequence& key : keysOf(c))
                connect(new QShortcut(key, this, nullptr, nullptr, Qt::WindowShortcut), &QShortcut::activated, this,
                        [this] { setHighContrast(!highContrast()); });
        }
        if (def.control == Id::count_)
            continue; // the view's own: see ViewControl
        if (auto* button = qobject_cast<QAbstractButton*>(widget(def.control)))
            connect(button, &QAbstractButton::clicked, this, [this, c] { run(c); });
        switch (def.scope) {
        case KeyScope::TextBox:
            // The box takes Return and Enter for itself and says so with this signal.
            connect(angleBox(), &QLineEdit::returnPressed, this, [this, c] { run(c); });
            break;
        case KeyScope::Window:
            for (const QKeySequence& key : keysOf(c))
                connect(new QShortcut(key, this, nullptr, nullptr, Qt::WindowShortcut), &QShortcut::activated, this,
                        [this, c] { run(c); });
            break;
        case KeyScope::None:
        case KeyScope::FullScreen:
            break;
        }
    }
}

void MainWindow::run(Command c) { showChange(session_.command(c)); }

void MainWindow::tick() { showChange(session_.tick()); }

void MainWindow::lab(LabId id) { showChange(session_.lab(id)); }

void MainWindow::setAmplitude(Phase phase, int percent) { showChange(session_.setAmplitude(phase, percent)); }

void MainWindow::createControls()
{
    const auto& table = elementTable();
    // Group boxes first: they hold other controls.
    for (const ElementDef& def : table) {
        if (def.kind == Kind::GroupBox)
            widgets_[indexOf(def.id)] = createControl(def, this);
    }
    for (const ElementDef& def : table) {
        if (def.kind == Kind::GroupBox || roleOf(def.id) != Role::Control)
            continue;
        widgets_[indexOf(def.id)] = createControl(def, container(def.in));
    }
    // Earlier rows lie above later ones.
    for (auto it = table.rbegin(); it != table.rend(); ++it) {
        if (QWidget* w = widget(it->id))
            w->raise();
    }
}

QWidget* MainWindow::createControl(const ElementDef& def, QWidget* parent)
{
    const QString caption = QString::fromStdString(captionOf(session_.language(), def));
    QWidget* w = nullptr;
    switch (def.kind) {
    case Kind::GroupBox: {
        auto* box = new ElementGroupBox(caption, parent);
        const In inside = def.id == Id::legendBox ? In::LegendBox : In::SpeedBox;
        box->setElementPainter([this, inside](QPainter& p, const QRegion& region) {
            paintElements(p, inside, session_.scene(), region, pictures_, zoom_);
        });
        w = box;
        break;
    }
    case Kind::PushButton:
        w = new QPushButton(caption, parent);
        break;
    case Kind::TextBox:
        w = new QLineEdit(caption, parent);
        break;
    case Kind::OptionButton: {
        auto* option = new QRadioButton(caption, parent);
        option->setChecked(def.selected);
        w = option;
        break;
    }
    default:
        return nullptr;
    }
    w->setObjectName(QString::fromLatin1(def.name));
    return w;
}

// The designed font, smaller where the language's caption needs it to fit
// the room the style leaves for text. Play keeps one size for both captions.
QFont MainWindow::captionFont(const ElementDef& def, QWidget& w) const
{
    const QFont designed = designFont(def.font, zoom_);
    QString caption;
    double room = 0;
    if (auto* button = qobject_cast<QAbstractButton*>(&w)) {
        caption = button->text();
        if (def.id == Id::playButton) {
            const Language& language = session_.language();
            const QString play = QString::fromStdString(language.tr(kPlay));
            const QString pause = QString::fromStdString(language.tr(kPause));
            caption = QFontMetricsF(designed).horizontalAdvance(play) > QFontMetricsF(designed).horizontalAdvance(pause)
                          ? play
                          : pause;
        }
        QStyleOptionButton option;
        option.initFrom(button);
        option.rect = roundedRect(pixelRect(def.geometry, zoom_));
        option.rect.moveTo(0, 0);
        const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
        room = w.style()
                   ->subElementRect(radio ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &option,
                                    button)
                   .width();
        if (!radio)
            room -= 2 * w.style()->pixelMetric(QStyle::PM_ButtonMargin, &option, button);
    } else if (auto* box = qobject_cast<ElementGroupBox*>(&w)) {
        caption = box->title();
        room = pixelRect(def.geometry, zoom_).width() - 2 * (kCaptionIndent + kCaptionPadding) * zoom_;
    } else {
        return designed;
    }
    return fittedFont(designed, caption, room);
}

void MainWindow::placeControls()
{
    for (const ElementDef& def : elementTable()) {
        QWidget* w = widget(def.id);
        if (!w)
            continue;
        const QPoint offset = def.in == In::Window ? origin_ : QPoint();
        w->setGeometry(roundedRect(pixelRect(def.geometry, zoom_)).translated(offset));
        w->setFont(captionFont(def, *w));
        if (auto* box = qobject_cast<ElementGroupBox*>(w))
            box->setZoom(zoom_);
    }
}

void MainWindow::setZoom(double zoom)
{
    if (zoom == zoom_)
        return;
    zoom_ = zoom;
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        resize(windowSize());
    placeScene();
    placeControls();
    placeLab();
    pathRect_ = fieldPathRect();
    update();
}

void MainWindow::setHighContrast(bool on)
{
    const Look look = on ? Look::HighContrast : Look::Designed;
    if (look == pictures_.look())
        return;
    pictures_.setLook(look);
    // Every child takes the palette, the group boxes' etched borders and
    // the lab's panel with them, and repaints.
    setPalette(designPalette(look));
    // Fusion draws the edges of buttons, boxes and option marks a shade
    // darker than the window's colour, which on white is 2:1. In high
    // contrast the controls take a dark grey for that colour alone, which
    // they never fill with, so their edges reach 3:1 as every line does.
    QPalette edges = designPalette(look);
    edges.setColor(QPalette::Window, QColor(kControlEdgeRgb));
    for (QWidget* control : findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLineEdit*>(control) ||
            qobject_cast<QAbstractSpinBox*>(control))
            control->setPalette(on ? edges : QPalette());
    }
    update();
}

int MainWindow::labWidth() const { return labOpen_ ? lab_->sizeHint().width() : 0; }

QSize MainWindow::windowSize() const
{
    const QSize scene = toQSize(clientSizeAt(zoom_));
    if (!labOpen_)
        return scene;
    return {scene.width() + labWidth(), std::max(scene.height(), lab_->sizeHint().height())};
}

// Beside the scene, as tall as the scene.
void MainWindow::placeLab()
{
    if (!labOpen_)
        return;
    const QSize scene = toQSize(clientSizeAt(zoom_));
    const QSize panel = lab_->sizeHint();
    lab_->setGeometry(origin_.x() + scene.width(), origin_.y(), panel.width(),
                      std::max(scene.height(), panel.height()));
}

void MainWindow::placeScene()
{
    QPoint origin;
    if (isFullScreen()) {
        const QSize scene = toQSize(clientSizeAt(zoom_)) + QSize(labWidth(), 0);
        origin = QPoint(std::max(0, (width() - scene.width()) / 2), std::max(0, (height() - scene.height()) / 2));
    }
    if (origin == origin_)
        return;
    origin_ = origin;
    placeControls();
    placeLab();
    pathRect_ = fieldPathRect();
    update();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeScene();
}

QWidget* MainWindow::container(In in) const
{
    switch (in) {
    case In::SpeedBox:
        return widget(Id::speedBox);
    case In::LegendBox:
        return widget(Id::legendBox);
    case In::Window:
        break;
    }
    return const_cast<MainWindow*>(this);
}

QPushButton* MainWindow::playButton() const { return static_cast<QPushButton*>(widget(Id::playButton)); }
QPushButton* MainWindow::setAngleButton() const { return static_cast<QPushButton*>(widget(Id::setAngleButton)); }
QLineEdit* MainWindow::angleBox() const { return static_cast<QLineEdit*>(widget(Id::angleBox)); }
QRadioButton* MainWindow::fastOption() const { return static_cast<QRadioButton*>(widget(Id::fastOption)); }
QRadioButton* MainWindow::mediumOption() const { return static_cast<QRadioButton*>(widget(Id::mediumOption)); }
QRadioButton* MainWindow::slowOption() const { return static_cast<QRadioButton*>(widget(Id::slowOption)); }

QRectF MainWindow::elementRect(Id id) const
{
    const ElementDef& def = element(id);
    if (def.kind == Kind::Line) {
        const ElementState& s = scene()[id];
        return QRectF(QPointF(toPixels(s.x1, zoom_), toPixels(s.y1, zoom_)),
                      QPointF(toPixels(s.x2, zoom_), toPixels(s.y2, zoom_)))
            .normalized()
            .translated(origin_);
    }
    const QWidget* surface = container(def.in);
    return pixelRect(def.geometry, zoom_).translated(surface == this ? origin_ : surface->pos());
}

void MainWindow::showChange(const Change& change)
{
    if (change.controls)
        showControls();
    if (change.language && lab_)
        lab_->showWords(session_);
    if (change.lab)
        showLab();
    // Repaint only what changed: the old and the new place of each element.
    for (const ElementChange& e : change.elements) {
        const ElementDef& def = element(e.id);
        if (paintsAlike(def, e.before, e.after, zoom_, devicePixelRatio()))
            continue;
        invalidate(def, e.before);
        invalidate(def, e.after);
    }
    // The field's size changes with every frame.
    if (labOpen_ && !change.empty())
        lab_->showFieldSize(session_, change.settled || change.lab);
    repaintInvalidated();
    if (change.settled)
        emit settled();
    if (change.about)
        showAbout(*change.about);
}

void MainWindow::invalidate(const ElementDef& def, const ElementState& state)
{
    if (!state.visible)
        return;
    const Rect r = alignedRect(repaintBounds(def, state, zoom_));
    if (def.in == In::Window)
        invalidated_.add({r.left + origin_.x(), r.top + origin_.y(), r.width, r.height});
    else
        container(def.in)->update(toQRect(r)); // the legend's marks never change
}

void MainWindow::repaintInvalidated()
{
    for (const Rect& r : invalidated_.rects())
        update(toQRect(r));
    invalidated_.clear();
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    if (!origin_.isNull())
        p.translate(origin_);
    const QRegion exposed = event->region().translated(-origin_);
    if (session_.labView().path)
        paintFieldPath(p, session_.fieldSweep().path, exposed, pictures_, zoom_);
    paintElements(p, In::Window, session_.scene(), exposed, pictures_, zoom_);
}

Rect MainWindow::fieldPathRect() const
{
    if (!session_.labView().path)
        return {};
    const Rect r = alignedRect(fieldPathBounds(session_.fieldSweep().path, zoom_));
    return {r.left + origin_.x(), r.top + origin_.y(), r.width, r.height};
}

// The panel, the chart and the path as the session now holds them; only
// what changed is repainted.
void MainWindow::showLab()
{
    if (lab_)
        lab_->showLab(session_);
    const bool newExperiment = pictures_.setExperiment(session_.experiment());
    if (newExperiment)
        invalidated_.add(alignedRect(fromQRectF(elementRect(Id::waveformChart))));
    // Another experiment may draw another path within the same bounds.
    if (const Rect path = fieldPathRect(); path != pathRect_ || newExperiment) {
        invalidated_.add(pathRect_);
        invalidated_.add(path);
        pathRect_ = path;
    }
    setLabOpen(session_.labView().open);
}

void MainWindow::setLabOpen(bool open)
{
    if (open == labOpen_)
        return;
    if (!lab_)
        makeLab();
    const bool focusInside = lab_->isAncestorOf(QApplication::focusWidget());
    labOpen_ = open;
    for (QShortcut* key : stepKeys_)
        key->setEnabled(open);
    if (open)
        lab_->showFieldSize(session_, true);
    lab_->setVisible(open);
    if (!(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        resize(windowSize());
    placeScene();
    placeLab();
    if (open)
        lab_->control(labControls().front().id)->setFocus(Qt::OtherFocusReason);
    else if (focusInside)
        widget(tabOrder().front())->setFocus(Qt::OtherFocusReason);
    emit labOpened(open);
}

// What the scene does not show: the lab, by a right click or the menu key
// anywhere on the window that a control does not take it for itself.
void MainWindow::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* lab = menu.addAction(QString::fromStdString(session_.language().tr(labTitle())));
    lab->setObjectName(QStringLiteral("labAction"));
    lab->setCheckable(true);
    lab->setChecked(labOpen_);
    if (const QList<QKeySequence> keys = keysOf(Command::Lab); !keys.isEmpty())
        lab->setShortcut(keys.front());
    connect(lab, &QAction::triggered, this, [this] { run(Command::Lab); });
    menu.exec(event->globalPos());
}

bool MainWindow::event(QEvent* event)
{
    // Over the painted scene, where no control has a tip of its own, the tip
    // tells of the lab, which is otherwise out of sight.
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QRect scene(origin_, toQSize(clientSizeAt(zoom_)));
        if (scene.contains(help->pos()) && !childAt(help->pos())) {
            QString tip = QString::fromStdString(session_.language().tr(command(Command::Lab).name));
            if (const QList<QKeySequence> keys = keysOf(Command::Lab); !keys.isEmpty())
                tip += QStringLiteral(" (%1)").arg(keys.front().toString(QKeySequence::NativeText));
            QToolTip::showText(help->globalPos(), tip, this, scene);
        } else {
            QToolTip::hideText();
            event->ignore();
        }
        return true;
    }
    return QWidget::event(event);
}

// While the lab is open its step keys work from the text boxes too, which
// would otherwise take Ctrl with an arrow to move by a word.
bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && labOpen_) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(key->keyCombination());
        for (const QShortcut* step : stepKeys_) {
            if (step->key() == pressed) {
                event->ignore();
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// A widget already showing its control's state is left alone, so the box
// keeps its caret and selection.
void MainWindow::showControls()
{
    const Controls& controls = session_.controls();
    const QString caption = QString::fromStdString(session_.playCaption());
    if (playButton()->text() != caption)
        playButton()->setText(caption);
    if (ticker_->interval() != controls.tickMs)
        ticker_->setInterval(controls.tickMs);
    if (const std::optional<Id> speed = session_.chosenSpeed()) {
        auto* option = static_cast<QRadioButton*>(widget(*speed));
        if (!option->isChecked())
            option->setChecked(true);
    }
    const QString text = QString::fromStdString(controls.angleText);
    if (angleBox()->text() != text)
        angleBox()->setText(text);
}

void MainWindow::showAbout(const AboutRequest& about)
{
    QMessageBox box(QMessageBox::Information, QString::fromStdString(about.title), QString::fromStdString(about.text),
                    QMessageBox::Ok, this);
    box.button(QMessageBox::Ok)->setText(QString::fromStdString(about.ok));
    box.exec();
}

bool MainWindow::overAbout(const QPointF& pos) const { return elementRect(Id::aboutButton).contains(pos); }

// The About picture clicks like a button: press and release on it.
void MainWindow::mousePressEvent(QMouseEvent* event)
{
    aboutPressed_ = event->button() == Qt::LeftButton && overAbout(event->position());
    QWidget::mousePressEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = aboutPressed_ && event->button() == Qt::LeftButton && overAbout(event->position());
    aboutPressed_ = false;
    if (click)
        run(Command::About);
    QWidget::mouseReleaseEvent(event);
}

} // namespace vantrel
