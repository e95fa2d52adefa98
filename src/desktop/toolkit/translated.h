#pragma once

#include "core/message.h"

#include <QString>

namespace coinwell {

// A message of the core in the language installed: its phrase from the
// catalogue, in the plural form its count takes, with its arguments
// translated in turn, each put in once where its %1, %2, ... stands.
QString translated(const core::Message& message);
QString translated(const core::Phrase& phrase);

}  // namespace coinwell
