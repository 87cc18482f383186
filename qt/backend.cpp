// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/backend.h"

#include "controls/rules.h"
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
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wake_, &QTimer::timeout, [this] { wake(); });
    elapsed_.start();
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

// Stacking, tab order and focus concern the window's controls; the rest is the window's own.
void QtBackend::formChanged(Form& form, Prop what) {
    if (what == Prop::ZOrder)
        restack(form);
    else if (what == Prop::TabOrder)
        retab(form);
    else if (what != Prop::Focus)
        WidgetOf(form)->apply(what);
    else if (Control* c = form.Focused())
        PeerOf(*c)->widget()->setFocus();
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
    w->setFont(ToQt(EffectiveFont(c)));
    peer->relayout();
    restack(c.form());
    w->setVisible(c.Visible());
}

void QtBackend::controlChanged(Control& c, Prop what) {
    Peer* peer = PeerOf(c);
    if (!peer)
        return;
    const Kind kind = c.kind();
    if (what == Prop::Content || (what == Prop::Colors && kind == Kind::PictureBox)) {
        if (kind == Kind::PictureBox)
            static_cast<BoxWidget*>(peer)->applyContent();
        else if (kind == Kind::Image)
            static_cast<ImageWidget*>(peer)->applyContent();
        else
            peer->widget()->update();
        return;
    }
    if (what == Prop::Clickable) {
        if (kind == Kind::Label)
            static_cast<LabelWidget*>(peer)->applyClickable();
        return;
    }
    // A button is named by its caption for assistive technology: the toolkit's own text.
    if (what == Prop::Caption && kind == Kind::Button)
        static_cast<ButtonWidget*>(peer)->setText(
            QString::fromStdString(static_cast<CommandButton&>(c).Caption()));
    if (what == Prop::Caption && kind == Kind::Label && QAccessible::isActive()) {
        QAccessibleEvent ev(peer->widget(), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&ev);
    }
    peer->apply(what);
}

void QtBackend::restack(Form& form) {
    for (Control* c : StackingOrder(form))
        if (Peer* p = PeerOf(*c))
            p->widget()->raise();
}

// A button out of the tab order still takes the focus when clicked.
void QtBackend::retab(Form& form) {
    for (const auto& c : form.Controls())
        if (c->TabIndex() < 0 && c->kind() == Kind::Button)
            PeerOf(*c)->widget()->setFocusPolicy(Qt::ClickFocus);
    const std::vector<Control*> order = TabSequence(form);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(PeerOf(*order[i - 1])->widget(), PeerOf(*order[i])->widget());
}

void QtBackend::pointDrawn(Form& form, const Dot& dot) {
    WidgetOf(form)->drawDot(dot);
}

// Set by a handler of another cause (a click), a timer's schedule starts from now: the clock
// first catches up with the time spent waiting. Set by a timer's own handler, it starts from
// that firing's due time, as on every backend.
void QtBackend::beforeSet() {
    if (!firing_)
        synced_ += clock_.Idle(int(std::min<qint64>(elapsed_.elapsed() - synced_, 1 << 30)));
}

void QtBackend::scheduleChanged() {
    if (!firing_)
        schedule();
}

// Runs every timer due by now, in time order; a wake-up later than a timer's interval fires it
// once and skips the ticks it missed.
void QtBackend::wake() {
    const qint64 now = elapsed_.elapsed();
    const int ms = int(std::min<qint64>(now - synced_, 1 << 30));
    synced_ += ms;
    firing_ = true;
    clock_.RunFor(ms);
    firing_ = false;
    schedule();
}

void QtBackend::schedule() {
    const int due = clock_.NextDue();
    if (due < 0) {
        wake_.stop();
        return;
    }
    const qint64 behind = elapsed_.elapsed() - synced_;
    wake_.start(int(std::max<qint64>(0, due - behind)));
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
