#include "gui/QtFetchProgress.h"

#include <QProgressDialog>

QtFetchProgress::QtFetchProgress(QWidget *window)
    : window(window)
{
}

QtFetchProgress::~QtFetchProgress() = default;

void QtFetchProgress::begin(const QString &text, const QString &title, std::function<void()> cancel)
{
    end();
    // A range of 0 to 0 shows a busy bar: how long the page takes is unknown.
    box = std::make_unique<QProgressDialog>(text, QProgressDialog::tr("Cancel"), 0, 0, window);
    box->setWindowTitle(title);
    box->setWindowModality(Qt::ApplicationModal);
    box->setAutoClose(false);
    box->setAutoReset(false);
    box->setMinimumDuration(0);
    QObject::connect(box.get(), &QProgressDialog::canceled, box.get(),
                     [cancel = std::move(cancel), called = false]() mutable {
                         if (called || !cancel)
                             return;
                         called = true;
                         cancel();
                     });
    box->show();
}

void QtFetchProgress::end()
{
    if (!box)
        return;
    box->disconnect();
    box->hide();
    box.reset();
}
