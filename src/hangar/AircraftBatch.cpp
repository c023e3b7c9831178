#include "hangar/AircraftBatch.h"

#include "kneeboard/PlayerBatch.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QVBoxLayout>

BatchResult runBatch(QWidget *window, const QString &title, const QList<BatchAircraft> &aircraft,
                     PlayerBatch &batch)
{
    const int total = int(aircraft.size());
    QProgressDialog progress(window);
    progress.setObjectName(QStringLiteral("batchProgress"));
    progress.setWindowTitle(title);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    progress.setRange(0, total);
    // At once, rather than when Qt guesses the work is long: from the first
    // aircraft on, the user can stop before the next.
    if (total > 1)
        progress.show();
    BatchResult result;
    for (int n = 0; n < total; ++n) {
        const BatchAircraft &one = aircraft[n];
        progress.setLabelText(QCoreApplication::translate("AircraftBatch", "Aircraft %1 of %2: %3")
                                  .arg(n + 1)
                                  .arg(total)
                                  .arg(one.title));
        progress.setValue(n);
        // Cancel is taken here, between two aircraft.
        QCoreApplication::processEvents();
        if (progress.wasCanceled())
            break;
        const PlayerBatch::Outcome outcome = batch.run(one.airPath);
        result.worked.append(one.airPath);
        result.lines.append(QStringLiteral("%1 (%2): %3")
                                .arg(one.title, QDir::toNativeSeparators(one.airPath), outcome.text));
    }
    progress.setValue(total);
    return result;
}

void showBatchSummary(QWidget *window, const QString &title, const QString &headline,
                      const BatchResult &result)
{
    QDialog summary(window);
    summary.setObjectName(QStringLiteral("batchSummary"));
    summary.setWindowTitle(title);
    auto *layout = new QVBoxLayout(&summary);
    auto *headlineLabel = new QLabel(headline, &summary);
    headlineLabel->setObjectName(QStringLiteral("summaryHeadline"));
    headlineLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(headlineLabel);
    if (!result.lines.isEmpty()) {
        auto *lines = new QPlainTextEdit(result.lines.join(QLatin1Char('\n')), &summary);
        lines->setObjectName(QStringLiteral("summaryLines"));
        lines->setReadOnly(true);
        lines->setMinimumSize(640, 200);
        layout->addWidget(lines);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &summary);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &summary, &QDialog::accept);
    layout->addWidget(buttons);
    summary.exec();
}
