#pragma once
// What a lookup needs of the window that runs it. The main window implements it with widgets; the
// command-line front end and the tests implement it without any.
#include <cstddef>
#include <functional>
#include <string>

namespace kvilo::lookup {

class LookupView {
public:
    virtual ~LookupView() = default;

    // Shows the status line and redraws it at once (the transfer that follows blocks the window).
    virtual void ShowStatusLine(const std::string& statusLine) = 0;
    virtual void FocusQuery() = 0;
    virtual void FocusList() = 0;
    // The result list changed: redraw the window's fields and the list.
    virtual void Refresh() = 0;
    virtual void SelectRow(size_t index) = 0;
    // " Очистить", " Реквизиты", the map button and the export button.
    virtual void EnableRowButtons(bool enable) = 0;
    virtual void ShowAddressLine(const std::string& address) = 0;

    // Runs a blocking transfer and returns once it has ended. `transfer` touches nothing of the window, so
    // the window may run it on a worker thread and keep painting meanwhile, its input blocked; the command
    // line simply runs it.
    virtual void RunTransfer(const std::function<void()>& transfer) { transfer(); }
    // True once the user has asked to close the window while a lookup runs: the lookup then stops at once
    // and shows nothing more.
    virtual bool Closing() const { return false; }
};

} // namespace kvilo::lookup
