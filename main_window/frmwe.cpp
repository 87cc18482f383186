// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmwe.h"

#include "accessibility.h"
#include "beep.h"
#include "design.h"
#include "init.h"
#include "texts.h"
#include "tick.h"

#include <QCloseEvent>
#include <QCoreApplication>

#include <cmath>
#include <limits>

using namespace controls;

namespace {

sim::Point Centre(const PictureBox* c) {
    return {double(c->Left()) + double(c->Width()) / 2, double(c->Top()) + double(c->Height()) / 2};
}

sim::BoxSize Size(const QWidget* w) {
    if (auto* box = dynamic_cast<const PictureBox*>(w))
        return {box->Width(), box->Height()};
    auto* shape = static_cast<const Shape*>(w);
    return {shape->Width(), shape->Height()};
}

const char* Message(sim::NearMiss miss) {
    switch (miss) {
    case sim::NearMiss::Mercury:
        return txt::kMissMercury;
    case sim::NearMiss::Venus:
        return txt::kMissVenus;
    case sim::NearMiss::Earth:
        return txt::kMissEarth;
    case sim::NearMiss::Mars:
        return txt::kMissMars;
    case sim::NearMiss::Jupiter:
        return txt::kMissJupiter;
    case sim::NearMiss::Saturn:
        return txt::kMissSaturn;
    case sim::NearMiss::None:
        break;
    }
    return "";
}

// Trail colours, by index of the classic palette.
constexpr int kBlue = 9, kOlive = 6, kYellow = 14, kTeal = 3, kSilver = 7, kMaroon = 4;

constexpr int kIntervals[4] = {40, 60, 100, 180};

} // namespace

frmWE::frmWE() {
    buildLayout();
    for (int i = 0; i < 4; ++i)
        connect(cmdSTR[std::size_t(i)], &QAbstractButton::clicked, this,
                [this, i] { cmdSTR_Click(i); });
    connect(cmdSTP, &QAbstractButton::clicked, this, [this] { cmdSTP_Click(); });
    connect(cmdClr, &QAbstractButton::clicked, this, [this] { cmdClr_Click(); });
    connect(cmdSyo, &QAbstractButton::clicked, this, [this] { cmdSyo_Click(); });
    connect(cmdTendo, &QAbstractButton::clicked, this, [this] { cmdTendo_Click(); });
    connect(cmdEthST, &QAbstractButton::clicked, this, [this] { cmdEthST_Click(); });
    connect(cmdFrm2, &QAbstractButton::clicked, this, [this] { cmdFrm2_Click(); });
    connect(cmdEndWE, &QAbstractButton::clicked, this, [this] { cmdEndWE_Click(); });
    lblEthYear->setClickHandler([this] { lblEthYear_Click(); });
    Form_Load();
    cmdSTR[0]->setFocus();
}

frmWE::~frmWE() = default;

void frmWE::Form_Load() {
    cmdFrm2->setEnabled(false);
    shpCom->Move(10500, 7000);
    s.ComXnp = -5;
    s.ComYnp = 4;
    LinTail->setPoints(shpCom->Left(), shpCom->Top(), shpCom->Left(), shpCom->Top());
    InitBodies();
    sim::StartUpFlags(s);
}

void frmWE::Form_Resize() {
    lblMes->setTop(ScaleHeight() - 700);
}

void frmWE::resizeEvent(QResizeEvent* e) {
    Form::resizeEvent(e);
    Form_Resize();
}

void frmWE::InitBodies() {
    sim::PictureCentres c;
    c.Sun = Centre(picSun);
    c.Eth = Centre(picEth);
    c.Mon = Centre(picMon);
    c.Mrc = Centre(picMrc);
    c.Vns = Centre(picVns);
    c.Mas = Centre(picMas);
    c.Jup = Centre(picJup);
    c.Sat = Centre(picSat);
    c.Com = {double(shpCom->Left()) + double(shpCom->Width()) / 2,
             double(shpCom->Top()) + double(shpCom->Height()) / 2};
    sim::InitBodies(s, c);
}

void frmWE::ClearBodies() {
    sim::ClearBodies(s);
}

std::vector<QWidget*> frmWE::ScaleGroup() const {
    return {lblMon,  lblEth,  lblSun,  lblVns,  lblMrc,  lblMas,  lblJup,  lblSat, lblsyun,
            lblEthN, lblSunN, lblVnsN, lblMrcN, lblMasN, lblJupN, lblSatN, Line1,  Line2,
            Line3,   Line4,   Line5,   Line6,   Line7,   Line8,   Line9,   Line10, Line11};
}

void frmWE::ShowScale() {
    for (QWidget* w : ScaleGroup())
        w->setVisible(true);
}

void frmWE::HideScale() {
    for (QWidget* w : ScaleGroup())
        w->setVisible(false);
}

