// Runs one check in a child process, so that a crash, a hang or a sanitizer
// report in the code under test becomes that check's failure and the caller
// goes on with the next one.
//
// Contract: the body runs in a fork of the caller with the default action for
// crash signals (so a crash ends the child with its signal even where a
// sanitizer would catch it) and its standard output and error kept apart from
// the caller's, to be quoted when the child fails without a verdict. The
// child never returns to the caller's code: it ends with _exit after sending
// the body's verdict through a pipe, so no exit handler or destructor of the
// caller's state runs twice. A body that throws fails with the exception's
// text. A child still running at the deadline is killed.
#pragma once

#include <chrono>
#include <functional>
#include <string>

namespace zuhost {

struct Verdict {
    bool passed = false;
    std::string message;  // why it failed, or a note on what passed
};

struct ChildResult {
    Verdict verdict;
    double seconds = 0.0;  // wall-clock time of the child
};

ChildResult runInChild(const std::function<Verdict()>& body, std::chrono::milliseconds timeout);

}  // namespace zuhost
