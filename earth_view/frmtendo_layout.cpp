// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Earth view's controls at their design values.

#include "controls/design.h"
#include "earth_view/frmtendo.h"
#include "resources/looks.h"
#include "resources/texts.h"

using namespace controls;

namespace {

// The frame around the client area, in twips: a thin border and a title bar. Fixed rather
// than asked of the platform, whose frame is not known before the window is first shown.
constexpr double kFrameWidth = 120;
constexpr double kFrameHeight = 405;

struct ButtonDesign {
    CommandButton** slot;
    const char* name;
    const char* caption;
    double left, top, width, height;
};

struct CircleDesign {
    Shape** slot;
    const char* name;
    double left, top, width, height;
    CircleStyle style;
    const char* accessible;
};

struct ImageDesign {
    Image** slot;
    const char* name;
    double left, top, width, height;
    const char* picture;
    bool visible;
    const char* accessible;
};

struct LabelDesign {
    Label** slot;
    const char* name;
    const char* caption;
    double left, top, width;
};

} // namespace

double frmTendo::OuterWidth() const {
    return ScaleWidth() + kFrameWidth;
}
double frmTendo::OuterHeight() const {
    return ScaleHeight() + kFrameHeight;
}

void frmTendo::buildLayout() {
    setCaption(txt::kEarthViewCaption);
    setIcon(looks::kViewIcon);
    // Its geometry is fixed when it loads, so the window keeps its size.
    setBorderStyle(BorderStyle::FixedSingle);
    setBackColor(looks::kSky);
    setFont(looks::SystemFont());
    setClientSize(8385, 7605);

    const ImageDesign images[] = {
        {&imgTendo, "imgTendo", -120, 0, 8508, 7524, looks::kZodiacPicture, true,
         txt::a11y::kConstellations},
        {&imgTikyu, "imgTikyu", 3240, 3500, 510, 510, looks::kEarthPicture, false,
         txt::a11y::kEarthPicture},
    };
    for (const ImageDesign& d : images) {
        auto* image = Add<Image>(d.name);
        image->Move(d.left, d.top, d.width, d.height);
        image->setPicture(d.picture);
        image->setAccessibleName(d.accessible);
        image->setVisible(d.visible);
        *d.slot = image;
    }

    const CircleDesign circles[] = {
        {&shpKodo,
         "shpKodo",
         960,
         550,
         6130,
         6130,
         {std::nullopt, looks::kEcliptic},
         txt::a11y::kEcliptic},
        {&shpCom2, "shpCom2", 4050, 6650, 60, 60, looks::kComet, txt::kComet},
        {&shpTenku,
         "shpTenku",
         630,
         0,
         6800,
         7300,
         {std::nullopt, looks::kSkyCircle},
         txt::a11y::kSkyCircle},
    };
    for (const CircleDesign& d : circles) {
        auto* s = Add<Shape>(d.name);
        s->Move(d.left, d.top, d.width, d.height);
        s->setStyle(d.style);
        s->setAccessibleName(d.accessible);
        *d.slot = s;
    }

    LinTail2 = Add<Line>("LinTail2");
    LinTail2->setBorderColor(looks::kPaleViolet);
    LinTail2->setBorderWidth(2);
    LinTail2->setPoints(4050, 6700, 3900, 6900);
    LinTail2->setAccessibleName(txt::a11y::kCometTail);

    const LabelDesign labels[] = {
        {&lblSun2, "lblSun2", txt::kSun, 4150, 780, 348},
        {&lblMon2, "lblMon2", txt::kMoon, 1200, 3650, 228},
        {&lblMrc2, "lblMrc2", txt::kMercury, 1550, 5050, 348},
        {&lblVns2, "lblVns2", txt::kVenus, 2500, 6000, 348},
        {&lblEth2, "lblEth2", txt::kEarth, 4200, 4080, 348},
        {&lblMas2, "lblMas2", txt::kMars, 5200, 5950, 348},
        {&lblJup2, "lblJup2", txt::kJupiter, 6200, 4900, 348},
        {&lblSat2, "lblSat2", txt::kSaturn, 6650, 3550, 348},
        {&lblCom2, "lblCom2", txt::kComet, 4000, 6400, 348},
    };
    for (const LabelDesign& d : labels) {
        auto* l = Add<Label>(d.name);
        l->Move(d.left, d.top, d.width, 204);
        l->setForeColor(looks::kWhite);
        l->setFont(looks::PGothic(7.5));
        l->setAlignment(Align::Left);
        l->setCaption(d.caption);
        l->setAccessibleName(d.caption);
        *d.slot = l;
    }

    const ButtonDesign buttons[] = {
        {&cmdStop, "cmdStop", txt::kViewMove, 360, 240, 1080, 350},
        {&cmdClos, "cmdClos", txt::kClose, 6720, 240, 1080, 350},
        {&cmdKesu, "cmdKesu", txt::kHideStars, 360, 6960, 1100, 350},
    };
    for (const ButtonDesign& d : buttons) {
        auto* b = Add<CommandButton>(d.name);
        b->Move(d.left, d.top, d.width, d.height);
        b->setBackColor(looks::kButtonFace);
        b->setFont(looks::SystemFont());
        b->setCaption(d.caption);
        *d.slot = b;
    }
    // 閉じる keeps its caption, so it is its name. The other two are left without a fixed
    // name: a button's accessible name is then its caption, which their handlers change.
    cmdClos->setAccessibleName(txt::kClose);

    AddBoxes(
        *this,
        {
            {&picSun2, "picSun2", 3864, 430, 300, 300, txt::kSun, looks::kSunDisc2, nullptr},
            {&picMon2, "picMon2", 820, 3500, 300, 300, txt::kMoon, looks::kMoonDisc2, nullptr},
            {&picMrc2, "picMrc2", 1350, 5200, 120, 100, txt::kMercury, looks::kMercuryDisc,
             nullptr},
            {&picVns2, "picVns2", 2400, 6180, 130, 130, txt::kVenus, looks::kVenusDisc, nullptr},
            {&picMas2, "picMas2", 5600, 6100, 130, 130, txt::kMars, looks::kMarsDisc, nullptr},
            {&picJup2, "picJup2", 6550, 5100, 220, 180, txt::kJupiter, std::nullopt,
             looks::kJupiterPicture},
            {&picSat2, "picSat2", 7000, 3450, 200, 130, txt::kSaturn, std::nullopt,
             looks::kSaturnPicture},
        },
        looks::kBoxBack);

    setZOrder(
        {picMon2, picSun2, picVns2, picMrc2, picMas2, picJup2, cmdKesu, cmdClos, cmdStop, picSat2},
        {imgTikyu, lblCom2, shpTenku, lblSat2, lblJup2, lblMas2, lblVns2, lblEth2, lblMrc2, lblMon2,
         lblSun2, LinTail2, shpCom2, shpKodo, imgTendo});

    // Keyboard: Tab goes stop, close, constellations; Enter stops or moves, Esc closes.
    setTabOrder({cmdStop, cmdClos, cmdKesu});
    setDefaultButton(cmdStop);
    setCancelButton(cmdClos);
}
