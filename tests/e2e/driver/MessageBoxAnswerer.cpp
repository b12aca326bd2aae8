#include "MessageBoxAnswerer.h"

#include "Desktop.h"
#include "Report.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>

MessageBoxAnswerer::MessageBoxAnswerer(std::function<void(QMessageBox&)> whileShown)
    : whileShown_(std::move(whileShown)) {
    connect(&poll_, &QTimer::timeout, this, &MessageBoxAnswerer::look);
    poll_.start(10);
}

void MessageBoxAnswerer::look() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || answering_ || !box->isVisible())
        return;
    answering_ = true;
    ++seen_;
    Report::check(QTest::qWaitForWindowExposed(box, 5000), "the message box is on screen");
    lastText_ = box->text();
    if (whileShown_)
        whileShown_(*box);
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    Report::require(ok != nullptr, "the message box has an OK button");
    Desktop::click(ok);
    answering_ = false;
}
