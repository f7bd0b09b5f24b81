// SPDX-FileCopyrightText: 2026 The Vantrel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktop/aboutaccessible.h"

#include "desktop/commandkeys.h"
#include "desktop/mainwindow.h"

namespace vantrel {

AboutAccessible::AboutAccessible(MainWindow* form)
    : PartAccessible(form, QAccessible::Button)
{
}

QString AboutAccessible::text(QAccessible::Text t) const
{
    if (!form())
        return {};
    const SpokenWords words = spokenWords(Id::aboutButton);
    if (t == QAccessible::Name)
        return QString::fromStdString(form()->session().language().tr(words.name));
    if (t == QAccessible::Description)
        return QString::fromStdString(form()->session().language().tr(words.description));
    return {};
}

void* AboutAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

void AboutAccessible::doAction(const QString& name)
{
    // The box is modal: opened inside this call, it would hold the reader's
    // call until the user closed it. Qt's buttons queue it too.
    if (name == pressAction() && form())
        QMetaObject::invokeMethod(
            form(), [form = form()] { form->run(Command::About); }, Qt::QueuedConnection);
}

QStringList AboutAccessible::keyBindingsForAction(const QString& name) const
{
    QStringList keys;
    if (name != pressAction())
        return keys;
    for (const QKeySequence& key : keysOf(Command::About))
        keys.append(key.toString(QKeySequence::NativeText));
    return keys;
}

QRectF AboutAccessible::localRect() const { return form()->elementRect(Id::aboutButton); }

} // namespace vantrel
