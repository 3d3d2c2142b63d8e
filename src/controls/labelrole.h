// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

// What a label is to the pupil: words to read, or words that act when
// clicked. One that acts is on the Tab path and Enter or Space presses it.
enum class LabelRole { Text, Button, Link };
