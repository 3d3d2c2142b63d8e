// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Vertexa developers
#pragma once

#include <QCursor>

class QWidget;

// The mouse pointer of the problems pages' "Full Screen" labels: four small
// arrows pointing out to the corners, drawn here rather than taken from the
// system's set. Drawn for the display's device pixel ratio, so it has the
// same size and sharpness on every monitor.
QCursor fullScreenPointer(qreal devicePixelRatio);

// Gives a disabled control a pointer of its own. Qt shows the default pointer
// over any disabled widget, so the control gets a see-through cover with the
// pointer; the cover takes no focus and swallows clicks, leaving the control
// as inert as before. Returns the cover, owned by the control's parent.
QWidget *coverWithPointer(QWidget *control, const QCursor &pointer);
