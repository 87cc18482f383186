// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "main_window/frmwe.h"

#include "resources/looks.h"
#include "resources/texts.h"
#include "simulation/init.h"
#include "simulation/tick.h"

#include <cmath>
#include <limits>

using namespace controls;

namespace {

sim::Point Centre(const PictureBox* c) {
    return {double(c->Left()) + double(c->Width()) / 2, double(c->Top()) + double(c->Height()) / 2};
}

sim::BoxSize Size(const Control* c) {
    return {c->Width(), c->Height()};
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

constexpr int kIntervals[4] = {40, 60, 100, 180};

} // namespace

frmWE::frmWE() : Form("frmWE") {
    buildLayout();
    for (int i = 0; i < 4; ++i)
        cmdSTR[std::size_t(i)]->onClick([this, i] { cmdSTR_Click(i); });
    cmdSTP->onClick([this] { cmdSTP_Click(); });
    cmdClr->onClick([this] { cmdClr_Click(); });
    cmdSyo->onClick([this] { cmdSyo_Click(); });
    cmdTendo->onClick([this] { cmdTendo_Click(); });
    cmdEthST->onClick([this] { cmdEthST_Click(); });
    cmdFrm2->onClick([this] { cmdFrm2_Click(); });
    cmdEndWE->onClick([this] { cmdEndWE_Click(); });
    lblEthYear->onClick([this] { lblEthYear_Click(); });
    Form_Load();
    cmdSTR[0]->SetFocus();
}

// The Earth view goes first: it reads this window's controls to the last.
frmWE::~frmWE() {
    earthView_.reset();
}

void frmWE::Form_Load() {
    cmdFrm2->setEnabled(false);
    shpCom->Move(10500, 7000);
    s.ComXnp = -5;
    s.ComYnp = 4;
    LinTail->setPoints(double(shpCom->Left()), double(shpCom->Top()), double(shpCom->Left()),
                       double(shpCom->Top()));
    InitBodies();
    sim::StartUpFlags(s);
}

void frmWE::Form_Resize() {
    lblMes->setTop(ScaleHeight() - 700);
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

std::vector<Control*> frmWE::ScaleGroup() const {
    return {lblMon,  lblEth,  lblSun,  lblVns,  lblMrc,  lblMas,  lblJup,  lblSat, lblsyun,
            lblEthN, lblSunN, lblVnsN, lblMrcN, lblMasN, lblJupN, lblSatN, Line1,  Line2,
            Line3,   Line4,   Line5,   Line6,   Line7,   Line8,   Line9,   Line10, Line11};
}

void frmWE::ShowScale() {
    for (Control* c : ScaleGroup())
        c->setVisible(true);
}

void frmWE::HideScale() {
    for (Control* c : ScaleGroup())
        c->setVisible(false);
}

void frmWE::cmdSTR_Click(int index) {
    if (index >= 0 && index < 4) {
        HideScale();
        TmrWE.setInterval(kIntervals[index]);
        cmdSTR[0]->setCaption(txt::kResume);
    }
    cmdSTP->SetFocus();
    cmdSyo->setEnabled(false);
}

void frmWE::cmdSTP_Click() {
    TmrWE.setInterval(0);
    cmdSTR[0]->SetFocus();
    cmdSyo->setEnabled(true);
}

void frmWE::cmdClr_Click() {
    // One point as wide as the window, in the window's own colour, paints over every trail.
    // The width is held in 16 bits: a window wider than that is still covered from its middle.
    const double width = std::round(ScaleWidth());
    setDrawWidth(int(std::min(width, double(std::numeric_limits<std::int16_t>::max()))));
    PSet(ScaleWidth() / 2, ScaleHeight() / 2);
    setDrawWidth(1);
    cmdSTP->SetFocus();
}

void frmWE::cmdFrm2_Click() {
    // Not loaded (never opened, or closed since): create it, which runs its start-up.
    if (!EarthView()) {
        earthView_.reset(); // the one closed before, if any
        earthView_ = std::make_unique<frmTendo>(MainWindowView{
            picEth, picMon, picSun, picMrc, picVns, picMas, picJup, picSat, shpCom, LinTail,
            [this] { return TmrWE.Interval() != 0; },
            [this](bool run) { TmrWE.setInterval(run ? 40 : 0); }, [this] { HideScale(); }});
    }
    earthView_->Open(TmrWE.Interval() != 0);
}

// Moves a picture and draws its trail dot at its centre after the move.
void frmWE::placeBody(PictureBox* box, const sim::Placement& at, int colour) {
    box->Move(double(at.left), double(at.top));
    PSet(double(at.dotX), double(at.dotY), QBColor(colour));
}

void frmWE::TmrWE_Timer() {
    sim::TickInputs in;
    in.ethStEnabled = cmdEthST->Enabled();
    in.tendoEnabled = cmdTendo->Enabled();
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
        picEth->Move(double(r.Eth.left), double(r.Eth.top));
        PSet(double(r.Eth.dotX), double(r.Eth.dotY), QBColor(looks::kTrailEarth));
        if (s.n != shownYear_) {
            lblEthYear->setCaption(std::to_string(s.n));
            shownYear_ = s.n;
        }
    }
    placeBody(picMon, r.Mon, looks::kTrailMoon);
    placeBody(picSun, r.Sun, looks::kTrailSun);
    placeBody(picMrc, r.Mrc, looks::kTrailMercury);
    placeBody(picVns, r.Vns, looks::kTrailVenus);
    placeBody(picMas, r.Mas, looks::kTrailMars);
    if (!r.outerPlanets) {
        picJup->setVisible(false);
        picSat->setVisible(false);
    } else {
        picJup->setVisible(true);
        placeBody(picJup, r.Jup, looks::kTrailOuter);
        picSat->setVisible(true);
        placeBody(picSat, r.Sat, looks::kTrailOuter);
    }
    shpCom->setVisible(true);
    LinTail->setVisible(true);
    shpCom->Move(double(r.Com.left), double(r.Com.top));
    PSet(double(r.Com.dotX), double(r.Com.dotY), QBColor(looks::kTrailComet));
    if (r.tailMoved)
        LinTail->setPoints(double(r.tail.x1), double(r.tail.y1), double(r.tail.x2),
                           double(r.tail.y2));

    if (r.nearMiss != sim::NearMiss::None) {
        lblMes->setVisible(true);
        lblMes->setCaption(Message(r.nearMiss));
        Beep();
        TmrMes.setInterval(3500);
        Announce(*lblMes);
    }
}

void frmWE::TmrMes_Timer() {
    lblMes->setVisible(false);
}

void frmWE::cmdEndWE_Click() {
    Close();
}

// Nothing runs after this: no more ticks, no message timer, every window closed, and the
// program ends once this handler returns.
void frmWE::Form_Unload() {
    TmrWE.setInterval(0);
    TmrMes.setInterval(0);
    if (frmTendo* view = EarthView())
        view->Close();
    backend().quit();
}
