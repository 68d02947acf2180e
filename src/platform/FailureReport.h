#pragma once

#include <exception>
#include <ostream>
#include <string>

// The text of a failure for whoever reads standard error, in UTF-8: the
// game's Shift-JIS messages are converted, other exceptions give what().
std::string FailureTextUtf8(std::exception_ptr failure);

// The same text in Shift-JIS, as a message box of the game shows it.
std::string FailureTextSjis(std::exception_ptr failure);

// A failure that ended a worker thread's body. Nothing shows it on screen, so
// it is written out rather than lost.
void ReportThreadFailure(std::exception_ptr failure, std::ostream& out);
