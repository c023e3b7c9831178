#include "hangar/AircraftBatch.h"

#include "files/OneLine.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QVBoxLayout>

BatchResult runBatch(QWidget *window, const QString &title, const QList<BatchAircraft> &aircraft,
                     const std::function<BatchStep(const QString &airPath)> &step)
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
        progress.setLabelText(QStringLiteral("Aircraft %1 of %2: %3").arg(n + 1).arg(total).arg(one.title));
        progress.setValue(n);
        // Cancel is taken here, between two aircraft.
        QCoreApplication::processEvents();
        if (progress.wasCanceled()) {
            result.cancelled = true;
            break;
        }
        const BatchStep outcome = step(one.airPath);
        result.worked.append(one.airPath);
        switch (outcome.result) {
        case BatchStep::Result::Done:
            ++result.done;
            break;
        case BatchStep::Result::Unchanged:
            ++result.unchanged;
            break;
        case BatchStep::Result::Failed:
            result.failures.append(
                QStringLiteral("%1 (%2): %3")
                    .arg(one.title, QDir::toNativeSeparators(one.airPath), oneLine(outcome.failures)));
            break;
        }
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
    if (!result.failures.isEmpty()) {
        auto *failures = new QPlainTextEdit(result.failures.join(QLatin1Char('\n')), &summary);
        failures->setObjectName(QStringLiteral("summaryFailures"));
        failures->setReadOnly(true);
        failures->setMinimumSize(640, 200);
        layout->addWidget(failures);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &summary);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &summary, &QDialog::accept);
    layout->addWidget(buttons);
    summary.exec();
}
