#pragma once

namespace op {

// Registers every field kind under its class name with the class registry, in the order of the
// document's class table. Call once at start-up (program, headless commands, tests); repeated calls are harmless.
void registerFieldKinds();

}  // namespace op
