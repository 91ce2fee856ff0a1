#pragma once
// MainPage: what the main window asks of a window it hosts on a page of `pagecontrol1`. A window
// becomes a page by implementing this and filling its row of the page table (main_pages.cpp).

#include <QString>
#include <functional>
#include <utility>

#include "core/status.h"

namespace lottodesk {

class MainPage {
public:
    virtual ~MainPage() = default;

    // The lottery type changed: drop selections and results that belong to the old game.
    virtual void typeChanged() {}
    // The draw history changed (an update, a transform): views computed from it are out of date.
    virtual void historyChanged() {}
    // Every page is being closed (type switch, data update): stop a computation in progress.
    virtual void stopWork() {}
    // The user confirmed exit: keep what the page saves between runs; the failure's message.
    virtual Status saveOnExit() { return Status::success(); }

    // The main window shows the page's status texts while the page is current.
    void setStatusListener(std::function<void(const QString&)> listener) { m_statusListener = std::move(listener); }

protected:
    void reportStatus(const QString& text) const {
        if (m_statusListener) m_statusListener(text);
    }

private:
    std::function<void(const QString&)> m_statusListener;
};

}  // namespace lottodesk
