// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/backend.h"

#include "qt/placement.h"
#include "qt/widgets.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QScreen>

#include <algorithm>

using namespace controls;

// The pictures live in a static library; naming them here keeps the linker from dropping them.
static void InitPictures() {
    Q_INIT_RESOURCE(resources);
}

namespace qtb {

QtBackend::QtBackend() : previous_(&CurrentBackend()) {
    InitPictures();
    SetBackend(this);
    // The toolkit moves the focus by mouse, Tab and window activation; the model follows.
    focusWatch_ = QObject::connect(qApp, &QApplication::focusChanged, [](QWidget*, QWidget* now) {
        if (!now)
            return;
        if (auto* peer = dynamic_cast<Peer*>(now))
            peer->model.form().FocusMovedTo(&peer->model);
        else if (auto* f = dynamic_cast<FormWidget*>(now))
            f->model.FocusMovedTo(nullptr);
    });
}

QtBackend::~QtBackend() {
    QObject::disconnect(focusWatch_);
    SetBackend(previous_);
}

// Windows made while the first one lives belong to it: they stay above it and leave no
// task-bar entry of their own.
void QtBackend::formCreated(Form& form) {
    auto* w = new FormWidget(form, main_);
    if (!main_)
        main_ = w;
    form.peer = w;
    w->applyBorder();
}

void QtBackend::formDestroyed(Form& form) {
    FormWidget* w = WidgetOf(form);
    if (w == main_)
        main_ = nullptr;
    delete w;
    form.peer = nullptr;
}

namespace {

// A second window opens beside the first, so that a class sees both; the first moves aside if
// it must. Where the screen cannot hold both, the window manager places it. Its frame is taken
// to be as thick as the first window's: it has none yet before it is first shown.
void PlaceBesideOwner(QWidget* w, QWidget* owner) {
    const QScreen* screen = owner->screen();
    if (!screen)
        return;
    const QRect outer = owner->frameGeometry(), inner = owner->geometry();
    const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                         outer.right() - inner.right(), outer.bottom() - inner.bottom());
    const auto at = PlaceBeside(outer, w->size().grownBy(frame), screen->availableGeometry());
    if (!at)
        return;
    if (at->owner != outer.topLeft())
        owner->move(at->owner);
    w->move(at->window);
}

} // namespace

void QtBackend::formShown(Form& form, bool shown) {
    FormWidget* w = WidgetOf(form);
    if (shown) {
        if (main_ && w != main_ && w->isHidden() && main_->isVisible())
            PlaceBesideOwner(w, main_);
        w->show();
        if (Control* c = form.Focused())
            PeerOf(*c)->widget()->setFocus();
    } else {
        w->hide();
    }
}

void QtBackend::formChanged(Form& form, Prop what) {
    FormWidget* w = WidgetOf(form);
    switch (what) {
    case Prop::Caption:
        w->applyCaption();
        break;
    case Prop::Icon:
        w->applyIcon();
        break;
    case Prop::BorderStyle:
        w->applyBorder();
        break;
    case Prop::ClientSize:
        w->applyClientSize();
        break;
    case Prop::Colors:
        w->applyBackColor();
        break;
    case Prop::ZOrder:
        restack(form);
        break;
    case Prop::TabOrder:
        retab(form);
        break;
    case Prop::Focus:
        if (Control* c = form.Focused())
            PeerOf(*c)->widget()->setFocus();
        break;
    default:
        break;
    }
}

namespace {

Peer* MakePeer(Control& c, QWidget* parent) {
    switch (c.kind()) {
    case Kind::Button:
        return new ButtonWidget(static_cast<CommandButton&>(c), parent);
    case Kind::Label:
        return new LabelWidget(static_cast<Label&>(c), parent);
    case Kind::PictureBox:
        return new BoxWidget(static_cast<PictureBox&>(c), parent);
    case Kind::Shape:
        return new ShapeWidget(static_cast<Shape&>(c), parent);
    case Kind::Line:
        return new LineWidget(static_cast<Line&>(c), parent);
    case Kind::Image:
        break;
    }
    return new ImageWidget(static_cast<Image&>(c), parent);
}

} // namespace

void QtBackend::controlCreated(Control& c) {
    Peer* peer = MakePeer(c, WidgetOf(c.form()));
    c.peer = peer;
    QWidget* w = peer->widget();
    // A control that names no font of its own uses its window's.
    w->setFont(ToQt(c.font() == Font{} ? c.form().font() : c.font()));
    peer->relayout();
    restack(c.form());
    w->setVisible(c.Visible());
}

void QtBackend::controlChanged(Control& c, Prop what) {
    Peer* peer = PeerOf(c);
    if (!peer)
        return;
    if (what == Prop::Content || (what == Prop::Colors && c.kind() == Kind::PictureBox)) {
        if (auto* box = dynamic_cast<BoxWidget*>(peer))
            box->applyContent();
        else if (auto* image = dynamic_cast<ImageWidget*>(peer))
            image->applyContent();
        else
            peer->widget()->update();
        return;
    }
    if (what == Prop::Clickable) {
        if (auto* label = dynamic_cast<LabelWidget*>(peer))
            label->applyClickable();
        return;
    }
    // A button is named by its caption for assistive technology: the toolkit's own text.
    if (what == Prop::Caption && c.kind() == Kind::Button)
        static_cast<ButtonWidget*>(peer)->setText(
            QString::fromStdString(static_cast<CommandButton&>(c).Caption()));
    if (what == Prop::Caption && c.kind() == Kind::Label && QAccessible::isActive()) {
        QAccessibleEvent ev(peer->widget(), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&ev);
    }
    peer->apply(what);
}

// Windowed controls above windowless ones; within each layer, by the model's order.
void QtBackend::restack(Form& form) {
    std::vector<Control*> order;
    for (const auto& c : form.Controls())
        order.push_back(c.get());
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        if (a->layer() != b->layer())
            return a->layer() == Layer::Windowless; // lower layer first
        return a->ZIndex() > b->ZIndex();           // bottom first
    });
    for (Control* c : order)
        if (Peer* p = PeerOf(*c))
            p->widget()->raise();
}

void QtBackend::retab(Form& form) {
    std::vector<Control*> order;
    for (const auto& c : form.Controls()) {
        QWidget* w = PeerOf(*c)->widget();
        if (c->TabIndex() >= 0)
            order.push_back(c.get());
        else if (c->kind() == Kind::Button)
            w->setFocusPolicy(Qt::ClickFocus);
    }
    std::sort(order.begin(), order.end(),
              [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(PeerOf(*order[i - 1])->widget(), PeerOf(*order[i])->widget());
}

void QtBackend::pointDrawn(Form& form, const Dot& dot) {
    WidgetOf(form)->drawDot(dot);
}

void QtBackend::timerCreated(Timer&) {}

void QtBackend::timerDestroyed(Timer& timer) {
    beats_.remove(timer);
}

void QtBackend::timerChanged(Timer& timer) {
    beats_.set(timer);
}

void QtBackend::beep() {
    if (onBeep)
        onBeep();
    else
        SystemBeep();
}

void QtBackend::announce(Control& c) {
    if (Peer* p = PeerOf(c)) {
        QAccessibleEvent alert(p->widget(), QAccessible::Alert);
        QAccessible::updateAccessibility(&alert); // nothing happens while no reader listens
    }
    if (onAnnounce)
        onAnnounce(c);
}

void QtBackend::quit() {
    QCoreApplication::quit();
}

} // namespace qtb
