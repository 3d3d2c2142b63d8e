// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

// The common size of the styled screens and the places of their picture
// buttons, in twips; the picture generator draws the faces to this size.
namespace Styling {
constexpr int WindowWidth = 12000;
constexpr int WindowHeight = 9000;
constexpr int ButtonWidth = 1785;
constexpr int ButtonHeight = 495;
constexpr int ButtonColumnLeft = 10050;
constexpr int BottomRowTop = 7950;
constexpr int ExitButtonLeft = 90;
} // namespace Styling
