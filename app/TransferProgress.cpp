#include "app/TransferProgress.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ui_text.h"

namespace tw {

TransferProgress::TransferProgress(QWidget* parent, const Session& session, const QString& what, int limitSeconds)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      limitSeconds_(limitSeconds),
      elapsedText_(caption(session, "FRM_ALL_TRANSFER_ELAPSED_MSG", "%1 s elapsed of at most %2 s")),
      stoppingText_(caption(session, "FRM_ALL_TRANSFER_STOPPING_MSG", "Stopping: %1"))
{
    setObjectName("TransferProgress");
    setWindowTitle(caption(session, "FRM_ALL_TRANSFER_TITLE", "Transfer"));
    setWindowModality(Qt::ApplicationModal);
    what_ = new QLabel(what, this);
    what_->setObjectName("L_Transfer");
    step_ = new QLabel(this);
    step_->setObjectName("L_Step");
    elapsed_ = new QLabel(this);
    elapsed_->setObjectName("L_Elapsed");
    // The limit is the worst case, not the expected length: the bar shows
    // that the transfer is alive, the text how long it may still take.
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 0);
    bar_->setTextVisible(false);
    cancel_ = new QPushButton(caption(session, "FRM_ALL_TRANSFER_C_CANCEL", "Cancel"), this);
    cancel_->setObjectName("C_Cancel");
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, &TransferProgress::request_cancel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(what_);
    layout->addWidget(step_);
    layout->addWidget(bar_);
    layout->addWidget(elapsed_);
    layout->addLayout(buttons);
    setMinimumWidth(420);

    clock_.start();
    update_elapsed();
    tick_.setInterval(250);
    connect(&tick_, &QTimer::timeout, this, &TransferProgress::update_elapsed);
    tick_.start();
}

int TransferProgress::elapsed_seconds() const { return int(clock_.elapsed() / 1000); }

void TransferProgress::update_elapsed()
{
    const int seconds = elapsed_seconds();
    elapsed_->setText(QString(elapsedText_).arg(seconds).arg(limitSeconds_));
}

void TransferProgress::set_step(const QString& step) { step_->setText(step); }

void TransferProgress::set_stage(const QString& what, int limitSeconds)
{
    what_->setText(what);
    limitSeconds_ = limitSeconds;
    clock_.restart();
    update_elapsed();
}

void TransferProgress::request_cancel()
{
    if (finished_ || cancelRequested_)
        return;
    cancelRequested_ = true;
    cancel_->setEnabled(false);
    step_->setText(QString(stoppingText_).arg(step_->text()));
    Q_EMIT cancelRequested();
}

void TransferProgress::finish()
{
    finished_ = true;
    tick_.stop();
    accept();
}

void TransferProgress::reject()
{
    // Escape asks the transfer to stop; the dialog goes when it has ended.
    if (finished_)
        QDialog::reject();
    else
        request_cancel();
}

void TransferProgress::closeEvent(QCloseEvent* event)
{
    if (finished_) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
    request_cancel();
}

}  // namespace tw
