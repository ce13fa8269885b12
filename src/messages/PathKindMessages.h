#pragma once
// The words for what a path names when a regular file was wanted ("a folder", "a FIFO"), shown
// as a value inside the sentences of the material list and the element database.

#include "messages/Message.h"
#include "state/RegularFile.h"

namespace fenra {

// "a folder", "a FIFO", "a device", "a socket", "not a regular file"; empty for Regular.
Message PathKindName(PathKind kind);

}  // namespace fenra
