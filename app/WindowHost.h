#pragma once
#include "BoxesHost.h"

namespace zanfo {

// The main window as the operations' host.
class WindowHost final : public BoxesHost {
public:
    using BoxesHost::BoxesHost;
};

}  // namespace zanfo
