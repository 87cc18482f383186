// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's controls at their design values.

#include "design.h"
#include "frmwe.h"
#include "texts.h"

#include <QApplication>
#include <QIcon>
#include <QPalette>

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
const QColor kScaleLine(0, 0, 192);
const QColor kPaleViolet(192, 192, 255);

const QString kGothic = QStringLiteral("ＭＳ ゴシック");
const QString kPGothic = QStringLiteral("ＭＳ Ｐゴシック");
const QString kRounded = QStringLiteral("HGP平成丸ｺﾞｼｯｸ体W8");

struct ButtonDesign {
    CommandButton** slot;
    const char* caption;
    float left, top, width, height;
    const char* tip;
    const char* name; // accessible name where the caption is empty
};

struct LabelDesign {
    Label** slot;
    const char* caption;
    float left, top, width, height;
    QColor colour;
    QFont font;
    Qt::Alignment align;
    bool visible;
    const char* tip;
    QString name;
};

struct LineDesign {
    Line** slot;
    float x1, y1, x2, y2;
    QColor colour;
    int width;
    QString name;
};

} // namespace

void frmWE::buildLayout() {
    InitPictures();
    setWindowTitle(Utf8(txt::kMainCaption));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/frmWE.ico")));
    setBackColor(kSky);
    setForeColor(kSky);
    setFont(LayoutFont(kGothic, 9));
    setClientSize(10560, 7635);

    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    const QColor buttonText = QApplication::palette().color(QPalette::ButtonText);

    const ButtonDesign buttons[] = {
        {&cmdSTR[0], txt::kStart, 350, 240, 930, 492, nullptr, nullptr},
        {&cmdSTR[1], "", 1305, 360, 120, 252, txt::kSlower, txt::a11y::kSlow1},
        {&cmdSTR[2], "", 1460, 360, 120, 252, txt::kSlower, txt::a11y::kSlow2},
        {&cmdSTR[3], "", 1610, 360, 120, 252, txt::kSlower, txt::a11y::kSlow3},
        {&cmdSTP, txt::kStop, 1750, 240, 930, 492, nullptr, nullptr},
        {&cmdEthST, txt::kHoldEarth, 3060, 240, 1250, 492, nullptr, nullptr},
        {&cmdClr, txt::kErase, 4380, 240, 1100, 492, nullptr, nullptr},
        {&cmdSyo, txt::kToSaturn, 5550, 240, 1100, 492, nullptr, nullptr},
        {&cmdTendo, txt::kEarthCentred, 6720, 240, 1100, 492, nullptr, nullptr},
        {&cmdFrm2, txt::kOpenEarthView, 7890, 240, 1100, 492, nullptr, nullptr},
        {&cmdEndWE, txt::kEnd, 9120, 240, 1100, 492, nullptr, nullptr},
    };
    for (const ButtonDesign& d : buttons) {
        auto* b = new CommandButton(this);
        b->Move(d.left, d.top, d.width, d.height);
        b->setBackColor(kButtonFace);
        b->setFont(LayoutFont(kPGothic, 9));
        b->setCaption(Utf8(d.caption));
        if (d.tip)
            b->setToolTip(Utf8(d.tip));
        // A button with a caption is named by it, so that its name follows each new caption.
        if (d.name)
            b->setAccessibleName(Utf8(d.name));
        *d.slot = b;
    }

    BuildBoxes(
        this,
        {
            {&picSun, 4830, 4040, 350, 350, txt::kSun,
             DiscDesign{340, 340, QColor(255, 255, 0), windowText}, nullptr},
            {&picMrc, 3993, 4170, 120, 100, txt::kMercury,
             DiscDesign{150, 100, QColor(128, 255, 255), QColor(64, 64, 255)}, nullptr},
            {&picVns, 3316, 4145, 130, 130, txt::kVenus,
             DiscDesign{130, 130, QColor(255, 255, 255), QColor(96, 96, 255)}, nullptr},
            {&picEth, 2600, 4140, 155, 155, txt::kEarth,
             DiscDesign{144, 156, QColor(128, 128, 255), QColor(192, 255, 255)}, nullptr},
            {&picMon, 2469, 4160, 100, 100, txt::kMoon,
             DiscDesign{100, 100, QColor(255, 255, 192), QColor(128, 128, 255)}, nullptr},
            {&picMas, 1580, 4140, 130, 130, txt::kMars,
             DiscDesign{120, 120, QColor(255, 128, 128), windowText}, nullptr},
            {&picJup, 7980, 4150, 220, 180, txt::kJupiter, std::nullopt, ":/pictures/jupiter.gif"},
            {&picSat, 9480, 4140, 200, 130, txt::kSaturn, std::nullopt, ":/pictures/saturn.gif"},
        },
        kBoxBack);

    shpCom = new Shape(this);
    shpCom->Move(9720, 6000, 60, 60);
    shpCom->setStyle({kWhite, std::nullopt});
    shpCom->setAccessibleName(Utf8(txt::kComet));

    const QFont name9 = LayoutFont(kPGothic, 9);
    const QFont distance = LayoutFont(kPGothic, 10.5, true);
    const QString au = Utf8(txt::a11y::kDistance);
    const Qt::Alignment centre = Qt::AlignHCenter, left = Qt::AlignLeft;
    const LabelDesign labels[] = {
        {&lblEthYear, "0", 2600, 480, 372, 180, kPaleViolet, font(), Qt::AlignRight, true,
         txt::kYearTip, Utf8(txt::a11y::kYearCount)},
        {&lblTomeru, txt::kPleaseStop, 5520, 840, 1000, 252, QColor(255, 0, 0),
         LayoutFont(kPGothic, 7.5), centre, false, nullptr, Utf8(txt::a11y::kPleaseStop)},
        {&lblMes, "", 1080, 5400, 2172, 276, QColor(255, 0, 0),
         LayoutFont(kRounded, 12, true, true), left, false, nullptr, Utf8(txt::a11y::kMessage)},
        {&lblSun, txt::kSun, 4720, 3700, 492, 252, kWhite, name9, centre, true, nullptr, {}},
        {&lblMrc, txt::kMercury, 3900, 4400, 372, 252, kWhite, name9, centre, true, nullptr, {}},
        {&lblVns, txt::kVenus, 3240, 3696, 372, 252, kWhite, name9, centre, true, nullptr, {}},
        {&lblEth, txt::kEarth, 2430, 4400, 492, 252, kWhite, name9, centre, true, nullptr, {}},
        {&lblMon, txt::kMoon, 2340, 3720, 372, 252, kWhite, name9, centre, true, nullptr, {}},
        {&lblMas, txt::kMars, 1390, 3700, 492, 204, kWhite, name9, centre, true, nullptr, {}},
        {&lblJup, txt::kJupiter, 7896, 3720, 372, 204, kWhite, name9, centre, true, nullptr, {}},
        {&lblSat, txt::kSaturn, 9396, 3720, 372, 204, kWhite, name9, centre, true, nullptr, {}},
        {&lblSunN, "0.0", 4880, 5160, 372, 252, kWhite, distance, left, true, nullptr,
         Utf8(txt::kSun) + au},
        {&lblMrcN, "0.4", 3940, 5160, 372, 252, kWhite, distance, left, true, nullptr,
         Utf8(txt::kMercury) + au},
        {&lblVnsN, "0.7", 3240, 5160, 372, 252, kWhite, distance, left, true, nullptr,
         Utf8(txt::kVenus) + au},
        {&lblEthN, "1.0", 2530, 5160, 492, 252, kWhite, distance, left, true, nullptr,
         Utf8(txt::kEarth) + au},
        {&lblMasN, "1.5", 1480, 5160, 372, 252, kWhite, distance, left, true, nullptr,
         Utf8(txt::kMars) + au},
        {&lblJupN, "5.2", 7950, 5160, 372, 252, kWhite, distance, left, true, nullptr,
         Utf8(txt::kJupiter) + au},
        {&lblSatN, "9.5", 9450, 5160, 372, 252, kWhite, distance, left, true, nullptr,
         Utf8(txt::kSaturn) + au},
        {&lblsyun, txt::kArrow, 300, 4110, 252, 852, buttonText, font(), left, true, nullptr,
         Utf8(txt::a11y::kArrow)},
    };
    for (const LabelDesign& d : labels) {
        auto* l = new Label(this);
        l->Move(d.left, d.top, d.width, d.height);
        l->setForeColor(d.colour);
        l->setFont(d.font);
        l->setAlignment(d.align);
        l->setCaption(Utf8(d.caption));
        if (d.tip)
            l->setToolTip(Utf8(d.tip));
        if (!d.name.isEmpty())
            l->setAccessibleName(d.name);
        l->setVisible(d.visible);
        *d.slot = l;
    }

    const QString tick = Utf8(txt::a11y::kTick);
    const LineDesign lines[] = {
        {&Line1, 456, 4200, 6960, 4200, kScaleLine, 1, Utf8(txt::a11y::kAxis)},
        {&Line2, 2680, 4700, 2680, 5050, kScaleLine, 1, Utf8(txt::kEarth) + tick},
        {&Line3, 3370, 4500, 3370, 5050, kScaleLine, 1, Utf8(txt::kVenus) + tick},
        {&Line4, 4050, 4700, 4050, 5050, kScaleLine, 1, Utf8(txt::kMercury) + tick},
        {&Line5, 5000, 4500, 5000, 5050, kScaleLine, 1, Utf8(txt::kSun) + tick},
        {&Line6, 1630, 4500, 1630, 5050, kScaleLine, 1, Utf8(txt::kMars) + tick},
        {&Line7, 8070, 4500, 8070, 5050, kScaleLine, 1, Utf8(txt::kJupiter) + tick},
        {&Line8, 9580, 4500, 9580, 5050, kScaleLine, 1, Utf8(txt::kSaturn) + tick},
        {&Line9, 7200, 4200, 10080, 4200, kScaleLine, 1, Utf8(txt::a11y::kAxis)},
        {&Line10, 7164, 3840, 6720, 4680, kPaleViolet, 2, Utf8(txt::a11y::kBreak)},
        {&Line11, 7380, 3840, 6960, 4680, kPaleViolet, 2, Utf8(txt::a11y::kBreak)},
        {&LinTail, 9840, 6000, 10200, 6000, kPaleViolet, 2, Utf8(txt::a11y::kCometTail)},
    };
    for (const LineDesign& d : lines) {
        auto* l = new Line(this);
        l->setBorderColor(d.colour);
        l->setBorderWidth(d.width);
        l->setPoints(d.x1, d.y1, d.x2, d.y2);
        l->setAccessibleName(d.name);
        *d.slot = l;
    }

    setZOrder({cmdSTR[3], cmdSTR[2], cmdSTR[1], cmdFrm2, cmdTendo, picMas, picSat, picJup, picSun,
               picMon, picEth, picVns, picMrc, cmdEndWE, cmdSTP, cmdSTR[0], cmdClr, cmdEthST,
               cmdSyo},
              {lblTomeru, lblEthYear, Line11,  Line10,  lblSat, lblJup, lblMas, lblSatN,
               lblJupN,   lblMasN,    Line8,   Line7,   Line6,  lblMes, shpCom, LinTail,
               lblSunN,   lblMrcN,    lblVnsN, lblEthN, Line5,  Line4,  Line3,  Line2,
               lblSun,    lblMrc,     lblVns,  lblEth,  lblMon, Line1,  Line9,  lblsyun});

    // Keyboard: Tab follows the layout's order; Enter starts slowly, Esc ends.
    const std::array focusOrder = {cmdSTR[0], cmdSTP,  cmdEthST,  cmdClr,    cmdSyo,   cmdEndWE,
                                   cmdTendo,  cmdFrm2, cmdSTR[1], cmdSTR[2], cmdSTR[3]};
    for (std::size_t i = 1; i < focusOrder.size(); ++i)
        setTabOrder(focusOrder[i - 1], focusOrder[i]);
    setDefaultButton(cmdSTR[3]);
    setCancelButton(cmdEndWE);
}
