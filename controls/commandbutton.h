// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A push button in the classic graphical style: a raised face in its own colour with a centred
// caption. Clicked by the mouse, by Space, and by Enter while it has the focus.

#include "control.h"

#include <QAbstractButton>

namespace controls {

class CommandButton : public Control<QAbstractButton> {
public:
    explicit CommandButton(Form* form);

    QString Caption() const { return text(); }
    void setCaption(const QString& c);
    QColor BackColor() const { return back_; }
    void setBackColor(QColor c);

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    QColor back_{128, 255, 255};
};

} // namespace controls
