#pragma once

#include <string>
#include <string_view>

#include "common/message_list.h"
#include "preprocess/define_table.h"
#include "preprocess/pending_defines.h"

namespace qv {

// Records a define line ("#DEFINE name value", "DEFINE name value",
// "name EQU value", "name SET value"; keywords matched as prefixes, value =
// third word only) and notes "Define: name = value". A value that cannot be
// evaluated yet is 0 and stays pending. False when the code is no define.
bool handleDefine(std::string_view code, DefineTable& defines, PendingDefines& pending,
                  MessageList& notes);

}  // namespace qv
