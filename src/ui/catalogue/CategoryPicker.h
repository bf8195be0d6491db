#pragma once

#include <functional>

#include "core/domain/Comcata.h"

class QWidget;

// The category editor in pick mode ("选择"), modal: the operator chooses a category, which goes to
// the handler; the window closes when the handler takes it. True when it closed with a pick.
bool PickCategory(const std::function<bool(const RComcata&)>& onPick, QWidget* parent = nullptr);
