#pragma once

#include <functional>

class QWidget;

// Answers a modal dialog that the code under test is about to show: polls for
// the active modal widget and hands it to `answer`, again on every tick while
// `answer` returns false (say, while a file list is still loading). A dialog
// that is not answered in time is closed and the test fails.
void answerModal(std::function<bool(QWidget *modal)> answer);
