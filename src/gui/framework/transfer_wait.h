#pragma once
// Waiting for a transfer without freezing the windows: the transfer runs on a worker thread while the GUI
// thread goes on painting in a local event loop.
#include <functional>

namespace kvilo::framework {

enum class WhileWaiting {
    HoldInput,   // keys and clicks wait until the work has ended (a busy cursor shows meanwhile)
    AcceptInput, // the windows take input as usual (a modal window that offers a way to stop the work)
};

// Runs `work` on a worker thread and returns when it has ended. Exceptions end the work, never the program.
void RunOffGuiThread(const std::function<void()>& work, WhileWaiting input);

} // namespace kvilo::framework
