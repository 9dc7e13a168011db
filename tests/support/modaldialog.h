// Answering modal dialogs in tests: a dialog opened with exec() blocks the
// test until someone closes it, so the test arranges beforehand who will.
//
// answerNextModal(answer) watches for the next modal dialog; as soon as one
// is shown it calls `answer` with it, from inside the dialog's own event
// loop. A dialog that `answer` leaves open is rejected a little later, so a
// failing test ends instead of hanging.
#pragma once

#include <functional>

class QWidget;

namespace kovrin::test {

void answerNextModal(std::function<void(QWidget* dialog)> answer);

// From now on, a modal dialog that nobody answers fails the running test
// and is closed after a few seconds, so a test that meets a question it did
// not expect fails instead of waiting for ever. Called once, by the main of
// the tests that run on the real widgets.
void failUnansweredModals();

// Run the event loop for a moment, so that shown windows settle.
void settle(int milliseconds = 50);

}  // namespace kovrin::test
