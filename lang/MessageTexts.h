#pragma once
#include <QString>
#include <array>

#include "MessageId.h"

namespace zanfo {

// The message texts the operations show, indexed by MessageId. Set as a whole by
// ApplyLanguage; until then it holds the English texts, so no dialog comes up empty.
extern std::array<QString, MessageCount> MessageTexts;

}  // namespace zanfo
