// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/sceneaccessible.h"

#include "desktop/aboutaccessible.h"
#include "desktop/mainwindow.h"
#include "desktop/partaccessible.h"
#include "desktop/readoutaccessible.h"


namespace vantrel {
namespace {

constexpr std::array kParts{ScenePart::Scene, ScenePart::ReadOut, ScenePart::About};
constexpr int kPartCount = static_cast<int>(kParts.size());

QAccessibleInterface* makePart(MainWindow* form, ScenePart which)
{
    switch (which) {
    case ScenePart::Scene:
        return new AnimationAccessible(form);
    case ScenePart::ReadOut:
        return new ReadOutAccessible(form);
    case ScenePart::About:
        return new AboutAccessible(form);
    }
    return nullptr;
}

QAccessibleInterface* windowFactory(const QString&, QObject* object)
{
    if (auto* form = qobject_cast<MainWindow*>(object))
        return new SceneAccessible(form);
    return nullptr;
}

} // namespace

SceneAccessible::SceneAccessible(MainWindow* form)
    : QAccessibleWidget(form, QAccessible::Window)
{
    for (int i = 0; i < kPartCount; ++i)
        parts_[i] = QAccessible::registerAccessibleInterface(makePart(form, kParts[i]));
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

void setUpAccessibility(MainWindow& form)
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

    // What a control's caption does not say: the box has none, and the
    // legend's marks and words are painted inside its group box.
    const Language& language = form.session().language();
    for (const ElementDef& def : elementTable()) {
        QWidget* w = form.widget(def.id);
        const SpokenWords words = spokenWords(def.id);
        if (w && words.name)
            w->setAccessibleName(QString::fromStdString(language.tr(words.name)));
        if (w && words.description)
            w->setAccessibleDescription(QString::fromStdString(language.tr(words.description)));
    }
    QObject::connect(&form, &MainWindow::settled, &form, [&form] { announceFrame(form); });
}

void announceFrame(MainWindow& form)
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
