#pragma once

#include "view/presenter.h"

namespace ovali {

// The handlers of the window's controls and menus, for the presenter.
const Handlers& gameHandlers();

}  // namespace ovali
