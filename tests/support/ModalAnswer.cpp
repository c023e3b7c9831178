#include "ModalAnswer.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {
constexpr int tickMs = 10;
constexpr int maxTicks = 500;
} // namespace

void answerModal(std::function<bool(QWidget *modal)> answer)
{
    auto *timer = new QTimer;
    auto ticks = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, ticks, answer = std::move(answer)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && answer(modal)) {
            timer->deleteLater();
        } else if (++*ticks == maxTicks) {
            ADD_FAILURE() << "the modal dialog was not answered in time";
            if (modal)
                modal->close();
            timer->deleteLater();
        }
    });
    timer->start(tickMs);
}
