// SPDX-FileCopyrightText: 2026 The wakusei authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "simulation/sky.h"

#include <cmath>

namespace sim {

SkyPoint ProjectToSky(const SkyInputs& in) {
    SkyPoint out;
    out.Kakudo = in.Kakudo;
    const double EthX2 = in.earth.x, EthY2 = in.earth.y, X2w = in.body.x, Y2w = in.body.y;
    if (EthX2 - X2w != 0)
        out.Kakudo = std::atan((EthY2 - Y2w) / (EthX2 - X2w));
    const double R = in.hosei + in.Hankei;
    if (EthX2 >= X2w) {
        out.X2t = in.centre.x - R * std::cos(out.Kakudo);
        out.Y2t = in.centre.y - R * std::sin(out.Kakudo);
    } else {
        out.X2t = in.centre.x + R * std::cos(out.Kakudo);
        out.Y2t = in.centre.y + R * std::sin(out.Kakudo);
    }
    return out;
}

} // namespace sim
