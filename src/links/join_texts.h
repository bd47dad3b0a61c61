#pragma once
// Joins texts into one new text of the run-time heap.
#include <initializer_list>

namespace links {

// The texts one after another and a zero byte, in a new block that the caller releases with
// app::ReleaseMemory. A null text counts as empty. Allocation failure ends the process.
char* JoinTexts(std::initializer_list<const char*> texts);

}  // namespace links
