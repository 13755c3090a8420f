#pragma once

#include "designs/WindowDesign.h"

#include <QWidget>

#include <functional>

namespace pelmora::qt {

class CommandButton;

// Creates the widget of a designed control (not menus) with the design's name as object name,
// geometry, font, colours and visibility. `onClick` runs when a button is clicked.
QWidget* MakeControl(const designs::ControlDesign& design, const designs::WindowDesign& window,
                     QWidget* parent, const std::function<void()>& onClick);

// The one place a window's buttons are made: hover buttons, read from their stored entries.
CommandButton* MakeCommandButton(const designs::ControlDesign& design, const designs::WindowDesign& window,
                                 QWidget* parent, const std::function<void()>& onClick);

// A control's geometry in pixels; controls without a size keep their own.
void PlaceControl(QWidget& widget, const designs::ControlDesign& design);

}  // namespace pelmora::qt
