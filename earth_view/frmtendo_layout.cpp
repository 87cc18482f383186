// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Earth view's controls at their design values.

#include "design.h"
#include "frmtendo.h"
#include "texts.h"

#include <QApplication>
#include <QIcon>
#include <QPalette>

#include <array>
#include <optional>

using namespace controls;

// The pictures live in a static library; naming them here keeps the linker from dropping them.
static void InitPictures() {
    Q_INIT_RESOURCE(resources);
}

namespace {

const QColor kSky(32, 32, 32);
const QColor kButtonFace(128, 255, 255);
const QColor kBoxBack(16, 16, 32);
const QColor kWhite(255, 255, 255);
const QColor kPaleViolet(192, 192, 255);

const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");

// The frame around the client area, in twips: a thin border and a title bar. Fixed rather
// than asked of the platform, whose frame is not known before the window is first shown.
constexpr double kFrameWidth = 120;
constexpr double kFrameHeight = 405;

struct ButtonDesign {
    CommandButton** slot;
    const char* caption;
    float left, top, width, height;
};

struct CircleDesign {
    Shape** slot;
    float left, top, width, height;
    CircleStyle style;
    const char* name;
};

struct ImageDesign {
    Image** slot;
    float left, top, width, height;
    const char* picture;
    bool visible;
    const char* name;
};

struct LabelDesign {
    Label** slot;
    const char* caption;
    float left, top, width;
};

} // namespace

double frmTendo::OuterWidth() const {
    return ScaleWidth() + kFrameWidth;
}
double frmTendo::OuterHeight() const {
    return ScaleHeight() + kFrameHeight;
}

