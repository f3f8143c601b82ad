#pragma once

#include <string>
#include <string_view>

namespace lumo {

// The label the symbol chooser shows for a symbol: a primitive's from the
// primitives' table ("_not" is "inverter", "_dffr" is "dff"...), any other
// name without its leading underscore. Names are compared exactly.
std::string ChooserLabel(std::string_view symbol_name);

}  // namespace lumo
