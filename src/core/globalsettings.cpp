#include "core/globalsettings.h"

namespace op {

GlobalSettings &GlobalSettings::instance() {
  static GlobalSettings settings;
  return settings;
}

}  // namespace op
