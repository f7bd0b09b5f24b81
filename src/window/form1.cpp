#include "window/form1.h"

#include "window/designlook.h"
#include "window/elementframe.h"
#include "window/icons.h"
#include "window/optionrowkeys.h"
#include "window/sceneframe.h"
#include "window/sceneaccessible.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace vantrel {

Form1::Form1(const Module1& state, QWidget* parent)
    : QWidget(parent)
    , state_(state)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vantrel"));
    setWindowIcon(makeWindowIcon());
    setPalette(designPalette());
    setAutoFillBackground(true);
    resize(qRound(toPixels(kClientWidthTwips)), qRound(toPixels(kClientHeightTwips)));

    createControls();

    const ElementDef& timerDef = element(Id::Timer1);
    timer_ = new QTimer(this);
    timer_->setObjectName(QString::fromLatin1(timerDef.name));
    timer_->setTimerType(Qt::PreciseTimer); // a cycle must take its nominal time
    timer_->setInterval(timerDef.periodMs);
    timer_->start();

    setTabOrder(cmdPlay(), optSlow());
    setTabOrder(optSlow(), optMed());
    setTabOrder(optMed(), optFast());
    setTabOrder(optFast(), txtAngle());
    setTabOrder(txtAngle(), cmdAngle());
    cmdPlay()->setFocus();

    // Tab enters the speed group at the chosen speed, as on other desktops,
    // and the arrows move on from there. Left alone, Qt would stop at the
    // first option in the chain until one of them had been focused.
    const auto tabToChosenSpeed = [this] {
        for (QRadioButton* option : {optSlow(), optMed(), optFast()})
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QRadioButton* option : {optSlow(), optMed(), optFast()})
        connect(option, &QRadioButton::toggled, this, tabToChosenSpeed);
    tabToChosenSpeed();
    new OptionRowKeys({optSlow(), optMed(), optFast()}, this);

    setUpAccessibility(*this);
}

void Form1::createControls()
{
    const auto& table = elementTable();
    // Frames first: they hold other controls.
    for (const ElementDef& def : table) {
        if (def.kind == Kind::Frame)
            widgets_[indexOf(def.id)] = createControl(def, this);
    }
    for (const ElementDef& def : table) {
        if (def.kind == Kind::Frame || def.kind == Kind::Timer || isPainted(def.kind))
            continue;
        widgets_[indexOf(def.id)] = createControl(def, container(def.in));
    }
    // Earlier rows lie above later ones.
    for (auto it = table.rbegin(); it != table.rend(); ++it) {
        if (QWidget* w = widget(it->id))
            w->raise();
    }
}

QWidget* Form1::createControl(const ElementDef& def, QWidget* parent)
{
    const QString caption = QString::fromLatin1(def.caption);
    QWidget* w = nullptr;
    switch (def.kind) {
    case Kind::Frame: {
        auto* frame = new ElementFrame(caption, parent);
        const In inside = def.id == Id::Frame2 ? In::Frame2 : In::Frame1;
        frame->setElementPainter([this, frame, inside](QPainter& p, const QRegion& region) {
            paintElements(p, inside, scene_, region, frame->palette(), pictures_);
        });
        w = frame;
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
    w->setGeometry(pixelRect(def.geometry).toRect());
    w->setFont(designFont(def.font));
    return w;
}

QWidget* Form1::container(In in) const
{
    switch (in) {
    case In::Frame1:
        return widget(Id::Frame1);
    case In::Frame2:
        return widget(Id::Frame2);
    case In::Window:
        break;
    }
    return const_cast<Form1*>(this);
}

QPushButton* Form1::cmdPlay() const { return static_cast<QPushButton*>(widget(Id::cmdPlay)); }
QPushButton* Form1::cmdAngle() const { return static_cast<QPushButton*>(widget(Id::cmdAngle)); }
QLineEdit* Form1::txtAngle() const { return static_cast<QLineEdit*>(widget(Id::txtAngle)); }
QRadioButton* Form1::optFast() const { return static_cast<QRadioButton*>(widget(Id::optFast)); }
QRadioButton* Form1::optMed() const { return static_cast<QRadioButton*>(widget(Id::optMed)); }
QRadioButton* Form1::optSlow() const { return static_cast<QRadioButton*>(widget(Id::optSlow)); }

QRectF Form1::elementRect(Id id) const
{
    const ElementDef& def = element(id);
    if (def.kind == Kind::Line) {
        const ElementState& s = scene_[id];
        return QRectF(QPointF(toPixels(s.x1), toPixels(s.y1)), QPointF(toPixels(s.x2), toPixels(s.y2)))
            .normalized();
    }
    const QWidget* surface = container(def.in);
    return pixelRect(def.geometry).translated(surface == this ? QPoint() : surface->pos());
}

void Form1::process()
{
    // angle -> frame -> element state -> pixels; a current on a threshold
    // keeps the marks of the frame before.
    frame_ = frameAt(state_.angle, frame_ ? frame_->marks() : kDesignedMarks);
    const SceneState before = scene_;
    writeFrame(*frame_, scene_);
    // Repaint only what changed: the old and the new place of each element.
    for (const ElementDef& def : elementTable()) {
        if (!isPainted(def.kind) || before[def.id] == scene_[def.id])
            continue;
        invalidate(def, before[def.id]);
        invalidate(def, scene_[def.id]);
    }
}

void Form1::invalidate(const ElementDef& def, const ElementState& state)
{
    if (!state.visible)
        return;
    container(def.in)->update(repaintBounds(def, state).toAlignedRect());
}

void Form1::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    paintElements(p, In::Window, scene_, event->region(), palette(), pictures_);
}

bool Form1::overAbout(const QPointF& pos) const { return elementRect(Id::cmdAbout).contains(pos); }

// The About picture clicks like a button: press and release on it.
void Form1::mousePressEvent(QMouseEvent* event)
{
    aboutPressed_ = event->button() == Qt::LeftButton && overAbout(event->position());
    QWidget::mousePressEvent(event);
}

void Form1::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = aboutPressed_ && event->button() == Qt::LeftButton && overAbout(event->position());
    aboutPressed_ = false;
    if (click)
        emit cmdAboutClicked();
    QWidget::mouseReleaseEvent(event);
}

} // namespace vantrel
