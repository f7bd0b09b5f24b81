// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/sceneaccessible.h"

#include "scene/description.h"
#include "desktop/designlook.h"
#include "desktop/form1.h"

#include <QAccessibleActionInterface>
#include <QFontMetricsF>
#include <QKeySequence>
#include <QLineEdit>
#include <QPointer>
#include <QWindow>

namespace vantrel {
namespace {

constexpr std::array kParts{ScenePart::Scene, ScenePart::ReadOut, ScenePart::About};
constexpr int kPartCount = static_cast<int>(kParts.size());

// One painted part. It has no QObject of its own, so it reaches everything
// through the window, and goes invalid with it. The read-out is text that
// a reader can walk character by character; the About picture can be
// pressed like the button it stands for.
class PartInterface : public QAccessibleInterface,
                      public QAccessibleActionInterface,
                      public QAccessibleTextInterface {
public:
    PartInterface(Form1* form, ScenePart which)
        : form_(form)
        , which_(which)
    {
    }

    bool isValid() const override { return !form_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return form_ ? form_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(form_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}

    QAccessible::Role role() const override
    {
        switch (which_) {
        case ScenePart::Scene:
            return QAccessible::Animation;
        case ScenePart::ReadOut:
            return QAccessible::StaticText;
        case ScenePart::About:
            return QAccessible::Button;
        }
        return QAccessible::NoRole;
    }

    QString text(QAccessible::Text t) const override
    {
        if (!form_)
            return {};
        const SceneState& scene = form_->scene();
        switch (which_) {
        case ScenePart::Scene:
            if (t == QAccessible::Name)
                return QStringLiteral("Rotating magnetic field");
            if (t == QAccessible::Description)
                return QString::fromStdString(describeFrame(form_->frame()));
            break;
        case ScenePart::ReadOut:
            // The label in front of it is painted too, so the read-out
            // carries it: "Phase Angle: 90 deg.".
            if (t == QAccessible::Name)
                return scene[Id::Label2].caption + QLatin1Char(' ') + readOut();
            if (t == QAccessible::Value)
                return readOut();
            break;
        case ScenePart::About:
            if (t == QAccessible::Name)
                return QStringLiteral("About");
            if (t == QAccessible::Description)
                return QStringLiteral("Shows who made this demo");
            break;
        }
        return {};
    }

    QRect rect() const override
    {
        if (!form_)
            return {};
        QRectF local;
        switch (which_) {
        case ScenePart::Scene:
            local = form_->elementRect(Id::Shape1).united(form_->elementRect(Id::Image1));
            break;
        case ScenePart::ReadOut:
            local = form_->elementRect(Id::lblAngle);
            break;
        case ScenePart::About:
            local = form_->elementRect(Id::cmdAbout);
            break;
        }
        return toGlobal(local);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        if (!form_ || !form_->isVisible())
            s.invisible = true;
        if (which_ == ScenePart::ReadOut)
            s.readOnly = true;
        if (which_ == ScenePart::Scene && form_)
            s.animated = form_->state().playing == 1;
        return s;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface && which_ == ScenePart::About)
            return static_cast<QAccessibleActionInterface*>(this);
        if (type == QAccessible::TextInterface && which_ == ScenePart::ReadOut)
            return static_cast<QAccessibleTextInterface*>(this);
        return nullptr;
    }

    // Action: only the About picture offers one.
    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& name) override
    {
        // The box is modal: opened inside this call, it would hold the
        // reader's call until the user closed it. Qt's buttons queue it too.
        if (name == pressAction() && form_)
            QMetaObject::invokeMethod(form_.data(), &Form1::cmdAboutClicked, Qt::QueuedConnection);
    }

    QStringList keyBindingsForAction(const QString& name) const override
    {
        const QString help = QKeySequence(QKeySequence::HelpContents).toString(QKeySequence::NativeText);
        if (name == pressAction() && !help.isEmpty())
            return {help};
        return {};
    }

    // Text: the read-out as painted, read-only, with no caret or selection.
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}
    int characterCount() const override { return static_cast<int>(readOut().size()); }
    QString text(int startOffset, int endOffset) const override
    {
        return readOut().mid(startOffset, endOffset - startOffset);
    }
    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

