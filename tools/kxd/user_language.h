#pragma once
// The language the user reads kxd's messages in, as the system says.

#include "kxd_messages.h"

namespace kx {

// Japanese for a Japanese user, English for everyone else.
Language UserLanguage();

}  // namespace kx
