// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window "惑星の動き": the solar system drawn with the Sun at rest (or the Earth
// pinned), its run controls and its distance scale.

#include "controls/form.h"
#include "controls/timer.h"
#include "earth_view/frmtendo.h"
#include "simulation/state.h"
#include "simulation/tick.h"

#include <array>
#include <memory>
#include <vector>

class frmWE : public controls::Form {
public:
    frmWE();
    ~frmWE() override;

    // The simulated solar system, owned by this window for the whole run.
    sim::State s;

    // Controls, by their layout names.
    std::array<controls::CommandButton*, 4> cmdSTR{};
    controls::CommandButton* cmdSTP = nullptr;
    controls::CommandButton* cmdEthST = nullptr;
    controls::CommandButton* cmdClr = nullptr;
    controls::CommandButton* cmdSyo = nullptr;
    controls::CommandButton* cmdTendo = nullptr;
    controls::CommandButton* cmdFrm2 = nullptr;
    controls::CommandButton* cmdEndWE = nullptr;

    controls::PictureBox* picSun = nullptr;
    controls::PictureBox* picMrc = nullptr;
    controls::PictureBox* picVns = nullptr;
    controls::PictureBox* picEth = nullptr;
    controls::PictureBox* picMon = nullptr;
    controls::PictureBox* picMas = nullptr;
    controls::PictureBox* picJup = nullptr;
    controls::PictureBox* picSat = nullptr;
    controls::Shape* shpCom = nullptr;
    controls::Line* LinTail = nullptr;

    controls::Label* lblEthYear = nullptr;
    controls::Label* lblTomeru = nullptr;
    controls::Label* lblMes = nullptr;

    controls::Label *lblSun = nullptr, *lblMrc = nullptr, *lblVns = nullptr, *lblEth = nullptr,
                    *lblMon = nullptr, *lblMas = nullptr, *lblJup = nullptr, *lblSat = nullptr;
    controls::Label *lblSunN = nullptr, *lblMrcN = nullptr, *lblVnsN = nullptr, *lblEthN = nullptr,
                    *lblMasN = nullptr, *lblJupN = nullptr, *lblSatN = nullptr;
    controls::Label* lblsyun = nullptr;
    controls::Line *Line1 = nullptr, *Line2 = nullptr, *Line3 = nullptr, *Line4 = nullptr,
                   *Line5 = nullptr, *Line6 = nullptr, *Line7 = nullptr, *Line8 = nullptr,
                   *Line9 = nullptr, *Line10 = nullptr, *Line11 = nullptr;

    controls::Timer TmrWE{[this] { TmrWE_Timer(); }};
    controls::Timer TmrMes{[this] { TmrMes_Timer(); }};

    // Handlers, named after their control and event.
    void Form_Load();
    void Form_Resize() override;
    void cmdSTR_Click(int index);
    void cmdSTP_Click();
    void cmdClr_Click();
    void cmdSyo_Click();
    void cmdTendo_Click();
    void cmdEthST_Click();
    void cmdFrm2_Click();
    void cmdEndWE_Click();
    void lblEthYear_Click();
    void TmrWE_Timer();
    void TmrMes_Timer();

    void InitBodies();
    void ClearBodies();
    void ShowScale();
    void HideScale();

    // The 27 controls of the distance scale, in the order they are shown and hidden.
    std::vector<controls::Control*> ScaleGroup() const;

    // The Earth view while it is loaded, or null.
    frmTendo* EarthView() const {
        return earthView_ && earthView_->Loaded() ? earthView_.get() : nullptr;
    }

protected:
    // The frame's close box ends the program as 終わる does.
    void Form_Unload() override;

private:
    void buildLayout();
    void buildRange(bool saturn);
    void placeBody(controls::PictureBox* box, const sim::Placement& at, int colour);

    std::int16_t shownYear_ = 0; // the count lblEthYear shows, so that it is written on change
    // Created and loaded on first use; once closed it is kept, unloaded, until the next opening
    // makes a new one, so that no handler of it runs after its own window has gone.
    std::unique_ptr<frmTendo> earthView_;
};