void frmWE::cmdSTR_Click(int index) {
    if (index >= 0 && index < 4) {
        HideScale();
        TmrWE.setInterval(kIntervals[index]);
        cmdSTR[0]->setCaption(Utf8(txt::kResume));
    }
    cmdSTP->setFocus();
    cmdSyo->setEnabled(false);
}

void frmWE::cmdSTP_Click() {
    TmrWE.setInterval(0);
    cmdSTR[0]->setFocus();
    cmdSyo->setEnabled(true);
}

void frmWE::cmdClr_Click() {
    // One point as wide as the window, in the window's own colour, paints over every trail.
    // The width is held in 16 bits: a window wider than that is still covered from its middle.
    const double width = std::round(ScaleWidth());
    setDrawWidth(int(std::min(width, double(std::numeric_limits<std::int16_t>::max()))));
    PSet(ScaleWidth() / 2, ScaleHeight() / 2);
    setDrawWidth(1);
    cmdSTP->setFocus();
}

void frmWE::cmdFrm2_Click() {
    // Not loaded (never opened, or closed since): create it, which runs its start-up.
    frmTendo* view = EarthView();
    if (!view) {
        view = new frmTendo({picEth, picMon, picSun, picMrc, picVns, picMas, picJup, picSat, shpCom,
                             LinTail, &TmrWE, ScaleGroup()},
                            this);
        earthView_ = view;
    }
    view->show();
    frmTendo& v = *view;
    if (TmrWE.Interval() != 0) {
        v.tmrTendo.setInterval(40);
        v.cmdStop->setCaption(Utf8(txt::kViewStop));
        v.shpKodo->setVisible(false);
        for (Label* l : v.NameLabels())
            l->setVisible(false);
    } else {
        v.cmdStop->setCaption(Utf8(txt::kViewMove));
        v.Teisi = true;
    }
}

// Moves a picture and draws its trail dot at its centre after the move.
void frmWE::placeBody(PictureBox* box, const sim::Placement& at, int colour) {
    box->Move(at.left, at.top);
    PSet(at.dotX, at.dotY, QBColor(colour));
}

void frmWE::TmrWE_Timer() {
    sim::TickInputs in;
    in.ethStEnabled = cmdEthST->isEnabled();
    in.tendoEnabled = cmdTendo->isEnabled();
    in.Eth = Size(picEth);
    in.Mon = Size(picMon);
    in.Sun = Size(picSun);
    in.Mrc = Size(picMrc);
    in.Vns = Size(picVns);
    in.Mas = Size(picMas);
    in.Jup = Size(picJup);
    in.Sat = Size(picSat);
    in.Com = Size(shpCom);
    const sim::TickResult r = sim::Tick(s, in);

    if (r.earthAdvanced) {
        picEth->Move(r.Eth.left, r.Eth.top);
        PSet(r.Eth.dotX, r.Eth.dotY, QBColor(kBlue));
        if (s.n != shownYear_) {
            lblEthYear->setCaption(QString::number(s.n));
            shownYear_ = s.n;
        }
    }
    placeBody(picMon, r.Mon, kOlive);
    placeBody(picSun, r.Sun, kYellow);
    placeBody(picMrc, r.Mrc, kTeal);
    placeBody(picVns, r.Vns, kSilver);
    placeBody(picMas, r.Mas, kMaroon);
    if (!r.outerPlanets) {
        picJup->setVisible(false);
        picSat->setVisible(false);
    } else {
        picJup->setVisible(true);
        placeBody(picJup, r.Jup, kTeal);
        picSat->setVisible(true);
        placeBody(picSat, r.Sat, kTeal);
    }
    shpCom->setVisible(true);
    LinTail->setVisible(true);
    shpCom->Move(r.Com.left, r.Com.top);
    PSet(r.Com.dotX, r.Com.dotY, QBColor(kTeal));
    if (r.tailMoved)
        LinTail->setPoints(r.tail.x1, r.tail.y1, r.tail.x2, r.tail.y2);

    if (r.nearMiss != sim::NearMiss::None) {
        lblMes->setVisible(true);
        lblMes->setCaption(Utf8(Message(r.nearMiss)));
        Beep();
        TmrMes.setInterval(3500);
        Announce(lblMes);
    }
}

void frmWE::TmrMes_Timer() {
    lblMes->setVisible(false);
}

void frmWE::cmdEndWE_Click() {
    endProgram();
}

void frmWE::closeEvent(QCloseEvent* e) {
    endProgram();
    e->accept();
}

void frmWE::endProgram() {
    if (ending_)
        return;
    ending_ = true;
    // Nothing runs after this: no more ticks, no message timer, every window closed.
    TmrWE.setInterval(0);
    TmrMes.setInterval(0);
    if (frmTendo* view = EarthView())
        view->close();
    hide();
    QCoreApplication::quit();
}
