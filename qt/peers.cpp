// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qt/widgets.h"

#include "controls/phrases.h"
#include "controls/rules.h"

#include <QImageReader>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

using namespace controls;

namespace qtb {

QFont ToQt(const Font& f) {
    if (f.name.empty())
        return QFont();
    QFont font(QString::fromStdString(f.name));
    font.setPixelSize(FontPixels(f.points));
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QImage LoadPicture(const std::string& name) {
    QImageReader reader(QString::fromStdString(":/pictures/" + name));
    return reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

namespace {

// The circle in the box: diameter the smaller side, centred.
QRectF CircleIn(const QRectF& bounds) {
    const double d = std::min(bounds.width(), bounds.height());
    return {bounds.center().x() - d / 2, bounds.center().y() - d / 2, d, d};
}

// Where the one-pixel outline runs: half a pixel in, so that the whole line lies inside the
// circle's bounds.
QRectF OutlineOf(const QRectF& circle) {
    return circle.adjusted(0.5, 0.5, -0.5, -0.5);
}

} // namespace

void PaintCircle(QPainter& p, const QRectF& bounds, const CircleStyle& style) {
    const QRectF circle = CircleIn(bounds);
    if (circle.width() <= 0)
        return;
    p.setRenderHint(QPainter::Antialiasing);
    if (style.fill) {
        p.setPen(Qt::NoPen);
        p.setBrush(ToQt(*style.fill));
        p.drawEllipse(circle);
    }
    if (style.outline) {
        p.setPen(QPen(ToQt(*style.outline), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(OutlineOf(circle));
    }
}

unsigned OutlineArcsIn(const QRectF& bounds, const QRegion& area) {
    const QRectF circle = CircleIn(bounds);
    if (circle.width() <= 0)
        return 0;
    const QRectF ring = OutlineOf(circle);
    const double radius = ring.width() / 2;
    const QPointF c = ring.center();
    // The line is a pixel wide and smoothed over one more: two pixels of margin cover it.
    const double margin = 2;
    QRectF arcBox[4];
    bool boxed = false;
    unsigned arcs = 0;
    for (const QRect& r : area) {
        const QRectF a = QRectF(r).adjusted(-margin, -margin, margin, margin);
        // Nearest and farthest point of the area from the centre.
        const double nx = std::max({a.left() - c.x(), 0.0, c.x() - a.right()});
        const double ny = std::max({a.top() - c.y(), 0.0, c.y() - a.bottom()});
        const double fx = std::max(std::abs(a.left() - c.x()), std::abs(a.right() - c.x()));
        const double fy = std::max(std::abs(a.top() - c.y()), std::abs(a.bottom() - c.y()));
        if (std::hypot(nx, ny) > radius || std::hypot(fx, fy) < radius)
            continue; // wholly outside the line, or wholly inside it
        if (!boxed) {
            QPainterPath whole;
            whole.addEllipse(ring);
            for (int i = 0; i < 4; ++i)
                arcBox[i] = QPolygonF{whole.elementAt(3 * i), whole.elementAt(3 * i + 1),
                                      whole.elementAt(3 * i + 2), whole.elementAt(3 * i + 3)}
                                .boundingRect();
            boxed = true;
        }
        for (int i = 0; i < 4; ++i)
            if (arcBox[i].intersects(a))
                arcs |= 1u << i;
    }
    return arcs;
}

void PaintOutlineArcs(QPainter& p, const QRectF& bounds, QColor colour, unsigned arcs) {
    const QRectF circle = CircleIn(bounds);
    if (circle.width() <= 0 || (arcs & 0xf) == 0)
        return;
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    if ((arcs & 0xf) == 0xf) {
        p.setPen(QPen(colour, 1.0));
        p.drawEllipse(OutlineOf(circle));
        return;
    }
    QPainterPath whole;
    whole.addEllipse(OutlineOf(circle));
    QPainterPath part;
    for (int i = 0; i < 4; ++i) {
        if (!(arcs >> i & 1))
            continue;
        if (i == 0 || !(arcs >> (i - 1) & 1))
            part.moveTo(whole.elementAt(3 * i));
        part.cubicTo(whole.elementAt(3 * i + 1), whole.elementAt(3 * i + 2),
                     whole.elementAt(3 * i + 3));
    }
    // Flat ends: a capped end would shift the first segment of its arc by rounding. Without
    // caps each arc covers the same pixels as in the whole ellipse.
    p.setPen(QPen(colour, 1.0, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(part);
}

// --- What every control's widget shares -------------------------------------------------

QRect Peer::pixelRect() const {
    return {ToPixels(model.Left()), ToPixels(model.Top()), std::max(0, ToPixels(model.Width())),
            std::max(0, ToPixels(model.Height()))};
}

void Peer::relayout() {
    const QRect r = pixelRect();
    if (r != widget()->geometry())
        widget()->setGeometry(r);
}

void Peer::apply(Prop what) {
    QWidget* w = widget();
    switch (what) {
    case Prop::Geometry:
        relayout();
        // The whole control is painted afresh at its new place. Without this the toolkit moves
        // a control by copying its old pixels, and where another box had covered part of it
        // those pixels were stale: a notch in the Sun that travelled with it.
        w->update();
        break;
    case Prop::Visible:
        w->setVisible(model.Visible());
        break;
    case Prop::Enabled:
        w->setEnabled(model.Enabled());
        break;
    case Prop::Font:
        w->setFont(ToQt(EffectiveFont(model)));
        break;
    case Prop::ToolTip:
        w->setToolTip(QString::fromStdString(model.ToolTip()));
        break;
    case Prop::AccessibleName:
        w->setAccessibleName(QString::fromStdString(model.AccessibleName()));
        break;
    default:
        w->update();
        break;
    }
}

// --- Push button -------------------------------------------------------------------------

// A caption that breaks only between its phrases may need more lines than its button has room
// for: it is then set a little smaller, step by step, until it fits.
static QFont FittedFont(QFont f, const QRect& r, int flags, const QString& text) {
    for (int step = 0; step < 4; ++step) {
        if (QFontMetrics(f).boundingRect(r, flags, text).height() <= r.height())
            break;
        if (f.pixelSize() > 0)
            f.setPixelSize(std::max(1, f.pixelSize() * 9 / 10));
        else
            f.setPointSizeF(f.pointSizeF() * 0.9);
    }
    return f;
}

ButtonWidget::ButtonWidget(CommandButton& b, QWidget* parent) : QAbstractButton(parent), Peer(b) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Space is the toolkit's own (pressed look while held); the model decides what a click does.
    connect(this, &QAbstractButton::clicked, this, [this] { button().Click(); });
}

bool HeldKeyRepeat(const QKeyEvent* e) {
    const int k = e->key();
    return e->isAutoRepeat() &&
           (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Space || k == Qt::Key_Escape);
}

Qt::KeyboardModifiers HeldModifiers(const QKeyEvent* e) {
    return e->modifiers() & ~Qt::KeypadModifier;
}

void ButtonWidget::keyPressEvent(QKeyEvent* e) {
    if (HeldKeyRepeat(e)) {
        e->accept();
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        HeldModifiers(e) == Qt::NoModifier) {
        model.form().KeyDown(Key::Enter);
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        e->ignore(); // the window's cancel button
        return;
    }
    QAbstractButton::keyPressEvent(e);
}

void ButtonWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    const QColor face = ToQt(button().BackColor());
    p.fillRect(r, face);
    const bool sunken = isDown();
    const int x0 = r.left(), y0 = r.top(), x1 = r.right(), y1 = r.bottom();

    // Classic bevel: light from the top left, one pixel of black and one of shadow below.
    const QColor light(255, 255, 255), dark(0, 0, 0), shadow(128, 128, 128);
    auto frame = [&](QColor topLeft, QColor bottomRight, int inset) {
        p.setPen(topLeft);
        p.drawLine(x0 + inset, y0 + inset, x1 - inset - 1, y0 + inset);
        p.drawLine(x0 + inset, y0 + inset, x0 + inset, y1 - inset - 1);
        p.setPen(bottomRight);
        p.drawLine(x0 + inset, y1 - inset, x1 - inset, y1 - inset);
        p.drawLine(x1 - inset, y0 + inset, x1 - inset, y1 - inset);
    };
    if (sunken) {
        frame(dark, light, 0);
        frame(shadow, face, 1);
    } else {
        frame(light, dark, 0);
        frame(face, shadow, 1);
    }

    const QRect textRect = r.adjusted(3, 2, -3, -2).translated(sunken ? 1 : 0, sunken ? 1 : 0);
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    const QString caption = QString::fromStdString(controls::ShownCaption(button().Caption()));
    p.setFont(FittedFont(font(), textRect, flags, caption));
    if (isEnabled()) {
        p.setPen(QColor(0, 0, 0));
        p.drawText(textRect, flags, caption);
    } else {
        // Engraved grey text, as a disabled classic button shows it.
        p.setPen(light);
        p.drawText(textRect.translated(1, 1), flags, caption);
        p.setPen(shadow);
        p.drawText(textRect, flags, caption);
    }
    if (hasFocus()) {
        QPen dots(QColor(0, 0, 0), 1, Qt::DotLine);
        p.setPen(dots);
        p.drawRect(r.adjusted(3, 3, -4, -4));
    }
}

// --- Label -------------------------------------------------------------------------------

LabelWidget::LabelWidget(Label& l, QWidget* parent) : QWidget(parent), Peer(l) {
    setAttribute(Qt::WA_TranslucentBackground);
    applyClickable();
}

// A clickable label is reached by Tab only: a mouse click leaves the focus where it was.
// Its focus frame lies in a margin around the text, so that it never crosses a letter.
int LabelWidget::margin() const {
    return label().Clickable() ? 2 : 0;
}

QRect LabelWidget::pixelRect() const {
    const int m = margin();
    return Peer::pixelRect().adjusted(-m, -m, m, m);
}

void LabelWidget::applyClickable() {
    setFocusPolicy(label().Clickable() ? Qt::TabFocus : Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents, !label().Clickable());
    relayout();
    update();
}

void LabelWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor fore = ToQt(label().ForeColor());
    const int m = margin();
    if (hasFocus()) {
        p.setPen(QPen(fore, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    const QString caption = QString::fromStdString(controls::ShownCaption(label().Caption()));
    if (caption.isEmpty())
        return;
    p.setFont(font());
    p.setPen(fore);
    Qt::Alignment align = Qt::AlignLeft;
    if (label().Alignment() == Align::Right)
        align = Qt::AlignRight;
    else if (label().Alignment() == Align::Center)
        align = Qt::AlignHCenter;
    // Text starts at the top and wraps inside the label's width; what does not fit is cut off.
    p.drawText(rect().adjusted(m, m, -m, -m), int(align | Qt::AlignTop) | Qt::TextWordWrap,
               caption);
}

void LabelWidget::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    pressed_ = true;
    e->accept();
}

void LabelWidget::mouseReleaseEvent(QMouseEvent* e) {
    if (!pressed_) {
        e->ignore();
        return;
    }
    pressed_ = false;
    if (rect().contains(e->position().toPoint()))
        label().Click();
    e->accept();
}

void LabelWidget::keyPressEvent(QKeyEvent* e) {
    if (HeldKeyRepeat(e)) {
        e->accept();
        return;
    }
    const int k = e->key();
    if (k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter) {
        model.form().KeyDown(k == Qt::Key_Space ? Key::Space : Key::Enter);
        e->accept();
        return;
    }
    QWidget::keyPressEvent(e);
}

// --- Body box ----------------------------------------------------------------------------

// Not declared opaque, so that the toolkit repaints what lay beneath its old place as well.
BoxWidget::BoxWidget(PictureBox& b, QWidget* parent) : QWidget(parent), Peer(b) {}

void BoxWidget::applyContent() {
    picture_ = box().Picture().empty() ? QImage() : LoadPicture(box().Picture());
    face_ = QPixmap();
    update();
}

// A box is painted afresh wherever it moves, every tick: its face is drawn once per size, colour
// and content, and then only copied.
void BoxWidget::paintEvent(QPaintEvent*) {
    const qreal dpr = devicePixelRatioF();
    const QSize device = size() * dpr;
    if (face_.size() != device || face_.devicePixelRatio() != dpr) {
        face_ = QPixmap(device.expandedTo(QSize(1, 1)));
        face_.setDevicePixelRatio(dpr);
        QPainter f(&face_);
        f.fillRect(rect(), ToQt(box().BackColor()));
        if (const auto& disc = box().disc()) {
            PaintCircle(f, QRectF(0, 0, ToPixelsF(disc->width), ToPixelsF(disc->height)),
                        disc->style);
        } else if (!picture_.isNull()) {
            // One picture pixel to one logical pixel, at the top-left corner.
            f.drawImage(QRectF(0, 0, picture_.width(), picture_.height()), picture_);
        }
    }
    QPainter p(this);
    p.drawPixmap(0, 0, face_);
}

// --- Circle shape ------------------------------------------------------------------------

ShapeWidget::ShapeWidget(Shape& s, QWidget* parent) : QWidget(parent), Peer(s) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

// From the pixel that holds the left edge to the one that holds the right edge, so that no
// part of the circle (drawn at its exact place) is cut off by rounding.
QRect ShapeWidget::pixelRect() const {
    const int left = int(std::floor(ToPixelsF(model.Left())));
    const int top = int(std::floor(ToPixelsF(model.Top())));
    const int right = int(std::ceil(ToPixelsF(model.Left() + model.Width())));
    const int bottom = int(std::ceil(ToPixelsF(model.Top() + model.Height())));
    return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
}

void ShapeWidget::paintEvent(QPaintEvent* e) {
    // The circle in exact twips, relative to where the widget was snapped.
    const QRectF exact(ToPixelsF(model.Left()) - x(), ToPixelsF(model.Top()) - y(),
                       ToPixelsF(model.Width()), ToPixelsF(model.Height()));
    const CircleStyle& style = static_cast<Shape&>(model).Style();
    if (style.fill) {
        QPainter p(this);
        PaintCircle(p, exact, style);
        return;
    }
    if (!style.outline)
        return;
    // A large outlined circle (the sky, the ecliptic) gets small areas to repaint where bodies
    // pass, inside it or across its line: only the arcs of the line that reach them are drawn.
    const unsigned arcs = OutlineArcsIn(exact, e->region());
    if (arcs == 0)
        return;
    QPainter p(this);
    PaintOutlineArcs(p, exact, ToQt(*style.outline), arcs);
}

// --- Line --------------------------------------------------------------------------------

LineWidget::LineWidget(Line& l, QWidget* parent) : QWidget(parent), Peer(l) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

QRect LineWidget::pixelRect() const {
    const Line& l = line();
    const int margin = l.BorderWidth() + 1;
    const int left = std::min(ToPixels(l.X1()), ToPixels(l.X2())) - margin;
    const int top = std::min(ToPixels(l.Y1()), ToPixels(l.Y2())) - margin;
    const int right = std::max(ToPixels(l.X1()), ToPixels(l.X2())) + margin;
    const int bottom = std::max(ToPixels(l.Y1()), ToPixels(l.Y2())) + margin;
    return {left, top, right - left + 1, bottom - top + 1};
}

// An end point in the widget's pixels, on a pixel centre for odd widths so that level and
// upright lines stay crisp.
QPointF LineWidget::end(float x, float y) const {
    const double shift = (line().BorderWidth() % 2) ? 0.5 : 0.0;
    return {ToPixels(x) + shift - this->x(), ToPixels(y) + shift - this->y()};
}

void LineWidget::paintEvent(QPaintEvent*) {
    const Line& l = line();
    if (l.X1() == l.X2() && l.Y1() == l.Y2())
        return; // a line of zero length shows nothing
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, l.X1() != l.X2() && l.Y1() != l.Y2());
    p.setPen(QPen(ToQt(l.BorderColor()), l.BorderWidth(), Qt::SolidLine, Qt::FlatCap));
    p.drawLine(end(l.X1(), l.Y1()), end(l.X2(), l.Y2()));
}

// --- Stretched image ---------------------------------------------------------------------

ImageWidget::ImageWidget(Image& i, QWidget* parent) : QWidget(parent), Peer(i) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ImageWidget::applyContent() {
    scaled_ = QPixmap();
    update();
}

// The picture is decoded only when first painted (the Earth picture starts hidden), and only to
// be scaled: the full-size decoded picture is let go at once, and decoded again in the rare case
// of a new size.
void ImageWidget::paintEvent(QPaintEvent* e) {
    const std::string& name = static_cast<Image&>(model).Picture();
    if (name.empty() || width() <= 0 || height() <= 0)
        return;
    const qreal dpr = devicePixelRatioF();
    const QSize device = size() * dpr;
    if (scaled_.size() != device) {
        scaled_ = QPixmap::fromImage(
            LoadPicture(name).scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scaled_.setDevicePixelRatio(dpr);
    }
    if (scaled_.isNull())
        return;
    // Only the part to repaint: a body moving over the constellations needs a small piece.
    const QRect r = e->rect();
    QPainter p(this);
    p.drawPixmap(r, scaled_,
                 QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr).toRect());
}

Peer* PeerOf(const Control& c) {
    return static_cast<Peer*>(c.peer);
}

FormWidget* WidgetOf(const Form& f) {
    return static_cast<FormWidget*>(f.peer);
}

} // namespace qtb
