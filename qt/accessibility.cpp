// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/backend.h"
#include "qt/widgets.h"

#include "controls/rules.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace qtb {

namespace {

// A label reads as text; one that can be clicked (the revolution counter) as a button whose
// press does what the click does.
class LabelAccessible final : public QAccessibleWidget {
public:
    explicit LabelAccessible(LabelWidget* l) : QAccessibleWidget(l, QAccessible::StaticText) {}

    // Asked each time: the interface may be made before the click handler is given.
    QAccessible::Role role() const override {
        return label().Clickable() ? QAccessible::Button : QAccessible::StaticText;
    }

    QStringList actionNames() const override {
        QStringList names = QAccessibleWidget::actionNames();
        if (label().Clickable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        if (action == pressAction() && label().Clickable())
            label().Click();
        else
            QAccessibleWidget::doAction(action);
    }

    controls::Label& label() const { return static_cast<LabelWidget*>(widget())->label(); }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name:
            return QString::fromStdString(controls::SpokenName(label()));
        case QAccessible::Value:
            return QString::fromStdString(label().Caption());
        case QAccessible::Description:
            return widget()->toolTip();
        default:
            return QAccessibleWidget::text(t);
        }
    }
};

// A top-level window reads as a window named by its title.
class WindowAccessible final : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Window) {}
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? widget()->windowTitle() : QAccessibleWidget::text(t);
    }
};

class GraphicAccessible final : public QAccessibleWidget {
public:
    explicit GraphicAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
};

QAccessibleInterface* factory(const QString& key, QObject* object) {
    if (key != QLatin1String("QWidget"))
        return nullptr;
    if (auto* f = dynamic_cast<FormWidget*>(object))
        return new WindowAccessible(f);
    if (auto* l = dynamic_cast<LabelWidget*>(object))
        return new LabelAccessible(l);
    if (dynamic_cast<BoxWidget*>(object) || dynamic_cast<ShapeWidget*>(object) ||
        dynamic_cast<LineWidget*>(object) || dynamic_cast<ImageWidget*>(object))
        return new GraphicAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void InstallAccessibility() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(factory);
        installed = true;
    }
}

} // namespace qtb
