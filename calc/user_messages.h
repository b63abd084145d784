#pragma once
// Every sentence and message-box title a user reads of a run, in Turkish,
// worded here from the causes the run reports; nowhere else.
#include <string>
#include <string_view>

#include "calc/run_messages.h"

namespace calc {

// "HATA" for a refusal or a fault, "IS TAMAM" for the completion.
std::string_view MessageTitle(const RunMessage& message);

// The box's text (UTF-8).
std::string MessageText(const RunMessage& message);

}  // namespace calc