    // The read-out is painted on one line from its element's top-left corner.
    QRect characterRect(int offset) const override
    {
        const QString s = readOut();
        if (!form_ || offset < 0 || offset >= s.size())
            return {};
        const QFontMetricsF metrics(designFont(element(Id::lblAngle).font, form_->zoom()));
        const QPointF origin = form_->elementRect(Id::lblAngle).topLeft();
        const double left = metrics.horizontalAdvance(s.left(offset));
        const double right = metrics.horizontalAdvance(s.left(offset + 1));
        return toGlobal(QRectF(origin.x() + left, origin.y(), right - left, metrics.height()));
    }

    int offsetAtPoint(const QPoint& point) const override
    {
        for (int i = 0; i < characterCount(); ++i) {
            if (characterRect(i).contains(point))
                return i;
        }
        return -1;
    }

private:
    QString readOut() const { return form_ ? form_->scene()[Id::lblAngle].caption : QString(); }

    QRect toGlobal(const QRectF& local) const
    {
        const QRect r = local.toAlignedRect();
        return QRect(form_->mapToGlobal(r.topLeft()), r.size());
    }

    QPointer<Form1> form_;
    ScenePart which_;
};

QAccessibleInterface* windowFactory(const QString&, QObject* object)
{
    if (auto* form = qobject_cast<Form1*>(object))
        return new SceneAccessible(form);
    return nullptr;
}

} // namespace

SceneAccessible::SceneAccessible(Form1* form)
    : QAccessibleWidget(form, QAccessible::Window)
{
    for (int i = 0; i < kPartCount; ++i)
        parts_[i] = QAccessible::registerAccessibleInterface(new PartInterface(form, kParts[i]));
}

SceneAccessible::~SceneAccessible()
{
    for (QAccessible::Id id : parts_)
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* SceneAccessible::part(ScenePart which) const
{
    return QAccessible::accessibleInterface(parts_[static_cast<std::size_t>(which)]);
}

// The painted parts come first, then the controls in Qt's own order.
int SceneAccessible::childCount() const { return kPartCount + QAccessibleWidget::childCount(); }

QAccessibleInterface* SceneAccessible::child(int index) const
{
    if (index >= 0 && index < kPartCount)
        return part(kParts[index]);
    return QAccessibleWidget::child(index - kPartCount);
}

int SceneAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (int i = 0; i < kPartCount; ++i) {
        if (child && child == part(kParts[i]))
            return i;
    }
    const int widgetIndex = QAccessibleWidget::indexOfChild(child);
    return widgetIndex < 0 ? -1 : kPartCount + widgetIndex;
}

// The scene's rectangle encloses the read-out and lies under some controls,
// so the smaller things are asked first and the scene last.
QAccessibleInterface* SceneAccessible::childAt(int x, int y) const
{
    for (ScenePart small : {ScenePart::About, ScenePart::ReadOut}) {
        if (QAccessibleInterface* p = part(small); p && p->rect().contains(x, y))
            return p;
    }
    for (int i = 0; i < QAccessibleWidget::childCount(); ++i) {
        QAccessibleInterface* c = QAccessibleWidget::child(i);
        if (c && c->isValid() && !c->state().invisible && c->rect().contains(x, y))
            return c;
    }
    if (QAccessibleInterface* scene = part(ScenePart::Scene); scene && scene->rect().contains(x, y))
        return scene;
    return nullptr;
}

void setUpAccessibility(Form1& form)
{
    static const bool installed = [] {
        QAccessible::installFactory(windowFactory);
        return true;
    }();
    Q_UNUSED(installed);

    // With a screen reader running, Qt may have asked for the window's
    // interface while the controls were being made, before the factory
    // existed; that plain one would hide the painted parts for good.
    if (QAccessibleInterface* cached = QAccessible::queryAccessibleInterface(&form);
        cached && !dynamic_cast<SceneAccessible*>(cached))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(cached));

    // A text box has no caption of its own to be read out.
    QLineEdit* box = form.txtAngle();
    box->setAccessibleName(QStringLiteral("Angle in degrees"));
    box->setAccessibleDescription(QStringLiteral("Type an angle and press Enter to show it"));
    // The legend's marks and words are painted inside the frame.
    form.widget(Id::Frame2)->setAccessibleDescription(
        QStringLiteral("A dot in a conductor means current upwards, a cross downwards."));
}

void announceFrame(Form1& form)
{
    if (!QAccessible::isActive())
        return;
    auto* window = dynamic_cast<SceneAccessible*>(QAccessible::queryAccessibleInterface(&form));
    if (!window)
        return;
    QAccessibleEvent readOut(window->part(ScenePart::ReadOut), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&readOut);
    QAccessibleEvent scene(window->part(ScenePart::Scene), QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&scene);
}

} // namespace vantrel
