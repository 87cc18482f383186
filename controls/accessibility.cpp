// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "accessibility.h"

#include "form.h"
#include "image.h"
#include "label.h"
#include "line.h"
#include "picturebox.h"
#include "shape.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace controls {

namespace {

// A label reads as text; one that can be clicked (the revolution counter) as a button whose
// press does what the click does.
class LabelAccessible final : public QAccessibleWidget {
public:
    explicit LabelAccessible(Label* l) : QAccessibleWidget(l, QAccessible::StaticText) {}

    // Asked each time: the interface may be made before the click handler is given.
    QAccessible::Role role() const override {
        return static_cast<Label*>(widget())->Clickable() ? QAccessible::Button
                                                          : QAccessible::StaticText;
    }

    QStringList actionNames() const override {
        auto* l = static_cast<Label*>(widget());
        QStringList names = QAccessibleWidget::actionNames();
        if (l->Clickable())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override {
        auto* l = static_cast<Label*>(widget());
        if (action == pressAction() && l->Clickable())
            l->Click();
        else
            QAccessibleWidget::doAction(action);
    }

    QString text(QAccessible::Text t) const override {
        auto* l = static_cast<Label*>(widget());
        switch (t) {
        case QAccessible::Name:
            return l->accessibleName().isEmpty() ? l->Caption() : l->accessibleName();
        case QAccessible::Value:
            return l->Caption();
        case QAccessible::Description:
            return l->accessibleDescription().isEmpty() ? l->toolTip() : l->accessibleDescription();
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
    if (auto* f = dynamic_cast<Form*>(object); f && f->isWindow())
        return new WindowAccessible(f);
    if (auto* l = dynamic_cast<Label*>(object))
        return new LabelAccessible(l);
    if (dynamic_cast<PictureBox*>(object) || dynamic_cast<Shape*>(object) ||
        dynamic_cast<Line*>(object) || dynamic_cast<Image*>(object))
        return new GraphicAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

std::function<void(QWidget*)>& observer() {
    static std::function<void(QWidget*)> o;
    return o;
}

} // namespace

void Announce(QWidget* control) {
    QAccessibleEvent alert(control, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert); // nothing happens while no reader listens
    if (observer())
        observer()(control);
}

void SetAnnouncementObserver(std::function<void(QWidget*)> o) {
    observer() = std::move(o);
}

void InstallAccessibility() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(factory);
        installed = true;
    }
}

} // namespace controls
