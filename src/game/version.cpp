#include "game/version.h"

namespace game {

const char* version() { return TILVARO_VERSION; }

} // namespace game
