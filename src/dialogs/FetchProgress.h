#pragma once

#include <QString>

#include <functional>

// The small modal box shown while a page is on its way over the network, so
// that the window does not look hung. Its only answer is Cancel.
class FetchProgress
{
public:
    virtual ~FetchProgress() = default;

    // Shows the box with `text`, a Cancel button and `title`, and returns at
    // once. Pressing Cancel (or closing the box) calls `cancel`, while the box
    // is shown, at most once.
    virtual void begin(const QString &text, const QString &title, std::function<void()> cancel) = 0;

    // Takes the box away; `cancel` is not called after this.
    virtual void end() = 0;
};