void frmTendo::buildLayout() {
    InitPictures();
    setWindowTitle(Utf8(txt::kEarthViewCaption));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/frmTendo.ico")));
    setBackColor(kSky);
    setFont(QApplication::font());
    setClientSize(8385, 7605);
    // Its geometry is fixed when it loads, so the window keeps its size.
    setFixedSize(size());

    const QColor windowText = QApplication::palette().color(QPalette::WindowText);

    const ButtonDesign buttons[] = {
        {&cmdStop, txt::kViewMove, 360, 240, 1080, 350},
        {&cmdClos, txt::kClose, 6720, 240, 1080, 350},
        {&cmdKesu, txt::kHideStars, 360, 6960, 1100, 350},
    };
    for (const ButtonDesign& d : buttons) {
        auto* b = new CommandButton(this);
        b->Move(d.left, d.top, d.width, d.height);
        b->setBackColor(kButtonFace);
        b->setFont(QApplication::font());
        b->setCaption(Utf8(d.caption));
        *d.slot = b;
    }
    // 閉じる keeps its caption, so it is its name. The other two are left without a fixed
    // name: a button's accessible name is then its caption, which their handlers change.
    cmdClos->setAccessibleName(Utf8(txt::kClose));

    BuildBoxes(
        this,
        {
            {&picSun2, 3864, 430, 300, 300, txt::kSun,
             DiscDesign{300, 300, QColor(255, 255, 0), windowText}, nullptr},
            {&picMon2, 820, 3500, 300, 300, txt::kMoon,
             DiscDesign{300, 300, QColor(255, 255, 192), QColor(128, 128, 255)}, nullptr},
            {&picMrc2, 1350, 5200, 120, 100, txt::kMercury,
             DiscDesign{150, 100, QColor(128, 255, 255), QColor(64, 64, 255)}, nullptr},
            {&picVns2, 2400, 6180, 130, 130, txt::kVenus,
             DiscDesign{130, 130, QColor(255, 255, 255), QColor(96, 96, 255)}, nullptr},
            {&picMas2, 5600, 6100, 130, 130, txt::kMars,
             DiscDesign{120, 120, QColor(255, 128, 128), windowText}, nullptr},
            {&picJup2, 6550, 5100, 220, 180, txt::kJupiter, std::nullopt, ":/pictures/jupiter.gif"},
            {&picSat2, 7000, 3450, 200, 130, txt::kSaturn, std::nullopt, ":/pictures/saturn.gif"},
        },
        kBoxBack);

    const CircleDesign circles[] = {
        {&shpCom2, 4050, 6650, 60, 60, {kWhite, std::nullopt}, txt::kComet},
        {&shpTenku,
         630,
         0,
         6800,
         7300,
         {std::nullopt, QColor(128, 128, 255)},
         txt::a11y::kSkyCircle},
        {&shpKodo, 960, 550, 6130, 6130, {std::nullopt, QColor(255, 255, 0)}, txt::a11y::kEcliptic},
    };
    for (const CircleDesign& d : circles) {
        auto* s = new Shape(this);
        s->Move(d.left, d.top, d.width, d.height);
        s->setStyle(d.style);
        s->setAccessibleName(Utf8(d.name));
        *d.slot = s;
    }

    LinTail2 = new Line(this);
    LinTail2->setBorderColor(kPaleViolet);
    LinTail2->setBorderWidth(2);
    LinTail2->setPoints(4050, 6700, 3900, 6900);
    LinTail2->setAccessibleName(Utf8(txt::a11y::kCometTail));

    const ImageDesign images[] = {
        {&imgTikyu, 3240, 3500, 510, 510, ":/pictures/earth.jpg", false, txt::a11y::kEarthPicture},
        {&imgTendo, -120, 0, 8508, 7524, ":/pictures/zodiac.jpg", true, txt::a11y::kConstellations},
    };
    for (const ImageDesign& d : images) {
        auto* image = new Image(this);
        image->Move(d.left, d.top, d.width, d.height);
        image->setPicture(LoadPicture(d.picture));
        image->setAccessibleName(Utf8(d.name));
        image->setVisible(d.visible);
        *d.slot = image;
    }

    const QFont names = LayoutFont(kPGothic, 7.5);
    const LabelDesign labels[] = {
        {&lblSun2, txt::kSun, 4150, 780, 348},      {&lblMon2, txt::kMoon, 1200, 3650, 228},
        {&lblMrc2, txt::kMercury, 1550, 5050, 348}, {&lblVns2, txt::kVenus, 2500, 6000, 348},
        {&lblEth2, txt::kEarth, 4200, 4080, 348},   {&lblMas2, txt::kMars, 5200, 5950, 348},
        {&lblJup2, txt::kJupiter, 6200, 4900, 348}, {&lblSat2, txt::kSaturn, 6650, 3550, 348},
        {&lblCom2, txt::kComet, 4000, 6400, 348},
    };
    for (const LabelDesign& d : labels) {
        auto* l = new Label(this);
        l->Move(d.left, d.top, d.width, 204);
        l->setForeColor(kWhite);
        l->setFont(names);
        l->setAlignment(Qt::AlignLeft);
        l->setCaption(Utf8(d.caption));
        l->setAccessibleName(Utf8(d.caption));
        *d.slot = l;
    }

    setZOrder(
        {picMon2, picSun2, picVns2, picMrc2, picMas2, picJup2, cmdKesu, cmdClos, cmdStop, picSat2},
        {imgTikyu, lblCom2, shpTenku, lblSat2, lblJup2, lblMas2, lblVns2, lblEth2, lblMrc2, lblMon2,
         lblSun2, LinTail2, shpCom2, shpKodo, imgTendo});

    // Keyboard: Tab goes stop, close, constellations; Enter stops or moves, Esc closes.
    const std::array focusOrder = {cmdStop, cmdClos, cmdKesu};
    for (std::size_t i = 1; i < focusOrder.size(); ++i)
        setTabOrder(focusOrder[i - 1], focusOrder[i]);
    setDefaultButton(cmdStop);
    setCancelButton(cmdClos);
}
