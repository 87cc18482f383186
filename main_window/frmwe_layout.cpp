// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's controls at their design values.

#include "controls/design.h"
#include "main_window/frmwe.h"
#include "resources/looks.h"
#include "resources/texts.h"

#include <string>
#include <utility>

using namespace controls;

namespace {

struct ButtonDesign {
    CommandButton** slot;
    const char* name;
    const char* caption;
    double left, top, width, height;
    const char* tip;
    const char* accessible; // where the caption is empty
};

struct LabelDesign {
    Label** slot;
    const char* name;
    const char* caption;
    double left, top, width, height;
    Color colour;
    Font font;
    Align align;
    bool visible;
};

struct LineDesign {
    Line** slot;
    const char* name;
    double x1, y1, x2, y2;
    Color colour;
    int width;
    std::string accessible;
};

} // namespace

void frmWE::buildLayout() {
    setCaption(txt::kMainCaption);
    setIcon(looks::kMainIcon);
    setBorderStyle(BorderStyle::Sizable);
    setBackColor(looks::kSky);
    setForeColor(looks::kSky);
    setFont(looks::Gothic9());
    setClientSize(10560, 7635);

    const ButtonDesign buttons[] = {
        {&cmdSTR[0], "cmdSTR(0)", txt::kStart, 350, 240, 930, 492, nullptr, nullptr},
        {&cmdSTR[1], "cmdSTR(1)", "", 1305, 360, 120, 252, txt::kSlower, txt::a11y::kSlow1},
        {&cmdSTR[2], "cmdSTR(2)", "", 1460, 360, 120, 252, txt::kSlower, txt::a11y::kSlow2},
        {&cmdSTR[3], "cmdSTR(3)", "", 1610, 360, 120, 252, txt::kSlower, txt::a11y::kSlow3},
        {&cmdSTP, "cmdSTP", txt::kStop, 1750, 240, 930, 492, nullptr, nullptr},
        {&cmdEthST, "cmdEthST", txt::kHoldEarth, 3060, 240, 1250, 492, nullptr, nullptr},
        {&cmdClr, "cmdClr", txt::kErase, 4380, 240, 1100, 492, nullptr, nullptr},
        {&cmdSyo, "cmdSyo", txt::kToSaturn, 5550, 240, 1100, 492, nullptr, nullptr},
        {&cmdTendo, "cmdTendo", txt::kEarthCentred, 6720, 240, 1100, 492, nullptr, nullptr},
        {&cmdFrm2, "cmdFrm2", txt::kOpenEarthView, 7890, 240, 1100, 492, nullptr, nullptr},
        {&cmdEndWE, "cmdEndWE", txt::kEnd, 9120, 240, 1100, 492, nullptr, nullptr},
    };
    for (const ButtonDesign& d : buttons) {
        auto* b = Add<CommandButton>(d.name);
        b->Move(d.left, d.top, d.width, d.height);
        b->setBackColor(looks::kButtonFace);
        b->setFont(looks::PGothic(9));
        b->setCaption(d.caption);
        if (d.tip)
            b->setToolTip(d.tip);
        // A button with a caption is named by it, so that its name follows each new caption.
        if (d.accessible)
            b->setAccessibleName(d.accessible);
        *d.slot = b;
    }

    AddBoxes(
        *this,
        {
            {&picSun, "picSun", 4830, 4040, 350, 350, txt::kSun, looks::kSunDisc, nullptr},
            {&picMrc, "picMrc", 3993, 4170, 120, 100, txt::kMercury, looks::kMercuryDisc, nullptr},
            {&picVns, "picVns", 3316, 4145, 130, 130, txt::kVenus, looks::kVenusDisc, nullptr},
            {&picEth, "picEth", 2600, 4140, 155, 155, txt::kEarth, looks::kEarthDisc, nullptr},
            {&picMon, "picMon", 2469, 4160, 100, 100, txt::kMoon, looks::kMoonDisc, nullptr},
            {&picMas, "picMas", 1580, 4140, 130, 130, txt::kMars, looks::kMarsDisc, nullptr},
            {&picJup, "picJup", 7980, 4150, 220, 180, txt::kJupiter, std::nullopt,
             looks::kJupiterPicture},
            {&picSat, "picSat", 9480, 4140, 200, 130, txt::kSaturn, std::nullopt,
             looks::kSaturnPicture},
        },
        looks::kBoxBack);

    shpCom = Add<Shape>("shpCom");
    shpCom->Move(9720, 6000, 60, 60);
    shpCom->setStyle(looks::kComet);
    shpCom->setAccessibleName(txt::kComet);

    const Font name9 = looks::PGothic(9);
    const Font distance = looks::PGothic(10.5, true);
    const Color white = looks::kWhite;
    const std::string au = txt::a11y::kDistance;
    const Align centre = Align::Center, left = Align::Left;
    const bool shown = true, hidden = false;
    const LabelDesign labels[] = {
        {&lblEthYear, "lblEthYear", "0", 2600, 480, 372, 180, looks::kPaleViolet, font(),
         Align::Right, shown},
        {&lblTomeru, "lblTomeru", txt::kPleaseStop, 5520, 840, 1000, 252, looks::kRed,
         looks::PGothic(7.5), centre, hidden},
        {&lblMes, "lblMes", "", 1080, 5400, 2172, 276, looks::kRed, looks::MessageFont(), left,
         hidden},
        {&lblSun, "lblSun", txt::kSun, 4720, 3700, 492, 252, white, name9, centre, shown},
        {&lblMrc, "lblMrc", txt::kMercury, 3900, 4400, 372, 252, white, name9, centre, shown},
        {&lblVns, "lblVns", txt::kVenus, 3240, 3696, 372, 252, white, name9, centre, shown},
        {&lblEth, "lblEth", txt::kEarth, 2430, 4400, 492, 252, white, name9, centre, shown},
        {&lblMon, "lblMon", txt::kMoon, 2340, 3720, 372, 252, white, name9, centre, shown},
        {&lblMas, "lblMas", txt::kMars, 1390, 3700, 492, 204, white, name9, centre, shown},
        {&lblJup, "lblJup", txt::kJupiter, 7896, 3720, 372, 204, white, name9, centre, shown},
        {&lblSat, "lblSat", txt::kSaturn, 9396, 3720, 372, 204, white, name9, centre, shown},
        {&lblSunN, "lblSunN", "0.0", 4880, 5160, 372, 252, white, distance, left, shown},
        {&lblMrcN, "lblMrcN", "0.4", 3940, 5160, 372, 252, white, distance, left, shown},
        {&lblVnsN, "lblVnsN", "0.7", 3240, 5160, 372, 252, white, distance, left, shown},
        {&lblEthN, "lblEthN", "1.0", 2530, 5160, 492, 252, white, distance, left, shown},
        {&lblMasN, "lblMasN", "1.5", 1480, 5160, 372, 252, white, distance, left, shown},
        {&lblJupN, "lblJupN", "5.2", 7950, 5160, 372, 252, white, distance, left, shown},
        {&lblSatN, "lblSatN", "9.5", 9450, 5160, 372, 252, white, distance, left, shown},
        {&lblsyun, "lblsyun", txt::kArrow, 300, 4110, 252, 852, looks::kButtonText, font(), left,
         shown},
    };
    for (const LabelDesign& d : labels) {
        auto* l = Add<Label>(d.name);
        l->Move(d.left, d.top, d.width, d.height);
        l->setForeColor(d.colour);
        l->setFont(d.font);
        l->setAlignment(d.align);
        l->setCaption(d.caption);
        l->setVisible(d.visible);
        *d.slot = l;
    }
    // What a screen reader calls the labels whose text alone does not say what they are.
    lblEthYear->setToolTip(txt::kYearTip);
    lblEthYear->setAccessibleName(txt::a11y::kYearCount);
    lblTomeru->setAccessibleName(txt::a11y::kPleaseStop);
    lblMes->setAccessibleName(txt::a11y::kMessage);
    lblsyun->setAccessibleName(txt::a11y::kArrow);
    const std::pair<Label*, const char*> distances[] = {
        {lblSunN, txt::kSun},   {lblMrcN, txt::kMercury}, {lblVnsN, txt::kVenus},
        {lblEthN, txt::kEarth}, {lblMasN, txt::kMars},    {lblJupN, txt::kJupiter},
        {lblSatN, txt::kSaturn}};
    for (const auto& [label, body] : distances)
        label->setAccessibleName(body + au);

    const std::string tick = txt::a11y::kTick;
    const Color scale = looks::kScaleLine, violet = looks::kPaleViolet;
    const LineDesign lines[] = {
        {&Line1, "Line1", 456, 4200, 6960, 4200, scale, 1, txt::a11y::kAxis},
        {&Line2, "Line2", 2680, 4700, 2680, 5050, scale, 1, txt::kEarth + tick},
        {&Line3, "Line3", 3370, 4500, 3370, 5050, scale, 1, txt::kVenus + tick},
        {&Line4, "Line4", 4050, 4700, 4050, 5050, scale, 1, txt::kMercury + tick},
        {&Line5, "Line5", 5000, 4500, 5000, 5050, scale, 1, txt::kSun + tick},
        {&Line6, "Line6", 1630, 4500, 1630, 5050, scale, 1, txt::kMars + tick},
        {&Line7, "Line7", 8070, 4500, 8070, 5050, scale, 1, txt::kJupiter + tick},
        {&Line8, "Line8", 9580, 4500, 9580, 5050, scale, 1, txt::kSaturn + tick},
        {&Line9, "Line9", 7200, 4200, 10080, 4200, scale, 1, txt::a11y::kAxis},
        {&Line10, "Line10", 7164, 3840, 6720, 4680, violet, 2, txt::a11y::kBreak},
        {&Line11, "Line11", 7380, 3840, 6960, 4680, violet, 2, txt::a11y::kBreak},
        {&LinTail, "LinTail", 9840, 6000, 10200, 6000, violet, 2, txt::a11y::kCometTail},
    };
    for (const LineDesign& d : lines) {
        auto* l = Add<Line>(d.name);
        l->setBorderColor(d.colour);
        l->setBorderWidth(d.width);
        l->setPoints(d.x1, d.y1, d.x2, d.y2);
        l->setAccessibleName(d.accessible);
        *d.slot = l;
    }

    setZOrder({cmdSTR[3], cmdSTR[2], cmdSTR[1], cmdFrm2, cmdTendo, picMas, picSat, picJup, picSun,
               picMon, picEth, picVns, picMrc, cmdEndWE, cmdSTP, cmdSTR[0], cmdClr, cmdEthST,
               cmdSyo},
              {lblTomeru, lblEthYear, Line11,  Line10,  lblSat, lblJup, lblMas, lblSatN,
               lblJupN,   lblMasN,    Line8,   Line7,   Line6,  lblMes, shpCom, LinTail,
               lblSunN,   lblMrcN,    lblVnsN, lblEthN, Line5,  Line4,  Line3,  Line2,
               lblSun,    lblMrc,     lblVns,  lblEth,  lblMon, Line1,  Line9,  lblsyun});

    // Keyboard: Tab follows the layout's order of the buttons, then reaches the revolution
    // counter; Esc ends. Enter presses the focused button, or the slowest start where the focus
    // rests on no control (a click on the sky in the browser).
    setTabOrder({cmdSTR[0], cmdSTP, cmdEthST, cmdClr, cmdSyo, cmdEndWE, cmdTendo, cmdFrm2,
                 cmdSTR[1], cmdSTR[2], cmdSTR[3], lblEthYear});
    setDefaultButton(cmdSTR[3]);
    setCancelButton(cmdEndWE);
}
