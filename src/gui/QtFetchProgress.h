#pragma once

#include "dialogs/FetchProgress.h"

#include <memory>

class QProgressDialog;
class QWidget;

// The waiting box of a window, shown with Qt: a modal progress box with a
// busy bar and a Cancel button.
class QtFetchProgress : public FetchProgress
{
public:
    explicit QtFetchProgress(QWidget *window);
    ~QtFetchProgress() override;

    void begin(const QString &text, const QString &title, std::function<void()> cancel) override;
    void end() override;

private:
    QWidget *window;
    std::unique_ptr<QProgressDialog> box;
};
