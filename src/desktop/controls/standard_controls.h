#pragma once
// The platform's standard window classes by name: "BUTTON" gives the kind its type style names
// (push button, default push button, automatic check box, automatic radio button), "EDIT" the edit
// control. Null for a class or button type this layer does not have.
#include <cstdint>
#include <memory>
#include <string_view>

#include "desktop/window/window.h"

namespace desktop {

std::unique_ptr<Window> MakeStandardControl(std::string_view class_name, std::uint32_t style);

}  // namespace desktop
